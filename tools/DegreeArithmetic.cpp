#include "DegreeArithmetic.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <limits>

namespace DegreeArithmetic {

namespace {

constexpr float kNoValue = std::numeric_limits<float>::quiet_NaN();
// The rounding of n lets daniel pass a full turn on the first rings (by up
// to 16.6 degrees, at P = 10.37); only the single-precision loss of a huge
// P (from about 8e14) carries it a whole first-ring step of 45 degrees
// beyond, or below 0.
constexpr double kDanielLimit = 360.0 + 45.0;

// The square root's place on the Square of Nine: 180 degrees per unit of the
// root, counted from 225 degrees; negative below P = 1.5625.
float Carl(float s)
{
    const float x = static_cast<float>(s * 180.0 - 225.0);
    return static_cast<float>(std::fmod(x, 360.0));
}

// The angle of p on its ring n of the Square of Nine, whose steps are 45/n
// degrees each, counted from the number b = (2n + 1)^2 - 7n.
float Daniel(float p, float s)
{
    const float u = static_cast<float>((s - 0.22) * 0.5);
    // n and b are whole numbers; as doubles they stay exact for every ring
    // an int could count and cannot overflow for the largest float p.
    const double n = std::trunc(u + 0.5);
    // Ring 0, and the NaN of a negative p, have no steps to count.
    if (!(n >= 1.0))
        return kNoValue;
    const float bs = static_cast<float>((2 * n + 1) * (2 * n + 1) - 7 * n);
    const float a = static_cast<float>((p - static_cast<double>(bs)) * 45.0);
    const float daniel = static_cast<float>(a / n + (p < bs ? 360.0 : 0.0));
    return daniel >= 0.0f && daniel < kDanielLimit ? daniel : kNoValue;
}

} // namespace

Angles ComputeAngles(float p)
{
    // NaN for a negative p, which has no place on the square; the circle
    // and the dial keep the sign of p.
    const float s = static_cast<float>(std::sqrt(static_cast<double>(p)));
    Angles angles;
    angles.carl = Carl(s);
    angles.daniel = Daniel(p, s);
    angles.circle = static_cast<float>(std::fmod(p, 360.0));
    angles.dial = static_cast<float>(static_cast<float>(std::fmod(p, 24.0)) * 15.0);
    return angles;
}

std::string FormatAngle(float value)
{
    if (!std::isfinite(value))
        return "-";
    std::array<char, 64> buffer {};
    std::snprintf(buffer.data(), buffer.size(), "%.2f", static_cast<double>(value));
    return buffer.data();
}

} // namespace DegreeArithmetic
