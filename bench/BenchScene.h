#pragma once

#include <memory>
#include <vector>

class CBaseDraw;

struct ChartKind;

// The ring counts the paint benchmarks run a kind at: its default and 40.
std::vector<int> BenchRings(const ChartKind& kind);

// A chart of kind at rings set up as the benchmarks paint it: a 2000-unit
// picture at zoom 1, price, date and number labels, both outer rings, the
// three overlays, 1,000 fills, 1,000 lines and 200 notes spread over the cells.
std::unique_ptr<CBaseDraw> MakeBenchChart(const ChartKind& kind, int rings);
