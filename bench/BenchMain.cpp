// quadrix-bench: paint, file, start-up, pointer and price pane benchmarks in one executable.

#include "Benchmarks.h"
#include "ProcessMemory.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ProcessMemory::NoteIdle();
    RegisterPaintBenchmarks();
    RegisterFrameBenchmarks();
    RegisterFileBenchmarks();
    RegisterStartupBenchmarks();
    RegisterPointerBenchmarks();
    RegisterPaneBenchmarks();
    RegisterWallChartBenchmarks();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
