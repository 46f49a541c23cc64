#include "ChartSlots.h"

#include <stdexcept>
#include <string>

namespace {

// What the view sets on a chart it creates: the ring count in the kind's own
// convention (the Square of Nine through SetRings), then start and step.
struct KindDefaults {
    int kind;
    const char* name;
    int rings;
};

constexpr KindDefaults kKinds[] = {
    {kSquareOfNine, "nine", 10}, {kHexagon, "hexagon", 11}, {kSquareOfFour, "four", 10},
    {kWheel, "wheel", 15},       {kMasterChart, "master", 12},
};

const KindDefaults* FindKind(int kind)
{
    for (const KindDefaults& k : kKinds)
        if (k.kind == kind)
            return &k;
    return nullptr;
}

} // namespace

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
    const KindDefaults* defaults = FindKind(kind);
    if (!defaults)
        throw std::out_of_range("no chart kind " + std::to_string(kind));
    CBaseDraw* chart = nullptr;
    ForEachSlot([&](int k, auto& slot) {
        if (k != kind)
            return;
        if (!slot) {
            slot = std::make_unique<typename std::decay_t<decltype(slot)>::element_type>();
            if (kind == kSquareOfNine)
                slot->SetRings(defaults->rings);
            else
                slot->m_nRings = defaults->rings;
            slot->m_fStartPrice = 1.0f;
            slot->m_fPriceStep = 1.0f;
            m_baseVersions[static_cast<std::size_t>(kind)] = kCurrentBaseVersion;
        }
        chart = slot.get();
    });
    return *chart;
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
    return FindKind(kind) ? m_baseVersions[static_cast<std::size_t>(kind)] : 0;
}

void CChartSlots::SetBaseVersion(int kind, unsigned version)
{
    if (FindKind(kind))
        m_baseVersions[static_cast<std::size_t>(kind)] = version;
}

const char* CChartSlots::KindName(int kind)
{
    const KindDefaults* k = FindKind(kind);
    return k ? k->name : nullptr;
}

int CChartSlots::KindOfName(const std::string& name)
{
    for (const KindDefaults& k : kKinds)
        if (name == k.name)
            return k.kind;
    return kNoChartKind;
}
