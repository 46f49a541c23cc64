#include "DeviceMapping.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Far outside any device, far inside the raster engine's integer range.
constexpr double kMaxDevice = 1 << 24;

} // namespace

CDeviceMapping::CDeviceMapping(double zoom)
    : m_zoom(std::isfinite(zoom) && zoom > 0 ? zoom : 1.0)
{
}

int CDeviceMapping::ToDevice(int v) const
{
    return static_cast<int>(std::clamp(std::round(v * m_zoom), -kMaxDevice, kMaxDevice));
}

QPointF CDeviceMapping::ToDevice(Point p) const
{
    return {std::round(p.x * m_zoom), std::round(p.y * m_zoom)};
}

QRect CDeviceMapping::ToDevice(const Rect& rc) const
{
    const int left = ToDevice(rc.left);
    const int top = ToDevice(rc.top);
    return QRect(left, top, std::max(0, ToDevice(rc.right) - left), std::max(0, ToDevice(rc.bottom) - top));
}

QRectF CDeviceMapping::EllipseOutline(const Rect& rc) const
{
    const QRect box = ToDevice(rc);
    return QRectF(box.left(), box.top(), box.width() - 1, box.height() - 1);
}

int CDeviceMapping::ToChartUnits(double pixels) const
{
    // The small allowance keeps 51 pixels at zoom 0.6 from becoming 86 units.
    const double units = std::ceil(pixels / m_zoom - 1e-6);
    return static_cast<int>(std::clamp(units, 0.0, static_cast<double>(std::numeric_limits<int>::max())));
}

std::array<QRect, 4> CDeviceMapping::FrameEdges(const Rect& rc) const
{
    const QRect d = ToDevice(rc);
    // Never thicker than the unit: the margin of a unit that boxes keep
    // inside their frame then stays clear of what they hold.
    const int t = std::max(1, static_cast<int>(std::floor(m_zoom)));
    const int w = d.width();
    const int h = d.height();
    return {QRect(d.left(), d.top(), std::max(0, w - t), t), QRect(d.left(), d.top(), t, std::max(0, h - t)),
            QRect(d.left() + w - t, d.top(), t, h), QRect(d.left(), d.top() + h - t, w, t)};
}
