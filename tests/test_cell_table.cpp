// The facts of a cell and the cell table: what the status bar shows and the
// CSV export writes.

#include "CellFacts.h"
#include "CellTable.h"
#include "ChartKinds.h"
#include "GridChart.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>

// One known cell of each kind; then the layout's own question, asked without
// drawing: where it says no, the layout lays out nothing. 300 units high: the
// nine's 149 rings are 299 cells.
TEST(CellFacts, OneKnownCellOfEachKindAndTheMostRingsThatFit)
{
    // Kind, number, price, the price at full precision (not the label's), ring, angle, centre, the rings that fit.
    const std::tuple<const char*, int, const char*, const char*, int, float, Point, int> rows[] = {
        {"nine", 2, "1.25", "1.25", 1, 180.0f, {370, 498}, 149},   // left of the centre: numbered clockwise
        {"four", 5, "2.00", "2", 1, 18.43f, {666, 442}, 149},      // last of ring 1, on the upper centre row
        {"hexagon", 6, "2.25", "2.25", 1, 0.0f, {575, 500}, 150},  // ring 1 ends on the corner at the right
        {"wheel", 25, "7.00", "7", 2, 7.5f, {712, 472}, 50},       // the second ring starts at the right
        {"master", 1, "1.00", "1", 1, 213.69f, {440, 150}, CBaseDraw::kMaxRings}, // the lower-left corner
    };
    for (const auto& [name, n, price, exactPrice, ring, angle, centre, lastFitting] : rows) {
        const ChartKind& kind = *FindChartKind(name);
        const std::unique_ptr<CBaseDraw> chart = kind.create();
        chart->m_fPriceStep = 0.25f;
        chart->m_nNaturalDecimals = 2;
        LayOut(*chart, 3, {50, 50, 950, 950});
        const CellFacts f = FactsOfCell(*chart, kind, n);
        EXPECT_EQ(std::tie(f.number, f.price, f.exactPrice, f.ring, f.centre),
            std::make_tuple(n, price, exactPrice, ring, centre)) << name;
        EXPECT_NEAR(f.angle, angle, 0.5f) << name;

        const std::unique_ptr<CBaseDraw> fresh = kind.create(); // the master keeps a layout it had
        fresh->m_rcClient = {50, 50, 350, 350};
        fresh->SetRings(lastFitting);
        EXPECT_TRUE(fresh->CellsFit()) << name;
        LayOut(*fresh, lastFitting + 1, fresh->m_rcClient);
        EXPECT_FALSE(fresh->CellsFit()) << name;
        EXPECT_TRUE(fresh->m_rcChart.IsEmpty()) << name;
    }
}

TEST(CellTable, HeaderThenOneRowPerCellFullPricesIsoDatesAwkwardFieldsQuoted)
{
    const ChartKind& kind = *FindChartKind("nine");
    const std::unique_ptr<CBaseDraw> chart = kind.create();
    chart->m_fStartPrice = 1000.0f;
    chart->m_fPriceStep = 0.25f;
    chart->m_nDecimals = 0;
    chart->m_tStartTime = LocalMidnight(2024, 12, 30);
    LayOut(*chart, 2, {50, 50, 950, 950});
    const std::string csv = CellTable::Csv(*chart, kind, CellTable::Headers::Interface);
    // Not the labels' 1000 and 24/12/31: the price in full, the day in ISO form.
    EXPECT_EQ(csv.rfind("\xEF\xBB\xBF编号,价格,日期,环,角度,x,y,日期标签\r\n"
                        "1,1000,2024-12-30,0,0.00,500,500,12/30\r\n2,1000.25,2024-12-31,1,", 0), 0u) << csv;
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 26);
    EXPECT_EQ(csv.find("-0.00"), std::string::npos); // the cell straight right of the centre

    // A start with a time of day gives every date that time; a file's
    // overflowing prices are empty fields and "-" labels, never inf.
    chart->m_tStartTime += 9 * 3600 + 30 * 60;
    chart->m_fStartPrice = 3e38f;
    chart->m_fPriceStep = 1e37f;
    const std::string far = CellTable::Csv(*chart, kind, CellTable::Headers::Keys);
    EXPECT_NE(far.find("\r\n25,,2025-01-23 09:30:00,2,"), std::string::npos) << far;
    EXPECT_EQ(far.find("inf"), std::string::npos);
    EXPECT_EQ(chart->CellPriceText(25), "-");

    EXPECT_EQ(CellTable::Field("1,5"), "\"1,5\""); // a decimal comma of some locales
    EXPECT_EQ(CellTable::Field("a\"b\nc"), "\"a\"\"b\nc\"");
    EXPECT_EQ(CellTable::Field("12/3/5"), "12/3/5");
}
