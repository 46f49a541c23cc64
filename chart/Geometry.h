#pragma once

#include <cstdint>

// Plain value types shared by the chart model and every drawing surface.
// Coordinates are chart units: logical pixels at zoom 1, x right, y down.

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point& a, const Point& b) { return a.x == b.x && a.y == b.y; }
    friend bool operator!=(const Point& a, const Point& b) { return !(a == b); }
};

struct Size {
    int cx = 0;
    int cy = 0;
};

// Right and bottom are exclusive: a point is inside when left <= x < right
// and top <= y < bottom.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool IsEmpty() const { return right <= left || bottom <= top; }
    bool Contains(int x, int y) const { return left <= x && x < right && top <= y && y < bottom; }
    bool Contains(Point p) const { return Contains(p.x, p.y); }
    // Grows the rectangle by d on every side; a negative d shrinks it.
    void Inflate(int d) { Inflate(d, d); }
    void Inflate(int dx, int dy) { left -= dx; top -= dy; right += dx; bottom += dy; }
    void Deflate(int d) { Inflate(-d, -d); }
    void Deflate(int dx, int dy) { Inflate(-dx, -dy); }
    Point Center() const { return {(left + right) / 2, (top + bottom) / 2}; }

    friend bool operator==(const Rect& a, const Rect& b)
    {
        return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
    }
    friend bool operator!=(const Rect& a, const Rect& b) { return !(a == b); }
};

// 0x00BBGGRR: red in the low byte. Chart files store these numbers unchanged.
using Color = std::uint32_t;

constexpr Color MakeColor(unsigned r, unsigned g, unsigned b)
{
    return static_cast<Color>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr unsigned ColorRed(Color c) { return c & 0xFF; }
constexpr unsigned ColorGreen(Color c) { return (c >> 8) & 0xFF; }
constexpr unsigned ColorBlue(Color c) { return (c >> 16) & 0xFF; }
// The colour the fraction t (0 to 1) of the way from a to b, each channel
// rounded: shades of one colour for marks of growing strength.
constexpr Color MixColor(Color a, Color b, double t)
{
    const auto mix = [t](unsigned x, unsigned y) { return static_cast<unsigned>(x + (double(y) - x) * t + 0.5); };
    return MakeColor(mix(ColorRed(a), ColorRed(b)), mix(ColorGreen(a), ColorGreen(b)), mix(ColorBlue(a), ColorBlue(b)));
}

namespace Colors {
constexpr Color Black = 0x000000;
constexpr Color White = 0xFFFFFF;
constexpr Color Red = 0x0000FF;
constexpr Color Blue = 0xFF0000;
constexpr Color Green = 0x008000;
constexpr Color DarkRed = 0x000080;
constexpr Color LightGrey = 0xC0C0C0;
constexpr Color Grey = 0x808080;
constexpr Color LightYellow = 0xC3FFFF;
constexpr Color Yellow = 0x00FFFF;
} // namespace Colors
