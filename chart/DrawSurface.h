#pragma once

#include "Geometry.h"

#include <string>

// The abstract canvas that all chart code draws on. Every coordinate, width and
// font height is in chart units; the back end maps them to device pixels.
// Selecting a pen, brush or font returns the one it replaces, so that chart code
// can always put the previous object back when it is done.

enum class PenStyle { Solid, Dot };

struct Pen {
    PenStyle style = PenStyle::Solid;
    int width = 1;      // chart units; 0 is always one device pixel
    Color color = Colors::Black;

    friend bool operator==(const Pen& a, const Pen& b)
    {
        return a.style == b.style && a.width == b.width && a.color == b.color;
    }
};

struct Brush {
    bool hollow = false; // the hollow brush fills nothing
    Color color = Colors::White;

    static Brush Solid(Color c) { return {false, c}; }
    static Brush Hollow() { return {true, Colors::White}; }

    friend bool operator==(const Brush& a, const Brush& b)
    {
        return a.hollow == b.hollow && (a.hollow || a.color == b.color);
    }
};

struct Font {
    static constexpr int kNormalWeight = 400;
    static constexpr unsigned char kNonAntialiased = 3; // quality: no antialiasing
    static constexpr unsigned char kFamilyBits = 0xF0;  // the family's bits of pitchAndFamily
    static constexpr unsigned char kSwissFamily = 0x20; // family: sans serif

    int height = 0;        // > 0: cell height of a line; < 0: character height; 0: default size
    int width = 0;         // 0: the face's natural width
    int escapement = 0;
    int orientation = 0;
    int weight = kNormalWeight; // 700 bold
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    unsigned char charSet = 0;
    unsigned char outPrecision = 0;
    unsigned char clipPrecision = 0;
    unsigned char quality = 0;
    unsigned char pitchAndFamily = 0;
    std::string face;                 // UTF-8; a missing face falls back to the nearest match

    friend bool operator==(const Font& a, const Font& b)
    {
        return a.height == b.height && a.width == b.width && a.escapement == b.escapement &&
               a.orientation == b.orientation && a.weight == b.weight && a.italic == b.italic &&
               a.underline == b.underline && a.strikeOut == b.strikeOut && a.charSet == b.charSet &&
               a.outPrecision == b.outPrecision && a.clipPrecision == b.clipPrecision &&
               a.quality == b.quality && a.pitchAndFamily == b.pitchAndFamily && a.face == b.face;
    }
};

enum class BkMode { Transparent, Opaque };

// Flags of CDrawSurface::DrawText, combined with |.
namespace TextFlags {
constexpr unsigned Center = 0x0001;      // each line centred horizontally
constexpr unsigned VCenter = 0x0004;     // vertical centre, single-line text without breaks only
constexpr unsigned WordBreak = 0x0010;   // break lines between words at the rectangle's width
constexpr unsigned CalcRect = 0x0400;    // measure only: the rectangle becomes the text's bounding box
constexpr unsigned NoPrefix = 0x0800;    // "&" is shown as it is
constexpr unsigned EditControl = 0x2000; // measuring: a last line that only partly fits is not counted
} // namespace TextFlags

// Holds the drawing state (pen, brush, font, colours, background mode and
// current position) so that every back end tracks it the same way; back ends
// override the setters to apply the state as well and call the base.
class CDrawSurface {
public:
    virtual ~CDrawSurface() = default;

    virtual Pen SelectPen(const Pen& pen);
    virtual Brush SelectBrush(const Brush& brush);
    virtual Font SelectFont(const Font& font);
    virtual Color SetTextColor(Color color);
    virtual Color SetBkColor(Color color);
    virtual BkMode SetBkMode(BkMode mode);

    // Sets the current position; draws nothing.
    void MoveTo(int x, int y);
    // Draws with the current pen from the current position, which becomes (x, y).
    void LineTo(int x, int y);
    // Outline with the current pen, inside with the current brush.
    virtual void Ellipse(const Rect& rc) = 0;
    virtual void FillRect(const Rect& rc, const Brush& brush) = 0;
    virtual void FillEllipse(const Rect& rc, const Brush& brush) = 0;
    // Fills without outline and makes the colour the background colour.
    void FillSolidRect(const Rect& rc, Color color);
    // One-unit lines inside rc: top and left in topLeft, bottom and right in bottomRight.
    virtual void Draw3dRect(const Rect& rc, Color topLeft, Color bottomRight) = 0;

    // Draws text (UTF-8, lines separated by "\n") in rc, clipped to it, and
    // returns the height of the laid-out text. With TextFlags::CalcRect nothing
    // is drawn and rc becomes the bounding box of the text.
    virtual int DrawText(const std::string& text, Rect& rc, unsigned flags) = 0;

    // False only when text in the selected font, drawn in rc from its left
    // edge or centred on it, cannot reach a pixel the device shows, so that
    // a caller may leave it out, measuring included. Back ends that cannot
    // tell say true.
    virtual bool MayShowText(const std::string& /*text*/, const Rect& /*rc*/) { return true; }
    // Whether rc, at scale device pixels a chart unit, is under one pixel
    // wide or high. Text is clipped to its rectangle: there it could leave
    // at most a sliver of one pixel, and the labels of a chart of many rings
    // would take a minute to lay out for that. An empty rc is an anchor that
    // text is drawn from, never too small.
    static bool TooSmallForText(const Rect& rc, double scale);

    // Whether the selected font, with the fonts it falls back to, has a glyph
    // for every character of text. Back ends that cannot tell say true.
    virtual bool HasGlyphs(const std::string& /*text*/) { return true; }

    const Pen& CurrentPen() const { return m_pen; }
    const Brush& CurrentBrush() const { return m_brush; }
    const Font& CurrentFont() const { return m_font; }
    Color TextColor() const { return m_crText; }
    Color BkColor() const { return m_crBk; }
    BkMode BackgroundMode() const { return m_bkMode; }
    Point CurrentPosition() const { return m_pos; }

    // Drag handles are for the mouse: a picture for readers (a file) leaves
    // them out. The chart still places them, so a paint's hit boxes are the same.
    void LeaveOutHandles() { m_drawHandles = false; }
    bool DrawsHandles() const { return m_drawHandles; }

protected:
    virtual void DoMoveTo(Point /*to*/) {}
    virtual void DoLineTo(Point from, Point to) = 0;
    virtual void DoFillSolidRect(const Rect& rc, Color color) = 0;

private:
    // The defaults of a fresh device context: black one-unit pen, white brush,
    // black text on an opaque white background.
    Pen m_pen;
    Brush m_brush;
    Font m_font;
    Color m_crText = Colors::Black;
    Color m_crBk = Colors::White;
    BkMode m_bkMode = BkMode::Opaque;
    Point m_pos;
    bool m_drawHandles = true;
};
