#pragma once

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

// Truncation towards zero that stays defined for any input: a zoom of 0 read
// from a damaged file must give a huge width, not undefined behaviour.
inline int TruncToInt(double v)
{
    if (std::isnan(v))
        return 0;
    constexpr double lo = std::numeric_limits<int>::min();
    constexpr double hi = std::numeric_limits<int>::max();
    if (v <= lo)
        return std::numeric_limits<int>::min();
    if (v >= hi)
        return std::numeric_limits<int>::max();
    return static_cast<int>(v);
}

// Saturates a 64-bit value to the int range: numbers and positions far off a grid.
inline int ClampToInt(std::int64_t v)
{
    if (v < std::numeric_limits<int>::min())
        return std::numeric_limits<int>::min();
    if (v > std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    return static_cast<int>(v);
}

// The smallest s >= 0 with s * s >= n, exact for every n up to 2^62: the side
// of the square spiral ring that holds n.
inline std::int64_t CeilSqrt(std::int64_t n)
{
    if (n <= 0)
        return 0;
    auto s = static_cast<std::int64_t>(std::sqrt(static_cast<double>(n)));
    while (s * s < n)
        ++s;
    while (s > 0 && (s - 1) * (s - 1) >= n)
        --s;
    return s;
}

// The number a float's shortest text names, so that 0.6f reads as 0.6
// rather than as its double 0.6000000238418579.
inline double ShortestDecimal(float v)
{
    char text[32];
    const char* end = std::to_chars(text, text + sizeof text, v).ptr;
    double d = 0.0;
    std::from_chars(text, end, d);
    return d;
}
