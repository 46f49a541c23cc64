#pragma once

#include "DrawSurface.h"

// A drawing surface that draws nothing and keeps the bounding box of what
// would be drawn, measuring text on another surface. It tells how far a
// chart reaches, outer rings and labels included, which may be beyond its
// canvas.
class CBoundsSurface : public CDrawSurface {
public:
    // measure: the surface whose text metrics the chart's layout uses, at
    // scale device pixels a chart unit.
    CBoundsSurface(CDrawSurface& measure, double scale);

    // Chart units; empty when nothing was drawn.
    Rect Bounds() const { return m_bounds; }

    Font SelectFont(const Font& font) override;
    void Ellipse(const Rect& rc) override;
    void FillRect(const Rect& rc, const Brush& brush) override;
    void FillEllipse(const Rect& rc, const Brush& brush) override;
    void Draw3dRect(const Rect& rc, Color topLeft, Color bottomRight) override;
    // Text is clipped to its rectangle, so the rectangle is what it covers.
    int DrawText(const std::string& text, Rect& rc, unsigned flags) override;
    // Text in a rectangle within the bounds already found adds nothing: the
    // labels of a chart's cells, inside its grid, need not be laid out. Nor
    // does text the painter leaves out as too small.
    bool MayShowText(const std::string& text, const Rect& rc) override;

protected:
    void DoLineTo(Point from, Point to) override;
    void DoFillSolidRect(const Rect& rc, Color color) override;

private:
    void Add(const Rect& rc);
    void Add(Point p);

    CDrawSurface& m_measure;
    double m_scale;
    Rect m_bounds;
};
