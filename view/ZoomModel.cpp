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

// The pixels from chart coordinate low to high at a mapping.
int Span(const CPixelMapping& mapping, int low, int high)
{
    return mapping.ToWholePixel(high) - mapping.ToWholePixel(low);
}

// Whether area at extent thousandths takes at most client pixels.
bool FitsAt(const Rect& area, Size client, int extent)
{
    const CPixelMapping mapping(static_cast<double>(extent) / CZoomModel::kWindowExtent);
    return Span(mapping, area.left, area.right) <= client.cx && Span(mapping, area.top, area.bottom) <= client.cy;
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

Size CZoomModel::PixelSize(const Rect& area) const
{
    const CPixelMapping mapping = Mapping();
    return {Span(mapping, area.left, area.right), Span(mapping, area.top, area.bottom)};
}

int CZoomModel::AxisOrigin(int clientPixels, int totalPixels, int scrollPosition)
{
    return totalPixels < clientPixels ? (clientPixels - totalPixels) / 2 : -scrollPosition;
}

Size CZoomModel::PageStep(const Rect& area) const
{
    const Size pixels = PixelSize(area);
    return {pixels.cx / 10, pixels.cy / 10};
}

Size CZoomModel::LineStep(const Rect& area) const
{
    const Size page = PageStep(area);
    return {page.cx / 10, page.cy / 10};
}

int CZoomModel::ScrollToPlace(int chartUnit, int pixel, int clientPixels, int low, int high) const
{
    const CPixelMapping mapping = Mapping();
    const int range = std::max(0, Span(mapping, low, high) - clientPixels);
    return std::clamp(Span(mapping, low, chartUnit) - pixel, 0, range);
}

float CZoomModel::FitZoom(const Rect& area, Size client) const
{
    if (area.IsEmpty() || client.cx <= 0 || client.cy <= 0)
        return m_zoom;
    const Size total {area.Width(), area.Height()};
    const auto fits = [&](int extent) { return FitsAt(area, client, extent); };
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
