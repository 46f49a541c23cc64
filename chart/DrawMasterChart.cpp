#include "DrawMasterChart.h"

#include "ChartMath.h"

#include <limits>
#include <optional>

namespace {

bool FitsInt(std::int64_t v)
{
    return std::numeric_limits<int>::min() <= v && v <= std::numeric_limits<int>::max();
}

void Line(CDrawSurface& dc, int x1, int y1, int x2, int y2)
{
    dc.MoveTo(x1, y1);
    dc.LineTo(x2, y2);
}

} // namespace

// The label font and background, the table, then the surface restored.
void CDrawMasterChart::Draw(CDrawSurface& dc)
{
    CBaseDraw::Draw(dc); // lays out; the first date label of the pass shows its year
    const Font previousFont = dc.SelectFont(LabelFont());
    const BkMode previousMode = dc.SetBkMode(BkMode::Transparent);
    if (CellsFit())
        DrawTable(dc);
    dc.SetTextColor(Colors::Black);
    dc.SetBkMode(previousMode);
    dc.SelectFont(previousFont);
}

// The chart's rectangle is the table: the previous one when none can be drawn.
void CDrawMasterChart::Layout()
{
    Point origin;
    if (TableOrigin(origin))
        m_rcTable = {origin.x, origin.y, origin.x + m_nCellWidth * m_nRings, origin.y + m_nCellHeight * m_nRings};
    m_rcChart = m_rcTable;
}

bool CDrawMasterChart::DrawsOverlays() const { return false; }

Point CDrawMasterChart::GetCellCenter(int n)
{
    EnsureLayout();
    if (!HasUsableSize())
        return {m_rcTable.left, m_rcTable.top};
    std::int64_t row = 0;
    std::int64_t column = 0;
    PositionOf(n, row, column);
    const Rect rc = GetCellRect(row, column);
    return {static_cast<int>((std::int64_t{rc.left} + rc.right) / 2),
            static_cast<int>((std::int64_t{rc.top} + rc.bottom) / 2)};
}

// Integer division truncates towards zero: up to one cell left of or above
// the table still gives column or row 0.
int CDrawMasterChart::HitTest(int x, int y)
{
    EnsureLayout();
    if (!HasUsableSize())
        return 0;
    const std::int64_t column = (std::int64_t{x} - m_rcTable.left) / m_nCellWidth;
    const std::int64_t fromTop = (std::int64_t{y} - m_rcTable.top) / m_nCellHeight;
    return ClampToInt((column + 1) * m_nRings - fromTop);
}

std::string CDrawMasterChart::GetName() { return "Master Chart"; }

Rect CDrawMasterChart::GetCellRect(std::int64_t row, std::int64_t column) const
{
    const std::int64_t left = m_rcTable.left + m_nCellWidth * column;
    const std::int64_t top = m_rcTable.top + m_nCellHeight * row;
    return {ClampToInt(left), ClampToInt(top), ClampToInt(left + m_nCellWidth), ClampToInt(top + m_nCellHeight)};
}

bool CDrawMasterChart::CellsFit() const
{
    Point origin;
    return TableOrigin(origin);
}

Rect CDrawMasterChart::MarkBox(int n) { return BoxAbout(n, m_nCellWidth / 2, m_nCellHeight / 2); }

bool CDrawMasterChart::HasUsableSize() const { return 1 <= m_nRings && m_nRings <= kMaxTableSize; }

// Centred horizontally in the client area (each half taken separately) and
// hanging from its top; the size does not depend on the client area.
bool CDrawMasterChart::TableOrigin(Point& origin) const
{
    if (!HasUsableSize())
        return false;
    const std::int64_t width = std::int64_t{m_nCellWidth} * m_nRings;
    const std::int64_t height = std::int64_t{m_nCellHeight} * m_nRings;
    const std::int64_t left = (std::int64_t{m_rcClient.left} + m_rcClient.right) / 2 - width / 2;
    const std::int64_t top = m_rcClient.top;
    if (!FitsInt(left) || !FitsInt(left + width) || !FitsInt(top + height))
        return false;
    origin = {static_cast<int>(left), static_cast<int>(top)};
    return true;
}

// Numbers run up each column from the bottom. Division truncates towards
// zero, so numbers below 1 land outside the table, left of or below it.
void CDrawMasterChart::PositionOf(int n, std::int64_t& row, std::int64_t& column) const
{
    const std::int64_t size = m_nRings;
    const std::int64_t rest = n % size;
    column = rest != 0 ? n / size : n / size - 1;
    row = rest != 0 ? size - rest : 0;
}

// Red on the two diagonals; otherwise blue on the middle column and row, two
// of each when the size is even.
Color CDrawMasterChart::LabelColor(int c, int k, int size)
{
    if (c == k || c + k == size + 1)
        return Colors::Red;
    const int even = size % 2 == 0 ? 1 : 0;
    const auto middle = [size, even](int i) { return i == (size + 1) / 2 || i == (size + even + 1) / 2; };
    if (middle(c) || middle(k))
        return Colors::Blue;
    return Colors::Black;
}

// Column by column from the left, each cell from the bottom up: colour,
// label, then the grid lines the cell completes. The annotations go in
// before the first cell, under every label and grid line.
void CDrawMasterChart::DrawTable(CDrawSurface& dc)
{
    const int size = m_nRings;
    const int bottom = m_rcTable.bottom;
    int x = m_rcTable.left;
    int n = 1;
    for (int c = 1; c <= size; ++c) {
        int cursor = bottom;
        for (int k = 1; k <= size; ++k, ++n) {
            dc.SetTextColor(LabelColor(c, k, size));
            if (n == 1)
                BeginTable(dc);
            const Rect cell{x, cursor - m_nCellHeight, x + m_nCellWidth, cursor};
            cursor = cell.top;
            if (const std::optional<std::string>& text = ComposeCellLabel(n))
                DrawLabelInRect(dc, *text, cell);
            if (c == 1)
                DrawRowLines(dc, k, cell);
        }
        x += m_nCellWidth;
        DrawColumnEdges(dc, c, x);
    }
}

// Everything the user adds, under the labels and grid lines.
void CDrawMasterChart::BeginTable(CDrawSurface& dc)
{
    DrawRubberBandLine(dc);
    DrawTableFills(dc);
    DrawLines(dc);
}

// In the first column: the table's bottom border under the first cell, then
// a line across the whole table at the top of every cell.
void CDrawMasterChart::DrawRowLines(CDrawSurface& dc, int k, const Rect& cell)
{
    const int right = m_rcTable.left + m_nCellWidth * m_nRings;
    if (k == 1)
        Line(dc, m_rcTable.left, cell.bottom, right, cell.bottom);
    Line(dc, m_rcTable.left, cell.top, right, cell.top);
}

// After the top cell of column c: the left border after the first column,
// then the column's right edge at x.
void CDrawMasterChart::DrawColumnEdges(CDrawSurface& dc, int c, int x)
{
    const int bottom = m_rcTable.top + m_nCellHeight * m_nRings;
    if (c == 1)
        Line(dc, m_rcTable.left, bottom, m_rcTable.left, m_rcTable.top);
    Line(dc, x, bottom, x, m_rcTable.top);
}

// The pen width is divided by the zoom in single precision, like the user
// lines', so that the line keeps its width on the screen.
void CDrawMasterChart::DrawRubberBandLine(CDrawSurface& dc)
{
    const int width = TruncToInt(static_cast<float>(m_nLineWidth) / m_fZoom);
    DrawDraggedLine(dc, GetCellCenter(m_nLineStartCell), GetCellCenter(m_nLineEndCell), width);
}

// Whole cells or inscribed circles, without outline. Fills of numbers beyond
// the table (the ring count was lowered) stay stored but are not drawn.
void CDrawMasterChart::DrawTableFills(CDrawSurface& dc)
{
    dc.SetBkMode(BkMode::Transparent);
    const int last = m_nRings * m_nRings; // at most kMaxTableSize squared
    for (auto it = m_FillCells.lower_bound(1); it != m_FillCells.end() && it->first <= last; ++it) {
        std::int64_t row = 0;
        std::int64_t column = 0;
        PositionOf(it->first, row, column);
        const Rect rc = GetCellRect(row, column);
        const Brush brush = Brush::Solid(it->second.m_crColor);
        if (it->second.m_bCircle)
            dc.FillEllipse(rc, brush);
        else
            dc.FillRect(rc, brush);
    }
}
