#include "ZoomModel.h"

#include <algorithm>
#include <cmath>

namespace {

// The smallest factor whose thousandths, taken in single precision, are extent.
float FactorOfExtent(int extent)
{
    const float limit = static_cast<float>(extent + 1) / CZoomModel::kWindowExtent;
    float factor = static_cast<float>(extent) / CZoomModel::kWindowExtent;
    while (static_cast<int>(factor * static_cast<float>(CZoomModel::kWindowExtent)) < extent && factor < limit)
        factor = std::nextafter(factor, limit);
    return factor;
}

// Whether length chart units at extent thousandths take at most pixels.
bool FitsAt(int length, int pixels, int extent)
{
    return CPixelMapping(static_cast<double>(extent) / CZoomModel::kWindowExtent).ToWholePixel(length) <= pixels;
}

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
        return WheelStep::ZoomIn;
    if (m_wheelTotal <= -kWheelStep)
        return WheelStep::ZoomOut;
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

int CZoomModel::ScrollToPlace(int chartUnit, int pixel, int clientPixels, int totalUnits) const
{
    const int range = std::max(0, ToWindow(totalUnits) - clientPixels);
    return std::clamp(ToWindow(chartUnit) - pixel, 0, range);
}

float CZoomModel::FitZoom(Size total, Size client) const
{
    if (total.cx <= 0 || total.cy <= 0 || client.cx <= 0 || client.cy <= 0)
        return m_zoom;
    const auto fits = [&](int extent) { return FitsAt(total.cx, client.cx, extent) && FitsAt(total.cy, client.cy, extent); };
    const int lowest = static_cast<int>(kMinZoom * kWindowExtent);
    const int highest = static_cast<int>(kMaxZoom * kWindowExtent);
    // Start from the quotient and settle on the last extent that fits; rounding
    // to whole pixels moves the answer by at most a step or two.
    const double quotient = std::min(static_cast<double>(client.cx) / total.cx, static_cast<double>(client.cy) / total.cy);
    int extent = static_cast<int>(std::clamp(std::floor(quotient * kWindowExtent), static_cast<double>(lowest), static_cast<double>(highest)));
    while (extent < highest && fits(extent + 1))
        ++extent;
    while (extent > lowest && !fits(extent))
        --extent;
    return FactorOfExtent(extent);
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
