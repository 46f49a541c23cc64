// Finding a pivot and projecting its targets, checked against the numbers
// walked by hand on each kind's grid, and the targets' files.

#include "ChartKinds.h"
#include "GridChart.h"
#include "PivotTargets.h"
#include "TargetTable.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>

namespace {

std::unique_ptr<CBaseDraw> Painted(const char* name, int rings, bool clockwise = true)
{
    std::unique_ptr<CBaseDraw> chart = FindChartKind(name)->create();
    if (std::string(name) == "nine" || std::string(name) == "four")
        chart->m_bClockwise = clockwise;
    PaintWith(*chart, rings, {50, 50, 950, 950});
    return chart;
}

std::vector<Target> Targets(CBaseDraw& chart, const char* kind, int pivot, double theta, int turns)
{
    return TargetsOf(chart, *FindChartKind(kind), pivot, {theta}, turns);
}

// The one target at theta, exactly turns out; 0 where there is none.
int TargetAt(CBaseDraw& chart, const char* kind, int pivot, double theta, int turns)
{
    for (const Target& t : Targets(chart, kind, pivot, theta, std::abs(turns)))
        if (t.turns == turns)
            return t.number;
    return 0;
}

} // namespace

TEST(PivotTargets, WalkedGridsOfEachKindWithTies)
{
    const struct {
        const char* kind;
        bool clockwise;
        int pivot;
        double theta;
        int turns;
        int expected;
    } rows[] = {
        {"nine", true, 2, 0, 1, 11},     // 2 left of 1: straight out
        {"nine", true, 2, 0, 2, 28},
        {"nine", true, 2, 90, 0, 4},     // forward is clockwise: up from the left
        {"nine", true, 2, -90, 0, 8},
        {"nine", false, 2, 45, 0, 3},    // counter-clockwise: 3 up-right of 1
        {"nine", false, 2, 22.5, 0, 2},  // between 2 and 3: the lower number
        {"nine", true, 2, 120, 1, 16},   // 60 degrees: 16 at 63.4 beats 17 at 45
        {"four", false, 1, 0, 1, 6},     // the block's top-right cell, out to the corner
        {"four", false, 1, 180, 1, 12},
        {"four", false, 1, 45, 0, 1},    // 90 degrees: 1 and 2 equally far
        {"four", true, 1, 90, 0, 2},     // mirrored: 1 top-left, 2 top-right
        {"hexagon", false, 6, 0, 1, 18}, // the corners at 0 degrees
        {"hexagon", false, 6, 0, 2, 36},
        {"hexagon", false, 6, 60, 0, 1},
        {"hexagon", false, 6, -30, 1, 17},
        {"wheel", false, 1, 90, 0, 7},
        {"wheel", false, 1, 0, 1, 25},
        {"wheel", false, 1, -15, 0, 24},
        {"wheel", true, 1, 15, 0, 2},    // the switch does not turn the wheel
    };
    for (const auto& row : rows) {
        const auto chart = Painted(row.kind, 3, row.clockwise);
        EXPECT_EQ(TargetAt(*chart, row.kind, row.pivot, row.theta, row.turns), row.expected)
            << row.kind << " " << row.pivot << " " << row.theta << " " << row.turns;
    }
}

TEST(PivotTargets, RingsOffTheChartTheFormulaAndDays)
{
    const auto nine = Painted("nine", 2);
    nine->m_tStartTime = LocalMidnight(2012, 11, 15);
    // Ring 1 of 2: one turn in and out exist, the second turn's rings do not.
    std::vector<Target> t = Targets(*nine, "nine", 2, 0, 2);
    ASSERT_EQ(t.size(), 2u);
    EXPECT_EQ(t[0].number, 1);
    EXPECT_EQ(t[1].number, 11);
    EXPECT_EQ(t[1].date, "2012-11-25");
    EXPECT_EQ(t[1].days, 9);
    EXPECT_FALSE(t[0].formulaPrice); // sqrt 2 - 2 is below 0
    EXPECT_NEAR(*t[1].formulaPrice, (std::sqrt(2.0) + 2) * (std::sqrt(2.0) + 2), 1e-9);
    t = Targets(*nine, "nine", 10, 0, 1); // the outer ring: nothing further out
    ASSERT_EQ(t.size(), 1u);
    EXPECT_EQ(t[0].turns, -1);
    EXPECT_TRUE(TargetsOf(*nine, *FindChartKind("nine"), 26, {0}, 1).empty()); // beyond the layout

    const auto wheel = Painted("wheel", 3);
    EXPECT_FALSE(Targets(*wheel, "wheel", 1, 90, 0)[0].formulaPrice);
    EXPECT_TRUE(Targets(*wheel, "wheel", 1, 0, 0).empty()); // the pivot itself is left out
    const auto master = Painted("master", 3);
    EXPECT_TRUE(TargetsOf(*master, *FindChartKind("master"), 1, {90}, 1).empty());
}

TEST(PivotTargets, FindByPriceDateAndNumber)
{
    const ChartKind& kind = *FindChartKind("nine");
    const auto chart = Painted("nine", 2);
    chart->m_fStartPrice = 100.0f;
    chart->m_fPriceStep = 0.25f;
    chart->m_tStartTime = LocalMidnight(2012, 11, 15);
    chart->m_nTimeStep = 2;
    const auto find = [&](CellQuery q) {
        const Result<int> r = FindCell(*chart, kind, q);
        return r.Ok() ? r.Value() : -static_cast<int>(r.Message().size() > 0);
    };
    using By = CellQuery::By;
    EXPECT_EQ(find({By::Price, 100.3}), 2);
    EXPECT_EQ(find({By::Price, 100.375}), 2); // halfway to 3: the lower number
    EXPECT_EQ(find({By::Price, 99.9}), 1);
    EXPECT_EQ(find({By::Price, 99.8}), -1);   // below the chart's prices
    EXPECT_EQ(find({By::Price, 5000}), -1);
    EXPECT_EQ(find({By::Date, 0, LocalMidnight(2012, 11, 17)}), 2);
    EXPECT_EQ(find({By::Date, 0, LocalMidnight(2012, 11, 16)}), -1); // between two cells' days
    EXPECT_EQ(find({By::Date, 0, LocalMidnight(2013, 1, 2)}), 25);
    EXPECT_EQ(find({By::Date, 0, LocalMidnight(2013, 1, 4)}), -1);   // after the last cell
    EXPECT_EQ(find({By::Number, 0, 0, 25}), 25);
    EXPECT_EQ(find({By::Number, 0, 0, 26}), -1);
    EXPECT_EQ(find({By::Number, 0, 0, 0}), -1);
    EXPECT_EQ(FindCell(*chart, kind, {By::Price, 5000}).Message(), "找不到价格 5000 的单元格");

    // By months a cell is its month; its day is cell 1's, or the month's last.
    chart->m_nPeriod = 2;
    chart->m_nTimeStep = 1;
    chart->m_tStartTime = LocalMidnight(2012, 1, 31);
    EXPECT_EQ(find({By::Date, 0, LocalMidnight(2012, 3, 7)}), 3);
    EXPECT_EQ(CellTarget(*chart, kind, 2).date, "2012-02-29");
    EXPECT_EQ(chart->CellDate(2), "2012/2");
}

TEST(TargetTable, CsvAndIcsLinesAndEscapes)
{
    Target t;
    t.turns = -1;
    t.theta = 90;
    t.number = 28;
    t.ring = 3;
    t.angle = 180;
    t.price = 1.1f;
    t.formulaPrice = 1.25;
    t.date = "2013-01-02";
    t.days = 26;
    t.centre = {114, 498};
    const std::string csv = TargetTable::Csv({t});
    EXPECT_EQ(csv.substr(csv.find("\r\n") + 2), "-1,90,28,3,180.00,1.1,1.25,0.15,2013-01-02,26,114,498\r\n");

    // A summary past 75 octets.
    t.number = 2000000000;
    t.turns = -1000;
    t.theta = -359.5;
    t.price = 3.4028235e38f;
    const std::string ics = TargetTable::Ics({t, Target{}}, 1356998400);
    std::istringstream lines(ics);
    std::string line, unfolded;
    int events = 0;
    while (std::getline(lines, line)) {
        ASSERT_EQ(line.back(), '\r');
        EXPECT_LE(line.size(), 76u) << line; // 75 octets and the CR
        unfolded += line[0] == ' ' ? line.substr(1, line.size() - 2) : "\n" + line.substr(0, line.size() - 1);
        events += line == "BEGIN:VEVENT\r";
    }
    EXPECT_EQ(events, 1); // the target without a date has no event
    EXPECT_NE(unfolded.find("\nDTSTAMP:20130101T000000Z\nDTSTART;VALUE=DATE:20130102\n"), std::string::npos);
    EXPECT_NE(unfolded.find("\nSUMMARY:编号 2000000000\\, 价格 3.4028235e+38\\, 角度 -359.5°\\, 圈数 -1000\n"), std::string::npos)
        << unfolded;
}
