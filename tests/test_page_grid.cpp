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

struct PageText {
    QString text;
    double x;
    double y;
};

// The texts of page painted into an SVG at 96 dots an inch, where they stand.
std::vector<PageText> PaintedTexts(const WallChart& chart, int page, QSize size)
{
    QBuffer svg;
    svg.open(QIODevice::WriteOnly);
    {
        CSvgPaintDevice device(svg, size, "page");
        QPainter painter(&device);
        EXPECT_EQ(PaintWallChartPage(painter, 96 / 25.4, chart, page), PaintOutcome::Ok);
    }
    std::vector<PageText> texts;
    QXmlStreamReader xml(svg.data());
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != QLatin1String("text"))
            continue;
        const double x = xml.attributes().value("x").toDouble(), y = xml.attributes().value("y").toDouble();
        texts.push_back({xml.readElementText(), x, y});
    }
    return texts;
}

bool Has(const std::vector<PageText>& texts, const QString& wanted)
{
    return std::any_of(texts.begin(), texts.end(), [&](const PageText& text) { return text.text == wanted; });
}

// The texts in rows, left to right: a font fallback splits a line in runs.
std::vector<PageText> Rows(std::vector<PageText> texts)
{
    std::sort(texts.begin(), texts.end(), [](const PageText& a, const PageText& b) { return a.y < b.y; });
    std::vector<PageText> rows;
    for (std::size_t i = 0; i < texts.size();) {
        std::vector<PageText> row;
        for (const double y = texts[i].y; i < texts.size() && texts[i].y - y < 3; ++i)
            row.push_back(texts[i]);
        std::sort(row.begin(), row.end(), [](const PageText& a, const PageText& b) { return a.x < b.x; });
        rows.push_back(row.front());
        for (std::size_t k = 1; k < row.size(); ++k)
            rows.back().text += row[k].text;
    }
    return rows;
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
    const std::vector<PageText> rows = Rows(PaintedTexts(chart, 3, a4));
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].text.toStdString(), "第 2 行，第 1 列，共 2 × 2Square of Nine  \u00b7  start 1, step 1");
    EXPECT_TRUE(rows[1].text.startsWith("xxx") && rows[1].text.endsWith(QChar(0x2026))) << rows[1].text.toStdString();
    EXPECT_TRUE(rows[2].text.startsWith("yyy") && rows[2].text.endsWith(QChar(0x2026))) << rows[2].text.toStdString();
    for (const PageText& row : rows) {
        EXPECT_TRUE(row.y > tileBottom && row.y < a4.height() && row.x == rows[0].x) << row.text.toStdString();
    }

    EXPECT_TRUE(Has(PaintedTexts(chart, 1, a4), "label"));

    // The overview: each page's row and column over the picture, its own
    // label; labels too small to read left out.
    const std::vector<PageText> overview = PaintedTexts(chart, 0, a4);
    EXPECT_FALSE(Has(overview, "label"));
    for (const char* figure : {"1,1", "1,2", "2,1", "2,2"})
        EXPECT_TRUE(Has(overview, figure)) << figure;
    EXPECT_TRUE(Has(Rows(overview), "全图，共 2 × 2 页Square of Nine  \u00b7  start 1, step 1"));

    // Without the overview page 3 is the last; the label in the interface's
    // language.
    chart.overview = false;
    chart.caption.clear();
    SetUiTranslator([](const char*, const char* text) {
        return std::string(text) == "第 %1 行，第 %2 列，共 %3 × %4" ? std::string("row %1, column %2 of %3 × %4") : text;
    });
    const std::vector<PageText> english = PaintedTexts(chart, 3, a4);
    SetUiTranslator(nullptr);
    ASSERT_EQ(english.size(), 1u);
    EXPECT_EQ(english[0].text.toStdString(), "row 2, column 2 of 2 × 2");
}

} // namespace
