#pragma once

#include "SquareGridChart.h"

// The Square of Four: a 2 x 2 centre block holding 1 to 4, ring k of the
// square spiral around it ending with the even square (2k + 2)^2. m_nRings
// holds the ring count R itself; the grid has 2R + 2 cells a side and the
// centre block lies on rows and columns R + 1 and R + 2. Numbered
// counter-clockwise unless switched.
class CDrawSquareOfFour : public CSquareGridChart {
public:
    std::string GetName() override;

    // Grid position (row, column, both from 1) of number n and the number of
    // any integer position, for R rings and the given direction. Off the grid
    // the spiral continues; numbers beyond int saturate.
    static void PositionOf(int n, int rings, bool clockwise, int& row, int& col);
    static int NumberAt(int row, int col, int rings, bool clockwise);
    // The ring of number n: 0 for the centre block and below, k for the
    // numbers up to (2k + 2)^2.
    static int RingOf(int n);

protected:
    std::int64_t CellsPerSide() const override;
    void PositionOfNumber(int n, int& row, int& col) const override;
    int NumberAtPosition(int row, int col) const override;
    std::optional<Color> LabelColor(int row, int col) const override;
    const std::optional<std::string>& CellLabel(int n) override;
};
