#include "ChartKinds.h"

#include "DrawHexagon.h"
#include "DrawMasterChart.h"
#include "DrawSquareOfFour.h"
#include "DrawSquareOfNine.h"
#include "DrawWheel.h"

namespace {

template <typename Chart>
std::unique_ptr<CBaseDraw> Create()
{
    return std::make_unique<Chart>();
}

long long NineCells(int rings)
{
    const long long side = 2LL * rings + 1;
    return side * side;
}

long long FourCells(int rings)
{
    const long long side = 2LL * rings + 2;
    return side * side;
}

long long HexagonCells(int rings) { return 3LL * rings * (rings + 1); }

long long WheelCells(int rings) { return 24LL * rings; }

long long MasterCells(int rings) { return static_cast<long long>(rings) * rings; }

} // namespace

const std::vector<ChartKind>& ChartKinds()
{
    static const std::vector<ChartKind> kinds = {
        {kSquareOfNine, "nine", 10, &Create<CDrawSquareOfNine>, &NineCells},
        {kSquareOfFour, "four", 10, &Create<CDrawSquareOfFour>, &FourCells},
        {kHexagon, "hexagon", 11, &Create<CDrawHexagon>, &HexagonCells},
        {kWheel, "wheel", 15, &Create<CDrawWheel>, &WheelCells},
        {kMasterChart, "master", 12, &Create<CDrawMasterChart>, &MasterCells},
    };
    return kinds;
}

const ChartKind* FindChartKind(const std::string& name)
{
    for (const ChartKind& kind : ChartKinds())
        if (kind.name == name)
            return &kind;
    return nullptr;
}

const ChartKind* FindChartKind(int code)
{
    for (const ChartKind& kind : ChartKinds())
        if (kind.code == code)
            return &kind;
    return nullptr;
}
