// Price pane benchmarks at 1600 x 600 pixels through the painter surface:
// pane/minute/1000000 and pane/daily/7800 paint a whole history (a million
// one-minute bars; thirty years of daily bars), panepan/minute/1000000 pans
// the minute history a few pixels before each paint, as a drag does, and
// panefloor/1600 draws one vertical line in each of the 1600 pixel columns
// with nothing computed, the least any of them can cost.

#include "Benchmarks.h"
#include "PaneColumns.h"
#include "PanePainter.h"
#include "PaneView.h"
#include "PainterSurface.h"
#include "TextLayoutCache.h"

#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <random>

namespace {

constexpr int kWidth = 1600;
constexpr int kHeight = 600;
constexpr std::int64_t kDay = 86400;

// A seeded random walk of bars: count of them, perDay a day (weekends left
// out for daily bars), each minute of a session for intraday ones.
BarSeries Walk(std::size_t count, int perDay)
{
    BarSeries s;
    s.intraday = perDay > 1;
    s.bars.reserve(count);
    std::mt19937_64 random(11);
    std::normal_distribution<double> step(0.0, 0.05);
    double price = 100.0;
    std::int64_t day = 14612; // 2010-01-04, a Monday
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0 && i % static_cast<std::size_t>(perDay) == 0)
            day += day % 7 == 1 ? 3 : 1; // Friday to Monday
        Bar bar;
        bar.time = day * kDay + 9 * 3600 + static_cast<std::int64_t>(i % static_cast<std::size_t>(perDay)) * 60;
        bar.open = price;
        price = std::max(1.0, price * (1 + step(random) / 20));
        bar.close = price;
        bar.high = std::max(bar.open, bar.close) * 1.001;
        bar.low = std::min(bar.open, bar.close) * 0.999;
        s.bars.push_back(bar);
    }
    return s;
}

const BarSeries& Minutes()
{
    static const BarSeries series = Walk(1000000, 240);
    return series;
}

const BarSeries& Days()
{
    static const BarSeries series = Walk(7800, 1);
    return series;
}

// A pane of the whole series in a picture, its text cache warm from one
// paint as it is from the second paint of a session on.
struct PaneTarget {
    explicit PaneTarget(const BarSeries& series)
        : columns(series), image(kWidth, kHeight, QImage::Format_RGB32), painter(&image)
    {
        image.fill(Qt::white);
        view.SetRect(CPanePainter::PlotRect({0, 0, kWidth, kHeight}));
        view.ShowAll(columns);
        Paint();
    }

    void Paint()
    {
        CPainterSurface dc(painter, 1.0, &cache);
        CPanePainter(dc, view).Draw(columns, PaneStyle::Candles, {});
    }

    CPaneColumns columns;
    CPaneView view;
    QImage image;
    QPainter painter;
    CTextLayoutCache cache;
};

void BenchPane(benchmark::State& state, const BarSeries& series)
{
    PaneTarget target(series);
    for (auto _ : state)
        target.Paint();
}

void BenchPan(benchmark::State& state)
{
    PaneTarget target(Minutes());
    double dx = 7;
    for (auto _ : state) {
        target.view.Pan(dx);
        dx = -dx; // back and forth, so the span stays over the bars
        target.Paint();
    }
}

void BenchFloor(benchmark::State& state)
{
    PaneTarget target(Minutes());
    const std::vector<PaneColumn> columns = target.columns.Columns(target.view);
    std::vector<std::pair<int, int>> spans;
    for (const PaneColumn& c : columns)
        spans.emplace_back(static_cast<int>(target.view.YOfPrice(c.high)), static_cast<int>(target.view.YOfPrice(c.low)));
    for (auto _ : state) {
        CPainterSurface dc(target.painter, 1.0, &target.cache);
        dc.SelectPen(Pen{PenStyle::Solid, 1, Colors::Black});
        for (int x = 0; x < kWidth; ++x) {
            const auto& [top, bottom] = spans[static_cast<std::size_t>(x) % spans.size()];
            dc.MoveTo(x, top);
            dc.LineTo(x, bottom + 1);
        }
    }
}

} // namespace

void RegisterPaneBenchmarks()
{
    benchmark::RegisterBenchmark("pane/minute/1000000", BenchPane, std::cref(Minutes()))->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("pane/daily/7800", BenchPane, std::cref(Days()))->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("panepan/minute/1000000", BenchPan)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("panefloor/1600", BenchFloor)->Unit(benchmark::kMillisecond);
}
