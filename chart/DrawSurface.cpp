#include "DrawSurface.h"

#include <algorithm>
#include <utility>

Pen CDrawSurface::SelectPen(const Pen& pen) { return std::exchange(m_pen, pen); }
Brush CDrawSurface::SelectBrush(const Brush& brush) { return std::exchange(m_brush, brush); }
Font CDrawSurface::SelectFont(const Font& font) { return std::exchange(m_font, font); }
Color CDrawSurface::SetTextColor(Color color) { return std::exchange(m_crText, color); }
Color CDrawSurface::SetBkColor(Color color) { return std::exchange(m_crBk, color); }
BkMode CDrawSurface::SetBkMode(BkMode mode) { return std::exchange(m_bkMode, mode); }

bool CDrawSurface::TooSmallForText(const Rect& rc, double scale)
{
    return !rc.IsEmpty() && std::min(rc.Width(), rc.Height()) * scale < 1.0;
}

void CDrawSurface::MoveTo(int x, int y)
{
    m_pos = {x, y};
    DoMoveTo(m_pos);
}

void CDrawSurface::LineTo(int x, int y)
{
    const Point from = std::exchange(m_pos, Point{x, y});
    DoLineTo(from, m_pos);
}

void CDrawSurface::FillSolidRect(const Rect& rc, Color color)
{
    SetBkColor(color);
    DoFillSolidRect(rc, color);
}
