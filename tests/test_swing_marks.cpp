// A market's swings marked over a chart: where the rings, dotted rings and
// calendar ticks go, their colours, and that the chart stays as it was.

#include "ChartFile.h"
#include "ChartKinds.h"
#include "ChartSlots.h"
#include "GridChart.h"
#include "PivotTargets.h"
#include "SwingMarks.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

namespace {

constexpr std::int64_t kDay = 86400;
constexpr std::int64_t kNewYear = 19723 * kDay; // 2024-01-01 as a bar time

// Swing k of the table on day k from 2024-01-01; price 1000 is off every chart.
std::vector<Swing> Walk()
{
    const std::pair<Swing::Kind, double> table[] = {{Swing::Kind::High, 13}, {Swing::Kind::Low, 5},
        {Swing::Kind::High, 20}, {Swing::Kind::Low, 2}, {Swing::Kind::Low, 1000}};
    std::vector<Swing> swings;
    for (const auto& [kind, price] : table) {
        Swing s;
        s.kind = kind;
        s.price = price;
        s.index = static_cast<long long>(swings.size()) * 3;
        s.time = kNewYear + s.index * kDay;
        swings.push_back(s);
    }
    return swings;
}

void Prepare(CBaseDraw& chart)
{
    LayOut(chart, 4, {50, 50, 950, 950});
    chart.m_tStartTime = LocalMidnight(2024, 1, 1);
    chart.m_bShowCalendarRing = true;
}

std::set<std::pair<int, int>> Centres(const std::vector<SurfaceOp>& ellipses, PenStyle style)
{
    std::set<std::pair<int, int>> centres;
    for (const SurfaceOp& op : ellipses)
        if (op.pen.style == style)
            centres.emplace(op.rect.Center().x, op.rect.Center().y);
    return centres;
}

} // namespace

TEST(SwingMarks, RingsAtTheCellsFindGivesTicksAndColours)
{
    for (const char* name : {"nine", "wheel", "master"}) {
        SCOPED_TRACE(name);
        const ChartKind& kind = *FindChartKind(name);
        const std::unique_ptr<CBaseDraw> chart = kind.create();
        Prepare(*chart);
        CSwingMarks marks;
        marks.SetSwings(Walk());
        marks.ShowDateCells(true);
        CRecordingSurface dc;
        marks.Draw(*chart, kind, dc);

        std::set<std::pair<int, int>> prices, dates;
        for (const Swing& s : Walk()) {
            const auto centre = [&](CellQuery q) {
                const Result<int> found = FindCell(*chart, kind, q);
                if (found.Ok())
                    (q.by == CellQuery::By::Price ? prices : dates)
                        .emplace(chart->MarkBox(found.Value()).Center().x, chart->MarkBox(found.Value()).Center().y);
            };
            centre({CellQuery::By::Price, s.price, 0, 0});
            centre({CellQuery::By::Date, 0, LocalMidnight(2024, 1, 1 + static_cast<int>(s.index)), 0});
        }
        const bool master = kind.code == kMasterChart;
        const std::vector<SurfaceOp> ellipses = OpsOfKind(dc, SurfaceOp::Kind::Ellipse);
        EXPECT_GE(prices.size(), 3u);
        EXPECT_EQ(Centres(ellipses, PenStyle::Solid), prices);
        EXPECT_EQ(Centres(ellipses, PenStyle::Dot), master ? decltype(dates){} : dates);
        EXPECT_EQ(OpsOfKind(dc, SurfaceOp::Kind::LineTo).size(), master ? 0u : 5u);
        EXPECT_EQ(OpsOfKind(dc, SurfaceOp::Kind::Text).size(), prices.size());

        // Walk's price rings come high, low, high, low: each kind's colours
        // apart from the other's, and the two highs apart too.
        std::vector<Color> rings;
        for (const SurfaceOp& op : ellipses)
            if (op.pen.style == PenStyle::Solid)
                rings.push_back(op.pen.color);
        ASSERT_GE(rings.size(), 3u);
        const std::set<Color> highs = {rings[0], rings[2]}, lows = {rings[1]};
        EXPECT_EQ(highs.size(), 2u);
        for (const Color c : lows)
            EXPECT_EQ(highs.count(c), 0u);
        ExpectSurfaceRestored(dc);
    }
}

TEST(SwingMarks, CalendarRingPointsStandOnTheRingsTicks)
{
    for (const char* name : {"nine", "hexagon"}) {
        for (const bool reverse : {false, true}) {
            SCOPED_TRACE(std::string(name) + (reverse ? " reversed" : ""));
            const std::unique_ptr<CBaseDraw> chart = FindChartKind(name)->create();
            Prepare(*chart);
            chart->m_bCalendarForward = reverse ? 0 : 1;
            chart->m_fCalendarAngle = 20;
            // On one of the ring's ticks, and nearest the label of its own day.
            const CRecordingSurface dc = PaintOnce(*chart);
            std::set<std::pair<int, int>> ticks;
            for (const SurfaceOp& op : OpsOfKind(dc, SurfaceOp::Kind::LineTo))
                ticks.emplace(op.from.x, op.from.y);
            const auto nearestLabel = [&dc](Point p) {
                std::pair<long long, std::string> nearest{-1, ""};
                for (const SurfaceOp& op : OpsOfKind(dc, SurfaceOp::Kind::Text)) {
                    const long long dx = op.rect.Center().x - p.x, dy = op.rect.Center().y - p.y;
                    if (nearest.first < 0 || dx * dx + dy * dy < nearest.first)
                        nearest = {dx * dx + dy * dy, op.text};
                }
                return nearest.second;
            };
            for (const auto& [month, day] : {std::pair{6, 21}, {9, 22}, {12, 21}, {3, 22}}) {
                const Point p = *chart->CalendarRingPoint(month, day, 0);
                EXPECT_EQ(ticks.count({p.x, p.y}), 1u) << month << '-' << day;
                if (month != 3) {
                    EXPECT_EQ(nearestLabel(*chart->CalendarRingPoint(month, day, 40)),
                              std::to_string(month) + "." + std::to_string(day));
                }
            }
            EXPECT_EQ(chart->CalendarRingPoint(2, 29, 5), chart->CalendarRingPoint(2, 28, 5));
            chart->m_bShowCalendarRing = false;
            EXPECT_FALSE(chart->CalendarRingPoint(3, 21, 0));
        }
    }
}

TEST(SwingMarks, LeaveTheChartFileAsItWas)
{
    CChartSlots charts;
    CBaseDraw& chart = charts.Ensure(kSquareOfNine);
    Prepare(chart);
    PaintOnce(chart);
    const std::string before = ChartFile::ToBytes(charts).Value();
    CSwingMarks marks;
    marks.SetSwings(Walk());
    marks.ShowDateCells(true);
    CRecordingSurface dc;
    marks.Draw(chart, *FindChartKind(kSquareOfNine), dc);
    EXPECT_EQ(ChartFile::ToBytes(charts).Value(), before);
}
