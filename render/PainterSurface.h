#pragma once

#include "DrawSurface.h"

class QPainter;

// The drawing surface on a QPainter: one back end for the screen, the
// printer, PNG images, SVG and PDF. Chart units are scaled by the zoom on top
// of whatever transform the painter already has (the view's scrolling).
class CPainterSurface : public CDrawSurface {
public:
    CPainterSurface(QPainter& painter, double zoom);
    ~CPainterSurface() override;

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

protected:
    void DoLineTo(Point from, Point to) override;
    void DoFillSolidRect(const Rect& rc, Color color) override;

private:
    QPainter& m_painter;
    double m_zoom = 1.0;
};
