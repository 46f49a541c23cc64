#pragma once

#include <memory>
#include <string>
#include <vector>

class CBaseDraw;

// The five chart kinds: the view's kind code, the name the command line and
// the JSON form use, the ring count a new chart gets, and how many cells a
// layout of some ring count holds.
struct ChartKind {
    int code = 0; // 1 Square of Nine, 2 Hexagon, 3 Square of Four, 4 Wheel, 5 Master chart
    std::string name;
    int defaultRings = 10;
    std::unique_ptr<CBaseDraw> (*create)() = nullptr;
    // Cells of the layout at the given ring count (as the user counts rings).
    long long (*cellCount)(int rings) = nullptr;
};

const std::vector<ChartKind>& ChartKinds();
// The kind of that name or code, or nullptr.
const ChartKind* FindChartKind(const std::string& name);
const ChartKind* FindChartKind(int code);
