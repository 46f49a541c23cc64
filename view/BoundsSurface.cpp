#include "BoundsSurface.h"

#include <algorithm>

CBoundsSurface::CBoundsSurface(CDrawSurface& measure, double scale)
    : m_measure(measure)
    , m_scale(scale)
{
}

Font CBoundsSurface::SelectFont(const Font& font)
{
    m_measure.SelectFont(font);
    return CDrawSurface::SelectFont(font);
}

void CBoundsSurface::Ellipse(const Rect& rc) { Add(rc); }

void CBoundsSurface::FillRect(const Rect& rc, const Brush& /*brush*/) { Add(rc); }

void CBoundsSurface::FillEllipse(const Rect& rc, const Brush& /*brush*/) { Add(rc); }

void CBoundsSurface::Draw3dRect(const Rect& rc, Color /*topLeft*/, Color /*bottomRight*/) { Add(rc); }

int CBoundsSurface::DrawText(const std::string& text, Rect& rc, unsigned flags)
{
    if (flags & TextFlags::CalcRect)
        return m_measure.DrawText(text, rc, flags);
    Add(rc);
    Rect measured = rc;
    return m_measure.DrawText(text, measured, flags | TextFlags::CalcRect);
}

bool CBoundsSurface::MayShowText(const std::string& /*text*/, const Rect& rc)
{
    if (TooSmallForText(rc, m_scale))
        return false;
    return rc.IsEmpty() || rc.left < m_bounds.left || rc.top < m_bounds.top || rc.right > m_bounds.right ||
           rc.bottom > m_bounds.bottom;
}

void CBoundsSurface::DoLineTo(Point from, Point to)
{
    Add(from);
    Add(to);
}

void CBoundsSurface::DoFillSolidRect(const Rect& rc, Color /*color*/) { Add(rc); }

void CBoundsSurface::Add(const Rect& rc)
{
    if (rc.IsEmpty())
        return;
    if (m_bounds.IsEmpty()) {
        m_bounds = rc;
        return;
    }
    m_bounds = {std::min(m_bounds.left, rc.left), std::min(m_bounds.top, rc.top),
                std::max(m_bounds.right, rc.right), std::max(m_bounds.bottom, rc.bottom)};
}

void CBoundsSurface::Add(Point p) { Add(Rect{p.x, p.y, p.x + 1, p.y + 1}); }
