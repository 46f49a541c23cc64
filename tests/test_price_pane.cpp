// The price pane without a screen: where bars land in pixels, each pixel
// column's reduction against a direct walk over the bars, the ticks of both
// axes, the readout and the swing under the pointer, what a paint puts on a
// recording surface, and the planets' price lines.

#include "BarTime.h"
#include "PaneColumns.h"
#include "PaneReadout.h"
#include "PanePainter.h"
#include "PaneTicks.h"
#include "PaneView.h"
#include "PriceLevels.h"
#include "RecordingSurface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr std::int64_t kDay = 86400;

// A random walk of bars a step apart, some steps skipped as markets close.
BarSeries RandomSeries(std::size_t count, std::int64_t step, unsigned seed)
{
    std::mt19937 random(seed);
    std::uniform_real_distribution<double> move(-1, 1);
    BarSeries series;
    series.intraday = step < kDay;
    double price = 100;
    std::int64_t time = 0;
    for (std::size_t i = 0; i < count; ++i) {
        Bar bar;
        time += step * (random() % 5 == 0 ? 2 : 1);
        bar.time = time;
        bar.open = price;
        price = std::max(1.0, price + move(random));
        bar.close = price;
        bar.high = std::max(bar.open, bar.close) + std::abs(move(random));
        bar.low = std::min(bar.open, bar.close) - std::abs(move(random));
        series.bars.push_back(bar);
    }
    return series;
}

CPaneView ViewOf(const BarSeries& series, const Rect& rc)
{
    CPaneView view;
    view.SetRect(rc);
    view.ShowAll(CPaneColumns(series));
    return view;
}

TEST(PricePane, MapsEdgesAndKeepsThePointerWhereItIsThroughZoomAndPan)
{
    CPaneView view;
    view.SetRect({10, 20, 410, 220});
    view.SetTimes(1000, 5000);
    view.SetPrices(50, 150);
    EXPECT_DOUBLE_EQ(view.XOfTime(1000), 10);
    EXPECT_DOUBLE_EQ(view.XOfTime(5000), 410);
    EXPECT_DOUBLE_EQ(view.YOfPrice(150), 20);
    EXPECT_DOUBLE_EQ(view.YOfPrice(50), 220);
    EXPECT_DOUBLE_EQ(view.PriceOfY(120), 100);

    view.ZoomAbout(110, 4); // the pointer a quarter in, at time 2000
    EXPECT_DOUBLE_EQ(view.XOfTime(2000), 110);
    EXPECT_DOUBLE_EQ(view.LastTime() - view.FirstTime(), 1000);
    view.Pan(40); // a tenth of the width to the right: earlier times come in
    EXPECT_DOUBLE_EQ(view.FirstTime(), 1650);
    EXPECT_DOUBLE_EQ(view.XOfTime(2000), 150);

    // A log axis puts equal ratios at equal heights; one reaching zero stays linear.
    view.SetPrices(10, 1000);
    view.SetLog(true);
    EXPECT_NEAR(view.YOfPrice(100), 120, 1e-9);
    view.SetPrices(0, 1000);
    EXPECT_FALSE(view.IsLog());

    // Show all puts the first and the last bar inside, and every price.
    const BarSeries series = RandomSeries(50, kDay, 1);
    const CPaneView all = ViewOf(series, {0, 0, 100, 100});
    EXPECT_GT(all.XOfTime(double(series.bars.front().time)), 0);
    EXPECT_LT(all.XOfTime(double(series.bars.back().time)), 100);
    for (const Bar& bar : series.bars) {
        EXPECT_GT(all.YOfPrice(bar.high), 0);
        EXPECT_LT(all.YOfPrice(bar.low), 100);
    }
}

TEST(PricePane, EachColumnIsTheReductionOfTheBarsItCovers)
{
    const BarSeries series = RandomSeries(5000, 60, 7);
    const CPaneColumns columns(series);
    CPaneView view = ViewOf(series, {5, 0, 305, 200});
    for (int frame = 0; frame < 4; ++frame) {
        const std::vector<PaneColumn> got = columns.Columns(view);
        ASSERT_EQ(got.size(), 300u);
        std::size_t seen = 0;
        for (std::size_t c = 0; c < got.size(); ++c) {
            const double from = view.TimeOfX(5 + double(c));
            const double to = view.TimeOfX(5 + double(c) + 1);
            PaneColumn want;
            for (const Bar& bar : series.bars) {
                if (bar.time < from || bar.time >= to)
                    continue;
                want.high = want.bars ? std::max(want.high, bar.high) : bar.high;
                want.low = want.bars ? std::min(want.low, bar.low) : bar.low;
                want.open = want.bars ? want.open : bar.open;
                want.close = bar.close;
                ++want.bars;
            }
            SCOPED_TRACE("frame " + std::to_string(frame) + " column " + std::to_string(c));
            ASSERT_EQ(got[c].bars, want.bars);
            if (want.bars) {
                EXPECT_TRUE(got[c].high == want.high && got[c].low == want.low && got[c].open == want.open &&
                            got[c].close == want.close);
            }
            seen += got[c].bars;
        }
        if (frame == 0) {
            EXPECT_EQ(seen, series.bars.size());
        }
        // Zoom into an uneven spot, then pan past the first bar.
        frame % 2 ? view.Pan(137) : view.ZoomAbout(77, 3.3);
    }
}

std::vector<std::string> Labels(const std::vector<PaneTick>& ticks)
{
    std::vector<std::string> labels;
    for (const PaneTick& t : ticks)
        labels.push_back(t.label);
    return labels;
}

TEST(PricePane, TicksSuitTheRange)
{
    using L = std::vector<std::string>;
    const double jan2020 = 18262.0 * kDay;
    // Two hours of minutes, ten days, a quarter (weeks from a Monday), three
    // years, sixty years.
    EXPECT_EQ(Labels(DateTicks(jan2020 + 9.5 * 3600, jan2020 + 11.5 * 3600, 5)),
              (L{"09:30", "10:00", "10:30", "11:00", "11:30"}));
    EXPECT_EQ(Labels(DateTicks(jan2020, jan2020 + 9.5 * kDay, 5)),
              (L{"2020-01-01", "2020-01-03", "2020-01-05", "2020-01-07", "2020-01-09"}));
    EXPECT_EQ(Labels(DateTicks(jan2020, jan2020 + 30 * kDay, 6)),
              (L{"2020-01-06", "2020-01-13", "2020-01-20", "2020-01-27"}));
    EXPECT_EQ(Labels(DateTicks(jan2020 + kDay, jan2020 + 3 * 366 * kDay, 7)),
              (L{"2020-07", "2021-01", "2021-07", "2022-01", "2022-07", "2023-01"}));
    EXPECT_EQ(Labels(DateTicks(-5.0 * 365 * kDay, 55.0 * 365 * kDay, 8)),
              (L{"1970", "1980", "1990", "2000", "2010", "2020"}));

    EXPECT_EQ(Labels(PriceTicks(97.3, 131, 5, false)), (L{"100", "110", "120", "130"}));
    EXPECT_EQ(Labels(PriceTicks(-0.4, 1.1, 3, false)), (L{"0.0", "0.5", "1.0"}));
    EXPECT_LE(PriceTicks(1e19, 1e19 + 4096, 5, false).size(), 6u); // a step lost in the digits ends too
    EXPECT_EQ(Labels(PriceTicks(0.0123, 0.0171, 5, false)), (L{"0.013", "0.014", "0.015", "0.016", "0.017"}));
    EXPECT_EQ(Labels(PriceTicks(3, 600, 12, true)), (L{"5", "10", "20", "50", "100", "200", "500"}));
    EXPECT_EQ(Labels(PriceTicks(0.5, 2e6, 8, true)), (L{"1", "10", "100", "1000", "10000", "100000", "1000000"}));
}

int CountOps(const CRecordingSurface& dc, SurfaceOp::Kind kind)
{
    return static_cast<int>(std::count_if(dc.Ops().begin(), dc.Ops().end(),
                                          [&](const SurfaceOp& op) { return op.kind == kind; }));
}

TEST(PricePane, PaintsColumnsNotBarsWithSwingsAndTargetsOnTop)
{
    const BarSeries series = RandomSeries(100000, 60, 3);
    const CPaneColumns columns(series);
    const Rect pane{0, 0, 472, 222};
    const CPaneView view = ViewOf(series, CPanePainter::PlotRect(pane));
    PaneOverlay overlay;
    Swing low;
    low.time = series.bars[1000].time;
    low.price = 50;
    low.kind = Swing::Kind::Low;
    overlay.swings = {low};
    overlay.targets.resize(1);
    overlay.targets[0].theta = 90;
    overlay.targets[0].turns = 1;
    overlay.targets[0].price = static_cast<float>(view.PriceOfY(100));
    overlay.targets[0].date = "1970-01-20";

    for (const PaneStyle style : {PaneStyle::Candles, PaneStyle::Bars, PaneStyle::Line}) {
        CRecordingSurface dc;
        CPanePainter(dc, view).Draw(columns, style, overlay);
        // At most one line a column beside the grid, frame, swing and targets.
        EXPECT_LT(CountOps(dc, SurfaceOp::Kind::LineTo), 400 + 40);
        std::vector<std::string> texts;
        for (const SurfaceOp& op : dc.Ops())
            if (op.kind == SurfaceOp::Kind::Text)
                texts.push_back(op.text);
        const auto starting = [&](const std::string& start) {
            return std::count_if(texts.begin(), texts.end(), [&](const std::string& t) { return t.rfind(start, 0) == 0; });
        };
        EXPECT_EQ(starting("50 1970-01-01T"), 1);
        // The target's price line and its date line.
        EXPECT_EQ(starting("90\xC2\xB0 +1"), 2);
    }

    // Zoomed in to a few bars, each is a candle: a wick and a body; the bar
    // at the right edge shows its left half.
    CPaneView near = view;
    near.SetTimes(double(series.bars[10].time), double(series.bars[20].time));
    CRecordingSurface dc;
    CPanePainter(dc, near).Draw(columns, PaneStyle::Candles, {});
    EXPECT_EQ(CountOps(dc, SurfaceOp::Kind::FillSolidRect), 11);
}

// After a zoom and a pan half a bar off, bars, lines and the overlay's labels
// stay in the plot (its frame included); only the axis labels, in black,
// stand beside it. Labels of swings and targets, on white, close together do not
// overlap.
TEST(PricePane, DrawsNothingOutsideThePlotButTheAxisLabels)
{
    const BarSeries series = RandomSeries(200, kDay, 5);
    const CPaneColumns columns(series);
    const Rect pane{0, 0, 472, 222};
    CPaneView view = ViewOf(series, CPanePainter::PlotRect(pane));
    view.ZoomAbout(3, 12);
    view.Pan(7);
    view.FitPrices(columns);
    const Rect& rc = view.GetRect();
    PaneOverlay overlay;
    for (const std::size_t i : {0, 30, 31, 60}) {
        Swing s;
        s.time = series.bars[i].time;
        s.price = series.bars[i].high;
        overlay.swings.push_back(s);
    }
    for (int k = 0; k < 4; ++k) {
        Target t;
        t.theta = 45.0 * (k + 1);
        t.price = static_cast<float>(view.PriceOfY(rc.top + 1 + k));
        t.date = BarTime::Text(series.bars[static_cast<std::size_t>(k)].time, false);
        overlay.targets.push_back(t);
    }
    const auto inside = [&rc](int x, int y) { return rc.left <= x && x <= rc.right && rc.top <= y && y <= rc.bottom; };
    for (const PaneStyle style : {PaneStyle::Candles, PaneStyle::Bars, PaneStyle::Line}) {
        CRecordingSurface dc;
        CPanePainter(dc, view).Draw(columns, style, overlay);
        std::vector<Rect> labels;
        for (const SurfaceOp& op : dc.Ops()) {
            SCOPED_TRACE(std::string(SurfaceOp::Name(op.kind)) + " " + op.text);
            const bool shape = op.kind == SurfaceOp::Kind::FillSolidRect ||
                               (op.kind == SurfaceOp::Kind::Text && op.color != Colors::Black);
            if (op.kind == SurfaceOp::Kind::LineTo) {
                EXPECT_TRUE(inside(op.from.x, op.from.y) && inside(op.to.x, op.to.y));
            } else if (shape) {
                EXPECT_TRUE(inside(op.rect.left, op.rect.top) && inside(op.rect.right, op.rect.bottom));
            }
            if (op.kind == SurfaceOp::Kind::Text && op.color != Colors::Black) {
                labels.push_back(op.rect);
                // On white, readable over the bars.
                EXPECT_TRUE(op.bkMode == BkMode::Opaque && op.bkColor == Colors::White);
            }
        }
        EXPECT_GE(labels.size(), 5u);
        for (std::size_t a = 0; a < labels.size(); ++a)
            for (std::size_t b = a + 1; b < labels.size(); ++b) {
                const Rect& p = labels[a];
                const Rect& q = labels[b];
                EXPECT_FALSE(p.left < q.right && q.left < p.right && p.top < q.bottom && q.top < p.bottom);
            }
    }
}

TEST(PricePane, ReadsOutTheBarWhoseSlotHoldsThePointer)
{
    // Days 0 1 2, a weekend, 5 6, a month without bars, 30 31: a slot of
    // 31/6 days, the month wider than four of them.
    BarSeries series;
    for (const std::int64_t day : {0, 1, 2, 5, 6, 30, 31})
        series.bars.push_back(Bar{day * kDay, 1, 2, 0.5, 1.5, std::nullopt, std::nullopt});
    const CPaneColumns columns(series);
    const double slot = 31.0 / 6;
    const struct {
        const char* name;
        double day;
        std::optional<std::size_t> bar;
    } rows[] = {
        {"on a bar", 1, 1},
        {"nearer the earlier", 1.4, 1},
        {"nearer the later", 1.6, 2},
        {"in a weekend", 3.4, 2},
        {"half a slot into a month without bars", 6 + slot / 2 - 0.01, 4},
        {"deep in the month", 15, std::nullopt},
        {"half a slot before the first", -slot / 2 + 0.01, 0},
        {"before the span", -slot / 2 - 0.01, std::nullopt},
        {"after the span", 31 + slot / 2 + 0.01, std::nullopt},
    };
    for (const auto& row : rows)
        EXPECT_EQ(PaneReadout::BarAt(columns, row.day * kDay), row.bar) << row.name;
    EXPECT_EQ(PaneReadout::BarAt(CPaneColumns(BarSeries{}), 0), std::nullopt);

    const std::int64_t day = 19787 * kDay; // 2024-03-05
    const Bar bar{day + 9 * 3600 + 30 * 60, 101.5, 103, 100.25, 102, 12000, std::nullopt};
    EXPECT_EQ(PaneReadout::Text(bar, true), "2024-03-05T09:30:00  O 101.5  H 103  L 100.25  C 102  V 12000");
    Bar daily{day, 0.1, 0.3, 0.07, 0.2, std::nullopt, std::nullopt};
    EXPECT_EQ(PaneReadout::Text(daily, false), "2024-03-05  O 0.1  H 0.3  L 0.07  C 0.2");
    daily.volume = 1e6;
    EXPECT_EQ(PaneReadout::Text(daily, false), "2024-03-05  O 0.1  H 0.3  L 0.07  C 0.2  V 1000000");
}

// A click hits the swing whose drawn point is nearest within reach, and none
// outside the time span.
TEST(PricePane, FindsTheSwingUnderAPoint)
{
    CPaneView view;
    view.SetRect({0, 0, 100, 100});
    view.SetTimes(0, 100);
    view.SetPrices(0, 100);
    std::vector<Swing> swings(4);
    const double at[][2] = {{10, 90}, {13, 86}, {50, 50}, {150, 50}};
    for (std::size_t i = 0; i < swings.size(); ++i) {
        swings[i].time = static_cast<std::int64_t>(at[i][0]);
        swings[i].price = at[i][1];
    }
    EXPECT_EQ(view.SwingAt(swings, 11, 10, 5), 0u);
    EXPECT_EQ(view.SwingAt(swings, 12, 13, 5), 1u);
    EXPECT_EQ(view.SwingAt(swings, 53, 54, 5), 2u);
    EXPECT_EQ(view.SwingAt(swings, 54, 54, 5), std::nullopt);
    view.Pan(-100); // the span is now 100 to 200
    EXPECT_EQ(view.SwingAt(swings, 50, 50, 5), 3u);
    EXPECT_EQ(view.SwingAt(swings, -50, 50, 5), std::nullopt);
}

// Walked by hand, at half a price unit a degree (a turn is 180): the Sun at
// 10 degrees has lines at 5 + 180 k, the Moon at 350 at 175 + 180 k.
TEST(PricePane, PlanetLevelsAreLongitudesScaledPlusWholeTurns)
{
    const std::vector<PlanetLongitude> planets = {{"Sun", 10}, {"Moon", 350}};
    const auto prices = [&](double scale, double low, double high, std::size_t limit) {
        std::vector<double> out;
        for (const PriceLevel& level : PlanetPriceLevels(planets, scale, low, high, limit))
            out.push_back(level.price);
        return out;
    };
    using P = std::vector<double>;
    EXPECT_EQ(prices(0.5, 100, 600, 3), (P{185, 365, 545, 175, 355, 535}));
    EXPECT_EQ(prices(0.5, 5, 175, 3), (P{5, 175})) << "both ends belong to the range";
    EXPECT_EQ(prices(0.5, -200, -100, 3), (P{-175, -185}));
    EXPECT_EQ(prices(0.5, 100, 600, 2), P{}) << "more lines than the limit are none";
    EXPECT_EQ(prices(0, 100, 600, 3), P{});
    EXPECT_EQ(PlanetPriceLevels(planets, 1, 0, 20, 3)[0].label, "Sun 10.0\xC2\xB0");
}

// Ten pixels a day: a cluster's band covers its days within the window, an
// event its moment, a planet's lines their prices, each labelled; more
// swings make a darker band; a band outside the span shows nothing.
TEST(PricePane, DrawsClusterBandsEventLinesAndPlanetLevels)
{
    BarSeries series;
    for (std::int64_t day = 0; day < 40; ++day)
        series.bars.push_back(Bar{day * kDay, 500, 510, 490, 505, std::nullopt, std::nullopt});
    CPaneView view;
    view.SetRect({0, 0, 400, 200});
    view.SetTimes(0, 40 * kDay);
    view.SetPrices(0, 1000);
    PaneOverlay overlay;
    overlay.window = 1;
    overlay.clusters.resize(4);
    overlay.clusters[0].day = 10;
    overlay.clusters[0].score = 3;
    overlay.clusters[1].day = 30;
    overlay.clusters[1].score = 2;
    overlay.clusters[2].day = -3; // its days end before the span, the next one's begin after it
    overlay.clusters[3].day = 41;
    overlay.events = {{20 * kDay + kDay / 4, "Sun 0\xC2\xB0"}};
    overlay.planets = {{"Sun", 10}};
    CRecordingSurface dc;
    CPanePainter(dc, view).Draw(CPaneColumns(series), PaneStyle::Line, overlay);

    std::vector<SurfaceOp> bands, lines, texts;
    for (const SurfaceOp& op : dc.Ops()) {
        if (op.kind == SurfaceOp::Kind::FillSolidRect)
            bands.push_back(op);
        if (op.kind == SurfaceOp::Kind::LineTo)
            lines.push_back(op);
        if (op.kind == SurfaceOp::Kind::Text && op.color != Colors::Black)
            texts.push_back(op);
    }
    ASSERT_EQ(bands.size(), 2u);
    EXPECT_EQ(bands[0].rect, (Rect{90, 0, 120, 200})) << "days 9 to 11, to the start of 12";
    EXPECT_EQ(bands[1].rect, (Rect{290, 0, 320, 200}));
    const auto shade = [](Color c) { return ColorRed(c) + ColorGreen(c) + ColorBlue(c); };
    EXPECT_LT(shade(bands[0].color), shade(bands[1].color));
    const auto drawn = [&](Point from, Point to) {
        return std::count_if(lines.begin(), lines.end(), [&](const SurfaceOp& op) { return op.from == from && op.to == to; });
    };
    EXPECT_EQ(drawn({202, 0}, {202, 200}), 1) << "the event at 06:00 of day 20";
    for (const double price : {10, 370, 730})
        EXPECT_EQ(drawn({0, int(view.YOfPrice(price))}, {400, int(view.YOfPrice(price))}), 1) << price;
    std::vector<std::string> labels;
    for (const SurfaceOp& op : texts)
        labels.push_back(op.text);
    for (const char* label : {"3", "2", "Sun 0\xC2\xB0", "Sun 10.0\xC2\xB0"})
        EXPECT_NE(std::find(labels.begin(), labels.end(), label), labels.end()) << label;
    EXPECT_EQ(texts[0].rect.Center().x, 105) << "the strongest score first, over its band's middle";
}

} // namespace
