#include "DrawSquareOfFour.h"

#include "ChartMath.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// Beyond this ring the first number, (2k)^2 + 1, no longer fits an int.
constexpr std::int64_t kLastRepresentableRing = 23170;

// The smallest ring index k with (2k + 2)^2 >= n, for n >= 1.
std::int64_t RingIndex(std::int64_t n)
{
    const std::int64_t side = std::max<std::int64_t>(2, CeilSqrt(n));
    return (side + side % 2 - 2) / 2;
}

// Mirrors a row or column across the centre of the grid of R rings.
std::int64_t Mirrored(std::int64_t col, std::int64_t rings) { return 2 * rings + 3 - col; }

} // namespace

int CDrawSquareOfFour::RingOf(int n) { return static_cast<int>(RingIndex(std::max(n, 1))); }

std::string CDrawSquareOfFour::GetName() { return "Square Of Four"; }

// A ring starts level with the upper row of the centre block, climbs the
// right column, runs left along the top, down the left column, right along
// the bottom and ends level with the lower centre row. n below 1 is taken as 1.
void CDrawSquareOfFour::PositionOf(int n, int rings, bool clockwise, int& row, int& col)
{
    const std::int64_t R = rings;
    const std::int64_t number = std::max(n, 1);
    const std::int64_t k = RingIndex(number);
    const std::int64_t e = 2 * k + 2;
    const std::int64_t side = 2 * k + 1; // cells from one corner to the next
    const std::int64_t lo = R + 1 - k;
    const std::int64_t hi = R + 2 + k;
    const std::int64_t d = e * e - number;
    const std::int64_t m = d - k;
    std::int64_t r = 0;
    std::int64_t c = 0;
    if (d < k) {
        r = R + 2 + d; // right column, from the lower centre row down
        c = hi;
    } else if (m < side) {
        r = hi; // bottom row
        c = hi - m;
    } else if (m < 2 * side) {
        r = hi - (m - side); // left column
        c = lo;
    } else if (m < 3 * side) {
        r = lo; // top row
        c = lo + (m - 2 * side);
    } else {
        r = lo + (m - 3 * side); // right column, up to the upper centre row
        c = hi;
    }
    if (clockwise)
        c = Mirrored(c, R);
    row = ClampToInt(r);
    col = ClampToInt(c);
}

// The ring is set by the grid edge the position lies farthest towards; the
// side of the ring is then tested in an order that settles the corners.
int CDrawSquareOfFour::NumberAt(int row, int col, int rings, bool clockwise)
{
    const std::int64_t R = rings;
    const std::int64_t r = row;
    const std::int64_t c = clockwise ? Mirrored(col, R) : col;
    const std::int64_t hi = std::max({r, Mirrored(r, R), c, Mirrored(c, R)});
    const std::int64_t k = hi - R - 2;
    if (k > kLastRepresentableRing)
        return std::numeric_limits<int>::max();
    const std::int64_t lo = R + 1 - k;
    const std::int64_t e = 2 * k + 2;
    std::int64_t n = 0;
    if (r > R + 1 && c == hi)
        n = e * e - (r - R - 2);
    else if (r == hi)
        n = e * e - k - (hi - c);
    else if (c == lo)
        n = e * e - k - (2 * k + 1) - (hi - r);
    else if (r != lo)
        n = e * e - 7 * k - 3 - (r - lo);
    else
        n = e * e - 5 * k - 2 - (c - lo);
    return ClampToInt(n);
}

// No grid below one ring: a damaged count draws nothing.
std::int64_t CDrawSquareOfFour::CellsPerSide() const
{
    return m_nRings < 1 ? 0 : 2 * std::int64_t{m_nRings} + 2;
}

void CDrawSquareOfFour::PositionOfNumber(int n, int& row, int& col) const
{
    PositionOf(n, m_nRings, m_bClockwise, row, col);
}

int CDrawSquareOfFour::NumberAtPosition(int row, int col) const
{
    return NumberAt(row, col, m_nRings, m_bClockwise);
}

// Red on both diagonals (the whole centre block), blue on the two centre rows
// and columns, black elsewhere.
std::optional<Color> CDrawSquareOfFour::LabelColor(int row, int col) const
{
    if (row == col || std::int64_t{row} + col == std::int64_t{m_nCells} + 1)
        return Colors::Red;
    const auto central = [this](int i) {
        const std::int64_t fromRings = std::int64_t{i} - m_nRings;
        return fromRings == 1 || fromRings == 2;
    };
    if (central(row) || central(col))
        return Colors::Blue;
    return Colors::Black;
}

// The shared label: this chart has no time standard day texts.
const std::optional<std::string>& CDrawSquareOfFour::CellLabel(int n) { return ComposeCellLabel(n); }
