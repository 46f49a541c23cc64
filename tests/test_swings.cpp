// Swings walked by hand: the ZigZag by percent and by amount from its first
// swing to its unconfirmed end, and pivots at the edges and on ties.

#include "PriceStep.h"
#include "Swings.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <tuple>
#include <vector>

namespace {

constexpr std::int64_t kDay = 86400;

// Bars of highs and lows, one a step apart from start.
BarSeries Series(const std::vector<std::pair<double, double>>& highLows, std::int64_t start = 0,
                 std::int64_t step = kDay)
{
    BarSeries series;
    for (const auto& [high, low] : highLows) {
        Bar bar;
        bar.time = start + step * static_cast<std::int64_t>(series.bars.size());
        bar.high = high;
        bar.low = low;
        bar.open = bar.close = (high + low) / 2;
        series.bars.push_back(bar);
    }
    return series;
}

// Each swing as index, kind, price and confirmed.
using Point = std::tuple<long long, Swing::Kind, double, bool>;
constexpr Swing::Kind H = Swing::Kind::High;
constexpr Swing::Kind L = Swing::Kind::Low;

std::vector<Point> Points(const std::vector<Swing>& swings)
{
    std::vector<Point> points;
    for (const Swing& s : swings)
        points.emplace_back(s.index, s.kind, s.price, s.confirmed);
    return points;
}

SwingMethod ByPercent(double p) { return {SwingMethod::By::Percent, p, 0, 0, 0, false}; }

// Equal highs at 1 and 2, a turn on the boundary at 5, an outside bar at 6.
const BarSeries kWalk = Series(
    {{100, 95}, {103, 97}, {103, 96}, {102, 92}, {95, 90}, {99, 91}, {110, 85}, {108, 99}, {104, 100}});

} // namespace

TEST(Swings, ZigZagByPercentAndByAmountWalkedByHand)
{
    // 10%: bar 3 falls to 103 * 0.9 from the earlier of the equal highs; bar
    // 5 reaches 90 * 1.1 exactly; the outside bar 6 extends the rise, and bar
    // 7 falls 10% from it; its low is tracked when the bars end.
    const std::vector<Swing> swings = FindSwings(kWalk, ByPercent(10));
    EXPECT_EQ(Points(swings), (std::vector<Point>{{1, H, 103, true}, {4, L, 90, true}, {6, H, 110, true},
                                                  {7, L, 99, false}}));
    // The move from the swing before: price, percent, bars and days.
    EXPECT_EQ(std::make_tuple(swings[0].move, swings[0].bars, swings[0].days), std::make_tuple(0.0, 0LL, 0LL));
    EXPECT_EQ(std::make_tuple(swings[1].move, swings[1].bars, swings[1].days), std::make_tuple(-13.0, 3LL, 3LL));
    EXPECT_NEAR(swings[1].movePercent, -13.0 / 103 * 100, 1e-12);
    EXPECT_NEAR(swings[3].movePercent, -10.0, 1e-12);
    // By 10 in price the outside bar extends the fall instead, and bar 7 turns it.
    const SwingMethod amount{SwingMethod::By::Amount, 0, 10, 0, 0, false};
    EXPECT_EQ(Points(FindSwings(kWalk, amount)),
              (std::vector<Point>{{1, H, 103, true}, {6, L, 85, true}, {7, H, 108, false}}));
}

TEST(Swings, ZigZagFirstSwingWhenBothWaysHoldOnClosesAndNone)
{
    // One bar first both highest and lowest: the high is the swing.
    EXPECT_EQ(Points(FindSwings(Series({{100, 100}, {115, 85}}), ByPercent(10))),
              (std::vector<Point>{{0, H, 100, true}, {1, L, 85, false}}));
    // The low at 0 came before the high at 1: the low is the swing.
    EXPECT_EQ(Points(FindSwings(Series({{100, 95}, {102, 97}, {120, 80}}), ByPercent(10))),
              (std::vector<Point>{{0, L, 95, true}, {2, H, 120, false}}));
    EXPECT_TRUE(FindSwings(Series({{100, 99}, {101, 98}}), ByPercent(10)).empty());
    EXPECT_TRUE(FindSwings(BarSeries{}, ByPercent(10)).empty());
    // Below zero 10% of -10 is 1 either way: a move of 0.2 is no swing.
    EXPECT_TRUE(FindSwings(Series({{-10, -10}, {-9.9, -10.2}}), ByPercent(10)).empty());
    // On closes the highs and lows 5 either side are not seen.
    BarSeries closes = Series({{15, 5}, {17, 7}, {15.7, 5.7}, {18, 8}});
    SwingMethod method = ByPercent(10);
    method.onCloses = true;
    EXPECT_EQ(Points(FindSwings(closes, method)), (std::vector<Point>{{0, L, 10, true}, {1, H, 12, true},
                                                                      {2, L, 10.7, true}, {3, H, 13, false}}));
}

TEST(Swings, PivotsStrictOnTheLeftNotBelowOnTheRightAndNoneAtTheEdges)
{
    // Two bars left, one right, twelve hours apart from 1969-12-30: bar 3 is
    // a high over an equal high after it and an outside bar, a low too; bar 4
    // does not top the equal high before it; bar 5's low equals the one after
    // it; bars 0, 1 and 7 lack neighbours.
    const BarSeries series = Series({{5, 3}, {7, 4}, {6, 2}, {9, 1.5}, {9, 6}, {8, 1}, {4, 1}, {10, 0}},
                                    -2 * kDay, kDay / 2);
    const std::vector<Swing> swings = FindSwings(series, {SwingMethod::By::Pivots, 0, 0, 2, 1, false});
    EXPECT_EQ(Points(swings), (std::vector<Point>{{3, H, 9, true}, {3, L, 1.5, true}, {5, L, 1, true}}));
    // 1969-12-31 12:00 to 1970-01-01 12:00 is one calendar day.
    EXPECT_EQ(std::make_tuple(swings[1].bars, swings[2].bars, swings[2].days), std::make_tuple(0LL, 2LL, 1LL));
    EXPECT_EQ(swings[2].move, -0.5);
    // Wider than the series: none.
    EXPECT_TRUE(FindSwings(series, {SwingMethod::By::Pivots, 0, 0, 4, 4, false}).empty());
}

// The step the window proposes for a chart of a market: the round step just
// wide enough to carry the start price up to the highest high.
TEST(Swings, ProposedPriceStepIsTheRoundStepThatReachesTheHigh)
{
    const struct {
        double start, high;
        long long cells;
        std::optional<double> step;
    } rows[] = {
        {1, 441, 441, 1},            // exactly one a cell
        {100, 1000, 441, 2.5},       // 2.045 a cell
        {0.5, 0.9, 81, 0.005},       // a power of ten below one
        {0, 132, 441, 0.5},          // 0.3 a cell: 0.1 times 5
        {0, 440000, 441, 1000},      // a whole power
        {-50, 50, 2, 100},           // two cells, below zero
        {10, 10, 441, std::nullopt}, // the high not above the start
        {1, 100, 1, std::nullopt},   // one cell has no step
        {1, std::numeric_limits<double>::quiet_NaN(), 441, std::nullopt},
    };
    for (const auto& row : rows)
        EXPECT_EQ(ProposedPriceStep(row.start, row.high, row.cells), row.step) << row.start << " " << row.high;
}
