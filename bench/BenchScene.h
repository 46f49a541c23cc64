#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

class CBaseDraw;

// A chart kind the paint benchmarks know by name, with the ring counts they
// run it at.
struct BenchKind {
    std::string name;                                  // "nine": benchmarks paint/nine/RINGS
    std::function<std::unique_ptr<CBaseDraw>()> make;
    std::function<long long(int rings)> cellCount;
    std::vector<int> rings;
};

const std::vector<BenchKind>& BenchKinds();

// A chart of kind at rings set up as the benchmarks paint it: a 2000-unit
// picture at zoom 1, price, date and number labels, both outer rings, the
// three overlays, 1,000 fills, 1,000 lines and 200 notes spread over the cells.
std::unique_ptr<CBaseDraw> MakeBenchChart(const BenchKind& kind, int rings);
