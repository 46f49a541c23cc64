// The frames of a drag repaint only what changed, into the picture already
// shown, as the window's backing store keeps it: every frame must come out
// the same pixel for pixel as a full paint of the same state, whatever moves
// and whatever else changes meanwhile.

#include "BaseDraw.h"
#include "ChartExport.h"
#include "ChartFrames.h"
#include "ChartKinds.h"
#include "PainterSurface.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>
#include <string>

namespace {

enum class Drag { Triangle, CalendarRing, Rubber };

// The view lies in a window as a widget lies in its window's backing store,
// below a toolbar and right of a border; lines leaving it are cut off at
// the window's edges.
const QPoint kViewInWindow(100, 100);

// A window picture at ratio device pixels per window pixel.
QImage Window(const FrameView& view, qreal ratio)
{
    QImage image((view.size + QSize(200, 150)) * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    return image;
}

// Paints region of the view as the window does: white there, chart point
// (0, 0) at view.origin, then the frames' picture, or the whole chart anew
// without frames.
void PaintView(QImage& shown, CBaseDraw& chart, const FrameView& view, const QRegion& region, CChartFrames* frames)
{
    QPainter painter(&shown);
    painter.translate(kViewInWindow);
    painter.setClipRegion(region);
    painter.fillRect(QRect(QPoint(0, 0), view.size), Qt::white);
    painter.translate(view.origin);
    if (frames) {
        frames->Paint(painter, chart, view, region);
    } else {
        CPainterSurface dc(painter, view.scale);
        PaintChart(chart, dc);
    }
}

} // namespace

// Each drag on every kind, the window scrolled so that part of the chart is
// outside and the rubber band on a screen of two device pixels a pixel; at
// the third frame a note drawn over the moving figure changes, at the fourth
// a fill under it is added, at the fifth the zoom changes. A record of an
// unchanged chart asks for no repaint.
TEST(ChartFrames, EveryFrameIsTheFullPaint)
{
    for (const ChartKind& kind : ChartKinds())
        for (const Drag drag : {Drag::Triangle, Drag::CalendarRing, Drag::Rubber}) {
            if (kind.name == "master" && drag != Drag::Rubber)
                continue;
            const std::unique_ptr<CBaseDraw> chart = kind.create();
            chart->SetRings(kind.defaultRings);
            chart->m_rcClient = {40, 40, 960, 960};
            chart->m_fZoom = 1.0f;
            chart->m_tStartTime = 1325174400;
            chart->m_bShowPrice = chart->m_bShowTime = chart->m_bShowN = true;
            chart->m_bShowCalendarRing = chart->m_bShowAngleRing = true;
            chart->m_bShowTriangle = chart->m_bShowSquares = chart->m_bShowDivisions = 1;
            const long long cells = kind.cellCount(kind.defaultRings);
            for (int i = 0; i < 30; ++i) {
                const int cell = static_cast<int>(1 + i * 37 % cells);
                chart->m_FillCells[cell] = Cell_Style{1, Colors::Green, i % 2 == 0, true};
                chart->m_Lines.emplace(std::to_string(i), CLine{1 + i % 3, Colors::Blue, i % 2 == 0, cell,
                                                                  static_cast<int>(1 + (i + 5) * 53 % cells)});
            }
            chart->m_Comments.emplace(
                3, Comments{"Note\n支撑位", Colors::LightYellow, -12, 0, 0, 0, "DejaVu Sans", {}, 0});
            chart->m_nTool = MouseTool::Line;
            FrameView view{1.0, {-60, -400}, {900, 860}};
            CChartFrames frames;
            const qreal ratio = drag == Drag::Rubber ? 2.0 : 1.0;
            QImage shown = Window(view, ratio);
            PaintView(shown, *chart, view, frames.Record(*chart, view), &frames);
            EXPECT_TRUE(frames.Record(*chart, view).isEmpty()); // nothing changed, nothing to repaint
            const Point start = drag == Drag::Triangle       ? chart->m_rcTriangleHandle.Center()
                                : drag == Drag::CalendarRing ? chart->m_rcCalendarHandle.Center()
                                                             : chart->GetCellCenter(1);
            chart->OnLButtonDown(start.x, start.y);
            for (int frame = 0; frame < 6; ++frame) {
                const std::string where = kind.name + " drag " + std::to_string(static_cast<int>(drag)) +
                                          " frame " + std::to_string(frame);
                // The triangle's handle on a circle of 300, the ring's on its own.
                const Point o = chart->m_rcChart.Center();
                const double a = (20.0 + 7.0 * frame) * CBaseDraw::kPi / 180.0;
                const double r = drag == Drag::Triangle ? 300.0 : chart->m_rcCalendarHandle.Center().x - o.x;
                const Point pt = drag == Drag::Rubber ? chart->GetCellCenter(2 + frame * 7)
                    : Point{o.x + static_cast<int>(r * std::cos(a)), o.y - static_cast<int>(r * std::sin(a))};
                chart->OnMouseMove(pt.x, pt.y);
                if (frame == 2)
                    chart->m_Comments.begin()->second.m_strText = "Moved";
                if (frame == 3)
                    chart->m_FillCells[2] = Cell_Style{1, Colors::Red, false, true};
                if (frame == 5)
                    view.scale = chart->m_fZoom = 1.25f;
                const QRegion region = frames.Record(*chart, view);
                if (frame < 2 || frame == 4) { // a moving figure alone repaints part of the window
                    EXPECT_NE(region, QRegion(QRect(QPoint(0, 0), view.size))) << where;
                }
                PaintView(shown, *chart, view, region, &frames);
                QImage full = Window(view, ratio);
                PaintView(full, *chart, view, QRect(QPoint(0, 0), view.size), nullptr);
                ASSERT_EQ(shown, full) << where;
            }
        }
}
