#include "SquareGridChart.h"

#include "ChartMath.h"

#include <limits>

namespace {

// Room left around the grid for the outer rings: a common margin when either
// ring is shown, and the width of each shown ring.
constexpr int kOuterRingsMargin = 120;
constexpr int kOuterRingWidth = 50;

// The side of the largest grid a layout takes (the even square's, one
// more than the odd one's).
constexpr std::int64_t kMaxCells = 2 * std::int64_t{CBaseDraw::kMaxRings} + 2;

// Grids are laid out only inside this range, so that the centres, overlay
// radii and outer rings derived from the grid stay well inside int.
constexpr std::int64_t kMaxCoordinate = std::int64_t{1} << 28;

// Half a square's diagonal per unit of its side, to three places: the outer
// radius of the squares.
constexpr double kHalfDiagonal = 0.707;

bool InDrawingRange(std::int64_t v) { return -kMaxCoordinate <= v && v <= kMaxCoordinate; }

} // namespace

// The eleven steps of the pass; later steps paint over earlier ones.
void CSquareGridChart::Draw(CDrawSurface& dc)
{
    CBaseDraw::Draw(dc); // lays out; the first date label of the pass shows its year
    if (!CellsFit())
        return;
    DrawBackground(dc);
    DrawGridLines(dc);
    DrawTangentMarks(dc);
    const BkMode previousMode = dc.SetBkMode(BkMode::Transparent);
    DrawFills(dc);
    DrawLines(dc);
    DrawSquaresAndTriangle(dc);
    DrawDivisions(dc);
    DrawLineBeingDragged(dc);
    const Font previousFont = dc.SelectFont(LabelFont());
    dc.SetBkMode(BkMode::Transparent);
    DrawLabels(dc);
    DrawOuterRings(dc);
    dc.SetBkMode(previousMode);
    dc.SelectFont(previousFont);
}

float CSquareGridChart::GetOuterRadius()
{
    EnsureLayout();
    const std::int64_t height = std::int64_t{m_rcChart.bottom} - m_rcChart.top;
    return static_cast<float>(static_cast<double>(height) * kHalfDiagonal);
}

Point CSquareGridChart::GetCellCenter(int n)
{
    EnsureLayout();
    int row = 0;
    int col = 0;
    PositionOfNumber(n, row, col);
    return CellCentre(row, col);
}

int CSquareGridChart::HitTest(int x, int y)
{
    EnsureLayout();
    if (m_nCellWidth < 1 || m_nCellHeight < 1)
        return 1; // no grid: the centre cell exists in every layout
    // Integer division truncates towards zero, so up to one cell left of or
    // above the grid still counts as column or row 1.
    const std::int64_t col = (std::int64_t{x} - m_rcGrid.left) / m_nCellWidth + 1;
    const std::int64_t row = (std::int64_t{y} - m_rcGrid.top) / m_nCellHeight + 1;
    return NumberAtPosition(ClampToInt(row), ClampToInt(col));
}

bool CSquareGridChart::CellsFit() const { return FittingArea().has_value(); }

Rect CSquareGridChart::MarkBox(int n) { return BoxAbout(n, m_nCellWidth / 2, m_nCellHeight / 2); }

// The client area less room for the shown outer rings.
std::optional<CSquareGridChart::Area> CSquareGridChart::FittingArea() const
{
    int margin = 0;
    if (m_bShowCalendarRing || m_bShowAngleRing)
        margin += kOuterRingsMargin;
    if (m_bShowCalendarRing)
        margin += kOuterRingWidth;
    if (m_bShowAngleRing)
        margin += kOuterRingWidth;
    const Area area{std::int64_t{m_rcClient.left} + margin, std::int64_t{m_rcClient.top} + margin,
                    std::int64_t{m_rcClient.right} - margin, std::int64_t{m_rcClient.bottom} - margin};
    const std::int64_t cells = CellsPerSide();
    const bool fits = cells >= 1 && cells <= kMaxCells && (area.right - area.left) / cells >= 1 &&
                      (area.bottom - area.top) / cells >= 1 && InDrawingRange(area.left) &&
                      InDrawingRange(area.top) && InDrawingRange(area.right) && InDrawingRange(area.bottom);
    return fits ? std::optional<Area>(area) : std::nullopt;
}

// Cuts the fitting area into equal cells and drops the remainders at the
// right and bottom; where the cells do not fit, the grid is empty.
void CSquareGridChart::Layout()
{
    const std::optional<Area> area = FittingArea();
    if (!area) {
        m_nCells = m_nCellWidth = m_nCellHeight = 0;
        m_rcGrid = Rect{};
        m_rcChart = m_rcGrid;
        return;
    }
    const std::int64_t width = area->right - area->left;
    const std::int64_t height = area->bottom - area->top;
    const std::int64_t cells = CellsPerSide();
    m_nCells = static_cast<int>(cells);
    m_nCellWidth = static_cast<int>(width / cells);
    m_nCellHeight = static_cast<int>(height / cells);
    m_rcGrid = {static_cast<int>(area->left), static_cast<int>(area->top),
                static_cast<int>(area->right - width % cells), static_cast<int>(area->bottom - height % cells)};
    m_rcChart = m_rcGrid;
}

bool CSquareGridChart::PositionOnGrid(int n, int& row, int& col) const
{
    PositionOfNumber(n, row, col);
    return 1 <= row && row <= m_nCells && 1 <= col && col <= m_nCells;
}

Point CSquareGridChart::GridCorner(int i, int j) const
{
    return {m_rcGrid.left + j * m_nCellWidth, m_rcGrid.top + i * m_nCellHeight};
}

// Only for cells on the grid, whose corners are grid coordinates.
Rect CSquareGridChart::CellRect(int row, int col) const
{
    const Point topLeft = GridCorner(row - 1, col - 1);
    const Point bottomRight = GridCorner(row, col);
    return {topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
}

// The centre of the cell at any position, in 64 bits because positions far
// off the grid come from numbers of points far outside it.
Point CSquareGridChart::CellCentre(int row, int col) const
{
    const std::int64_t left = m_rcGrid.left + (std::int64_t{col} - 1) * m_nCellWidth;
    const std::int64_t top = m_rcGrid.top + (std::int64_t{row} - 1) * m_nCellHeight;
    return {ClampToInt((m_nCellWidth + 2 * left) / 2), ClampToInt((m_nCellHeight + 2 * top) / 2)};
}

// Light yellow grid, then ever smaller squares one cell further in,
// alternately white and light yellow, down to the centre.
void CSquareGridChart::DrawBackground(CDrawSurface& dc)
{
    Rect rc = m_rcGrid;
    dc.FillRect(rc, Brush::Solid(Colors::LightYellow));
    const int insets = (m_nCells - 1) / 2;
    for (int i = 1; i <= insets; ++i) {
        rc.Deflate(m_nCellWidth, m_nCellHeight);
        dc.FillRect(rc, Brush::Solid(i % 2 == 1 ? Colors::White : Colors::LightYellow));
    }
}

void CSquareGridChart::DrawGridLines(CDrawSurface& dc)
{
    const Pen previous = dc.SelectPen({PenStyle::Solid, 1, Colors::LightGrey});
    for (int i = 0; i <= m_nCells; ++i) {
        const int y = m_rcGrid.top + i * m_nCellHeight;
        dc.MoveTo(m_rcGrid.left, y);
        dc.LineTo(m_rcGrid.right, y);
        const int x = m_rcGrid.left + i * m_nCellWidth;
        dc.MoveTo(x, m_rcGrid.top);
        dc.LineTo(x, m_rcGrid.bottom);
    }
    dc.SelectPen(previous);
}

// Marks whose cell lies beyond a lowered ring count stay stored, undrawn.
void CSquareGridChart::DrawTangentMarks(CDrawSurface& dc)
{
    for (const auto& [n, style] : m_TangentCells) {
        int row = 0;
        int col = 0;
        if (!PositionOnGrid(n, row, col))
            continue;
        const Pen previous = dc.SelectPen({PenStyle::Solid, style.m_nWidth, style.m_crColor});
        DrawTangentDiagonals(dc, row, col);
        dc.SelectPen(previous);
        dc.FillRect(CellRect(row, col), Brush::Solid(style.m_crColor));
    }
}

// Both diagonals through the cell across the whole grid, from edge to edge,
// each drawn from its left end.
void CSquareGridChart::DrawTangentDiagonals(CDrawSurface& dc, int row, int col)
{
    const int last = m_nCells;
    const bool belowMain = row >= col;
    const Point downFrom = belowMain ? GridCorner(row - col, 0) : GridCorner(0, col - row);
    const Point downTo = belowMain ? GridCorner(last, last - row + col) : GridCorner(last - col + row, last);
    dc.MoveTo(downFrom.x, downFrom.y);
    dc.LineTo(downTo.x, downTo.y);

    const int t = row + col;
    const bool belowAnti = t > last;
    const Point upFrom = belowAnti ? GridCorner(last, t - last - 1) : GridCorner(t - 1, 0);
    const Point upTo = belowAnti ? GridCorner(t - last - 1, last) : GridCorner(0, t - 1);
    dc.MoveTo(upFrom.x, upFrom.y);
    dc.LineTo(upTo.x, upTo.y);
}

void CSquareGridChart::DrawFills(CDrawSurface& dc)
{
    for (const auto& [n, style] : m_FillCells) {
        int row = 0;
        int col = 0;
        if (!PositionOnGrid(n, row, col))
            continue;
        const Brush brush = Brush::Solid(style.m_crColor);
        if (style.m_bCircle)
            dc.FillEllipse(CellRect(row, col), brush);
        else
            dc.FillRect(CellRect(row, col), brush);
    }
}

// The pen width is divided by the zoom in single precision, like the
// user lines, so that the line keeps its width on the screen.
void CSquareGridChart::DrawLineBeingDragged(CDrawSurface& dc)
{
    const int width = TruncToInt(static_cast<float>(m_nLineWidth) / m_fZoom);
    DrawDraggedLine(dc, GetCellCenter(m_nLineStartCell), GetCellCenter(m_nLineEndCell), width);
}

// From the highest number down to 1, that is ring by ring from the outside
// in: the order in which the date labels decide where to show the year. The
// colour is set even for cells without text; the outer rings inherit it.
void CSquareGridChart::DrawLabels(CDrawSurface& dc)
{
    const int count = m_nCells * m_nCells; // the layout keeps this within int
    for (int n = count; n >= 1; --n) {
        int row = 0;
        int col = 0;
        PositionOfNumber(n, row, col);
        if (const std::optional<Color> colour = LabelColor(row, col))
            dc.SetTextColor(*colour);
        if (const std::optional<std::string>& text = CellLabel(n))
            DrawLabelInRect(dc, *text, CellRect(row, col));
    }
}

// The square around the circle through the grid's corners, less 10.
Rect CSquareGridChart::OuterRingsRect() const
{
    Rect rc = m_rcChart;
    const float half = static_cast<float>(rc.Height() / 2);
    const float diagonal = static_cast<float>(1.414 * static_cast<double>(half));
    rc.Inflate(TruncToInt(static_cast<float>(diagonal - half)));
    rc.Deflate(10);
    return rc;
}
