#pragma once

#include <cmath>
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
