// What every chart shares: the label rules (CTest runs this with
// TZ=Asia/Shanghai), the recording surface's fixed text metrics the chart
// tests rest on, and what every kind must do alike.

#include "ChartKinds.h"
#include "ChartState.h"
#include "GridChart.h"
#include "RecordingSurface.h"

#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <tuple>
#include <utility>

TEST(CellPrice, NaturalDecimalsTheUsersChoiceOnlyRemovesAndThePriceRoundsOnce)
{
    // 0.6 and 1.1: float noise below the fifth decimal does not count.
    const std::tuple<float, float, int> natural[] = {{100.0f, 0.25f, 2}, {3.5f, 1.0f, 1}, {10.0f, 1.0f, 0},
        {1.0f, 0.00001f, 5}, {0.6f, 1.1f, 1}, {-2.125f, 1.0f, 3}};
    for (const auto& [start, step, digits] : natural)
        EXPECT_EQ(CBaseDraw::NaturalDecimals(start, step), digits) << start << " " << step;

    // The user's choice of digits only removes decimals; a cell's price is
    // rounded once to float.
    CGridChart chart;
    chart.m_fStartPrice = 100.0f;
    chart.m_fPriceStep = 0.25f;
    chart.m_nNaturalDecimals = 2;
    const std::pair<int, const char*> rows[] = {{1, "100.2"}, {5, "100.25"}, {-1, "100.25"}, {0, "100"}, {2, "100.25"}};
    for (const auto& [digits, cell2] : rows) {
        chart.m_nDecimals = digits;
        EXPECT_EQ(chart.ComposeCellLabel(2).value(), cell2) << "digits " << digits;
    }

    chart.m_fStartPrice = 0.1f;
    chart.m_fPriceStep = 0.1f;
    // Computed in double, then one rounding: not the float sum of ten steps.
    EXPECT_EQ(chart.CellPrice(11), 1.1f);
    chart.m_fStartPrice = 16777216.0f; // 2^24: float steps of 1 are still exact
    chart.m_fPriceStep = 1.0f;
    EXPECT_EQ(chart.CellPrice(2), 16777216.0f + 1.0f);
    EXPECT_EQ(chart.CellPrice(0), 16777215.0f);
}

// One date per row, each on a fresh pass, so that each carries its year
// unless the period is months: no leading zeros, before the epoch, weeks
// (28 days later), calendar months, and numbers below 1 back in time.
TEST(CellLabels, DatesByPeriodStepAndYearFarAheadAndLabelsFromEverySwitchAndInput)
{
    const std::tuple<int, int, int, int, int, int, const char*> rows[] = {{2005, 3, 1, 0, 1, 1, "5/3/1"},
        {1960, 6, 1, 0, 1, 1, "60/6/1"}, {2012, 3, 5, 1, 2, 3, "12/4/2"}, {2012, 11, 15, 2, 1, 1, "2012/11"},
        {2012, 11, 15, 2, 1, 3, "2013/1"}, {2012, 11, 15, 2, 1, 26, "2014/12"}, {2012, 11, 15, 2, 12, 2, "2013/11"},
        {2012, 11, 15, 2, 1, -10, "2011/12"}};
    for (const auto& [y, m, d, period, step, n, text] : rows) {
        CGridChart chart;
        std::tie(chart.m_tStartTime, chart.m_nPeriod, chart.m_nTimeStep)
            = std::make_tuple(LocalMidnight(y, m, d), static_cast<Period>(period), step);
        EXPECT_EQ(chart.CellDate(n), text) << y << "/" << m << "/" << d << " + " << n;
        EXPECT_TRUE(period != 2 || chart.m_nLastYear == 0); // months never touch the year state
    }

    CGridChart chart;
    chart.m_tStartTime = std::int64_t{1} << 62; // beyond any calendar
    EXPECT_FALSE(chart.CellDate(1).empty());
    chart.m_nTimeStep = 2000000000;
    EXPECT_FALSE(chart.CellDate(2000000000).empty());
    chart.m_tStartTime = INT64_MAX - 10; // the sum would overflow
    chart.m_nTimeStep = 1;
    EXPECT_EQ(chart.CellDate(3), "?");

    // A cell's label under every combination of the switches.
    chart.m_tStartTime = LocalMidnight(2012, 3, 5);
    chart.m_fStartPrice = 10.5f;
    chart.m_nNaturalDecimals = 1;
    const std::tuple<bool, bool, bool, const char*> switches[] = { // nullptr: no label
        {true, true, true, "11.5\n12/3/6\n2"}, {true, true, false, "11.5\n12/3/6"}, {true, false, true, "11.5\n2"},
        {false, true, true, "12/3/6\n2"}, {true, false, false, "11.5"}, {false, true, false, "12/3/6"},
        {false, false, true, "2"}, {false, false, false, nullptr}};
    for (const auto& [price, time, n, label] : switches) {
        std::tie(chart.m_bShowPrice, chart.m_bShowTime, chart.m_bShowN, chart.m_nLastYear)
            = std::make_tuple(price, time, n, 0);
        EXPECT_EQ(chart.ComposeCellLabel(2), label ? std::optional<std::string>(label) : std::nullopt);
        // The date is computed whether shown or not.
        EXPECT_EQ(chart.m_nLastYear, 2012);
    }

    // Labels are kept between paints: each input, and the year state the
    // drawing order has reached, must still change them.
    chart.m_fStartPrice = 1.0f;
    chart.m_nNaturalDecimals = 2;
    std::tie(chart.m_bShowPrice, chart.m_bShowTime, chart.m_bShowN, chart.m_nLastYear)
        = std::make_tuple(true, true, false, 0);
    const auto label = [&chart](int n) { return chart.ComposeCellLabel(n).value(); };
    EXPECT_EQ(label(2), "2.00\n12/3/6");
    chart.m_nLastYear = 0;
    chart.m_fStartPrice = 3.0f;
    EXPECT_EQ(label(2), "4.00\n12/3/6");
    EXPECT_EQ(label(2), "4.00\n3/6"); // the year was shown
    chart.m_nLastYear = 0;
    chart.m_nPeriod = Period::Month;
    EXPECT_EQ(label(2), "4.00\n2012/4");
    chart.m_tStartTime = LocalMidnight(2013, 3, 5);
    chart.m_nTimeStep = 2;
    EXPECT_EQ(label(2), "4.00\n2013/5");
    chart.m_bShowTime = false;
    chart.m_fStartPrice = chart.m_fPriceStep = -0.0f;
    EXPECT_EQ(label(1), "-0.00");
    chart.m_fPriceStep = 0.0f; // equal to -0 as a float, printed otherwise
    EXPECT_EQ(label(1), "0.00");
}

// The fixed metrics the chart tests rest on (at height 20, 20 per line and
// 10 per character), then a label centred by them.
TEST(RecordingSurface, FixedMetricsMeasureLinesWordsAndLabels)
{
    CRecordingSurface dc;
    Font font;
    font.height = 20;
    dc.SelectFont(font);

    // "aaa bbb" does not fit in 50, one word wider than the box widens it, centred measuring keeps the
    // centre, and characters count, not bytes.
    const std::tuple<const char*, Rect, unsigned, Rect> rows[] = {{"abc\nde", {}, 0, {0, 0, 30, 40}},
        {"aaa bbb", {0, 0, 50, 0}, TextFlags::WordBreak, {0, 0, 30, 40}},
        {"abcdef", {0, 0, 30, 0}, TextFlags::WordBreak, {0, 0, 60, 20}},
        {"ab", {0, 0, 100, 100}, TextFlags::Center, {40, 0, 60, 20}}, {"价格", {}, 0, {0, 0, 20, 20}}};
    for (auto [text, rc, flags, measured] : rows) {
        EXPECT_EQ(dc.DrawText(text, rc, flags | TextFlags::CalcRect), measured.Height()) << text;
        EXPECT_EQ(rc, measured) << text;
    }

    // A label is measured, drawn centred in its colour, and ends in black.
    CGridChart chart;
    dc.Clear();
    dc.SetTextColor(Colors::Red);
    chart.DrawLabelInRect(dc, "12\n345", Rect{0, 0, 100, 100});
    ASSERT_EQ(dc.Ops().size(), 2u);
    const SurfaceOp &measure = dc.Ops()[0], &text = dc.Ops()[1];
    EXPECT_EQ(std::tie(measure.kind, measure.flags), std::make_tuple(SurfaceOp::Kind::Measure,
        TextFlags::Center | TextFlags::WordBreak | TextFlags::EditControl | TextFlags::CalcRect));
    EXPECT_EQ(std::tie(text.kind, text.flags, text.color), std::make_tuple(SurfaceOp::Kind::Text,
        TextFlags::Center | TextFlags::VCenter | TextFlags::NoPrefix, Colors::Red));
    EXPECT_EQ(text.rect, (Rect{0, 30, 100, 70})); // 40 high, shrunk by 30 on each side
    EXPECT_EQ(dc.TextColor(), Colors::Black);

    font.height = -20; // character height: more room per line
    dc.SelectFont(font);
    Rect rc{};
    EXPECT_EQ(dc.DrawText("x", rc, TextFlags::CalcRect), 24);
}

// The geometry needs no paint: a chart never painted answers every cell at its
// centre, and one painted with other rings before answers alike, before its
// next paint and after it; where cells are boxes, a cell's mark lies within it.
TEST(EveryKind, HitTestFindsEveryCellAtItsCentreWithoutAPaint)
{
    for (const ChartKind& kind : ChartKinds()) {
        const bool boxed = kind.code != kHexagon && kind.code != kWheel;
        for (const bool clockwise : {false, true}) {
            const auto make = [&](int rings) {
                std::unique_ptr<CBaseDraw> chart = kind.create();
                chart->SetRings(rings);
                chart->m_bClockwise = clockwise;
                chart->m_rcClient = {50, 50, 1840, 1840};
                return chart;
            };
            const std::unique_ptr<CBaseDraw> repainted = make(7);
            PaintOnce(*repainted);
            for (const int rings : {1, kind.defaultRings, 40}) {
                repainted->SetRings(rings);
                const std::unique_ptr<CBaseDraw> chart = make(rings);
                for (int n = 1; n <= kind.cellCount(rings); ++n) {
                    const Point c = chart->GetCellCenter(n);
                    ASSERT_EQ(chart->HitTest(c.x, c.y), n) << kind.name << ", " << rings << " rings";
                    ASSERT_EQ(repainted->GetCellCenter(n), c) << kind.name << ", " << rings << " rings, " << n;
                    const Rect box = chart->MarkBox(n);
                    ASSERT_TRUE(!boxed || (chart->HitTest(box.left, box.top) == n &&
                                           chart->HitTest(box.right - 1, box.bottom - 1) == n))
                        << kind.name << " " << n;
                }
                PaintOnce(*repainted);
                EXPECT_EQ(chart->ChartRect(), repainted->m_rcChart) << kind.name;
                EXPECT_EQ(chart->GetOuterRadius(), repainted->GetOuterRadius()) << kind.name;
            }
        }
    }
}

// UpdateLayout settles what the first paint used to store: the overlays'
// radii of a new chart and a shown star's; the paint then changes nothing
// its file keeps. The master chart has no overlays. Then ring counts and
// client rectangles of damaged files; the sanitizer build checks that the
// answers have no undefined behaviour.
TEST(EveryKind, UpdateLayoutSettlesTheOverlayRadiiAPaintKeepsAndDamagedChartsAnswerHarmlessly)
{
    constexpr int kMax = std::numeric_limits<int>::max(), kMin = std::numeric_limits<int>::min();
    const Rect client {0, 0, 1000, 700};
    const std::pair<int, Rect> cases[] = {{0, client}, {-3, client}, {kMin, client}, {kMax, client},
        {1001, client}, // cells under one unit, or beyond the largest table
        {10, {1000, 700, 0, 0}}, {10, {kMin, kMin, kMax, kMax}}};
    for (const ChartKind& kind : ChartKinds()) {
        const std::unique_ptr<CBaseDraw> fresh = kind.create();
        fresh->SetRings(kind.defaultRings);
        fresh->m_rcClient = {50, 50, 950, 950};
        fresh->m_bShowDivisions = 1;
        fresh->UpdateLayout();
        const bool overlays = kind.name != "master";
        const float half = overlays ? static_cast<float>(fresh->ChartRect().Width() / 2) : 0.0f;
        const float star = overlays ? fresh->GetOuterRadius() : 0.0f;
        EXPECT_EQ(std::make_tuple(fresh->m_fTriangleRadius, fresh->m_fSquaresRadius, fresh->m_fDivisionsRadius),
            std::make_tuple(half, half, star)) << kind.name;
        EXPECT_EQ(half > 0 && star > 0, overlays) << kind.name;
        const CChartState settled = CChartState::Capture(*fresh);
        PaintOnce(*fresh);
        EXPECT_TRUE(settled.Differing(CChartState::Capture(*fresh)).none()) << kind.name;

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
