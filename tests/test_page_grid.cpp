// The pages of a wall chart: they cover the picture, neighbours share
// exactly the overlap, and sizes that make no sense fail with a message.
#include "PageGrid.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

struct GridCase {
    const char* what;
    Rect region;
    const char* paper;
    bool landscape;
    double mmPerUnit; // 0: on the pages below
    int columns;
    int rows;
    int expectColumns;
    int expectRows;
};

const GridCase kCases[] = {
    {"fits on one A4", {0, 0, 100, 100}, "A4", false, 1.0, 0, 0, 1, 1},
    // 190 mm printable, 180 mm a further page: 400 mm need 3 across.
    {"wide A4 at 1 mm a unit", {0, 0, 400, 100}, "a4", false, 1.0, 0, 0, 3, 1},
    {"exact fit takes no extra page", {0, 0, 370, 277}, "A4", false, 1.0, 0, 0, 2, 1},
    {"landscape swaps the sides", {0, 0, 370, 277}, "A4", true, 1.0, 0, 0, 2, 2},
    {"negative origin, A3 at 2 mm", {-300, -200, 500, 600}, "A3", false, 2.0, 0, 0, 6, 5},
    {"Letter", {0, 0, 1000, 1000}, "Letter", false, 0.5, 0, 0, 3, 2},
    {"Legal", {0, 0, 1000, 1000}, "legal", false, 0.5, 0, 0, 3, 2},
    {"A2 landscape", {0, 0, 3000, 3000}, "A2", true, 0.5, 0, 0, 3, 4},
    {"two by two pages", {0, 0, 900, 900}, "A4", false, 0, 2, 2, 2, 2},
    {"four by four of a tall picture", {10, 20, 500, 2000}, "A4", false, 0, 4, 4, 4, 4},
};

TEST(PageGrid, TilesCoverWithTheOverlapAndNoGap)
{
    for (const GridCase& c : kCases) {
        SCOPED_TRACE(c.what);
        const Sheet sheet{*CPageGrid::FindPaper(c.paper, c.landscape), 10, 10};
        const Result<CPageGrid> grid = c.mmPerUnit > 0 ? CPageGrid::AtScale(c.region, sheet, c.mmPerUnit)
                                                       : CPageGrid::OnPages(c.region, sheet, c.columns, c.rows);
        ASSERT_TRUE(grid.Ok()) << grid.Message();
        const CPageGrid& g = grid.Value();
        EXPECT_EQ(g.Columns(), c.expectColumns);
        EXPECT_EQ(g.Rows(), c.expectRows);
        const double overlap = 10 / g.MmPerUnit();
        const double width = (sheet.paper.widthMm - 20) / g.MmPerUnit();
        const double height = (sheet.paper.heightMm - 20) / g.MmPerUnit();
        const PageTile first = g.Tile(0, 0);
        const PageTile last = g.Tile(g.Rows() - 1, g.Columns() - 1);
        // Outer edges reach past the picture on every side, equally.
        EXPECT_LE(first.left, c.region.left + 1e-9);
        EXPECT_LE(first.top, c.region.top + 1e-9);
        EXPECT_GE(last.right, c.region.right - 1e-9);
        EXPECT_GE(last.bottom, c.region.bottom - 1e-9);
        EXPECT_NEAR(c.region.left - first.left, last.right - c.region.right, 1e-6);
        EXPECT_NEAR(c.region.top - first.top, last.bottom - c.region.bottom, 1e-6);
        for (int row = 0; row < g.Rows(); ++row) {
            for (int column = 0; column < g.Columns(); ++column) {
                const PageTile t = g.Tile(row, column);
                EXPECT_NEAR(t.right - t.left, width, 1e-9);
                EXPECT_NEAR(t.bottom - t.top, height, 1e-9);
                if (column > 0) {
                    EXPECT_NEAR(g.Tile(row, column - 1).right - t.left, overlap, 1e-9);
                }
                if (row > 0) {
                    EXPECT_NEAR(g.Tile(row - 1, column).bottom - t.top, overlap, 1e-9);
                }
            }
        }
        // One page fewer along either side would not cover the picture.
        if (c.mmPerUnit > 0 && g.Columns() > 1) {
            EXPECT_LT((g.Columns() - 1) * (width - overlap) + overlap, c.region.Width());
        }
        if (c.mmPerUnit > 0 && g.Rows() > 1) {
            EXPECT_LT((g.Rows() - 1) * (height - overlap) + overlap, c.region.Height());
        }
    }
}

TEST(PageGrid, PapersReadableScaleAndFailures)
{
    const PaperSize a4 = *CPageGrid::FindPaper("A4", false);
    EXPECT_EQ(a4.widthMm, 210);
    EXPECT_EQ(CPageGrid::FindPaper("A4", true)->widthMm, 297);
    EXPECT_FALSE(CPageGrid::FindPaper("A5", false));

    // 14-unit labels at 7 pt: 7 / 72 inch over 14 units.
    EXPECT_NEAR(CPageGrid::ReadableMmPerUnit(14) * 14, 7 * 25.4 / 72, 1e-12);
    EXPECT_NEAR(CPageGrid::ReadableMmPerUnit(14) * 14 / 25.4 * 72, 7, 1e-12);

    const Rect region{0, 0, 1000, 1000};
    const Sheet sheet{a4, 10, 10};
    EXPECT_FALSE(CPageGrid::AtScale(region, sheet, 0).Ok());
    EXPECT_FALSE(CPageGrid::AtScale(region, sheet, std::nan("")).Ok());
    const Result<CPageGrid> tooMany = CPageGrid::AtScale(region, sheet, 50);
    ASSERT_FALSE(tooMany.Ok());
    EXPECT_NE(tooMany.Message().find("more than 400"), std::string::npos) << tooMany.Message();
    EXPECT_FALSE(CPageGrid::OnPages(region, sheet, 21, 20).Ok());
    EXPECT_FALSE(CPageGrid::OnPages(region, sheet, 0, 2).Ok());
    EXPECT_FALSE(CPageGrid::AtScale(region, Sheet{a4, 10, 95}, 1).Ok());
    EXPECT_FALSE(CPageGrid::AtScale(region, Sheet{a4, 105, 10}, 1).Ok());
}

} // namespace
