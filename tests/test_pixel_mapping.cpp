// The rounding of chart units to pixels at its limits.

#include "PixelMapping.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

TEST(PixelMapping, StaysBoundedAtTheLimits)
{
    const CPixelMapping big(20.0);
    EXPECT_EQ(big.ToWholePixel(INT_MAX), CPixelMapping::kMaxPixel);
    EXPECT_EQ(big.ToWholePixel(INT_MIN), -CPixelMapping::kMaxPixel);
    EXPECT_EQ(big.ToPixel(INT_MAX), 20.0 * INT_MAX); // a line's end keeps its direction
    EXPECT_EQ(big.ToUnit(INT_MAX), INT_MAX / 20);
    EXPECT_EQ(CPixelMapping(1e-300).ToUnit(INT_MAX), INT_MAX);
    EXPECT_EQ(CPixelMapping(1e-300).ToUnit(INT_MIN), INT_MIN);
    EXPECT_EQ(big.UnitsCovering(std::nan("")), 0);
    EXPECT_EQ(CPixelMapping(1e-300).UnitsCovering(1.0), INT_MAX);
    for (const double nonsense : {0.0, -2.0, std::nan(""), HUGE_VAL})
        EXPECT_EQ(CPixelMapping(nonsense).Scale(), 1.0) << nonsense;
}
