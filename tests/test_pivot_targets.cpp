// Finding a pivot and projecting its targets, checked against the numbers
// walked by hand on each kind's grid, and the targets' files.

#include "ChartKinds.h"
#include "GridChart.h"
#include "PivotTargets.h"
#include "TargetTable.h"
#include "UiText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <tuple>
#include <utility>

namespace {

std::unique_ptr<CBaseDraw> LaidOut(const char* name, int rings, bool clockwise = true)
{
    std::unique_ptr<CBaseDraw> chart = FindChartKind(name)->create();
    if (std::string(name) == "nine" || std::string(name) == "four")
        chart->m_bClockwise = clockwise;
    LayOut(*chart, rings, {50, 50, 950, 950});
    return chart;
}

std::vector<Target> Targets(CBaseDraw& chart, const char* kind, int pivot, double theta, int turns)
{
    return TargetsOf(chart, *FindChartKind(kind), pivot, {theta}, turns);
}

} // namespace

TEST(PivotTargets, WalkedAlongTheNumberingOnEachKindWithTies)
{
    // Kind, clockwise, pivot, theta, turns and the target.
    const std::tuple<const char*, bool, int, double, int, int> rows[] = {
        {"nine", true, 2, 0, 1, 11}, {"nine", true, 2, 0, 2, 28}, {"nine", true, 2, 90, 0, 4},
        {"nine", true, 2, 450, 0, 15}, {"nine", true, 2, 120, 1, 16}, {"nine", true, 2, -90, 0, 0},
        {"nine", true, 1, 90, 0, 4}, {"nine", true, 8, 120, 0, 12}, {"nine", true, 11, -120, 0, 7},
        {"nine", true, 28, -450, 0, 8}, {"nine", false, 2, 45, 0, 3}, {"nine", false, 2, 22.5, 0, 2},
        {"four", false, 1, 0, 1, 6}, {"four", false, 1, 180, 1, 12}, {"four", false, 1, 45, 0, 1},
        {"four", false, 15, 120, 0, 21}, {"four", true, 1, 90, 0, 2},
        {"hexagon", false, 6, 0, 1, 18}, {"hexagon", false, 6, 0, 2, 36}, {"hexagon", false, 5, 120, 0, 8},
        {"hexagon", false, 6, -30, 1, 17}, {"hexagon", false, 10, -90, 0, 7},
        {"wheel", false, 1, 90, 0, 7}, {"wheel", false, 1, 0, 1, 25}, {"wheel", false, 23, 120, 0, 31},
        {"wheel", false, 1, -15, 0, 0}, {"wheel", true, 1, 15, 0, 2},
    };
    for (const auto& [kind, clockwise, pivot, theta, turns, expected] : rows) {
        int found = 0; // the first target exactly turns out; 0 where there is none
        for (const Target& t : Targets(*LaidOut(kind, 3, clockwise), kind, pivot, theta, std::abs(turns)))
            found = found == 0 && t.turns == turns ? t.number : found;
        EXPECT_EQ(found, expected) << kind << " " << pivot << " " << theta << " " << turns;
    }
}

TEST(PivotTargets, WalksOffTheChartThePivotItselfTheFormulaDaysAndFindingThePivot)
{
    const auto nine = LaidOut("nine", 2);
    nine->m_tStartTime = LocalMidnight(2012, 11, 15);
    // From 2 the walk back ends at the centre, and 720 degrees out passes cell 25.
    std::vector<Target> t = Targets(*nine, "nine", 2, 0, 2);
    ASSERT_EQ(t.size(), 1u);
    EXPECT_EQ(std::tie(t[0].number, t[0].date, t[0].days), std::make_tuple(11, "2012-11-25", 9LL));
    EXPECT_NEAR(*t[0].formulaPrice, (std::sqrt(2.0) + 2) * (std::sqrt(2.0) + 2), 1e-9);
    EXPECT_TRUE(Targets(*nine, "nine", 10, 0, 1).empty());
    EXPECT_TRUE(TargetsOf(*nine, *FindChartKind("nine"), 26, {90}, 1).empty()); // beyond the layout
    nine->m_fPriceStep = 0.1f;
    t = Targets(*nine, "nine", 25, -180, 1);
    ASSERT_EQ(t.size(), 2u);
    EXPECT_TRUE(t[0].number == 5 && t[1].number == 17);
    EXPECT_FALSE(t[0].formulaPrice); // sqrt 3.4 - 3 is below 0
    // Rows recomputed unchanged are the same rows, prices not a number too.
    nine->m_fStartPrice = std::nanf("");
    t = Targets(*nine, "nine", 25, -180, 1);
    EXPECT_TRUE(t == Targets(*nine, "nine", 25, -180, 1));
    nine->m_tStartTime += 86400;
    EXPECT_TRUE(t != Targets(*nine, "nine", 25, -180, 1));

    // From 1 by 1 the grid and the formula agree within a cell, on any turn.
    t = Targets(*LaidOut("nine", 20), "nine", 1500, 90, 1);
    ASSERT_EQ(t.size(), 2u); // a turn out leaves the chart
    for (const Target& near : t)
        EXPECT_LT(std::fabs(*near.formulaPrice - near.price), 1.0) << near.turns;

    const auto wheel = LaidOut("wheel", 3);
    EXPECT_FALSE(Targets(*wheel, "wheel", 1, 90, 0)[0].formulaPrice);
    t = TargetsOf(*wheel, *FindChartKind("wheel"), 1, {360}, 1); // 360 - 360 is the pivot itself
    ASSERT_EQ(t.size(), 2u);
    EXPECT_TRUE(t[0].number == 25 && t[1].number == 49);
    EXPECT_TRUE(Targets(*LaidOut("master", 3), "master", 1, 90, 1).empty());

    // Finding the pivot by price, date or number.
    const ChartKind& kind = *FindChartKind("nine");
    nine->m_fStartPrice = 100.0f;
    nine->m_fPriceStep = 0.25f;
    nine->m_tStartTime = LocalMidnight(2012, 11, 15);
    nine->m_nTimeStep = 2;
    const auto find = [&](CellQuery q) {
        const Result<int> r = FindCell(*nine, kind, q);
        return r.Ok() ? r.Value() : -static_cast<int>(r.Message().size() > 0);
    };
    using By = CellQuery::By;
    // -1: none; at 100.375, halfway to 3, the lower number; 99.8 is below the
    // chart's prices, 11/16 between two cells' days, 1/4 after the last cell.
    const std::pair<CellQuery, int> rows[] = {{{By::Price, 100.3}, 2}, {{By::Price, 100.375}, 2},
        {{By::Price, 99.9}, 1}, {{By::Price, 99.8}, -1}, {{By::Price, 5000}, -1},
        {{By::Date, 0, LocalMidnight(2012, 11, 17)}, 2}, {{By::Date, 0, LocalMidnight(2012, 11, 16)}, -1},
        {{By::Date, 0, LocalMidnight(2013, 1, 2)}, 25}, {{By::Date, 0, LocalMidnight(2013, 1, 4)}, -1},
        {{By::Number, 0, 0, 25}, 25}, {{By::Number, 0, 0, 26}, -1}, {{By::Number, 0, 0, 0}, -1}};
    for (const auto& [query, n] : rows)
        EXPECT_EQ(find(query), n) << query.price << " " << query.day << " " << query.number;
    EXPECT_EQ(FindCell(*nine, kind, {By::Price, 5000}).Message(), "找不到价格 5000 的单元格");

    // By months a cell is its month; its day is cell 1's, or the month's last.
    nine->m_nPeriod = Period::Month;
    nine->m_nTimeStep = 1;
    nine->m_tStartTime = LocalMidnight(2012, 1, 31);
    EXPECT_EQ(find({By::Date, 0, LocalMidnight(2012, 3, 7)}), 3);
    EXPECT_EQ(CellTarget(*nine, kind, 2).date, "2012-02-29");
    EXPECT_EQ(nine->CellDate(2), "2012/2");
}

// The lines of an iCalendar text unfolded, each checked for its CR LF and
// its 75 octets.
std::string Unfolded(const std::string& ics)
{
    std::istringstream lines(ics);
    std::string line, unfolded;
    while (std::getline(lines, line)) {
        EXPECT_EQ(line.back(), '\r');
        EXPECT_LE(line.size(), 76u) << line;
        unfolded += line[0] == ' ' ? line.substr(1, line.size() - 2) : "\n" + line.substr(0, line.size() - 1);
    }
    return unfolded;
}

std::string Uid(const std::string& unfolded)
{
    const size_t at = unfolded.find("\nUID:");
    return unfolded.substr(at, unfolded.find('\n', at + 1) - at);
}

// The CSV names the pivot first, under the JSON's keys or the interface's
// titles; the iCalendar text holds one-day events with stable UIDs.
TEST(TargetTable, CsvJsonAndIcsOfTheTargetsAndThePivot)
{
    // turns, theta, number, ring, angle, price, formula price, date, days, centre
    const Target pivot{0, 0, 2, 0, 0, 2, std::nullopt, "2012-11-16", 0, {}};
    const Target t{-1, 90, 28, 3, 180, 1.5f, 1.25, "2013-01-02", 26, {114, 498}};
    Target unpriced = t;
    unpriced.price = HUGE_VALF;
    EXPECT_EQ(TargetTable::Csv(pivot, {t, unpriced}, TargetTable::Headers::Keys),
              "\xEF\xBB\xBF" "turns,theta,n,ring,angle,price,formula_price,difference,date,days,x,y\r\n"
              "0,0,2,0,0.00,2,,,2012-11-16,0,0,0\r\n"
              "-1,90,28,3,180.00,1.5,1.25,-0.25,2013-01-02,26,114,498\r\n"
              "-1,90,28,3,180.00,,1.25,,2013-01-02,26,114,498\r\n");
    EXPECT_EQ(TargetTable::Json({unpriced}),
              "[\n{\"turns\":-1,\"theta\":90.0,\"n\":28,\"ring\":3,\"angle\":180.0,\"price\":null,\"formula_price\":1.25,"
              "\"difference\":null,\"date\":\"2013-01-02\",\"days\":26,\"x\":114,\"y\":498}\n]\n");

    // An angle asked twice is one event; a target without a date is none.
    Target far{-1000, -359.5, 2000000000, 0, 0, 3.4028235e38f, std::nullopt, "2013-12-31", 0, {}};
    const std::string ics = Unfolded(*TargetTable::Ics(pivot, {far, Target{}, far}, "chart", 1356998400));
    EXPECT_EQ(ics.find("\nBEGIN:VEVENT"), ics.rfind("\nBEGIN:VEVENT"));
    EXPECT_NE(ics.find("\nDTSTAMP:20130101T000000Z\nDTSTART;VALUE=DATE:20131231\nDTEND;VALUE=DATE:20140101\n"
                       "SUMMARY:编号 2000000000\\, 价格 3.4028235e+38\\, 角度 -359.5°\\, 圈数 -1000\n"
                       "DESCRIPTION:支点: 编号 2\\, 价格 2\\, 日期 2012-11-16\n"),
              std::string::npos) << ics;
    EXPECT_EQ(Uid(ics), Uid(Unfolded(*TargetTable::Ics(pivot, {far}, "chart", 0))));
    EXPECT_NE(Uid(ics), Uid(Unfolded(*TargetTable::Ics(pivot, {far}, "another chart", 0))));
    far.date = "2012-02-28";
    EXPECT_NE(Unfolded(*TargetTable::Ics(pivot, {far}, "chart", 0)).find("\nDTEND;VALUE=DATE:20120229\n"),
              std::string::npos);
    EXPECT_FALSE(TargetTable::Ics(pivot, {Target{}}, "chart", 0));

    SetUiTranslator([](const char*, const char* text) { return "<" + std::string(text) + ">"; });
    const std::string titles = TargetTable::Csv(pivot, {}, TargetTable::Headers::Interface);
    const std::string translated = Unfolded(*TargetTable::Ics(pivot, {far}, "chart", 0));
    SetUiTranslator(nullptr);
    EXPECT_EQ(titles.substr(0, titles.find(',')), "\xEF\xBB\xBF<圈数>");
    EXPECT_NE(translated.find("\nSUMMARY:<编号 2000000000"), std::string::npos) << translated;
}
