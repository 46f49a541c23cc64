#pragma once

#include "BaseDraw.h"

// The Square of Nine: 1 in the centre cell, ring k of the square spiral ending
// with the odd square (2k + 1)^2. m_nRings holds rings + 1, which is also the
// row and column of the centre cell.
class CDrawSquareOfNine : public CBaseDraw {
public:
    CDrawSquareOfNine();

    void Draw(CDrawSurface& dc) override;
    float GetOuterRadius() override;
    Point GetCellCenter(int n) override;
    int HitTest(int x, int y) override;
    int SetRings(int rings) override;
    int GetRings() override;
    std::string GetName() override;

    // Grid position (row, column, both from 1) of number n and the number of
    // any integer position, with centre c0 = m_nRings and the given direction.
    static void PositionOf(int n, int c0, bool clockwise, int& row, int& col);
    static int NumberAt(int row, int col, int c0, bool clockwise);

    int m_nCells = 0;
    int m_nCellHeight = 0;
    int m_nCellWidth = 0;
    Rect m_rcGrid;
};
