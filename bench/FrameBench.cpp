// Frame benchmarks: one frame of a drag on the largest charts in the paint/
// scene. drag/KIND/40 turns the triangle by one degree, ringdrag/KIND/40 the
// calendar ring, rubber/KIND/40 moves a rubber-band line's end by one cell;
// framefloor/KIND/40 copies the whole picture and draws the triangle alone,
// the least any frame can cost. A frame is what the window does: the chart
// recorded, the changed region found, and the record replayed into the
// picture kept from the frame before, clipped to that region. peak_mib is
// what the frames hold beyond the chart, its picture and its text layouts.

#include "BenchScene.h"
#include "Benchmarks.h"
#include "ChartExport.h"
#include "ChartFrames.h"
#include "PainterSurface.h"
#include "ProcessMemory.h"

#include "BaseDraw.h"
#include "ChartKinds.h"

#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <cmath>
#include <functional>
#include <memory>
#include <string>

namespace {

constexpr int kSide = 2000;
constexpr int kRings = 40;

// The chart painted once into a persistent picture, as the window's backing
// store holds it before a drag: the idle program, beyond which the frames'
// records and pictures are measured.
struct FrameTarget {
    explicit FrameTarget(const ChartKind& kind)
        : chart(MakeBenchChart(kind, kRings))
        , image(kSide, kSide, QImage::Format_RGB32)
    {
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            CPainterSurface dc(painter, 1.0);
            PaintChart(*chart, dc);
        }
        ProcessMemory::ResetPeak();
        idleMiB = ProcessMemory::ResidentMiB();
        frames.Record(*chart, view);
    }

    // The picture after the chart changed; the share of it repainted.
    double Frame()
    {
        const QRegion region = frames.Record(*chart, view);
        QPainter painter(&image);
        painter.setClipRegion(region);
        painter.fillRect(image.rect(), Qt::white);
        frames.Paint(painter, *chart, view, region);
        double pixels = 0;
        for (const QRect& rc : region)
            pixels += static_cast<double>(rc.width()) * rc.height();
        return pixels / (static_cast<double>(kSide) * kSide);
    }

    std::unique_ptr<CBaseDraw> chart;
    QImage image;
    CChartFrames frames;
    const FrameView view{1.0, {0, 0}, {kSide, kSide}};
    double idleMiB = -1;
};

// The point at counter-clockwise screen angle degrees and distance r from the chart's centre.
Point AtAngle(const CBaseDraw& chart, double degrees, double r)
{
    const Point o = chart.m_rcChart.Center();
    const double a = degrees * CBaseDraw::kPi / 180.0;
    return {o.x + static_cast<int>(std::lround(r * std::cos(a))), o.y - static_cast<int>(std::lround(r * std::sin(a)))};
}

// Times the frames after the first, which paints the pictures the others
// start from; move moves the pointer before each.
void TimeFrames(benchmark::State& state, FrameTarget& target, const std::function<void()>& move)
{
    move();
    target.Frame();
    for (auto _ : state) {
        move();
        state.counters["repainted"] = target.Frame();
    }
    // The records and pictures of the frames, beyond the idle program.
    state.counters["peak_mib"] = ProcessMemory::PeakBeyondMiB(target.idleMiB);
}

// Drags around the centre by one degree a frame at distance r.
void TimeTurns(benchmark::State& state, FrameTarget& target, double r)
{
    double degrees = 0;
    TimeFrames(state, target, [&] {
        degrees += 1.0;
        const Point pt = AtAngle(*target.chart, degrees, r);
        target.chart->OnMouseMove(pt.x, pt.y);
    });
}

void BenchDrag(benchmark::State& state, const ChartKind& kind)
{
    FrameTarget target(kind);
    target.chart->m_bDragTriangle = true;
    TimeTurns(state, target, target.chart->m_fTriangleRadius);
}

void BenchRingDrag(benchmark::State& state, const ChartKind& kind)
{
    FrameTarget target(kind);
    target.chart->m_bDragCalendarRing = 1;
    TimeTurns(state, target, target.chart->m_rcChart.Width() / 2.0);
}

// A line from the cell in the middle of the picture (the Master chart's
// first columns lie left of it) whose end walks one cell a frame through
// every cell.
void BenchRubber(benchmark::State& state, const ChartKind& kind)
{
    FrameTarget target(kind);
    CBaseDraw& chart = *target.chart;
    chart.m_nTool = MouseTool::Line;
    chart.OnLButtonDown(kSide / 2, kSide / 2);
    const int cells = static_cast<int>(kind.cellCount(kRings));
    int cell = chart.m_nLineStartCell;
    TimeFrames(state, target, [&] {
        cell = cell % cells + 1;
        const Point pt = chart.GetCellCenter(cell);
        chart.OnMouseMove(pt.x, pt.y);
    });
}

void BenchFrameFloor(benchmark::State& state, const ChartKind& kind)
{
    FrameTarget target(kind);
    QImage window(kSide, kSide, QImage::Format_RGB32);
    QPainter painter(&window);
    target.chart->m_bShowSquares = 0;
    for (auto _ : state) {
        painter.drawImage(0, 0, target.image);
        CPainterSurface dc(painter, 1.0);
        target.chart->DrawSquaresAndTriangle(dc);
    }
}

} // namespace

void RegisterFrameBenchmarks()
{
    using Bench = void (*)(benchmark::State&, const ChartKind&);
    for (const ChartKind& kind : ChartKinds()) {
        const bool master = kind.name == "master";
        const std::string suffix = "/" + kind.name + "/" + std::to_string(kRings);
        for (const auto& [name, bench] : {std::pair<const char*, Bench>{"drag", BenchDrag},
                                          {"ringdrag", BenchRingDrag},
                                          {"rubber", BenchRubber},
                                          {"framefloor", BenchFrameFloor}}) {
            // The Master chart has neither overlays nor rings to drag.
            if (master && (std::string(name) == "drag" || std::string(name) == "ringdrag"))
                continue;
            benchmark::RegisterBenchmark((name + suffix).c_str(), bench, kind)->Unit(benchmark::kMillisecond);
        }
    }
}
