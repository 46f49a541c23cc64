#pragma once

// Chart units to whole device pixels at one scale, and back: the one rounding
// of the window, the printer and every picture file. A position rounds to
// the nearest pixel, so that a grid line and the fill that ends on it meet
// exactly, and a rectangle at scale 1 covers exactly left <= x < right.
class CPixelMapping {
public:
    // Far outside any device, far inside the raster engine's integer range.
    static constexpr double kMaxPixel = 1 << 24;

    // A scale that is not a positive finite number maps as 1.
    explicit CPixelMapping(double scale);

    // Device pixels per chart unit.
    double Scale() const { return m_scale; }

    // The pixel of a chart coordinate, unbounded, for points that lines run
    // to: bounding them would turn the lines.
    double ToPixel(int units) const;
    // The same as a whole number within +-kMaxPixel, for boxes and lengths.
    int ToWholePixel(int units) const;
    // The chart coordinate drawn at a pixel: the last one whose pixel is at
    // or before it, the inverse of ToWholePixel.
    int ToUnit(int pixel) const;
    // A length in pixels as whole chart units, rounded up so that what was
    // measured fits in the chart-unit box.
    int UnitsCovering(double pixels) const;

private:
    double m_scale = 1.0;
};
