#include "DrawWheel.h"

#include "ChartMath.h"

#include <algorithm>

namespace {

constexpr int kSectors = 24;
constexpr double kSectorDegrees = 15.0;
// 60 units above and below the wheel, whether an outer ring is shown or not.
constexpr int kMargin = 120;

// Colour of a label by its place relative to the four-square cross: red on
// the cross's arms, blue 120 and 240 degrees on from its first arm.
Color LabelColour(std::int64_t p)
{
    if (p == 0 || p == 6 || p == 12 || p == 18)
        return Colors::Red;
    if (p == 8 || p == 16)
        return Colors::Blue;
    return Colors::Black;
}

} // namespace

CDrawWheel::CDrawWheel() { m_nDivisions = 8; }

std::string CDrawWheel::GetName() { return "Wheel"; }

// Later steps paint over earlier ones; the outer rings take the colour of the
// last label.
void CDrawWheel::Draw(CDrawSurface& dc)
{
    CBaseDraw::Draw(dc); // lays out; the first date label of the pass shows its year
    if (!CellsFit())
        return;
    const Brush previousBrush = DrawRingShading(dc);
    dc.Ellipse(HubRect()); // with the brush of the innermost ring's circle
    DrawSpokes(dc);
    DrawDivisions(dc);
    DrawFillMarks(dc, kSectors * m_nRings);
    DrawLines(dc);
    // Divided in single precision, like the user lines, to keep its width on the screen.
    DrawLineBeingDragged(dc, TruncToInt(static_cast<float>(m_nLineWidth) / m_fZoom));
    DrawSquaresAndTriangle(dc);
    const Font previousFont = dc.SelectFont(WheelLabelFont());
    const BkMode previousMode = dc.SetBkMode(BkMode::Transparent);
    DrawLabels(dc);
    DrawOuterRings(dc);
    dc.SetBkMode(previousMode);
    dc.SelectFont(previousFont);
    dc.SelectBrush(previousBrush);
}

bool CDrawWheel::CellsFit() const { return FittingRingSize() >= 1; }

// Only the height of the client area sets the size: hub, N rings on each
// side and the margin.
int CDrawWheel::FittingRingSize() const
{
    if (!InDrawingRange(m_rcClient) || LayoutRings() < 1)
        return 0;
    const int room = m_rcClient.Height() - m_nHubDiameter - kMargin;
    return static_cast<int>(std::max<std::int64_t>(room / (2 * std::int64_t{m_nRings}), 0));
}

void CDrawWheel::Layout()
{
    m_nRingSize = FittingRingSize();
    if (m_nRingSize < 1) {
        m_nRingSize = 0;
        m_ptCenter = {};
        m_rcChart = {};
        return;
    }
    m_ptCenter = m_rcClient.Center();
    m_rcChart = HubRect();
    m_rcChart.Inflate(m_nRingSize * m_nRings); // the bounding square of the outer circle
}

Rect CDrawWheel::HubRect() const
{
    const int half = m_nHubDiameter / 2;
    return {m_ptCenter.x - half, m_ptCenter.y - half, m_ptCenter.x + half, m_ptCenter.y + half};
}

double CDrawWheel::CellRadius(std::int64_t ring) const
{
    return static_cast<double>((std::int64_t{m_nHubDiameter} + m_nRingSize) / 2 + ring * m_nRingSize);
}

// The whole disc with the current brush (white on a fresh surface), then each
// circle one ring further in, alternately light yellow and that brush.
Brush CDrawWheel::DrawRingShading(CDrawSurface& dc)
{
    dc.Ellipse(m_rcChart);
    const Brush yellow = Brush::Solid(Colors::LightYellow);
    const Brush previous = dc.SelectBrush(yellow);
    Rect rc = m_rcChart;
    for (int i = 1; i < m_nRings; ++i) {
        rc.Deflate(m_nRingSize);
        dc.SelectBrush(i % 2 == 1 ? yellow : previous);
        dc.Ellipse(rc);
    }
    return previous;
}

// From the centre across the hub to the outer circle, one device pixel wide.
void CDrawWheel::DrawSpokes(CDrawSurface& dc)
{
    const Pen previous = dc.SelectPen({PenStyle::Solid, 0, Colors::Grey});
    const int outer = m_rcChart.Height() / 2;
    for (int j = 0; j < kSectors; ++j) {
        const Point end = PointAtScreenAngle(kSectorDegrees * j, outer);
        dc.MoveTo(m_ptCenter.x, m_ptCenter.y);
        dc.LineTo(end.x, end.y);
    }
    dc.SelectPen(previous);
}

// Ring by ring from the hub, each counter-clockwise from the right, in the
// middle of the cell. The cross's rotation in whole sectors shifts the
// colours (a negative remainder matches no colour); the last colour stays.
void CDrawWheel::DrawLabels(CDrawSurface& dc)
{
    const std::int64_t base = kSectors - std::int64_t{TruncToInt(m_fSquaresAngle / 15.0f)};
    for (int r = 0; r < m_nRings; ++r) {
        const double rho = CellRadius(r);
        for (int j = 0; j < kSectors; ++j) {
            dc.SetTextColor(LabelColour((base + j) % kSectors));
            DrawCellLabel(dc, kSectors * r + j + 1, PointAtScreenAngle(kSectorDegrees * j + 7.5, rho));
        }
    }
}

// The label font rounded to the nearest unit where the other charts truncate.
Font CDrawWheel::WheelLabelFont() const
{
    Font font = LabelFont();
    font.height = TruncToInt(14.0 * static_cast<double>(1.0f / m_fZoom) + 0.5);
    return font;
}

// Half a ring out from the hub and 7.5 degrees into the cell's sector. The
// angle is not reduced to one turn: with pi = 3.1415926 a whole turn is not
// quite one.
Point CDrawWheel::GetCellCenter(int n)
{
    EnsureLayout();
    const std::int64_t k = std::int64_t{n} - 1;
    return PointAtScreenAngle(kSectorDegrees * static_cast<double>(k) + 7.5, CellRadius(k / kSectors));
}

int CDrawWheel::HitTest(int x, int y)
{
    EnsureLayout();
    if (m_nRingSize < 1)
        return 0; // nothing laid out
    float d = 0.0f;
    const float a = ScreenAngleOf(x, y, d);
    const int inner = m_nHubDiameter / 2;
    if (d < static_cast<float>(inner))
        return 0; // the hub holds no cells
    const int ring = TruncToInt((static_cast<double>(d) - inner) / m_nRingSize);
    if (ring >= m_nRings)
        return 0; // outside the outer circle
    const int sector = std::min(kSectors - 1, static_cast<int>(a / static_cast<float>(kSectorDegrees)));
    return kSectors * ring + sector + 1;
}
