#pragma once

#include <array>

// Bodies 0 to 9 in the ephemeris library's numbering: Sun, Moon, Mercury,
// Venus, Mars, Jupiter, Saturn, Uranus, Neptune, Pluto.
constexpr int kBodyCount = 10;
// Their ecliptic longitudes in degrees, 0 to below 360.
using Longitudes = std::array<double, kBodyCount>;
