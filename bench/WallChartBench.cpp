// Wall chart benchmarks: wallchart/one writes the 40-ring Square of Nine of
// the paint benchmarks as a one-page PDF, wallchart/4x4 writes it over 4 x 4
// A4 pages, and wallchart/empty writes a PDF of one page with nothing on it.
// The pages should cost less than twice the one page plus sixteen empty ones.

#include "BenchScene.h"
#include "Benchmarks.h"
#include "ChartExport.h"
#include "PictureRegion.h"
#include "TiledPdf.h"
#include "WallChart.h"

#include "BaseDraw.h"
#include "ChartKinds.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace {

// The bench chart's picture.
constexpr int kSide = 2000;

struct WallScene {
    WallScene()
        : chart(MakeBenchChart(ChartKinds().front(), 40))
        , region(PictureRegion(*chart, Size{kSide, kSide}, 1.0))
        , path(folder.filePath(QStringLiteral("wall.pdf")).toStdString())
    {
    }

    std::unique_ptr<CBaseDraw> chart;
    Rect region;
    QTemporaryDir folder;
    std::string path;
};

void Written(benchmark::State& state, bool ok, const std::string& error)
{
    if (!ok)
        state.SkipWithError(error.c_str());
}

void BenchOnePage(benchmark::State& state)
{
    WallScene scene;
    std::string error;
    for (auto _ : state)
        Written(state, ExportChart(*scene.chart, scene.path, scene.region, 1.0, error), error);
}

void BenchPages(benchmark::State& state)
{
    WallScene scene;
    const Sheet sheet{*CPageGrid::FindPaper("A4", false)};
    const WallChart wall{ChartPicture(*scene.chart), CPageGrid::OnPages(scene.region, sheet, 4, 4).Value(), false, {}};
    std::string error;
    for (auto _ : state)
        Written(state, ExportTiledPdf(wall, scene.path, error), error);
}

void BenchEmptyPage(benchmark::State& state)
{
    WallScene scene;
    const Sheet sheet{*CPageGrid::FindPaper("A4", false)};
    const WallChart wall{{"", [](CDrawSurface&) {}}, CPageGrid::OnPages(scene.region, sheet, 1, 1).Value(), false, {}};
    std::string error;
    for (auto _ : state)
        Written(state, ExportTiledPdf(wall, scene.path, error), error);
}

} // namespace

void RegisterWallChartBenchmarks()
{
    benchmark::RegisterBenchmark("wallchart/one", BenchOnePage)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("wallchart/4x4", BenchPages)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("wallchart/empty", BenchEmptyPage)->Unit(benchmark::kMillisecond);
}
