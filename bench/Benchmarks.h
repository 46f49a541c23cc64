#pragma once

// The benchmark groups of quadrix-bench, registered in this order so that the
// paints' memory peaks are read before anything larger has run.
void RegisterPaintBenchmarks();
void RegisterFrameBenchmarks();
void RegisterFileBenchmarks();
void RegisterStartupBenchmarks();
void RegisterPointerBenchmarks();
void RegisterPaneBenchmarks();
void RegisterWallChartBenchmarks();
