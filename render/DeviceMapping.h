#pragma once

#include "Geometry.h"
#include "PixelMapping.h"

#include <QPointF>
#include <QRect>
#include <QRectF>

#include <array>

// Chart units to device pixels and back at one zoom, in Qt's types, through
// the one rounding of CPixelMapping.
class CDeviceMapping {
public:
    // A zoom that is not a positive finite number maps as 1.
    explicit CDeviceMapping(double zoom);

    double Zoom() const { return m_pixels.Scale(); }

    QPointF ToDevice(Point p) const;
    // Rounded and clamped to a range the rasteriser handles; empty when rc is.
    QRect ToDevice(const Rect& rc) const;
    // The path of an ellipse outlined inside rc: a one-pixel outline falls
    // right of and below its path, so the path is one pixel smaller.
    QRectF EllipseOutline(const Rect& rc) const;
    // A length in device pixels as whole chart units, rounded up so that what
    // was measured fits in the chart-unit box.
    int ToChartUnits(double pixels) const { return m_pixels.UnitsCovering(pixels); }
    // The one-unit frame of a 3-D rectangle, at least one pixel and at most
    // one unit thick: top and left edges (first colour), then right and
    // bottom edges (second colour), which overlap the first two at the
    // top-right and bottom-left corners.
    std::array<QRect, 4> FrameEdges(const Rect& rc) const;

private:
    CPixelMapping m_pixels;
};
