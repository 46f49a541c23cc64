#include "ChartSlots.h"

#include <stdexcept>
#include <string>

CBaseDraw* CChartSlots::Chart(int kind) const
{
    CBaseDraw* found = nullptr;
    ForEachSlot([&](int k, const auto& slot) {
        if (k == kind)
            found = slot.get();
    });
    return found;
}

CBaseDraw& CChartSlots::Ensure(int kind)
{
    const ChartKind* defaults = FindChartKind(kind);
    if (!defaults)
        throw std::out_of_range("no chart kind " + std::to_string(kind));
    CBaseDraw* chart = nullptr;
    ForEachSlot([&](int k, auto& slot) {
        if (k != kind)
            return;
        if (!slot) {
            slot = std::make_unique<typename std::decay_t<decltype(slot)>::element_type>();
            slot->SetRings(defaults->defaultRings);
            m_baseVersions[static_cast<std::size_t>(kind)] = kCurrentBaseVersion;
        }
        chart = slot.get();
    });
    return *chart;
}

std::unique_ptr<CBaseDraw> CChartSlots::Take(int kind)
{
    std::unique_ptr<CBaseDraw> taken;
    ForEachSlot([&](int k, auto& slot) {
        if (k == kind)
            taken = std::move(slot);
    });
    return taken;
}

void CChartSlots::Clear()
{
    ForEachSlot([](int, auto& slot) { slot.reset(); });
    m_baseVersions.fill(0);
}

bool CChartSlots::Empty() const
{
    bool empty = true;
    ForEachSlot([&](int, const auto& slot) { empty = empty && !slot; });
    return empty;
}

unsigned CChartSlots::BaseVersion(int kind) const
{
    return FindChartKind(kind) ? m_baseVersions[static_cast<std::size_t>(kind)] : 0;
}

void CChartSlots::SetBaseVersion(int kind, unsigned version)
{
    if (FindChartKind(kind))
        m_baseVersions[static_cast<std::size_t>(kind)] = version;
}
