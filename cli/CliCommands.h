#pragma once

#include "ChartExport.h"
#include "Geometry.h"

#include <functional>
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

class CBaseDraw;
class CDrawSurface;
struct ChartOptions;

// The commands of quadrix-cli. Each paints the chart once and reports on it;
// each returns the process exit status.

// The chart a command works on: from the options, or from --file; nothing,
// with a one-line message on err, when it cannot be read or drawn.
std::unique_ptr<CBaseDraw> MakeChart(ChartOptions& options, std::ostream& err);

// A chart from a file is drawn at its own zoom unless --zoom was given; a
// zoom too large for the largest picture is lowered to fit it, with a note
// on err. False, with a message naming the file's zoom, when that zoom gives
// no picture at all.
bool FitFileZoom(CBaseDraw& chart, ChartOptions& options, std::ostream& err);

// Writes the picture to path (PNG, SVG or PDF by the extension), with
// overlay over the chart and the caption's lines below it.
int RunRender(CBaseDraw& chart, const ChartOptions& options, const std::string& path, std::ostream& err,
              const ChartOverlay& overlay = {}, const std::vector<std::string>& caption = {});

// Prints a JSON array with one object per cell of the layout, in number
// order: centre, the label the paint wrote there and its colour.
int RunCells(CBaseDraw& chart, const ChartOptions& options, std::ostream& out);

// Prints the table of every cell as CSV: number, price, date, ring, angle,
// x and y, the same bytes as the window's cell table export.
int RunCellTable(CBaseDraw& chart, const ChartOptions& options, std::ostream& out);

// Prints the cell number at a chart point.
int RunHit(CBaseDraw& chart, int x, int y, std::ostream& out);

// Prints every surface operation of one paint, overlay included, one JSON
// object per line.
int RunTrace(CBaseDraw& chart, const ChartOptions& options, std::ostream& out, const ChartOverlay& overlay = {});
// What paint draws on a picture of the given pixels at zoom, one JSON line an operation.
int TracePicture(const std::function<void(CDrawSurface&)>& paint, Size pixels, double zoom, std::ostream& out);

// Prints the charts of a chart file as JSON.
int RunDump(const std::string& chartFile, std::ostream& out, std::ostream& err);

// Writes the chart file that the JSON of RunDump describes.
int RunWrite(const std::string& jsonFile, const std::string& chartFile, std::ostream& err);
