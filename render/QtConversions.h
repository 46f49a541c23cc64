#pragma once

#include "DrawSurface.h"

#include <QColor>
#include <QFont>
#include <QPen>

// Conversions from the chart's drawing state to Qt objects at a zoom (device
// pixels per chart unit). Shared by the painter surface and anything that
// replays its output.

// Largest font pixel size and pen width drawn. A damaged chart file can ask
// for sizes near INT_MAX; rendering glyphs or strokes that large would
// allocate and rasterise for minutes.
constexpr int kMaxFontPixels = 2048;
constexpr double kMaxPenPixels = 4096.0;

// 0x00BBGGRR to an opaque QColor.
QColor ToQColor(Color color);

// A pen in device pixels: width 0, or anything at most one device pixel wide,
// is a cosmetic one-pixel pen, the only kind drawn dotted; wider pens are
// solid with round ends. Thin lines leave out their end pixel.
QPen ToQPen(const Pen& pen, double zoom);

// The Qt font for a chart font at a zoom, sized in pixels: a positive height
// is the cell height of a line, a negative one the character (em) height,
// 0 a default cell height of 16 units. Missing faces fall back to the nearest
// match, sans serif for the Swiss family.
QFont ToQFont(const Font& font, double zoom);
