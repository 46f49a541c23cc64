#include "BodyTrack.h"

#include <algorithm>
#include <cmath>

std::size_t TimeGrid::Intervals() const
{
    return std::max<std::size_t>(1, static_cast<std::size_t>(std::ceil((to - from) / step)));
}

double TimeGrid::At(std::size_t i) const { return i >= Intervals() ? to : from + static_cast<double>(i) * step; }

std::size_t TimeGrid::IntervalOf(double t) const
{
    const double index = std::floor((t - from) / step);
    return index <= 0.0 ? 0 : std::min(static_cast<std::size_t>(index), Intervals() - 1);
}

BodyTrack::BodyTrack(SkyMotion& sky, int body, const TimeGrid& grid)
    : m_body(body)
    , m_grid(grid)
{
    m_samples.reserve(grid.Intervals() + 1);
    for (std::size_t i = 0; i <= grid.Intervals(); ++i)
        m_samples.push_back(sky.At(body, grid.At(i)));
}

Motion BodyTrack::At(double t) const
{
    const std::size_t i = m_grid.IntervalOf(t);
    const double t0 = m_grid.At(i);
    const double h = m_grid.At(i + 1) - t0;
    const Motion& a = m_samples[i];
    const Motion& b = m_samples[i + 1];
    const double s = (t - t0) / h;
    const double p0 = a.longitude;
    const double p1 = p0 + Wrap180(b.longitude - p0);
    const double m0 = a.speed * h;
    const double m1 = b.speed * h;
    const double s2 = s * s;
    const double s3 = s2 * s;
    const double p = (2 * s3 - 3 * s2 + 1) * p0 + (s3 - 2 * s2 + s) * m0 + (3 * s2 - 2 * s3) * p1 + (s3 - s2) * m1;
    const double dp = (6 * s2 - 6 * s) * (p0 - p1) + (3 * s2 - 4 * s + 1) * m0 + (3 * s2 - 2 * s) * m1;
    return {Wrap360(p), dp / h};
}

double Wrap360(double degrees)
{
    // Most angles here lie within a turn of the circle: no division then.
    if (degrees >= 0.0 && degrees < 360.0)
        return degrees;
    if (degrees >= 360.0 && degrees < 720.0)
        return degrees - 360.0;
    if (degrees < 0.0 && degrees >= -360.0) {
        const double turned = degrees + 360.0;
        return turned < 360.0 ? turned : 0.0; // a tiny negative angle would round to 360 itself
    }
    const double wrapped = std::fmod(degrees, 360.0);
    return wrapped < 0.0 ? std::fmod(wrapped + 360.0, 360.0) : wrapped;
}

double Wrap180(double degrees) { return Wrap360(degrees + 180.0) - 180.0; }
