#include "ChartState.h"

CChartState CChartState::Capture(const CBaseDraw& chart)
{
    CChartState state;
    ForEachPart([&](auto i) { std::get<i>(state.m_parts).emplace().Capture(chart); });
    return state;
}

void CChartState::Restore(CBaseDraw& chart) const
{
    ForEachPart([&](auto i) {
        if (const auto& part = std::get<i>(m_parts))
            part->Restore(chart);
    });
}

CChartState::Parts CChartState::Differing(const CChartState& other) const
{
    Parts differing;
    ForEachPart([&](auto i) {
        const auto& mine = std::get<i>(m_parts);
        const auto& theirs = std::get<i>(other.m_parts);
        differing[i] = mine && theirs && !mine->Same(*theirs);
    });
    return differing;
}

void CChartState::Keep(Parts keep)
{
    ForEachPart([&](auto i) {
        if (!keep[i])
            std::get<i>(m_parts).reset();
    });
}
