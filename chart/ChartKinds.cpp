#include "ChartKinds.h"

#include "DrawHexagon.h"
#include "DrawMasterChart.h"
#include "DrawSquareOfFour.h"
#include "DrawSquareOfNine.h"
#include "DrawWheel.h"
#include "UiText.h"

#include <typeinfo>

namespace {

template <typename Chart>
std::unique_ptr<CBaseDraw> Create()
{
    return std::make_unique<Chart>();
}

template <typename Chart>
bool Holds(const CBaseDraw& chart)
{
    return typeid(chart) == typeid(Chart);
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
        {kSquareOfNine, "nine", UI_TEXT_NOOP("Commands", "九方图"), 10,
         &Create<CDrawSquareOfNine>, &NineCells, &Holds<CDrawSquareOfNine>},
        {kSquareOfFour, "four", UI_TEXT_NOOP("Commands", "四方图"), 10,
         &Create<CDrawSquareOfFour>, &FourCells, &Holds<CDrawSquareOfFour>},
        {kHexagon, "hexagon", UI_TEXT_NOOP("Commands", "六方图"), 11,
         &Create<CDrawHexagon>, &HexagonCells, &Holds<CDrawHexagon>},
        {kWheel, "wheel", UI_TEXT_NOOP("Commands", "24 轮子"), 15,
         &Create<CDrawWheel>, &WheelCells, &Holds<CDrawWheel>},
        {kMasterChart, "master", UI_TEXT_NOOP("Commands", "数字表"), 12,
         &Create<CDrawMasterChart>, &MasterCells, &Holds<CDrawMasterChart>},
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

const ChartKind* FindChartKind(const CBaseDraw& chart)
{
    for (const ChartKind& kind : ChartKinds())
        if (kind.holds(chart))
            return &kind;
    return nullptr;
}
