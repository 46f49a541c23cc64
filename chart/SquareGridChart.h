#pragma once

#include "BaseDraw.h"

#include <cstdint>
#include <optional>
#include <string>

// A chart of equal cells on a square grid, numbered along a square spiral:
// the layout, the cell geometry, the hit test and the whole drawing pass
// (background rings, grid lines, tangent marks, fills, user lines, overlays,
// labels, outer rings). The odd and even square charts derive from it and
// supply only their numbering, their side length and their labels.
//
// Rows and columns count from 1 at the top left. A chart file can hold any
// ring count, so a side length that does not fit the client area (or is
// beyond kMaxRings rings) leaves the grid empty: nothing is drawn and
// the geometry answers harmless values.
class CSquareGridChart : public CBaseDraw {
public:
    void Draw(CDrawSurface& dc) override;
    // Half the grid's diagonal, about: the height times 0.707.
    float GetOuterRadius() override;
    Point GetCellCenter(int n) override;
    int HitTest(int x, int y) override;
    bool CellsFit() const override;
    Rect MarkBox(int n) override;

    // The grid the current rings, client area and outer ring switches lay
    // out; 0 and empty where the cells do not fit. Kept up to date by every
    // geometry question and paint.
    int m_nCells = 0;
    int m_nCellHeight = 0;
    int m_nCellWidth = 0;
    Rect m_rcGrid;

protected:
    // Cells per side for the current m_nRings; any value, checked by the layout.
    virtual std::int64_t CellsPerSide() const = 0;
    // Grid position of number n, possibly off the grid.
    virtual void PositionOfNumber(int n, int& row, int& col) const = 0;
    // Number of any position; the spiral continues beyond the grid.
    virtual int NumberAtPosition(int row, int col) const = 0;
    // Text colour of the label at (row, col), or nothing to keep the current one.
    virtual std::optional<Color> LabelColor(int row, int col) const = 0;
    // Label text of cell n, or nothing; called for every cell in label order.
    // The reference lasts until the next call.
    virtual const std::optional<std::string>& CellLabel(int n) = 0;

    void Layout() override;

private:
    // Edges in 64 bits: a file's client rectangle may lie anywhere.
    struct Area {
        std::int64_t left = 0, top = 0, right = 0, bottom = 0;
    };
    // The area the grid is cut from, or nothing when a cell of the current
    // side length would be narrower or lower than one unit there.
    std::optional<Area> FittingArea() const;
    // Position of n, and whether it lies on the current grid.
    bool PositionOnGrid(int n, int& row, int& col) const;
    // Where grid line i (from the top) meets grid line j (from the left).
    Point GridCorner(int i, int j) const;
    Rect CellRect(int row, int col) const;
    Point CellCentre(int row, int col) const;

    void DrawBackground(CDrawSurface& dc);
    void DrawGridLines(CDrawSurface& dc);
    void DrawTangentMarks(CDrawSurface& dc);
    void DrawTangentDiagonals(CDrawSurface& dc, int row, int col);
    void DrawFills(CDrawSurface& dc);
    void DrawLineBeingDragged(CDrawSurface& dc);
    void DrawLabels(CDrawSurface& dc);
    Rect OuterRingsRect() const override;
};
