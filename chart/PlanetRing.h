#pragma once

#include "Bodies.h"
#include "DrawSurface.h"
#include "Geometry.h"

#include <string>
#include <vector>

// The planet ring: each body's tick at its longitude on the angle ring's
// scale and its symbol beyond, close symbols fanned apart along the ring
// while the ticks stay exact.
namespace PlanetRing {

extern const char* const kSymbols[kBodyCount];   // UTF-8 astronomical symbols
extern const char* const kFallbacks[kBodyCount]; // where the font has no symbol
extern const Color kColors[kBodyCount];

constexpr int kTick = 12;   // the exact part of a mark
constexpr int kLeader = 8;  // from the tick's end towards a fanned symbol
constexpr int kLabelGap = 3;
constexpr int kCaptionMargin = 10; // from the canvas's top and left edges

// Where the marks stand: the circle their ticks start on and the side they
// point to, outwards (+1) or inwards (-1).
struct Band {
    int radius = 0;
    int side = 1;
};

// The screen angle (degrees, counter-clockwise) at which the angle ring,
// turned by rotation and running forward or reversed, shows the figure
// longitude.
float ScreenAngle(double longitude, float rotation, bool forward);

// Label angles for marks at angles (degrees), mark i taking spans[i]
// degrees of the ring: marks whose labels would overlap are spread apart
// about their group's mean, in their order round the ring. Spans that add
// up past the circle are scaled down to share it.
std::vector<double> FanOut(const std::vector<double>& angles, std::vector<double> spans);

// Draws the marks about c and returns each symbol's box, for the pointer's
// hit test. A longitude that is not finite gets no mark and an empty box.
std::array<Rect, kBodyCount> Draw(CDrawSurface& dc, Point c, Band band, float rotation, bool forward,
                                  const Longitudes& longitudes);

// Writes caption, the moment and place the marks are for, in the canvas's
// top left corner, which the round rings leave free, in the current font.
void DrawCaption(CDrawSurface& dc, const std::string& caption);

} // namespace PlanetRing
