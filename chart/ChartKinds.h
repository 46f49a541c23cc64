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
// JSON form use, the name the interface shows, the ring count a new chart
// gets, how many cells a layout of some ring count holds, and which charts
// are of the kind.
struct ChartKind {
    ChartKindCode code = kNoChartKind;
    std::string name;
    const char* title = ""; // a key of UiText in the context "Commands", as the kind menu has it
    int defaultRings = 10;
    std::unique_ptr<CBaseDraw> (*create)() = nullptr;
    // Cells of the layout at the given ring count (as the user counts rings),
    // which are also the last number of that ring.
    long long (*cellCount)(int rings) = nullptr;
    bool (*holds)(const CBaseDraw& chart) = nullptr;
};

const std::vector<ChartKind>& ChartKinds();
// The kind of that name ("nine", "four", "hexagon", "wheel", "master") or
// code, or nullptr.
const ChartKind* FindChartKind(const std::string& name);
const ChartKind* FindChartKind(int code);
// The kind chart is of, or nullptr for a chart of none of the five.
const ChartKind* FindChartKind(const CBaseDraw& chart);
