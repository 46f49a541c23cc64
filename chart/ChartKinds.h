#pragma once

#include <memory>
#include <string>
#include <vector>

class CBaseDraw;

// Kind codes of the chart set and the window's kind switch.
enum ChartKindCode : int {
    kNoChartKind = 0,
    kSquareOfNine = 1,
    kHexagon = 2,
    kSquareOfFour = 3,
    kWheel = 4,
    kMasterChart = 5,
};
constexpr int kChartKindCount = 5;

// The five chart kinds: the kind code, the name the command line and the
// JSON form use, the ring count a new chart gets, and how many cells a
// layout of some ring count holds.
struct ChartKind {
    ChartKindCode code = kNoChartKind;
    std::string name;
    int defaultRings = 10;
    std::unique_ptr<CBaseDraw> (*create)() = nullptr;
    // Cells of the layout at the given ring count (as the user counts rings),
    // which are also the last number of that ring.
    long long (*cellCount)(int rings) = nullptr;
};

const std::vector<ChartKind>& ChartKinds();
// The kind of that name ("nine", "four", "hexagon", "wheel", "master") or
// code, or nullptr.
const ChartKind* FindChartKind(const std::string& name);
const ChartKind* FindChartKind(int code);
