// What the user adds on top of the cells: lines with arrow heads, text notes,
// and the three rotatable overlays (triangle, four-square cross, divisions star).

#include "BaseDraw.h"

#include "ChartMath.h"

#include <climits>
#include <cmath>

namespace {

constexpr int kHandleHalf = 5;  // overlay handles are 10 x 10 around their vertex
constexpr int kNoteOffset = 20; // notes sit right of and below their cell's centre
// One spoke per degree is the most a divisions star can show; larger counts
// come only from damaged files and would stall the paint.
constexpr int kMaxDivisions = 360;

bool HasStar(int divisions) { return 1 <= divisions && divisions <= kMaxDivisions; }

// v / zoom truncated towards zero; a zoom of 0 (damaged file) saturates
// instead of dividing by zero.
int DivideByZoom(double v, float zoom)
{
    if (zoom == 0.0f)
        return v == 0.0 ? 0 : (v > 0.0 ? INT_MAX : INT_MIN);
    return TruncToInt(v / static_cast<double>(zoom));
}

// base + trunc(delta) without overflow near the ends of the int range.
int AddTrunc(int base, double delta) { return TruncToInt(static_cast<double>(base) + std::trunc(delta)); }

// The rectangle (c.x - halfW, c.y - halfH, c.x + halfW, c.y + halfH), saturating.
Rect BoxAround(Point c, int halfW, int halfH)
{
    return {AddTrunc(c.x, -halfW), AddTrunc(c.y, -halfH), AddTrunc(c.x, halfW), AddTrunc(c.y, halfH)};
}

// A line from p to q with pen, with an arrow head at q when arrow is set.
void DrawLineWithPen(CBaseDraw& chart, CDrawSurface& dc, Point p, Point q, const Pen& pen, bool arrow)
{
    const Pen oldPen = dc.SelectPen(pen);
    if (arrow) {
        chart.DrawArrowLine(p.x, p.y, q.x, q.y, dc);
    } else {
        dc.MoveTo(p.x, p.y);
        dc.LineTo(q.x, q.y);
    }
    dc.SelectPen(oldPen);
}

// The font of a note; its height keeps the note's size on the screen at any zoom.
Font NoteFont(const Comments& note, float zoom)
{
    Font font;
    font.height = DivideByZoom(note.m_nHeight, zoom);
    font.weight = note.m_nWeight;
    font.italic = note.m_bItalic != 0;
    font.charSet = note.m_nCharSet;
    font.quality = Font::kNonAntialiased;
    font.pitchAndFamily = Font::kSwissFamily;
    font.face = note.m_strFace;
    return font;
}

// Draws one note boxed around anchor and returns its box.
Rect DrawNote(CDrawSurface& dc, const Comments& note, Point anchor, float zoom)
{
    const Font oldFont = dc.SelectFont(NoteFont(note, zoom));
    const Rect box = CBaseDraw::TextBoxAt(dc, note.m_strText, anchor);
    dc.FillSolidRect(box, note.m_crBack);
    dc.SetTextColor(note.m_crText);
    Rect textBox = box;
    dc.DrawText(note.m_strText, textBox, TextFlags::Center | TextFlags::VCenter | TextFlags::NoPrefix);
    dc.Draw3dRect(box, Colors::White, Colors::Black);
    dc.SelectFont(oldFont);
    return box;
}

} // namespace

Rect CBaseDraw::TextBoxAt(CDrawSurface& dc, const std::string& text, Point anchor)
{
    Rect measured;
    dc.DrawText(text, measured, TextFlags::CalcRect);
    return BoxAround(anchor, measured.Width() / 2 + 1, measured.Height() / 2 + 1);
}

void CBaseDraw::DrawLines(CDrawSurface& dc)
{
    for (const auto& entry : m_Lines) {
        const CLine& line = entry.second;
        const Pen pen{PenStyle::Solid, DivideByZoom(line.m_nWidth, m_fZoom), line.m_crColor};
        DrawLineWithPen(*this, dc, GetCellCenter(line.m_nStartCell), GetCellCenter(line.m_nEndCell), pen,
                        line.m_bArrow);
    }
}

// Draws the line from (x1, y1) to (x2, y2) with the selected pen and a head at
// (x2, y2) whose barbs reach 20 units back and 10 to each side. The direction
// is rounded to single precision, which can shorten a barb by one unit.
void CBaseDraw::DrawArrowLine(int x1, int y1, int x2, int y2, CDrawSurface& dc)
{
    const float theta = static_cast<float>(std::atan2(static_cast<double>(y1) - y2, static_cast<double>(x1) - x2));
    const double c = std::cos(static_cast<double>(theta));
    const double s = std::sin(static_cast<double>(theta));
    dc.MoveTo(x1, y1);
    dc.LineTo(x2, y2);
    dc.MoveTo(x2, y2);
    dc.LineTo(AddTrunc(x2, 20 * c - 10 * s), AddTrunc(y2, 20 * s + 10 * c));
    dc.MoveTo(AddTrunc(x2, 20 * c + 10 * s), AddTrunc(y2, 20 * s - 10 * c));
    dc.LineTo(x2, y2);
}

// Draws every note beside its cell and remembers each box for the mouse. The
// text colour is left at the last note's colour.
void CBaseDraw::ClearAnnotations()
{
    m_FillCells.clear();
    m_TangentCells.clear();
    m_Lines.clear();
    m_Comments.clear();
}

void CBaseDraw::DrawComments(CDrawSurface& dc)
{
    for (auto& [cell, note] : m_Comments) {
        const Point centre = GetCellCenter(cell);
        const Point anchor{AddTrunc(centre.x, kNoteOffset), AddTrunc(centre.y, kNoteOffset)};
        note.m_rcBox = DrawNote(dc, note, anchor, m_fZoom);
    }
}

Point CBaseDraw::OverlayPoint(double a, float r) const
{
    const double theta = kTwoPi - a * kPi / 180.0;
    const float cosT = static_cast<float>(std::cos(theta));
    const float sinT = static_cast<float>(std::sin(theta));
    const Point o = m_rcChart.Center();
    return {TruncToInt(static_cast<float>(o.x) + r * cosT), TruncToInt(static_cast<float>(o.y) + r * sinT)};
}

// A regular polygon about the chart's centre: solid sides, dotted spokes from
// the centre to each vertex, and a filled handle box on vertex 0.
void CBaseDraw::DrawPolygonOverlay(CDrawSurface& dc, int vertices, float angle, float radius, const Pen& side,
                                   const Pen& spoke, Color handleColor, Rect& handle)
{
    const Point o = m_rcChart.Center();
    const Pen oldPen = dc.SelectPen(spoke);
    Point first;
    for (int i = 0; i < vertices; ++i) {
        const Point v = OverlayPoint(static_cast<float>(i * (360 / vertices)) + angle, radius);
        if (i == 0) {
            first = v;
        } else {
            dc.SelectPen(side);
            dc.LineTo(v.x, v.y); // from the previous vertex, where its spoke ended
        }
        dc.SelectPen(spoke);
        dc.MoveTo(o.x, o.y);
        dc.LineTo(v.x, v.y);
    }
    dc.SelectPen(side);
    dc.LineTo(first.x, first.y);
    handle = BoxAround(first, kHandleHalf, kHandleHalf);
    if (dc.DrawsHandles())
        dc.FillRect(handle, Brush::Solid(handleColor));
    dc.SelectPen(oldPen);
}

// Equal radii (both 0 on a new chart) reset both figures to half the chart
// width at every layout, shown or not; a star takes the outer radius the
// first time it is shown.
void CBaseDraw::SettleOverlayRadii()
{
    if (m_fSquaresRadius == m_fTriangleRadius) {
        const float half = static_cast<float>(m_rcChart.Width() / 2);
        m_fSquaresRadius = half;
        m_fTriangleRadius = half;
    }
    if (m_bShowDivisions && HasStar(m_nDivisions) && m_fDivisionsRadius < 0.001f)
        m_fDivisionsRadius = GetOuterRadius();
}

void CBaseDraw::DrawSquaresAndTriangle(CDrawSurface& dc)
{
    if (m_bShowTriangle)
        DrawPolygonOverlay(dc, 3, m_fTriangleAngle, m_fTriangleRadius, {PenStyle::Solid, 1, Colors::Red},
                           {PenStyle::Dot, 1, Colors::Red}, Colors::Red, m_rcTriangleHandle);
    if (m_bShowSquares)
        DrawPolygonOverlay(dc, 4, m_fSquaresAngle, m_fSquaresRadius, {PenStyle::Solid, 0, Colors::Blue},
                           {PenStyle::Dot, 1, Colors::Blue}, Colors::Blue, m_rcSquaresHandle);
}

// The divisions star: spokes from the centre, red every fourth, blue on the
// other even ones, dotted grey between.
void CBaseDraw::DrawDivisions(CDrawSurface& dc)
{
    if (!m_bShowDivisions)
        return;
    if (!HasStar(m_nDivisions)) {
        m_rcDivisionsHandle = {}; // no star, nothing to drag
        return;
    }
    const Pen red{PenStyle::Solid, 0, Colors::Red};
    const Pen blue{PenStyle::Solid, 0, Colors::Blue};
    const Pen grey{PenStyle::Dot, 0, Colors::Grey};
    const Pen oldPen = dc.SelectPen(grey);
    const float step = static_cast<float>(360.0 / m_nDivisions);
    const Point o = m_rcChart.Center();
    Point first;
    for (int i = 0; i < m_nDivisions; ++i) {
        dc.MoveTo(o.x, o.y);
        const Point e = OverlayPoint(static_cast<float>(i) * step + m_fDivisionsAngle, m_fDivisionsRadius);
        if (i == 0)
            first = e;
        dc.SelectPen(i % 4 == 0 ? red : (i % 2 == 0 ? blue : grey));
        dc.LineTo(e.x, e.y);
    }
    m_rcDivisionsHandle = BoxAround(first, kHandleHalf, kHandleHalf);
    if (dc.DrawsHandles())
        dc.FillRect(m_rcDivisionsHandle, Brush::Solid(Colors::Blue));
    dc.SelectPen(oldPen);
}

// Counter-clockwise screen angle of pt about centre (y grows downwards, hence
// the negated dy) and their distance, both in single precision.
float CBaseDraw::AngleFromCenter(Point pt, Point centre, float& distance)
{
    const float dx = static_cast<float>(static_cast<long long>(pt.x) - centre.x);
    const float dy = static_cast<float>(static_cast<long long>(pt.y) - centre.y);
    distance = std::sqrt(dx * dx + dy * dy);
    if (dx == 0.0f)
        return dy < 0.0f ? 90.0f : (dy > 0.0f ? 270.0f : 0.0f);
    const double a = std::atan(static_cast<double>(-dy / dx)) * 180.0 / kPi;
    if (dx < 0.0f)
        return static_cast<float>(a + 180.0);
    if (dy > 0.0f) {
        // Just below the positive x axis the sum can round up to 360.
        const float angle = static_cast<float>(a + 360.0);
        return angle < 360.0f ? angle : 0.0f;
    }
    return static_cast<float>(a);
}

bool CBaseDraw::ShowsDraggedLine() const
{
    return m_bDrawingLine && (m_nTool == MouseTool::Line || m_nTool == MouseTool::Arrow);
}

// The rubber-band line of a line drag with the line or arrow tool from p to q.
void CBaseDraw::DrawDraggedLine(CDrawSurface& dc, Point p, Point q, int penWidth)
{
    if (!ShowsDraggedLine())
        return;
    DrawLineWithPen(*this, dc, p, q, {PenStyle::Solid, penWidth, m_crLineColor}, m_nTool == MouseTool::Arrow);
}
