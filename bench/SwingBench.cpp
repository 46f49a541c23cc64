// quadrix-swing-bench: swings and angle statistics over a generated market of
// a million one-minute bars, and the clusters of dates projected from 200
// swings of a daily one. Run it alone: `quadrix-swing-bench`; the bounds
// asked are 50 ms for each swing finder, 1 s for the statistics and 0.2 s
// for the clusters.

#include "AngleStats.h"
#include "BarTime.h"
#include "BaseDraw.h"
#include "ChartKinds.h"
#include "Clusters.h"
#include "Swings.h"
#include "TradingDays.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <random>

namespace {

constexpr std::size_t kBars = 1000000;

// The next bar of a seeded random walk at time: it opens at price, closes
// a step away (never below floor), and reaches half a step beyond both.
Bar WalkBar(std::int64_t time, double& price, double floor, std::normal_distribution<double>& step,
            std::mt19937_64& random)
{
    Bar bar;
    bar.time = time;
    bar.open = price;
    price = std::max(floor, price + step(random));
    bar.close = price;
    bar.high = std::max(bar.open, bar.close) + std::fabs(step(random)) / 2;
    bar.low = std::min(bar.open, bar.close) - std::fabs(step(random)) / 2;
    return bar;
}

// A seeded random walk about 100 of one-minute bars, 240 a trading day.
const BarSeries& Minutes()
{
    static const BarSeries series = [] {
        BarSeries s;
        s.intraday = true;
        s.bars.reserve(kBars);
        std::mt19937_64 random(7);
        std::normal_distribution<double> step(0.0, 0.05);
        double price = 100.0;
        const std::int64_t start = *BarTime::Parse("2010-01-04T09:30");
        for (std::size_t i = 0; i < kBars; ++i)
            s.bars.push_back(WalkBar(start + static_cast<std::int64_t>(i / 240) * BarTime::kSecondsPerDay +
                                         static_cast<std::int64_t>(i % 240) * 60,
                                     price, 1.0, step, random));
        return s;
    }();
    return series;
}

void FindAll(benchmark::State& state, const SwingMethod& method)
{
    const BarSeries& series = Minutes();
    std::size_t swings = 0;
    for (auto _ : state)
        swings = FindSwings(series, method).size();
    state.counters["swings"] = static_cast<double>(swings);
}

void ZigZag(benchmark::State& state) { FindAll(state, {SwingMethod::By::Percent, 1.0, 0, 0, 0, false}); }
void Pivots(benchmark::State& state) { FindAll(state, {SwingMethod::By::Pivots, 0, 0, 20, 20, false}); }

// Pivots of 20 bars measured from the lowest low on a 40-ring Square of
// Nine spanning the walk's prices and days, with 10,000 baseline samples.
void Stats(benchmark::State& state)
{
    const BarSeries& series = Minutes();
    const std::vector<Swing> swings = FindSwings(series, {SwingMethod::By::Pivots, 0, 0, 20, 20, false});
    std::unique_ptr<CBaseDraw> chart = FindChartKind("nine")->create();
    chart->SetRings(40);
    chart->m_rcClient = {50, 50, 950, 950};
    chart->m_fStartPrice = 60.0f;
    chart->m_fPriceStep = 0.02f;
    chart->m_tStartTime = 1262534400; // 2010-01-04 local midnight, near enough in any zone
    chart->UpdateLayout();
    AngleStatsOptions options;
    long long hits = 0;
    for (auto _ : state) {
        CSwingCells cells(*chart, *FindChartKind("nine"));
        hits = MeasureAngles(series, swings, cells, options).Value().price.hits;
    }
    state.counters["swings"] = static_cast<double>(swings.size());
    state.counters["price_hits"] = static_cast<double>(hits);
}

// Twenty years of weekdays, a seeded random walk about 100.
BarSeries Days()
{
    BarSeries s;
    std::mt19937_64 random(11);
    std::normal_distribution<double> step(0.0, 1.2);
    double price = 100.0;
    for (std::int64_t day = *BarTime::Parse("2005-01-03") / BarTime::kSecondsPerDay; s.bars.size() < 5200; ++day) {
        if ((day + 3) % 7 >= 5)
            continue;
        s.bars.push_back(WalkBar(day * BarTime::kSecondsPerDay, price, 5.0, step, random));
    }
    return s;
}

// The last 200 swings of pivots of 10 bars, every method with its default
// counts and whole years, on a 60-ring Square of Nine of a day a cell from
// the first bar; clusters of window 1 from the first of them to a year
// after the last bar, so that every projection counts.
void Clusters(benchmark::State& state)
{
    const BarSeries series = Days();
    std::vector<Swing> swings = FindSwings(series, {SwingMethod::By::Pivots, 0, 0, 10, 10, false});
    swings.erase(swings.begin(), swings.end() - std::min<std::ptrdiff_t>(200, swings.size()));
    std::unique_ptr<CBaseDraw> chart = FindChartKind("nine")->create();
    chart->SetRings(60);
    chart->m_rcClient = {50, 50, 950, 950};
    chart->m_fStartPrice = 5.0f;
    chart->m_fPriceStep = 0.1f;
    chart->m_tStartTime = series.bars.front().time;
    chart->UpdateLayout();
    ProjectionOptions options;
    const std::int64_t first = BarDayNumber(swings.front().time);
    const std::int64_t last = BarDayNumber(series.bars.back().time) + 365;
    options.first = first - 2;
    options.last = last + 2;
    std::size_t projections = 0, clusters = 0;
    for (auto _ : state) {
        std::vector<std::int64_t> barDays;
        for (const Bar& bar : series.bars)
            barDays.push_back(BarDayNumber(bar.time));
        const CTradingDays days(std::move(barDays), {});
        const std::vector<Projection> dates = ProjectDates(swings, options, days, *chart, *FindChartKind("nine"));
        projections = dates.size();
        clusters = FindClusters(dates, 1, first, last).size();
    }
    state.counters["swings"] = static_cast<double>(swings.size());
    state.counters["projections"] = static_cast<double>(projections);
    state.counters["clusters"] = static_cast<double>(clusters);
}

} // namespace

BENCHMARK(ZigZag)->Unit(benchmark::kMillisecond);
BENCHMARK(Pivots)->Unit(benchmark::kMillisecond);
BENCHMARK(Stats)->Unit(benchmark::kMillisecond);
BENCHMARK(Clusters)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
