#pragma once

#include "SquareGridChart.h"

// The Square of Nine: 1 in the centre cell, ring k of the square spiral ending
// with the odd square (2k + 1)^2. m_nRings holds rings + 1, which is also the
// row and column of the centre cell. Numbered clockwise unless switched.
class CDrawSquareOfNine : public CSquareGridChart {
public:
    CDrawSquareOfNine();

    int SetRings(int rings) override;
    int GetRings() const override;
    std::string GetName() override;

    // Grid position (row, column, both from 1) of number n and the number of
    // any integer position, with centre c0 = m_nRings and the given direction.
    // Off the grid the spiral continues; numbers beyond int saturate.
    static void PositionOf(int n, int c0, bool clockwise, int& row, int& col);
    static int NumberAt(int row, int col, int c0, bool clockwise);
    // The ring of number n: 0 for the centre and below, k for 2 ... (2k + 1)^2.
    static int RingOf(int n);

protected:
    std::int64_t CellsPerSide() const override;
    void PositionOfNumber(int n, int& row, int& col) const override;
    int NumberAtPosition(int row, int col) const override;
    std::optional<Color> LabelColor(int row, int col) const override;
    const std::optional<std::string>& CellLabel(int n) override;

private:
    std::optional<std::string> m_dayLabel; // the last day label CellLabel gave
};
