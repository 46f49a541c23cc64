// The pages of a wall chart: they cover the picture, neighbours share
// exactly the overlap, and sizes that make no sense fail with a message;
// each page painted says which it is, with the caption in its margin.
#include "DrawSurface.h"
#include "PageGrid.h"
#include "SvgPaintDevice.h"
#include "UiText.h"
#include "WallChart.h"

#include <QBuffer>
#include <QPainter>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

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

// A row of text on a page: where it starts and what it says.
struct PageRow {
    QString text;
    double x;
    double y;
};

// The rows of text of page painted into an SVG at 96 dots an inch, in the
// order drawn: runs a font fallback splits a line in are joined again.
std::vector<PageRow> PaintedRows(const WallChart& chart, int page, QSize size)
{
    QBuffer svg;
    svg.open(QIODevice::WriteOnly);
    {
        CSvgPaintDevice device(svg, size, "page");
        QPainter painter(&device);
        EXPECT_EQ(PaintWallChartPage(painter, 96 / 25.4, chart, page), PaintOutcome::Ok);
    }
    std::vector<PageRow> rows;
    QXmlStreamReader xml(svg.data());
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != QLatin1String("text"))
            continue;
        const double x = xml.attributes().value("x").toDouble(), y = xml.attributes().value("y").toDouble();
        if (!rows.empty() && std::abs(rows.back().y - y) < 3)
            rows.back().text += xml.readElementText();
        else
            rows.push_back({xml.readElementText(), x, y});
    }
    return rows;
}

bool Has(const std::vector<PageRow>& rows, const QString& wanted)
{
    return std::any_of(rows.begin(), rows.end(), [&](const PageRow& row) { return row.text.contains(wanted); });
}

TEST(WallChartPages, LabelAndCaptionInTheMarginTheOverviewFirst)
{
    const Sheet sheet{*CPageGrid::FindPaper("A4", false), 10, 10};
    const Rect region{0, 0, 1000, 1000};
    // A label 5 units high prints at 5 pt on the pages, under 3 pt on the overview.
    const Picture picture{"t", [](CDrawSurface& dc) {
                              dc.FillRect({0, 0, 1000, 1000}, Brush::Solid(Colors::Blue));
                              Font font;
                              font.height = -5;
                              dc.SelectFont(font);
                              Rect rc{200, 240, 300, 260};
                              if (dc.MayShowText("label", rc))
                                  dc.DrawText("label", rc, TextFlags::Center);
                          }};
    WallChart chart{picture, CPageGrid::OnPages(region, sheet, 2, 2).Value(), true,
                    {"Square of Nine", "start 1, step 1", std::string(400, 'x'), std::string(400, 'y'), "last"}};
    ASSERT_EQ(WallChartPageCount(chart), 5);
    const QSize a4(794, 1123);
    const double tileBottom = (297 - 10) * 96 / 25.4;

    // Page 3 after the overview: row 2, column 1. The caption's short lines
    // share the label's row, the long ones are elided on the rows below,
    // the last of which the margin holds takes what is left.
    const std::vector<PageRow> rows = PaintedRows(chart, 3, a4);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].text.toStdString(), "第 2 行，第 1 列，共 2 × 2Square of Nine  \u00b7  start 1, step 1");
    EXPECT_TRUE(rows[1].text.startsWith("xxx") && rows[1].text.endsWith(QChar(0x2026))) << rows[1].text.toStdString();
    EXPECT_TRUE(rows[2].text.startsWith("yyy") && rows[2].text.endsWith(QChar(0x2026))) << rows[2].text.toStdString();
    for (const PageRow& row : rows) {
        EXPECT_TRUE(row.y > tileBottom && row.y < a4.height() && row.x == rows[0].x) << row.text.toStdString();
    }

    EXPECT_TRUE(Has(PaintedRows(chart, 1, a4), "label"));

    // The overview: each page's row and column over the picture, its own
    // label; labels too small to read left out.
    const std::vector<PageRow> overview = PaintedRows(chart, 0, a4);
    EXPECT_FALSE(Has(overview, "label"));
    for (const char* figure : {"1,1", "1,2", "2,1", "2,2"})
        EXPECT_TRUE(Has(overview, figure)) << figure;
    EXPECT_TRUE(Has(overview, "全图，共 2 × 2 页Square of Nine  \u00b7  start 1, step 1"));

    // Without the overview page 3 is the last; the label in the interface's
    // language.
    chart.overview = false;
    chart.caption.clear();
    SetUiTranslator([](const char*, const char* text) {
        return std::string(text) == "第 %1 行，第 %2 列，共 %3 × %4" ? std::string("row %1, column %2 of %3 × %4") : text;
    });
    const std::vector<PageRow> english = PaintedRows(chart, 3, a4);
    SetUiTranslator(nullptr);
    ASSERT_EQ(english.size(), 1u);
    EXPECT_EQ(english[0].text.toStdString(), "row 2, column 2 of 2 × 2");
}

} // namespace
