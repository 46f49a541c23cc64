#pragma once

#include <string>

class CBaseDraw;
class CDrawSurface;
class QImage;

// The widest picture ExportChart writes: beyond it an image needs gigabytes.
inline constexpr int kMaxPictureSide = 16384;

// One paint of a chart: its drawing pass, then its notes.
void PaintChart(CBaseDraw& chart, CDrawSurface& dc);

// A paint that shows nothing. A chart's paint settles values its file stores
// (the overlay radii of a new chart or a star shown for the first time);
// this settles them before the chart is compared with a file or a history.
void SettlePaintedValues(CBaseDraw& chart);

// Paints chart on white into image (chart units scaled by zoom).
void PaintChartToImage(CBaseDraw& chart, QImage& image, double zoom);

// Paints chart on white into a square image of canvas chart units at the
// given zoom, the picture ExportChart writes as PNG, scaled down to maxSide
// pixels when it is wider. A null image with a message when that size gives
// no picture or no memory for one.
QImage ChartImage(CBaseDraw& chart, int canvas, double zoom, int maxSide, std::string& error);

// Paints chart into a square picture of canvas chart units at the given zoom
// and writes it to path as PNG, SVG or PDF, chosen by the extension. The file
// is written whole or not at all. Returns false with a message on failure.
bool ExportChart(CBaseDraw& chart, const std::string& path, int canvas, double zoom, std::string& error);
