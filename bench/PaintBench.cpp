// Paint benchmarks: paint/KIND/RINGS times one full paint of a chart through
// the painter surface; floor/KIND/RINGS replays the same picture with nothing
// computed (COpReplay), the least any paint of it can cost; zoomed/KIND/40
// paints a window onto the largest chart zoomed in, as the view does;
// paint/nine/40/swings and floor/nine/40/swings the same with the swing marks
// of a generated market of 7,800 daily bars over it;
// note/lines/N and note/chars/N paint a chart whose one note has N short
// lines or one line of N characters.

#include "BenchScene.h"
#include "Benchmarks.h"
#include "ChartExport.h"
#include "OpReplay.h"
#include "PainterSurface.h"
#include "ProcessMemory.h"
#include "TextLayoutCache.h"

#include "BaseDraw.h"
#include "ChartKinds.h"
#include "SwingMarks.h"
#include "Swings.h"

#include <QElapsedTimer>
#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <random>
#include <string>

namespace {

constexpr int kSide = 2000;
constexpr double kZoom = 1.0;

// The 10% swings of thirty years of daily bars from the bench chart's first
// day, a seeded random walk over the prices of a 40-ring chart.
std::vector<Swing> GeneratedSwings(const CBaseDraw& chart)
{
    constexpr int kBars = 7800;
    constexpr std::int64_t kDay = 86400;
    BarSeries series;
    std::mt19937_64 random(11);
    std::normal_distribution<double> change(0.0, 0.015);
    double price = 1000.0;
    const std::int64_t first = chart.m_tStartTime / kDay * kDay + kDay;
    for (int i = 0; i < kBars; ++i) {
        Bar bar;
        bar.time = first + i * kDay;
        bar.open = price;
        price = std::clamp(price * std::exp(change(random)), 50.0, 6000.0);
        bar.close = price;
        bar.high = std::max(bar.open, bar.close) * 1.005;
        bar.low = std::min(bar.open, bar.close) * 0.995;
        series.bars.push_back(bar);
    }
    return FindSwings(series, {SwingMethod::By::Percent, 10.0, 0, 0, 0, false});
}

// What both benchmarks of one chart need: the chart, what is drawn over it,
// a picture to paint into and a text cache that is warm before timing
// starts, as it is from the second paint of a session on.
struct PaintTarget {
    PaintTarget(const ChartKind& kind, int rings, bool swings)
        : chart(MakeBenchChart(kind, rings))
        , image(kSide, kSide, QImage::Format_RGB32)
    {
        image.fill(Qt::white);
        if (!swings)
            return;
        CSwingMarks marks;
        marks.SetSwings(GeneratedSwings(*chart));
        marks.ShowDateCells(true);
        overlay = [marks, &kind](CBaseDraw& c, CDrawSurface& dc) { marks.Draw(c, kind, dc); };
    }

    void Paint(CDrawSurface& dc) { PaintChart(*chart, dc, overlay); }

    std::unique_ptr<CBaseDraw> chart;
    ChartOverlay overlay;
    QImage image;
    CTextLayoutCache cache;
};

// Pixels in which two pictures differ.
long long DifferentPixels(const QImage& a, const QImage& b)
{
    long long count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            count += a.pixel(x, y) != b.pixel(x, y);
    return count;
}

// Paints once with an empty text cache, which lays every text out, then
// times the paints that find them in the cache.
void TimePaints(benchmark::State& state, CBaseDraw& chart, QPainter& painter, double zoom, CTextLayoutCache& cache,
                const ChartOverlay& overlay = {})
{
    QElapsedTimer timer;
    timer.start();
    {
        CPainterSurface first(painter, zoom, &cache);
        PaintChart(chart, first, overlay);
    }
    state.counters["first_paint_ms"] = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    for (auto _ : state) {
        CPainterSurface dc(painter, zoom, &cache);
        PaintChart(chart, dc, overlay);
    }
    state.counters["text_blocks"] = static_cast<double>(cache.BlockCount());
}

void BenchPaint(benchmark::State& state, const ChartKind& kind, int rings, bool swings)
{
    ProcessMemory::ResetPeak();
    PaintTarget target(kind, rings, swings);
    QPainter painter(&target.image);
    TimePaints(state, *target.chart, painter, kZoom, target.cache, target.overlay);
    // The chart, its picture and the text cache, beyond the idle program.
    state.counters["peak_mib"] = ProcessMemory::PeakBeyondIdleMiB();
}

void BenchFloor(benchmark::State& state, const ChartKind& kind, int rings, bool swings)
{
    PaintTarget target(kind, rings, swings);
    std::vector<SurfaceOp> ops;
    {
        QPainter painter(&target.image);
        CPainterSurface inner(painter, kZoom, &target.cache);
        CRecordingSurface recorder(&inner);
        target.Paint(recorder);
        ops = recorder.Ops();
    }
    const COpReplay replay(ops, kZoom, target.cache);

    // The floor must draw the paint's picture, or it measures something else.
    QImage floorImage(kSide, kSide, QImage::Format_RGB32);
    floorImage.fill(Qt::white);
    QPainter painter(&floorImage);
    replay.Run(painter);
    state.counters["diff_pixels"] = static_cast<double>(DifferentPixels(target.image, floorImage));
    state.counters["commands"] = static_cast<double>(replay.CommandCount());

    for (auto _ : state)
        replay.Run(painter);
}

// The chart zoomed in three times and painted into a window on its centre:
// the labels far outside the window are never laid out, which the first
// paint after each zoom step shows most.
void BenchZoomed(benchmark::State& state, const ChartKind& kind, int rings)
{
    constexpr double kZoomedIn = 3.0;
    const std::unique_ptr<CBaseDraw> chart = MakeBenchChart(kind, rings);
    chart->m_fZoom = static_cast<float>(kZoomedIn); // as the view sets it: labels keep their size
    QImage window(1600, 1000, QImage::Format_RGB32);
    window.fill(Qt::white);
    QPainter painter(&window);
    painter.translate(-(kSide * kZoomedIn - window.width()) / 2, -(kSide * kZoomedIn - window.height()) / 2);
    CTextLayoutCache cache;
    TimePaints(state, *chart, painter, kZoomedIn, cache);
}

// A default Square of Nine with one long note, painted as the window paints
// it; first_paint_ms is the paint that lays the note out.
void BenchLongNote(benchmark::State& state, const std::string& text)
{
    const std::unique_ptr<CBaseDraw> chart = MakeBenchChart(ChartKinds().front(), ChartKinds().front().defaultRings);
    chart->m_Comments.clear();
    Comments note;
    note.m_strText = text;
    note.m_nHeight = -12;
    note.m_strFace = "DejaVu Sans";
    chart->m_Comments.emplace(1, note);
    QImage window(1600, 1000, QImage::Format_RGB32);
    window.fill(Qt::white);
    QPainter painter(&window);
    CTextLayoutCache cache;
    TimePaints(state, *chart, painter, kZoom, cache);
}

std::string Repeated(const std::string& piece, int count)
{
    std::string text;
    text.reserve(piece.size() * static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        text += piece;
    return text;
}

} // namespace

void RegisterPaintBenchmarks()
{
    for (const ChartKind& kind : ChartKinds()) {
        for (int rings : BenchRings(kind)) {
            const std::string suffix = kind.name + "/" + std::to_string(rings);
            benchmark::RegisterBenchmark(("paint/" + suffix).c_str(), BenchPaint, kind, rings, false)
                ->Unit(benchmark::kMillisecond);
            benchmark::RegisterBenchmark(("floor/" + suffix).c_str(), BenchFloor, kind, rings, false)
                ->Unit(benchmark::kMillisecond);
        }
        if (kind.code == kSquareOfNine) {
            benchmark::RegisterBenchmark("paint/nine/40/swings", BenchPaint, kind, 40, true)
                ->Unit(benchmark::kMillisecond);
            benchmark::RegisterBenchmark("floor/nine/40/swings", BenchFloor, kind, 40, true)
                ->Unit(benchmark::kMillisecond);
        }
        const int largest = BenchRings(kind).back();
        benchmark::RegisterBenchmark(("zoomed/" + kind.name + "/" + std::to_string(largest)).c_str(), BenchZoomed,
                                     kind, largest)
            ->Unit(benchmark::kMillisecond);
    }
    for (const int lines : {100000, 5000000})
        benchmark::RegisterBenchmark(("note/lines/" + std::to_string(lines)).c_str(), BenchLongNote,
                                     Repeated("ab\n", lines))
            ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("note/chars/3000000", BenchLongNote, std::string(3000000, 'x'))
        ->Unit(benchmark::kMillisecond);
}
