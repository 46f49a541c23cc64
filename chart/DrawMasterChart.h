#pragma once

#include "BaseDraw.h"

#include <cstdint>
#include <string>

// The Master chart: an N x N number table, N being the ring count. The
// numbers run up each column from the bottom and on in the next column to
// the right, 1 in the lower-left corner and N^2 in the upper-right. The
// diagonals are printed red, the middle row and column blue. No outer rings,
// overlays or tangent marks belong to this chart.
//
// A damaged chart file can hold any ring count: a table below one cell or
// above kMaxTableSize cells a side is not drawn, and the geometry then
// answers harmless values.
class CDrawMasterChart : public CBaseDraw {
public:
    // The largest table drawn: a side of the most rings any chart takes.
    static constexpr int kMaxTableSize = kMaxRings;

    void Draw(CDrawSurface& dc) override;
    Point GetCellCenter(int n) override;
    // Column from x, then the number from y; no range check, callers first
    // test the point against m_rcChart. 0 when there is no usable table.
    int HitTest(int x, int y) override;
    std::string GetName() override;
    // Its cells have a fixed size: any usable table fits, beyond the canvas if need be.
    bool CellsFit() const override;
    Rect MarkBox(int n) override;

    // The cell in row `row` (0 at the top) and column `column` (0 at the left);
    // edges beyond int saturate.
    Rect GetCellRect(std::int64_t row, std::int64_t column) const;

    // The table as the current rings and client area lay it out. The cell
    // size is fixed: the layout does not watch it.
    Rect m_rcTable;
    int m_nCellWidth = 60;
    int m_nCellHeight = 40;

protected:
    void Layout() override;
    bool DrawsOverlays() const override;

private:
    bool HasUsableSize() const;
    // Top-left corner of the table in m_rcClient, or false when the table
    // cannot be drawn (unusable size, or edges beyond int coordinates).
    bool TableOrigin(Point& origin) const;
    // Row (from the top) and column (from the left), both from 0, of number n.
    void PositionOf(int n, std::int64_t& row, std::int64_t& column) const;
    // Label colour of the cell in column c and row k, both counted from 1, c
    // from the left and k from the bottom, in a table of `size` cells a side.
    static Color LabelColor(int c, int k, int size);

    void DrawTable(CDrawSurface& dc);
    void BeginTable(CDrawSurface& dc);
    void DrawRowLines(CDrawSurface& dc, int k, const Rect& cell);
    void DrawColumnEdges(CDrawSurface& dc, int c, int x);
    void DrawRubberBandLine(CDrawSurface& dc);
    void DrawTableFills(CDrawSurface& dc);
};
