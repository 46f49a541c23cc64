#include "PixelMapping.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr double kMinInt = std::numeric_limits<int>::min();
constexpr double kMaxInt = std::numeric_limits<int>::max();

} // namespace

CPixelMapping::CPixelMapping(double scale)
    : m_scale(std::isfinite(scale) && scale > 0 ? scale : 1.0)
{
}

double CPixelMapping::ToPixel(int units) const { return std::round(units * m_scale); }

int CPixelMapping::ToWholePixel(int units) const
{
    return static_cast<int>(std::clamp(ToPixel(units), -kMaxPixel, kMaxPixel));
}

int CPixelMapping::ToUnit(int pixel) const
{
    // Start from the real quotient and settle on the last unit at or before the pixel.
    long long x = static_cast<long long>(std::clamp(std::floor(pixel / m_scale), kMinInt, kMaxInt));
    while (x < kMaxInt && std::round((x + 1) * m_scale) <= pixel)
        ++x;
    while (x > kMinInt && std::round(x * m_scale) > pixel)
        --x;
    return static_cast<int>(x);
}

int CPixelMapping::UnitsCovering(double pixels) const
{
    // The small allowance keeps 51 pixels at scale 0.6 from becoming 86 units.
    const double units = std::ceil(pixels / m_scale - 1e-6);
    // Written so that NaN gives 0.
    return units > 0 ? static_cast<int>(std::min(units, kMaxInt)) : 0;
}
