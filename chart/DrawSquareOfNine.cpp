#include "DrawSquareOfNine.h"

#include "ChartMath.h"
#include "OrvoSQ9.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace {

// The time standard chart gives day texts to the first two years of cells.
constexpr int kTimeStandardCells = 730;

// Beyond this ring the first number, (2k - 1)^2 + 1, no longer fits an int.
constexpr std::int64_t kLastRepresentableRing = 23170;

// Smallest odd s with s * s >= n, for n >= 1: the side of n's ring.
std::int64_t RingSide(std::int64_t n)
{
    const std::int64_t s = CeilSqrt(n);
    return s % 2 == 0 ? s + 1 : s;
}

} // namespace

CDrawSquareOfNine::CDrawSquareOfNine() { m_bClockwise = true; }

int CDrawSquareOfNine::SetRings(int rings)
{
    m_nRings = ClampToInt(std::int64_t{rings} + 1);
    return m_nRings;
}

int CDrawSquareOfNine::GetRings() const { return ClampToInt(std::int64_t{m_nRings} - 1); }

std::string CDrawSquareOfNine::GetName() { return "Square Of Nine"; }

// Each ring starts right of the previous ring's last number, climbs the right
// column, runs along the top, down the left and ends at the bottom-right
// corner; clockwise mirrors the columns. n <= 1 is the centre.
void CDrawSquareOfNine::PositionOf(int n, int c0, bool clockwise, int& row, int& col)
{
    std::int64_t r = c0;
    std::int64_t c = c0;
    if (n > 1) {
        const std::int64_t s = RingSide(n);
        const std::int64_t k = (s - 1) / 2;
        const std::int64_t lo = c0 - k;
        const std::int64_t hi = c0 + k;
        const std::int64_t d = s * s - n;
        const std::int64_t q = d / (s - 1);
        const std::int64_t rest = d % (s - 1);
        switch (q) {
        case 0: r = hi; c = hi - rest; break;  // bottom row
        case 1: r = hi - rest; c = lo; break;  // left column
        case 2: r = lo; c = lo + rest; break;  // top row
        default: r = lo + rest; c = hi; break; // right column
        }
    }
    if (clockwise)
        c = 2 * std::int64_t{c0} - c;
    row = ClampToInt(r);
    col = ClampToInt(c);
}

int CDrawSquareOfNine::NumberAt(int row, int col, int c0, bool clockwise)
{
    const std::int64_t r = row;
    const std::int64_t c = clockwise ? 2 * std::int64_t{c0} - col : col;
    const std::int64_t k = std::max(std::abs(r - c0), std::abs(c - c0));
    if (k == 0)
        return 1;
    if (k > kLastRepresentableRing)
        return std::numeric_limits<int>::max();
    const std::int64_t s = 2 * k + 1;
    const std::int64_t lo = c0 - k;
    const std::int64_t hi = c0 + k;
    std::int64_t n = 0;
    if (r == hi)
        n = s * s - (hi - c);
    else if (c == lo)
        n = s * s - (s - 1) - (hi - r);
    else if (r == lo)
        n = s * s - 2 * (s - 1) - (c - lo);
    else
        n = s * s - 3 * (s - 1) - (r - lo);
    return ClampToInt(n);
}

int CDrawSquareOfNine::RingOf(int n) { return n <= 1 ? 0 : static_cast<int>((RingSide(n) - 1) / 2); }

std::int64_t CDrawSquareOfNine::CellsPerSide() const { return 2 * std::int64_t{m_nRings} - 1; }

void CDrawSquareOfNine::PositionOfNumber(int n, int& row, int& col) const
{
    PositionOf(n, m_nRings, m_bClockwise, row, col);
}

int CDrawSquareOfNine::NumberAtPosition(int row, int col) const
{
    return NumberAt(row, col, m_nRings, m_bClockwise);
}

// Red on both diagonals (the centre included), blue on the centre row and
// column, otherwise the current colour, which the previous label left black.
std::optional<Color> CDrawSquareOfNine::LabelColor(int row, int col) const
{
    if (row == col || std::int64_t{row} + col == std::int64_t{m_nCells} + 1)
        return Colors::Red;
    if (row == m_nRings || col == m_nRings)
        return Colors::Blue;
    return std::nullopt;
}

// The shared label, except that the time standard chart shows the day text
// of the first 730 cells when neither price nor date is shown. The shared
// label is composed in any case: its date moves the year state.
const std::optional<std::string>& CDrawSquareOfNine::CellLabel(int n)
{
    const std::optional<std::string>& label = ComposeCellLabel(n);
    if (!m_bTimeStandard || m_bShowPrice || m_bShowTime || n > kTimeStandardCells)
        return label;
    const std::string day = OrvoSQ9::DayText(n);
    m_dayLabel = m_bShowN ? day + "\n" + std::to_string(n) : day;
    return m_dayLabel;
}
