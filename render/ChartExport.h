#pragma once

#include "Geometry.h"

#include <cstddef>
#include <functional>
#include <string>

class CBaseDraw;
class CDrawSurface;
class QImage;
class QIODevice;

// The widest picture ExportChart writes: beyond it an image needs gigabytes.
inline constexpr int kMaxPictureSide = 16384;

// Vector files keep every shape and line of text; a PDF is held in memory
// until it is written, some hundred bytes an item. Charts of millions of
// cells would need gigabytes: they are refused.
inline constexpr std::size_t kMaxVectorItems = std::size_t{1} << 22;

// How painting a picture into a file went; TooLarge when it drew more than
// kMaxVectorItems.
enum class PaintOutcome { Ok, Failed, TooLarge };

// Writes path whole or not at all: write paints into the device the file is
// written through. False with a message when painting fails, draws too much
// for a file of the given suffix, or the file cannot be written.
bool WritePictureFile(const std::string& path, const std::string& suffix,
                      const std::function<PaintOutcome(QIODevice&)>& write, std::string& error);

// What is drawn over a painted chart without being part of it, such as a
// market's swing marks.
using ChartOverlay = std::function<void(CBaseDraw&, CDrawSurface&)>;

// One paint of a chart: its drawing pass, then its notes, then overlay.
void PaintChart(CBaseDraw& chart, CDrawSurface& dc, const ChartOverlay& overlay = {});

// Paints region (chart units) of chart on white into an image at the given
// zoom, the picture ExportChart writes as PNG, scaled down to maxSide pixels
// a side when it is larger. A null image with a message when that size gives
// no picture or no memory for one. The int form takes the canvas square from
// (0, 0). An overlay is drawn over the chart.
QImage ChartImage(CBaseDraw& chart, const Rect& region, double zoom, int maxSide, std::string& error,
                  const ChartOverlay& overlay = {});
QImage ChartImage(CBaseDraw& chart, int canvas, double zoom, int maxSide, std::string& error);

// Paints region (chart units) of chart into a picture at the given zoom and
// writes it to path as PNG, SVG or PDF, chosen by the extension. A file is
// for readers: drag handles are left out. The file is written whole or not
// at all. Returns false with a message on failure. The int form takes the
// canvas square from (0, 0), as quadrix-cli renders it. An overlay is
// drawn over the chart.
bool ExportChart(CBaseDraw& chart, const std::string& path, const Rect& region, double zoom, std::string& error,
                 const ChartOverlay& overlay = {});
bool ExportChart(CBaseDraw& chart, const std::string& path, int canvas, double zoom, std::string& error,
                 const ChartOverlay& overlay = {});

// Anything drawn on a surface, exported, copied and printed as a chart is:
// its title (for SVG and PDF) and its paint.
struct Picture {
    std::string title;
    std::function<void(CDrawSurface&)> paint;
};
// A chart's picture: PaintChart with overlay.
Picture ChartPicture(CBaseDraw& chart, const ChartOverlay& overlay = {});
bool ExportPicture(const Picture& picture, const std::string& path, const Rect& region, double zoom,
                   std::string& error);
// The image ChartImage makes, of any picture.
QImage PictureImage(const Picture& picture, const Rect& region, double zoom, int maxSide, std::string& error);
