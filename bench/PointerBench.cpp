// Pointer benchmarks: pointer/KIND/1000 times what the window does for one
// pointer move over the largest chart of each kind: find the cell under the
// pointer and compose the status bar's text, over points spread across the
// chart.

#include "Benchmarks.h"

#include "BaseDraw.h"
#include "CellFacts.h"
#include "ChartKinds.h"
#include "PointerStatus.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

// Room for a cell of at least one unit on every kind at the most rings.
constexpr int kSide = 6000;
constexpr int kPoints = 997;

// Points along the chart's diagonal and its middle row.
std::vector<Point> SweepOf(const Rect& rc)
{
    std::vector<Point> points;
    for (int i = 0; i < kPoints; ++i) {
        const int x = rc.left + static_cast<int>(static_cast<long long>(rc.right - rc.left) * i / kPoints);
        const int y = rc.top + static_cast<int>(static_cast<long long>(rc.bottom - rc.top) * i / kPoints);
        points.push_back({x, y});
        points.push_back({x, (rc.top + rc.bottom) / 2});
    }
    return points;
}

void BenchPointer(benchmark::State& state, const ChartKind& kind)
{
    std::unique_ptr<CBaseDraw> chart = kind.create();
    chart->SetRings(CBaseDraw::kMaxRings);
    chart->m_rcClient = {0, 0, kSide, kSide};
    chart->m_szCanvas = {kSide, kSide};
    chart->m_bShowTime = true;
    const std::vector<Point> points = SweepOf(chart->ChartRect());
    long long onCells = 0;
    for (auto _ : state) {
        for (const Point pt : points) {
            const int n = CellAt(*chart, kind, pt);
            const PointerStatus status = DescribePointer(
                n == 0 ? std::nullopt : std::optional<CellFacts>(FactsOfCell(*chart, kind, n)), 1.0f);
            onCells += n != 0;
            benchmark::DoNotOptimize(status);
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<long long>(points.size()));
    state.counters["on_cells"] =
        static_cast<double>(onCells) / static_cast<double>(state.iterations() * points.size());
}

} // namespace

void RegisterPointerBenchmarks()
{
    for (const ChartKind& kind : ChartKinds())
        benchmark::RegisterBenchmark(("pointer/" + kind.name + "/" + std::to_string(CBaseDraw::kMaxRings)).c_str(),
                                     BenchPointer, kind)
            ->Unit(benchmark::kMicrosecond);
}
