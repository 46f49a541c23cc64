// A market's swings marked over a chart: where the rings, dotted rings and
// calendar ticks go, their colours, and that the chart file stays as it was;
// the same of the ticks of clusters and events.

#include "ChartFile.h"
#include "ChartKinds.h"
#include "ChartSlots.h"
#include "DateTicks.h"
#include "GridChart.h"
#include "PivotTargets.h"
#include "SwingMarks.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

namespace {

using Centres = std::set<std::pair<int, int>>;

// High 13, low 5, high 20, low 2 and a high of 1000, off every chart, on
// days 0, 3, 6, ... from 2024-01-01.
std::vector<Swing> Walk()
{
    std::vector<Swing> swings;
    for (const double price : {13, 5, 20, 2, 1000}) {
        Swing s;
        s.kind = swings.size() % 2 == 0 ? Swing::Kind::High : Swing::Kind::Low;
        s.price = price;
        s.index = static_cast<long long>(swings.size()) * 3;
        s.time = (19723 + s.index) * 86400; // 2024-01-01 is day 19723
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

// A chart of kind name in a set of its own, prepared and painted once, and
// the set's file bytes then: marks drawn over it must leave them as they are.
struct PaintedChart {
    explicit PaintedChart(const char* name)
        : kind(*FindChartKind(name))
        , chart(charts.Ensure(kind.code))
    {
        Prepare(chart);
        PaintOnce(chart);
        bytes = ChartFile::ToBytes(charts).Value();
    }
    std::string Bytes() const { return ChartFile::ToBytes(charts).Value(); }

    const ChartKind& kind;
    CChartSlots charts;
    CBaseDraw& chart;
    std::string bytes;
};

Centres Of(const std::vector<SurfaceOp>& ellipses, PenStyle style)
{
    Centres centres;
    for (const SurfaceOp& op : ellipses)
        if (op.pen.style == style)
            centres.emplace(op.rect.Center().x, op.rect.Center().y);
    return centres;
}

} // namespace

TEST(SwingMarks, RingsAtTheCellsFindGivesTicksColoursAndNoChangeToTheFile)
{
    for (const char* name : {"nine", "wheel", "master"}) {
        SCOPED_TRACE(name);
        PaintedChart painted(name);
        const ChartKind& kind = painted.kind;
        CBaseDraw& chart = painted.chart;
        CSwingMarks marks;
        marks.SetSwings(Walk());
        marks.ShowDateCells(true);
        CRecordingSurface dc;
        marks.Draw(chart, kind, dc);
        EXPECT_EQ(painted.Bytes(), painted.bytes);

        Centres prices, dates;
        for (const Swing& s : Walk()) {
            const int day = 1 + static_cast<int>(s.index);
            for (const CellQuery& q : {CellQuery{CellQuery::By::Price, s.price, 0, 0},
                                       CellQuery{CellQuery::By::Date, 0, LocalMidnight(2024, 1, day), 0}})
                if (const Result<int> found = FindCell(chart, kind, q); found.Ok()) {
                    const Point c = chart.MarkBox(found.Value()).Center();
                    (q.by == CellQuery::By::Price ? prices : dates).emplace(c.x, c.y);
                }
        }
        const bool master = kind.code == kMasterChart;
        const std::vector<SurfaceOp> ellipses = OpsOfKind(dc, SurfaceOp::Kind::Ellipse);
        EXPECT_GE(prices.size(), 3u);
        EXPECT_EQ(Of(ellipses, PenStyle::Solid), prices);
        EXPECT_EQ(Of(ellipses, PenStyle::Dot), master ? Centres{} : dates);
        EXPECT_EQ(OpsOfKind(dc, SurfaceOp::Kind::LineTo).size(), master ? 0u : 5u);
        EXPECT_EQ(OpsOfKind(dc, SurfaceOp::Kind::Text).size(), prices.size());
        ExpectSurfaceRestored(dc);

        // The price rings come high, low, high: the highs apart from each
        // other and from the low.
        std::vector<Color> rings;
        for (const SurfaceOp& op : ellipses)
            if (op.pen.style == PenStyle::Solid)
                rings.push_back(op.pen.color);
        ASSERT_GE(rings.size(), 3u);
        EXPECT_EQ((std::set<Color>{rings[0], rings[1], rings[2]}).size(), 3u);
    }
}

TEST(SwingMarks, CalendarRingPointsStandOnTheRingsTicksByTheirLabels)
{
    for (const char* name : {"nine", "hexagon"}) {
        for (const bool reverse : {false, true}) {
            SCOPED_TRACE(std::string(name) + (reverse ? " reversed" : ""));
            const std::unique_ptr<CBaseDraw> chart = FindChartKind(name)->create();
            Prepare(*chart);
            chart->m_bCalendarForward = reverse ? 0 : 1;
            chart->m_fCalendarAngle = 20;
            const CRecordingSurface dc = PaintOnce(*chart);
            Centres ticks;
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
            for (const auto& [month, day] : {std::pair{6, 21}, {9, 22}, {12, 21}}) {
                const Point p = *chart->CalendarRingPoint(month, day, 0);
                EXPECT_EQ(ticks.count({p.x, p.y}), 1u) << month << '-' << day;
                EXPECT_EQ(nearestLabel(*chart->CalendarRingPoint(month, day, 40)),
                          std::to_string(month) + "." + std::to_string(day));
            }
            EXPECT_EQ(chart->CalendarRingPoint(2, 29, 5), chart->CalendarRingPoint(2, 28, 5));
            chart->m_bShowCalendarRing = false;
            EXPECT_FALSE(chart->CalendarRingPoint(3, 21, 0));
        }
    }
}

// The equinox a weak cluster, the solstice a strong one, September's
// equinox an event: each tick runs out from its day's point on the ring.
TEST(SwingMarks, DateTicksStandAtTheirDaysLongerAndDarkerByScore)
{
    for (const char* name : {"nine", "wheel"}) {
        SCOPED_TRACE(name);
        PaintedChart painted(name);
        CBaseDraw& chart = painted.chart;
        CDateTicks ticks;
        ticks.SetTicks({{19802, 2}, {19895, 6}, {19988, 0}}); // 2024-03-20, 06-21, 09-22
        CRecordingSurface dc;
        ticks.Draw(chart, dc);
        EXPECT_EQ(painted.Bytes(), painted.bytes);
        ExpectSurfaceRestored(dc);

        const std::vector<SurfaceOp> lines = OpsOfKind(dc, SurfaceOp::Kind::LineTo);
        ASSERT_EQ(lines.size(), 3u);
        const int days[][3] = {{3, 20, 24}, {6, 21, 36}, {9, 22, 18}};
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const auto [month, day, length] = days[i];
            EXPECT_EQ(lines[i].from, *chart.CalendarRingPoint(month, day, 0)) << month;
            EXPECT_EQ(lines[i].to, *chart.CalendarRingPoint(month, day, length)) << month;
        }
        const auto shade = [](Color c) { return ColorRed(c) + ColorGreen(c) + ColorBlue(c); };
        EXPECT_LT(shade(lines[1].pen.color), shade(lines[0].pen.color));

        chart.m_bShowCalendarRing = false;
        CRecordingSurface none;
        ticks.Draw(chart, none);
        EXPECT_TRUE(OpsOfKind(none, SurfaceOp::Kind::LineTo).empty());
    }
}
