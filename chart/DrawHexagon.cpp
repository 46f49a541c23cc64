#include "DrawHexagon.h"

#include "ChartMath.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <utility>

namespace {

// Room for the calendar or angle ring around the hexagon.
constexpr int kOuterRingsMargin = 50;
// m_rcChart lies this far inside the outermost boundary's circle.
constexpr int kChartInset = 10;

// Last number of ring k, on its corner at the right.
std::int64_t LastOfRing(std::int64_t k) { return 3 * k * (k + 1); }

// (b - a) * off / k past a, the quotient rounded to single precision.
int StepAlong(int a, int b, std::int64_t off, std::int64_t k)
{
    const auto quotient = static_cast<float>(static_cast<double>((std::int64_t{b} - a) * off) / k);
    return TruncToInt(a + static_cast<double>(quotient));
}

// Which side of the line a -> b the point q lies on: the sign of a cross product.
std::int64_t Side(Point a, Point b, Point q)
{
    return (std::int64_t{q.y} - a.y) * (std::int64_t{b.x} - a.x) -
           (std::int64_t{b.y} - a.y) * (std::int64_t{q.x} - a.x);
}

} // namespace

CDrawHexagon::CDrawHexagon() { m_nDivisions = 12; }

std::string CDrawHexagon::GetName() { return "Hexagon"; }

// Later steps paint over earlier ones: the rings and their labels come after
// the marks, the lines and the overlays.
void CDrawHexagon::Draw(CDrawSurface& dc)
{
    CBaseDraw::Draw(dc); // lays out; the first date label of the pass shows its year
    if (!CellsFit())
        return;
    const Font previousFont = dc.SelectFont(LabelFont());
    const BkMode previousMode = dc.SetBkMode(BkMode::Transparent);
    DrawDivisions(dc);
    DrawFillMarks(dc, static_cast<int>(LastOfRing(m_nRings)));
    DrawLines(dc);
    DrawLineBeingDragged(dc, m_nLineWidth); // not divided by the zoom on this chart
    DrawSquaresAndTriangle(dc);
    DrawRingsAndLabels(dc);
    DrawOuterRings(dc);
    dc.SetBkMode(previousMode);
    dc.SelectFont(previousFont);
}

bool CDrawHexagon::CellsFit() const { return FittingCellSize() >= 1; }

Rect CDrawHexagon::LayoutArea() const
{
    Rect rc = m_rcClient;
    if (InDrawingRange(rc) && (m_bShowCalendarRing || m_bShowAngleRing))
        rc.Deflate(kOuterRingsMargin);
    return rc;
}

// Only the height of the client area sets the size: 2N cells high.
int CDrawHexagon::FittingCellSize() const
{
    if (!InDrawingRange(m_rcClient) || LayoutRings() < 1)
        return 0;
    return std::max(LayoutArea().Height() / (2 * m_nRings), 0);
}

// Centred in the layout area.
void CDrawHexagon::Layout()
{
    m_nCellSize = FittingCellSize();
    if (m_nCellSize < 1) {
        m_nCellSize = 0;
        m_ptCenter = {};
        m_rcChart = {};
        return;
    }
    m_ptCenter = LayoutArea().Center();
    const int half = m_nCellSize * m_nRings;
    m_rcChart = {m_ptCenter.x - half, m_ptCenter.y - half, m_ptCenter.x + half, m_ptCenter.y + half};
    m_rcChart.Deflate(kChartInset);
}

CDrawHexagon::Hexagon CDrawHexagon::HexagonAt(double radius) const
{
    Hexagon corners;
    for (int i = 0; i < 6; ++i)
        corners[i] = CornerAt(i, radius);
    corners[6] = corners[0];
    return corners;
}

// Every cell centre lies between two corners: their directions are worked
// out once, as PointAtDrawingAngle works them out.
Point CDrawHexagon::CornerAt(int i, double radius) const
{
    struct Direction {
        float cosT = 0;
        float sinT = 0;
    };
    static const std::array<Direction, 7> directions = [] {
        std::array<Direction, 7> table;
        for (int k = 0; k < 7; ++k) {
            const double theta = 60.0 * k * kPi / 180.0;
            table[k] = {static_cast<float>(std::cos(theta)), static_cast<float>(std::sin(theta))};
        }
        return table;
    }();
    if (i < 0 || i > 6)
        return PointAtDrawingAngle(60.0 * i, radius);
    const Direction& d = directions[static_cast<std::size_t>(i)];
    return PointInDirection(d.cosT, d.sinT, radius);
}

// Ring k's boundary less half a cell: for an odd cell size one unit further
// out than the hexagon the labels are drawn on.
double CDrawHexagon::CellRadius(std::int64_t k) const
{
    return static_cast<double>(m_nCellSize * k - m_nCellSize / 2);
}

// Hexagons of radius s/2, s, 3s/2 ...: the odd ones carry the labels of a
// ring, the even ones are its outer boundary, drawn with the current pen.
void CDrawHexagon::DrawRingsAndLabels(CDrawSurface& dc)
{
    for (int k = 1; k <= 2 * m_nRings; ++k) {
        const Hexagon corners = HexagonAt(m_nCellSize * k / 2);
        if (k % 2 == 1) {
            DrawRingLabels(dc, (k + 1) / 2, corners);
            continue;
        }
        dc.MoveTo(corners[0].x, corners[0].y);
        for (size_t i = 1; i < corners.size(); ++i)
            dc.LineTo(corners[i].x, corners[i].y);
    }
}

// From the ring's last number on corner 0 down to its first, one step past
// corner 5: each edge cut into j steps, positions truncated.
void CDrawHexagon::DrawRingLabels(CDrawSurface& dc, int ring, const Hexagon& corners)
{
    int n = static_cast<int>(LastOfRing(ring));
    DrawHexCellLabel(dc, corners[0], n, Position::Corner);
    for (size_t i = 1; i < corners.size(); ++i) {
        const Point a = corners[i - 1];
        const Point b = corners[i];
        for (int t = 1; t < ring; ++t) {
            const float f = static_cast<float>(t) / static_cast<float>(ring);
            const Point p{TruncToInt(a.x + (b.x - a.x) * static_cast<double>(f)),
                          TruncToInt(a.y + (b.y - a.y) * static_cast<double>(f))};
            const bool middle = ring % 2 == 0 && 2 * t == ring;
            DrawHexCellLabel(dc, p, --n, middle ? Position::EdgeMiddle : Position::Plain);
        }
        if (i < 6)
            DrawHexCellLabel(dc, b, --n, Position::Corner);
    }
}

// Corners red, edge middles blue, plain positions in the current colour,
// which the previous label left black. A position without text keeps the
// colour it set.
void CDrawHexagon::DrawHexCellLabel(CDrawSurface& dc, Point p, int n, Position kind)
{
    if (kind == Position::Corner)
        dc.SetTextColor(Colors::Red);
    else if (kind == Position::EdgeMiddle)
        dc.SetTextColor(Colors::Blue);
    if (DrawCellLabel(dc, n, p))
        dc.SetTextColor(Colors::Black);
}

// On the hexagon of CellRadius through n's ring, between the two corners of
// n's edge; numbers below 1 are no cell and sit on the centre.
Point CDrawHexagon::GetCellCenter(int n)
{
    EnsureLayout();
    if (n < 1)
        return m_ptCenter;
    const std::int64_t k = RingOf(n);
    const std::int64_t rem = LastOfRing(k) - n;
    const std::int64_t side = rem / k;
    const std::int64_t off = rem % k;
    const double r = CellRadius(k);
    const Point a = CornerAt(static_cast<int>(side), r);
    const Point b = CornerAt(static_cast<int>(side + 1), r);
    return {StepAlong(a.x, b.x, off, k), StepAlong(a.y, b.y, off, k)};
}

// The ring from sqrt(n / 3) in single precision, then moved onto n's ring
// where that estimate falls short or, for very large n, beyond.
int CDrawHexagon::RingOf(int n)
{
    std::int64_t k = std::max<std::int64_t>(1, static_cast<std::int64_t>(std::sqrt(static_cast<float>(n) / 3.0f)));
    while (LastOfRing(k) < n)
        ++k;
    while (k > 1 && LastOfRing(k - 1) >= n)
        --k;
    return static_cast<int>(k);
}

// The ring is the first whose boundary hexagon holds the point, searched from
// the ring whose circle holds it; the number is the nearest step along that
// ring's edge in the point's 60-degree sector.
int CDrawHexagon::HitTest(int x, int y)
{
    EnsureLayout();
    if (m_nCellSize < 1)
        return 0; // nothing laid out
    float d = 0.0f;
    const float a = ScreenAngleOf(x, y, d);
    int k = TruncToInt(static_cast<double>(d) / m_nCellSize + 1.0);
    // A boundary reaches its circle only at the corners: near the middle of
    // an edge the point can lie several rings further out.
    while (k <= m_nRings && !InsideBoundary(k, {x, y}))
        ++k;
    if (k > m_nRings)
        return 0;
    return NumberOnEdge(k, std::min(5, static_cast<int>(a / 60.0f)), x);
}

// Tested triangle by triangle of the outline as drawn. A single triangle for
// the point's sector would miss points on its rays, such as the corner cells
// at 0 degrees, which the truncated corner at 360 degrees leaves one unit
// outside.
bool CDrawHexagon::InsideBoundary(int k, Point q) const
{
    const Hexagon corners = HexagonAt(static_cast<double>(m_nCellSize) * k);
    for (size_t i = 0; i + 1 < corners.size(); ++i)
        if (PointInTriangle(m_ptCenter, corners[i], corners[i + 1], q))
            return true;
    return false;
}

// Sector sigma (counter-clockwise on the screen from the right) runs along the
// edge between the drawing angles 60 (5 - sigma) and 60 (6 - sigma). The step
// is read from x alone, rounded to the nearest and kept on the edge, so that
// points beyond a corner keep to the ring and never number below 1.
int CDrawHexagon::NumberOnEdge(int k, int sector, int x) const
{
    const double r = CellRadius(k);
    const int ax = CornerAt(5 - sector, r).x;
    const int bx = CornerAt(6 - sector, r).x;
    // The edge is never vertical, except in rings of a unit or two.
    const float f = bx == ax ? 0.0f : static_cast<float>(x - ax) / static_cast<float>(bx - ax);
    const auto sum = static_cast<float>(static_cast<double>(f) + 1.0 / (2.0 * k));
    const float product = static_cast<float>(k) * sum;
    const int off = std::clamp(TruncToInt(product), 0, k);
    int p = (5 - sector) * k + off;
    if (p == 6 * k)
        p = 0; // the corner at 0 degrees, reached from sector 0
    return static_cast<int>(LastOfRing(k) - p);
}

// The triangle is oriented first (p0 and p1 swapped when turning the other
// way); the point must then lie on the inner side of each edge, or on it.
bool CDrawHexagon::PointInTriangle(Point p0, Point p1, Point p2, Point q)
{
    if (Side(p0, p1, p2) > 0)
        std::swap(p0, p1);
    return Side(p0, p1, q) <= 0 && Side(p1, p2, q) <= 0 && Side(p2, p0, q) <= 0;
}
