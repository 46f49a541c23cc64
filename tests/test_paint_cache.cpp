// Text layouts kept from one paint to the next change nothing drawn: every
// chart kind comes out the same pixel for pixel whether its labels were laid
// out just now, found in a cache warmed by earlier paints of other charts and
// zooms, or laid out again at every label by a cache that keeps one layout.

#include "BaseDraw.h"
#include "CalendarLabels.h"
#include "ChartExport.h"
#include "ChartKinds.h"
#include "PainterSurface.h"
#include "TextLayoutCache.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

constexpr int kCanvas = 1000;
const double kZooms[] = {0.6, 1.0};

// A chart with every kind of label and mark: price, date and number, both
// outer rings, the overlays, fills, lines and notes in two scripts.
std::unique_ptr<CBaseDraw> Scene(const ChartKind& kind)
{
    std::unique_ptr<CBaseDraw> chart = kind.create();
    chart->SetRings(kind.defaultRings);
    chart->m_rcClient = {40, 40, kCanvas - 40, kCanvas - 40};
    chart->m_tStartTime = 1325174400; // 2011-12-30: the dates cross a year
    chart->m_bShowPrice = chart->m_bShowTime = chart->m_bShowN = true;
    chart->m_bShowCalendarRing = chart->m_bShowAngleRing = true;
    chart->m_bShowTriangle = chart->m_bShowSquares = chart->m_bShowDivisions = 1;
    const long long cells = kind.cellCount(kind.defaultRings);
    for (int i = 0; i < 40; ++i) {
        const int cell = static_cast<int>(1 + i * 37 % cells);
        chart->m_FillCells[cell] = Cell_Style{1, i % 2 ? Colors::Red : Colors::Green, i % 3 == 0, true};
        CLine line;
        line.m_nWidth = 1 + i % 3;
        line.m_bArrow = i % 2 == 0;
        line.m_nStartCell = cell;
        line.m_nEndCell = static_cast<int>(1 + (i + 5) * 53 % cells);
        chart->m_Lines.emplace(std::to_string(cell), line);
    }
    for (int i = 0; i < 6; ++i) {
        Comments note;
        note.m_strText = "Note " + std::to_string(i) + "\n支撑位";
        note.m_crBack = Colors::LightYellow;
        note.m_nHeight = -12;
        note.m_strFace = "DejaVu Sans";
        chart->m_Comments.emplace(static_cast<int>(1 + i * 11 % cells), note);
    }
    return chart;
}

QImage PaintWith(CBaseDraw& chart, double zoom, CTextLayoutCache& cache)
{
    const int side = static_cast<int>(kCanvas * zoom);
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    CPainterSurface dc(painter, zoom, &cache);
    PaintChart(chart, dc);
    return image;
}

} // namespace

TEST(PaintCache, EveryKindPaintsTheSameWithColdWarmAndOneLayoutCaches)
{
    BuildCalendarLabels();
    CTextLayoutCache shared;
    for (const double zoom : kZooms) {
        for (const ChartKind& kind : ChartKinds()) {
            SCOPED_TRACE(kind.name + " at zoom " + std::to_string(zoom));
            const std::unique_ptr<CBaseDraw> chart = Scene(kind);
            CTextLayoutCache cold;
            const QImage first = PaintWith(*chart, zoom, cold);
            EXPECT_TRUE(PaintWith(*chart, zoom, cold) == first);
            EXPECT_TRUE(PaintWith(*chart, zoom, shared) == first);
            CTextLayoutCache oneLayout(1);
            EXPECT_TRUE(PaintWith(*chart, zoom, oneLayout) == first);
            EXPECT_LE(oneLayout.BlockCount(), 1u);
        }
    }
    // The shared cache did serve later charts from layouts of earlier ones.
    EXPECT_GT(shared.BlockCount(), 0u);
    EXPECT_GT(shared.FontCount(), 1u);
}

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
