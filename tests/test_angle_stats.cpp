// The angles of swings on a Square of Nine against an origin swing, and the
// baseline of random bars of the same series on the same chart.

#include "AngleStats.h"
#include "CalendarDay.h"
#include "ChartKinds.h"
#include "GridChart.h"

#include <gtest/gtest.h>

#include <cmath>
#include <tuple>
#include <vector>

namespace {

constexpr std::int64_t kDay = 86400;
const std::int64_t kNewYear = DayNumber({2024, 1, 1}) * kDay;

// Square of Nine cells n hold price n and day n - 1 from 2024-01-01.
std::unique_ptr<CBaseDraw> Nine(int rings)
{
    std::unique_ptr<CBaseDraw> chart = FindChartKind("nine")->create();
    LayOut(*chart, rings, {50, 50, 950, 950});
    chart->m_tStartTime = LocalMidnight(2024, 1, 1);
    return chart;
}

// Bars k of the given prices, bar k on day k from 2024-01-01.
BarSeries Bars(const std::vector<double>& prices)
{
    BarSeries series;
    for (const double price : prices) {
        Bar bar;
        bar.time = kNewYear + kDay * static_cast<std::int64_t>(series.bars.size());
        bar.open = bar.high = bar.low = bar.close = price;
        series.bars.push_back(bar);
    }
    return series;
}

Swing At(const BarSeries& series, long long index, Swing::Kind kind, double price, bool confirmed = true)
{
    Swing swing;
    swing.time = series.bars[static_cast<std::size_t>(index)].time;
    swing.index = index;
    swing.kind = kind;
    swing.price = price;
    swing.confirmed = confirmed;
    return swing;
}

constexpr Swing::Kind H = Swing::Kind::High;
constexpr Swing::Kind L = Swing::Kind::Low;

} // namespace

TEST(AngleStats, HitsOfConstructedSwingsAndTheirBaseline)
{
    // Bar k stands in cell k + 1 by price and by day; cell 1, the centre, at
    // no angle. From the origin in cell 2 (180 degrees) cells 3 and 13 (135)
    // and 21 (315) lie on multiples of 45, cells 10 and 18 (206.6, 26.6) 18.4
    // degrees off; price 40 is off the chart; the unconfirmed end is left out.
    const auto chart = Nine(2);
    CSwingCells cells(*chart, *FindChartKind("nine"));
    std::vector<double> prices;
    for (int k = 0; k < 25; ++k)
        prices.push_back(k + 1);
    const BarSeries series = Bars(prices);
    const std::vector<Swing> swings = {At(series, 0, H, 1), At(series, 1, L, 2), At(series, 2, H, 3), At(series, 9, L, 10),
        At(series, 12, H, 13), At(series, 17, L, 18), At(series, 20, H, 40), At(series, 24, H, 25, false)};
    const Result<AngleStats> stats = MeasureAngles(series, swings, cells, {});
    ASSERT_TRUE(stats.Ok());
    EXPECT_EQ(stats.Value().origin.index, 1);
    std::vector<std::tuple<long long, std::optional<bool>, std::optional<bool>>> rows;
    for (const AngleRow& row : stats.Value().rows)
        rows.emplace_back(row.swing.index, row.priceHit, row.dateHit);
    EXPECT_EQ(rows, (decltype(rows){{0, std::nullopt, std::nullopt}, {2, true, true}, {9, false, false}, {12, true, true}, {17, false, false},
                                    {20, std::nullopt, true}}));
    EXPECT_NEAR(*stats.Value().rows[2].priceDistance, 18.435, 1e-3);
    const AngleTally& price = stats.Value().price;
    EXPECT_EQ(std::make_tuple(price.swings, price.hits, stats.Value().date.swings, stats.Value().date.hits),
              std::make_tuple(4LL, 2LL, 5LL, 3LL));
    // Of the 24 cells about the centre 16 lie on multiples of 45: all 8 of
    // the first ring, half of the second; not the uniform circle's 6 / 45.
    EXPECT_NEAR(price.baselineRate, 2.0 / 3.0, 0.01) << price.baselineRate;
    EXPECT_NEAR(price.pValue, BinomialUpperTail(4, 2, price.baselineRate), 1e-12);
    // A seed draws the same baseline in every run.
    EXPECT_EQ(MeasureAngles(series, swings, cells, {}).Value().date.baselineRate,
              stats.Value().date.baselineRate);

    // From the highest high, which has no price cell, no price angle is measured.
    AngleStatsOptions fromHigh;
    fromHigh.origin = AngleStatsOptions::Origin::HighestHigh;
    const AngleStats high = MeasureAngles(series, swings, cells, fromHigh).Value();
    EXPECT_EQ(std::make_tuple(high.origin.index, high.price.swings, high.price.pValue, high.date.swings),
              std::make_tuple(20LL, 0LL, 1.0, 5LL));
    EXPECT_TRUE(std::isnan(high.price.rate));
    AngleStatsOptions onDay;
    onDay.origin = AngleStatsOptions::Origin::Day;
    onDay.originDay = kNewYear + 9 * kDay + 3600;
    EXPECT_EQ(MeasureAngles(series, swings, cells, onDay).Value().origin.index, 9);
    onDay.originDay += kDay;
    EXPECT_EQ(MeasureAngles(series, swings, cells, onDay).Message(), "no confirmed swing on 2024-01-11 to measure from");
    EXPECT_FALSE(MeasureAngles(series, {At(series, 2, H, 3)}, cells, {}).Ok());
}

TEST(AngleStats, OnTheFirstRingEveryCellIsAHit)
{
    const auto chart = Nine(1);
    chart->m_tStartTime = LocalMidnight(2023, 12, 31); // bar k in cell k + 2 by day too
    CSwingCells cells(*chart, *FindChartKind("nine"));
    const BarSeries series = Bars({2, 3, 4, 5, 6, 7, 8, 9});
    AngleStatsOptions options;
    options.orb = 0.5;
    const AngleStats stats = MeasureAngles(series, {At(series, 0, L, 2), At(series, 7, H, 9)}, cells, options).Value();
    EXPECT_EQ(std::make_tuple(stats.price.hits, stats.price.baselineRate, stats.price.pValue, stats.date.baselineRate),
              std::make_tuple(1LL, 1.0, 1.0, 1.0));
}

TEST(AngleStats, BinomialUpperTail)
{
    // n, k, p and P(X >= k), summed exactly.
    const std::tuple<long long, long long, double, double> rows[] = {
        {4, 2, 0.5, 0.6875}, {50, 10, 0.1, 0.024537935704591455}, {1000, 600, 0.5, 1.3642320780330092e-10},
        {10, 0, 0.3, 1.0}, {10, 11, 0.3, 0.0}, {10, 1, 0.0, 0.0}, {10, 10, 1.0, 1.0},
    };
    for (const auto& [n, k, p, tail] : rows)
        EXPECT_NEAR(BinomialUpperTail(n, k, p) / (tail == 0.0 ? 1.0 : tail), tail == 0.0 ? 0.0 : 1.0, 1e-9)
            << n << " " << k << " " << p;
    // A million trials neither overflow nor underflow.
    EXPECT_NEAR(BinomialUpperTail(1000000, 500000, 0.5), 0.5, 1e-3);
    EXPECT_EQ(HarmonicDistance(10, 350, 45), 20.0);
    EXPECT_EQ(HarmonicDistance(350, 10, 90), 20.0);
}
