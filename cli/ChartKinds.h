#pragma once

#include <memory>
#include <string>
#include <vector>

class CBaseDraw;

// The chart kinds the command line knows, by the names its --kind takes.
struct ChartKind {
    std::string name;
    int defaultRings = 10;
    std::unique_ptr<CBaseDraw> (*create)() = nullptr;
    // Cells of the layout at the given ring count (as the user counts rings).
    long long (*cellCount)(int rings) = nullptr;
};

const std::vector<ChartKind>& ChartKinds();
// The kind of that name, or nullptr.
const ChartKind* FindChartKind(const std::string& name);
