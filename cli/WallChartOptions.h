#pragma once

#include "ChartExport.h"

#include <iosfwd>
#include <string>
#include <vector>

class CBaseDraw;
class QCommandLineParser;

// render's options for a wall chart: the chart printed over many pages of a
// PDF at a readable size (--cell-mm, or by default labels of 7 pt) or on
// --pages CxR, on --paper, with --overlap between neighbouring pages and an
// --overview first; or, to a PNG (at --dpi) or SVG, one picture with cells
// of --cell-mm.
namespace WallChartOptions {

void Add(QCommandLineParser& parser);
// Whether any of them is given: render then writes the pages.
bool Given(const QCommandLineParser& parser);
// Writes chart, overlay over it, as the pages or the picture to path, the
// caption's lines in each page's margin or below the picture; the exit
// status, with a one-line message on err (usage errors for sizes that give
// no pages or too large a picture).
int Render(const QCommandLineParser& parser, CBaseDraw& chart, const std::string& path, std::ostream& err,
           const ChartOverlay& overlay, const std::vector<std::string>& caption);

} // namespace WallChartOptions
