#include "ChartKinds.h"

#include "DrawMasterChart.h"
#include "DrawSquareOfFour.h"
#include "DrawSquareOfNine.h"

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

long long MasterCells(int rings) { return static_cast<long long>(rings) * rings; }

} // namespace

const std::vector<ChartKind>& ChartKinds()
{
    static const std::vector<ChartKind> kinds = {
        {"nine", 10, &Create<CDrawSquareOfNine>, &NineCells},
        {"four", 10, &Create<CDrawSquareOfFour>, &FourCells},
        {"master", 12, &Create<CDrawMasterChart>, &MasterCells},
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
