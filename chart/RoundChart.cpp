#include "RoundChart.h"

#include "ChartMath.h"

#include <cmath>
#include <cstdint>

namespace {

constexpr int kMaxCoordinate = 1 << 28;

bool InRange(int v) { return -kMaxCoordinate <= v && v <= kMaxCoordinate; }

} // namespace

float CRoundChart::GetOuterRadius()
{
    EnsureLayout();
    return static_cast<float>((std::int64_t{m_rcChart.right} - m_rcChart.left) / 2);
}

bool CRoundChart::InDrawingRange(const Rect& rc)
{
    return InRange(rc.left) && InRange(rc.top) && InRange(rc.right) && InRange(rc.bottom);
}

Rect CRoundChart::MarkBox(int n) { return BoxAbout(n, kMarkHalf, kMarkHalf); }

void CRoundChart::DrawFillMarks(CDrawSurface& dc, int lastCell)
{
    for (auto it = m_FillCells.lower_bound(1); it != m_FillCells.end() && it->first <= lastCell; ++it) {
        const Cell_Style& style = it->second;
        const Rect box = MarkBox(it->first);
        const Brush brush = Brush::Solid(style.m_crColor);
        if (style.m_bCircle)
            dc.FillEllipse(box, brush);
        else
            dc.FillRect(box, brush);
    }
}

void CRoundChart::DrawLineBeingDragged(CDrawSurface& dc, int penWidth)
{
    DrawDraggedLine(dc, GetCellCenter(m_nLineStartCell), GetCellCenter(m_nLineEndCell), penWidth);
}

bool CRoundChart::DrawCellLabel(CDrawSurface& dc, int n, Point anchor)
{
    const std::optional<std::string>& text = ComposeCellLabel(n);
    if (!text)
        return false;
    // Zoomed in, most labels lie beyond the window; laying them out would
    // cost more than the rest of the paint.
    if (dc.MayShowText(*text, Rect{anchor.x, anchor.y, anchor.x, anchor.y})) {
        Rect box = TextBoxAt(dc, *text, anchor);
        dc.DrawText(*text, box, TextFlags::Center | TextFlags::VCenter | TextFlags::NoPrefix);
    }
    return true;
}

float CRoundChart::ScreenAngleOf(int x, int y, float& distance) const
{
    return AngleFromCenter({x, y}, m_ptCenter, distance);
}

Point CRoundChart::PointAtDrawingAngle(double degrees, double radius) const
{
    return PointAtRadians(degrees * kPi / 180.0, radius);
}

Point CRoundChart::PointAtScreenAngle(double degrees, double radius) const
{
    return PointAtRadians(kTwoPi - degrees * kPi / 180.0, radius);
}

// Cosine and sine are rounded to single precision, the sums are not, and the
// coordinates truncate towards zero. With pi = 3.1415926 this puts the corner
// at 300 degrees and radius 20 about x = 400 on 409, and the one at 360
// degrees one unit above the centre's row.
Point CRoundChart::PointAtRadians(double theta, double radius) const
{
    return PointInDirection(static_cast<float>(std::cos(theta)), static_cast<float>(std::sin(theta)), radius);
}

Point CRoundChart::PointInDirection(float cosT, float sinT, double radius) const
{
    return {TruncToInt(m_ptCenter.x + radius * static_cast<double>(cosT)),
            TruncToInt(m_ptCenter.y + radius * static_cast<double>(sinT))};
}
