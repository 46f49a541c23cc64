#pragma once

#include "Geometry.h"

#include <functional>
#include <string>

class CBaseDraw;
class CDrawSurface;
class QImage;

// The widest picture ExportChart writes: beyond it an image needs gigabytes.
inline constexpr int kMaxPictureSide = 16384;

// One paint of a chart: its drawing pass, then its notes.
void PaintChart(CBaseDraw& chart, CDrawSurface& dc);

// Paints region (chart units) of chart on white into an image at the given
// zoom, the picture ExportChart writes as PNG, scaled down to maxSide pixels
// a side when it is larger. A null image with a message when that size gives
// no picture or no memory for one. The int form takes the canvas square from
// (0, 0).
QImage ChartImage(CBaseDraw& chart, const Rect& region, double zoom, int maxSide, std::string& error);
QImage ChartImage(CBaseDraw& chart, int canvas, double zoom, int maxSide, std::string& error);

// Paints region (chart units) of chart into a picture at the given zoom and
// writes it to path as PNG, SVG or PDF, chosen by the extension. A file is
// for readers: drag handles are left out. The file is written whole or not
// at all. Returns false with a message on failure. The int form takes the
// canvas square from (0, 0), as quadrix-cli renders it.
bool ExportChart(CBaseDraw& chart, const std::string& path, const Rect& region, double zoom, std::string& error);
bool ExportChart(CBaseDraw& chart, const std::string& path, int canvas, double zoom, std::string& error);

// Anything drawn on a surface, exported as a chart is: its title (for SVG
// and PDF) and its paint.
struct Picture {
    std::string title;
    std::function<void(CDrawSurface&)> paint;
};
bool ExportPicture(const Picture& picture, const std::string& path, const Rect& region, double zoom,
                   std::string& error);
