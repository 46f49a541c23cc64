// What every chart kind must do alike.

#include "ChartKinds.h"
#include "GridChart.h"

#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <utility>

TEST(EveryKind, HitTestFindsEveryCellAtItsCentre)
{
    for (const ChartKind& kind : ChartKinds()) {
        for (const bool clockwise : {false, true}) {
            for (const int rings : {1, kind.defaultRings, 40}) {
                const std::unique_ptr<CBaseDraw> chart = kind.create();
                chart->SetRings(rings);
                chart->m_bClockwise = clockwise;
                chart->m_rcClient = {50, 50, 1840, 1840};
                PaintOnce(*chart);
                for (int n = 1; n <= kind.cellCount(rings); ++n) {
                    const Point c = chart->GetCellCenter(n);
                    ASSERT_EQ(chart->HitTest(c.x, c.y), n) << kind.name << ", " << rings << " rings";
                }
            }
        }
    }
}

// Ring counts and client rectangles of damaged files; the sanitizer build
// checks that the answers have no undefined behaviour.
TEST(EveryKind, DamagedChartsDrawNothingAndAnswerHarmlessly)
{
    constexpr int kMax = std::numeric_limits<int>::max(), kMin = std::numeric_limits<int>::min();
    const Rect client {0, 0, 1000, 700};
    const std::pair<int, Rect> cases[] = {{0, client}, {-3, client}, {kMin, client}, {kMax, client},
        {1001, client}, // cells under one unit, or beyond the largest table
        {10, {1000, 700, 0, 0}}, {10, {kMin, kMin, kMax, kMax}}};
    for (const ChartKind& kind : ChartKinds()) {
        for (const auto& [rings, rect] : cases) {
            const std::unique_ptr<CBaseDraw> chart = kind.create();
            chart->SetRings(1);
            chart->m_rcClient = rect;
            chart->HitTest(10, 10); // before the first paint
            chart->m_nRings = rings;
            chart->m_FillCells[1] = Cell_Style {};
            const bool drawn = !PaintOnce(*chart).Ops().empty();
            EXPECT_TRUE(!drawn || rings == 10) << kind.name << ", " << rings << " rings";
            for (const int n : {kMin, -1, 0, 7, kMax})
                chart->GetCellCenter(n);
            chart->HitTest(kMin, kMax);
            chart->HitTest(kMax, kMin);
        }
    }
}
