#include "DrawSquareOfFour.h"
#include "GridChart.h"

#include <gtest/gtest.h>

#include <limits>
#include <set>
#include <string>
#include <vector>

namespace {

using Kind = SurfaceOp::Kind;
constexpr int kIntMax = std::numeric_limits<int>::max();
constexpr int kIntMin = std::numeric_limits<int>::min();

Point PositionOf(int n, int rings, bool clockwise)
{
    Point p;
    CDrawSquareOfFour::PositionOf(n, rings, clockwise, p.x, p.y);
    return p; // (row, column)
}

// One ring: 5 right of 1, 6, 9, 12 and 15 in the corners, 16 right of 4; it is
// the middle of two rings. Clockwise numbering is the mirror image. Off the
// grid the spiral goes on, and saturates.
TEST(Numbering, MatchesTheTablesBothWaysContinuesOffTheGridAndSaturates)
{
    const int two[6][6] = {{24, 23, 22, 21, 20, 19}, {25, 9, 8, 7, 6, 18}, {26, 10, 2, 1, 5, 17},
        {27, 11, 3, 4, 16, 36}, {28, 12, 13, 14, 15, 35}, {29, 30, 31, 32, 33, 34}};
    for (int row = 1; row <= 6; ++row)
        for (int col = 1; col <= 6; ++col) {
            const int n = two[row - 1][col - 1];
            EXPECT_EQ(CDrawSquareOfFour::NumberAt(row, col, 2, false), n);
            EXPECT_EQ(CDrawSquareOfFour::NumberAt(row, 7 - col, 2, true), n);
            EXPECT_EQ(n > 16 ? n : CDrawSquareOfFour::NumberAt(row - 1, col - 1, 1, false), n);
        }
    for (bool clockwise : {false, true})
        for (int rings : {1, 2, 3, 10})
            for (int row = -30; row <= 2 * rings + 32; ++row)
                for (int col = -30; col <= 2 * rings + 32; ++col) {
                    const int n = CDrawSquareOfFour::NumberAt(row, col, rings, clockwise);
                    // The same cell of a grid with five more rings around it.
                    ASSERT_EQ(n, CDrawSquareOfFour::NumberAt(row + 5, col + 5, rings + 5, clockwise));
                    ASSERT_EQ(PositionOf(n, rings, clockwise), Point({row, col}));
                }
    EXPECT_EQ(PositionOf(484, 10, false), Point({12, 22})); // level with the lower centre row
    EXPECT_EQ(PositionOf(484, 10, true), Point({12, 1}));
    EXPECT_EQ(CDrawSquareOfFour::NumberAt(3, 7, 2, false), 37); // ring 3 starts right of 17
    const Point last = PositionOf(kIntMax, 10, false);
    EXPECT_EQ(CDrawSquareOfFour::NumberAt(last.x, last.y, 10, false), kIntMax);
    EXPECT_EQ(PositionOf(kIntMin, 10, false), Point({11, 12})); // below 1: where 1 is
    EXPECT_EQ(CDrawSquareOfFour::NumberAt(kIntMin, kIntMax, 10, true), kIntMax);
    EXPECT_EQ(CDrawSquareOfFour::NumberAt(0, 0, kIntMin, false), kIntMax);
}

// Labels run from 36 down to 1; the time standard chart changes nothing here.
TEST(SquareOfFour, LabelColoursAndBareNumbers)
{
    CDrawSquareOfFour chart;
    chart.m_bShowPrice = false;
    chart.m_bShowN = true;
    chart.m_bTimeStandard = true;
    const std::vector<SurfaceOp> texts = OpsOfKind(PaintWith(chart, 2, {0, 0, 600, 600}), Kind::Text);
    ASSERT_EQ(texts.size(), 36u);
    const std::set<int> red = {24, 9, 2, 4, 15, 34, 19, 6, 1, 3, 12, 29};
    const std::set<int> blue = {26, 10, 5, 17, 27, 11, 16, 36, 22, 8, 13, 31, 21, 7, 14, 32};
    for (int n = 36; n >= 1; --n) {
        const SurfaceOp& op = texts[36 - n];
        EXPECT_EQ(op.text, std::to_string(n));
        EXPECT_EQ(op.color, red.count(n) ? Colors::Red : blue.count(n) ? Colors::Blue : Colors::Black) << n;
        EXPECT_EQ((op.rect.left + op.rect.right) / 2, chart.GetCellCenter(n).x);
    }
    chart.m_bShowN = false;
    EXPECT_TRUE(OpsOfKind(PaintWith(chart, 2, {0, 0, 600, 600}), Kind::Text).empty());
}

// Ring counts and client areas that a damaged file or view can produce.
// 100 cells in 100 units still fit; 50 rings (102 cells) do not.
TEST(SquareOfFour, CellsOfOneUnitAreTheSmallestDrawn)
{
    for (const int rings : {49, 50}) {
        CDrawSquareOfFour chart;
        EXPECT_EQ(PaintWith(chart, rings, {0, 0, 100, 100}).Ops().empty(), rings == 50) << rings;
    }
}

} // namespace
