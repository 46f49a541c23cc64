// Text layouts kept from one paint to the next change nothing drawn: every
// chart kind comes out the same pixel for pixel whether its labels were laid
// out just now, found in a cache warmed by earlier paints of other charts and
// zooms, or laid out again at every label by a cache that keeps one layout.
// Nor does leaving out the labels that fall outside a window's pixels.

#include "BaseDraw.h"
#include "ChartExport.h"
#include "ChartKinds.h"
#include "PainterSurface.h"
#include "RecordingSurface.h"
#include "TextLayoutCache.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int kCanvas = 1000;

// A chart with every kind of label and mark: price, date and number, both
// outer rings, the overlays, fills, lines and notes in two scripts.
std::unique_ptr<CBaseDraw> Scene(const ChartKind& kind, int rings = 0)
{
    std::unique_ptr<CBaseDraw> chart = kind.create();
    chart->SetRings(rings > 0 ? rings : kind.defaultRings);
    chart->m_rcClient = {40, 40, kCanvas - 40, kCanvas - 40};
    chart->m_tStartTime = 1325174400; // 2011-12-30: the dates cross a year
    chart->m_bShowPrice = chart->m_bShowTime = chart->m_bShowN = true;
    chart->m_bShowCalendarRing = chart->m_bShowAngleRing = true;
    chart->m_bShowTriangle = chart->m_bShowSquares = chart->m_bShowDivisions = 1;
    const long long cells = kind.cellCount(rings > 0 ? rings : kind.defaultRings);
    for (int i = 0; i < 40; ++i) {
        const int cell = static_cast<int>(1 + i * 37 % cells);
        chart->m_FillCells[cell] = Cell_Style{1, i % 2 ? Colors::Red : Colors::Green, i % 3 == 0, true};
        chart->m_Lines.emplace(std::to_string(cell),
            CLine{1 + i % 3, 0, i % 2 == 0, cell, static_cast<int>(1 + (i + 5) * 53 % cells)});
    }
    for (int i = 0; i < 6; ++i)
        chart->m_Comments.emplace(static_cast<int>(1 + i * 11 % cells),
            Comments{"Note " + std::to_string(i) + "\n支撑位", Colors::LightYellow, -12, 0, 0, 0, "DejaVu Sans", {}, 0});
    return chart;
}

// The picture at zoom painted into an image of size as a view scrolled to
// origin paints it, directly or through a recording surface, which offers
// every label to the painter.
QImage PaintScrolled(CBaseDraw& chart, double zoom, CTextLayoutCache& cache, QPoint origin, QSize size,
    bool passOn = false)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.translate(-origin);
    CPainterSurface dc(painter, zoom, &cache);
    CRecordingSurface recording(&dc);
    PaintChart(chart, passOn ? static_cast<CDrawSurface&>(recording) : dc);
    return image;
}

} // namespace

// A window onto a chart zoomed in shows what it shows when every label is
// laid out, though the labels far outside it were never laid out. As in the
// view, the chart knows the zoom, so its labels keep their size on screen.
TEST(PaintCache, EveryKindPaintsTheSameWithColdWarmAndOneLayoutCachesAndLabelsFarOutsideUnseen)
{
    CTextLayoutCache shared;
    for (const ChartKind& kind : ChartKinds()) {
        SCOPED_TRACE(kind.name);
        const std::unique_ptr<CBaseDraw> chart = Scene(kind);
        for (const double zoom : {0.6, 1.0}) {
            const QSize size = QSize(kCanvas, kCanvas) * zoom;
            CTextLayoutCache cold, oneLayout(1);
            const QImage first = PaintScrolled(*chart, zoom, cold, {}, size);
            for (CTextLayoutCache* cache : {&cold, &shared, &oneLayout})
                EXPECT_TRUE(PaintScrolled(*chart, zoom, *cache, {}, size) == first) << "zoom " << zoom;
            EXPECT_LE(oneLayout.BlockCount(), 1u);
        }

        const std::unique_ptr<CBaseDraw> zoomed = Scene(kind, 40);
        zoomed->m_fZoom = 2.0f;
        for (const QPoint origin : {QPoint(0, 0), QPoint(905, 1013), QPoint(1700, 1800)}) {
            CTextLayoutCache culled, every;
            const QImage shown = PaintScrolled(*zoomed, 2.0, culled, origin, QSize(300, 200));
            EXPECT_TRUE(shown == PaintScrolled(*zoomed, 2.0, every, origin, QSize(300, 200), true)) << origin.x();
            EXPECT_LT(culled.BlockCount() * 4, every.BlockCount()) << origin.x();
        }
    }
    // The shared cache did serve later charts from layouts of earlier ones.
    EXPECT_TRUE(shared.BlockCount() > 0 && shared.FontCount() > 1) << shared.FontCount();
}

// A label moved across each edge of a small image, pixel by pixel, is left
// out only while none of its pixels would land in the image: the image shows
// what a larger one shows in its place. Italic glyphs reach beyond their
// advance; the zoom scales the painter's plane.
TEST(PaintCache, TextOutsideAnImageIsLeftOutOnlyWhenItCannotShow)
{
    const QSize small(40, 30);
    const QPoint margin(60, 60), scroll(-13, 7);
    const Font font{-24, 0, 0, 0, 400, true, false, false, 0, 0, 0, 0, 0, "DejaVu Serif"};
    const auto paint = [&](QSize size, QPoint shift, Point at) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.translate(shift);
        CPainterSurface dc(painter, 1.5);
        dc.SelectFont(font);
        dc.SetBkMode(BkMode::Transparent);
        Rect rc {at.x, at.y, at.x + 40, at.y + 20};
        dc.DrawText("fjW", rc, TextFlags::Center);
        return image;
    };
    int shown = 0;
    for (int x = -40; x <= 45; ++x) {
        for (const int y : {-20, -8, 5, 18, 28}) {
            const QImage image = paint(small, scroll, {x, y});
            const QImage larger = paint(small + QSize(2 * margin.x(), 2 * margin.y()), scroll + margin, {x, y});
            EXPECT_TRUE(image == larger.copy(QRect(margin, small))) << x << "," << y;
            shown += image != paint(small, scroll, {1000, 1000});
        }
    }
    EXPECT_GT(shown, 0);

    // Clipped to a box under a pixel wide or high, text could leave a sliver
    // at most; an empty box is a point text is drawn from.
    QImage image(small, QImage::Format_RGB32);
    QPainter painter(&image);
    CPainterSurface dc(painter, 0.5);
    EXPECT_EQ(std::vector<bool>({dc.MayShowText("1", {10, 10, 11, 30}), dc.MayShowText("1", {10, 10, 30, 11}),
                                 dc.MayShowText("1", {10, 10, 12, 12}), dc.MayShowText("1", {10, 10, 10, 10})}),
              std::vector<bool>({false, false, true, true}));
}
