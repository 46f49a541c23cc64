#include "PainterSurface.h"

#include <QPainter>

// STUB: to be implemented.
CPainterSurface::CPainterSurface(QPainter& painter, double zoom) : m_painter(painter), m_zoom(zoom) {}
CPainterSurface::~CPainterSurface() = default;
Pen CPainterSurface::SelectPen(const Pen& pen) { return CDrawSurface::SelectPen(pen); }
Brush CPainterSurface::SelectBrush(const Brush& brush) { return CDrawSurface::SelectBrush(brush); }
Font CPainterSurface::SelectFont(const Font& font) { return CDrawSurface::SelectFont(font); }
Color CPainterSurface::SetTextColor(Color color) { return CDrawSurface::SetTextColor(color); }
Color CPainterSurface::SetBkColor(Color color) { return CDrawSurface::SetBkColor(color); }
BkMode CPainterSurface::SetBkMode(BkMode mode) { return CDrawSurface::SetBkMode(mode); }
void CPainterSurface::Ellipse(const Rect&) {}
void CPainterSurface::FillRect(const Rect&, const Brush&) {}
void CPainterSurface::FillEllipse(const Rect&, const Brush&) {}
void CPainterSurface::Draw3dRect(const Rect&, Color, Color) {}
int CPainterSurface::DrawText(const std::string&, Rect&, unsigned) { return 0; }
void CPainterSurface::DoLineTo(Point, Point) {}
void CPainterSurface::DoFillSolidRect(const Rect&, Color) {}
