#pragma once

#include "DrawSurface.h"

#include <string>
#include <vector>

// One logged surface operation with the state in effect when it ran.
struct SurfaceOp {
    enum class Kind { MoveTo, LineTo, Ellipse, FillRect, FillEllipse, FillSolidRect, Draw3dRect, Text, Measure };

    Kind kind = Kind::MoveTo;
    Point from;            // LineTo: the current position before the line
    Point to;              // MoveTo, LineTo: the target
    Rect rect;             // shapes; Text: the rectangle drawn in; Measure: the rectangle computed
    Brush brush;           // FillRect, FillEllipse: the brush passed; others: the current brush
    Color color = 0;       // FillSolidRect: the fill; Draw3dRect: top-left; Text: the text colour
    Color color2 = 0;      // Draw3dRect: bottom-right
    Pen pen;
    Font font;
    Color bkColor = 0;
    BkMode bkMode = BkMode::Opaque;
    std::string text;
    unsigned flags = 0;
    int result = 0;        // Text, Measure: the returned height

    static const char* Name(Kind kind);
    // An operation of that kind with the state dc has now.
    static SurfaceOp WithStateOf(const CDrawSurface& dc, Kind kind);
    // This operation made anew as WithStateOf makes it, keeping the storage
    // of its strings: a record made again and again allocates nothing.
    void Reset(const CDrawSurface& dc, Kind kind);
};

// A surface that logs every operation, for tests and for the command line's
// trace. It either forwards every call to an inner surface, whose text metrics
// it then reports, or measures text itself with a fixed, font-independent
// model (each character half the line height wide), which keeps tests
// independent of installed fonts.
class CRecordingSurface : public CDrawSurface {
public:
    explicit CRecordingSurface(CDrawSurface* inner = nullptr);

    const std::vector<SurfaceOp>& Ops() const { return m_ops; }
    void Clear() { m_ops.clear(); }

    Pen SelectPen(const Pen& pen) override;
    Brush SelectBrush(const Brush& brush) override;
    Font SelectFont(const Font& font) override;
    Color SetTextColor(Color color) override;
    Color SetBkColor(Color color) override;
    BkMode SetBkMode(BkMode mode) override;

    void Ellipse(const Rect& rc) override;
    void FillRect(const Rect& rc, const Brush& brush) override;
    void FillEllipse(const Rect& rc, const Brush& brush) override;
    void Draw3dRect(const Rect& rc, Color topLeft, Color bottomRight) override;
    int DrawText(const std::string& text, Rect& rc, unsigned flags) override;
    // The inner surface's answer; the fixed model has every glyph.
    bool HasGlyphs(const std::string& text) override;

    // The fixed model's layout: the height of text in a box of the given
    // width (word-break on or off) and the widest line.
    static int FixedLineHeight(const Font& font);
    static int FixedCharWidth(const Font& font);

protected:
    void DoMoveTo(Point to) override;
    void DoLineTo(Point from, Point to) override;
    void DoFillSolidRect(const Rect& rc, Color color) override;

private:
    SurfaceOp& Log(SurfaceOp::Kind kind);
    int MeasureFixed(const std::string& text, Rect& rc, unsigned flags) const;

    CDrawSurface* m_inner = nullptr;
    std::vector<SurfaceOp> m_ops;
};
