// The facts of a cell and the cell table: what the status bar shows and the
// CSV export writes.

#include "CellFacts.h"
#include "CellTable.h"
#include "ChartKinds.h"
#include "GridChart.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

TEST(CellFacts, OneKnownCellOfEachKind)
{
    const struct {
        const char* kind;
        int n;
        const char* price;
        int ring;
        float angle;
        Point centre;
    } rows[] = {
        {"nine", 2, "1.25", 1, 180.0f, {370, 498}},   // left of the centre: numbered clockwise
        {"four", 5, "2.00", 1, 18.43f, {666, 442}},     // last of ring 1, on the upper centre row
        {"hexagon", 6, "2.25", 1, 0.0f, {575, 500}},  // ring 1 ends on the corner at the right
        {"wheel", 25, "7.00", 2, 7.5f, {712, 472}},   // the second ring starts at the right
        {"master", 1, "1.00", 1, 213.69f, {440, 150}}, // the lower-left corner: the bottom row
    };
    for (const auto& row : rows) {
        const ChartKind& kind = *FindChartKind(row.kind);
        const std::unique_ptr<CBaseDraw> chart = kind.create();
        chart->m_fPriceStep = 0.25f;
        chart->m_nNaturalDecimals = 2;
        PaintWith(*chart, 3, {50, 50, 950, 950});
        const CellFacts f = FactsOfCell(*chart, kind, row.n);
        EXPECT_EQ(f.number, row.n);
        EXPECT_EQ(f.price, row.price) << row.kind;
        EXPECT_EQ(f.ring, row.ring) << row.kind;
        EXPECT_NEAR(f.angle, row.angle, 0.5f) << row.kind;
        EXPECT_EQ(f.centre, row.centre) << row.kind;
    }
}

TEST(CellTable, HeaderThenOneRowPerCellAwkwardFieldsQuoted)
{
    const ChartKind& kind = *FindChartKind("nine");
    const std::unique_ptr<CBaseDraw> chart = kind.create();
    PaintWith(*chart, 2, {50, 50, 950, 950});
    const std::string csv = CellTable::Csv(*chart, kind);
    EXPECT_EQ(csv.rfind("\xEF\xBB\xBF编号,价格,日期,环,角度,x,y\r\n1,", 0), 0u);
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 26);
    EXPECT_EQ(csv.find("-0.00"), std::string::npos); // the cell straight right of the centre
    EXPECT_EQ(CellTable::Field("1,5"), "\"1,5\""); // a decimal comma of some locales
    EXPECT_EQ(CellTable::Field("a\"b\nc"), "\"a\"\"b\nc\"");
    EXPECT_EQ(CellTable::Field("12/3/5"), "12/3/5");
}
