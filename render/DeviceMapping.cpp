#include "DeviceMapping.h"

#include <algorithm>
#include <cmath>

CDeviceMapping::CDeviceMapping(double zoom)
    : m_pixels(zoom)
{
}

QPointF CDeviceMapping::ToDevice(Point p) const { return {m_pixels.ToPixel(p.x), m_pixels.ToPixel(p.y)}; }

QRect CDeviceMapping::ToDevice(const Rect& rc) const
{
    const int left = m_pixels.ToWholePixel(rc.left);
    const int top = m_pixels.ToWholePixel(rc.top);
    return QRect(left, top, std::max(0, m_pixels.ToWholePixel(rc.right) - left),
        std::max(0, m_pixels.ToWholePixel(rc.bottom) - top));
}

QRectF CDeviceMapping::EllipseOutline(const Rect& rc) const
{
    const QRect box = ToDevice(rc);
    return QRectF(box.left(), box.top(), box.width() - 1, box.height() - 1);
}

std::array<QRect, 4> CDeviceMapping::FrameEdges(const Rect& rc) const
{
    const QRect d = ToDevice(rc);
    // Never thicker than the unit: the margin of a unit that boxes keep
    // inside their frame then stays clear of what they hold.
    const int t = std::max(1, static_cast<int>(std::floor(Zoom())));
    const int w = d.width();
    const int h = d.height();
    return {QRect(d.left(), d.top(), std::max(0, w - t), t), QRect(d.left(), d.top(), t, std::max(0, h - t)),
            QRect(d.left() + w - t, d.top(), t, h), QRect(d.left(), d.top() + h - t, w, t)};
}
