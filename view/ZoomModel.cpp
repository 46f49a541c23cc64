#include "ZoomModel.h"

#include <algorithm>
#include <cmath>

namespace {

int IndexOfOne(const std::vector<float>& levels)
{
    const auto it = std::find(levels.begin(), levels.end(), 1.0f);
    return it == levels.end() ? -1 : static_cast<int>(it - levels.begin());
}

} // namespace

CZoomModel::CZoomModel()
    : m_levels{1.0f / 3.0f, 0.5f, 2.0f / 3.0f, 1.0f, 1.5f, 2.0f, 3.0f}
    , m_levelIndex(IndexOfOne(m_levels))
{
}

bool CZoomModel::SetLevels(const std::vector<float>& levels)
{
    if (levels.empty() || !(levels.front() >= kMinZoom) || !(levels.back() <= kMaxZoom))
        return false;
    if (std::adjacent_find(levels.begin(), levels.end(), [](float a, float b) { return !(a < b); }) != levels.end())
        return false;
    m_levels = levels;
    m_levelIndex = IndexOfOne(m_levels);
    return true;
}

float CZoomModel::SetZoom(float factor)
{
    const float previous = m_zoom;
    // Written so that a NaN ends at the lower limit.
    m_zoom = factor >= kMinZoom ? std::min(factor, kMaxZoom) : kMinZoom;
    m_wheelTotal = 0;
    return previous;
}

bool CZoomModel::MoveToLevel(int index)
{
    if (index < 0 || index >= static_cast<int>(m_levels.size()))
        return false;
    m_levelIndex = index;
    SetZoom(m_levels[static_cast<std::size_t>(index)]);
    return true;
}

int CZoomModel::LevelAbove() const
{
    const auto it = std::upper_bound(m_levels.begin(), m_levels.end(), m_zoom);
    return it == m_levels.end() ? -1 : static_cast<int>(it - m_levels.begin());
}

int CZoomModel::LevelBelow() const
{
    const auto it = std::lower_bound(m_levels.begin(), m_levels.end(), m_zoom);
    return it == m_levels.begin() ? -1 : static_cast<int>(it - m_levels.begin()) - 1;
}

CZoomModel::WheelStep CZoomModel::AddWheel(int delta)
{
    m_wheelTotal += delta;
    if (m_wheelTotal >= kWheelStep)
        return WheelStep::ZoomOut;
    if (m_wheelTotal <= -kWheelStep)
        return WheelStep::ZoomIn;
    return WheelStep::None;
}

int CZoomModel::ViewportExtent() const
{
    // In float, as the factor is: 0.618f x 1000 is 618 in float, 617.99997 in double.
    return static_cast<int>(m_zoom * static_cast<float>(kWindowExtent));
}

double CZoomModel::Scale() const { return static_cast<double>(ViewportExtent()) / kWindowExtent; }

Size CZoomModel::ToWindow(Size chartUnits) const { return {ToWindow(chartUnits.cx), ToWindow(chartUnits.cy)}; }

int CZoomModel::AxisOrigin(int clientPixels, int totalPixels, int scrollPosition)
{
    return totalPixels < clientPixels ? (clientPixels - totalPixels) / 2 : -scrollPosition;
}

Size CZoomModel::PageStep(Size total) const
{
    const Size pixels = ToWindow(total);
    return {pixels.cx / 10, pixels.cy / 10};
}

Size CZoomModel::LineStep(Size total) const
{
    const Size page = PageStep(total);
    return {page.cx / 10, page.cy / 10};
}

CZoomModel::PageFit CZoomModel::FitToPage(const Rect& region, Size page)
{
    if (region.IsEmpty() || page.cx <= 0 || page.cy <= 0)
        return {};
    const double w = region.Width();
    const double h = region.Height();
    PageFit fit;
    fit.scale = std::min(page.cx / w, page.cy / h);
    fit.offset.x = static_cast<int>(std::lround((page.cx - w * fit.scale) / 2 - region.left * fit.scale));
    fit.offset.y = static_cast<int>(std::lround((page.cy - h * fit.scale) / 2 - region.top * fit.scale));
    return fit;
}
