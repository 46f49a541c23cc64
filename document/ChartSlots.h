#pragma once

#include "ChartKinds.h"
#include "DrawHexagon.h"
#include "DrawMasterChart.h"
#include "DrawSquareOfFour.h"
#include "DrawSquareOfNine.h"
#include "DrawWheel.h"

#include <array>
#include <memory>
#include <tuple>

// The five optional charts of a chart set, one slot per kind, kept in the
// order in which chart files hold them, with the class version of the chart
// base that each loaded chart was read at.
class CChartSlots {
public:
    static constexpr int kKindCount = kChartKindCount;
    // Kind codes in file order, the order of the slots' classes below.
    static constexpr std::array<int, kKindCount> kFileOrder
        = {kMasterChart, kSquareOfFour, kSquareOfNine, kHexagon, kWheel};
    // The version of the chart base that files are written with.
    static constexpr unsigned kCurrentBaseVersion = 1;

    // The chart in that kind's slot, or nullptr (also for unknown kinds).
    CBaseDraw* Chart(int kind) const;
    // The chart in that kind's slot; an empty slot first receives a new chart
    // with the kind's ring count (through SetRings, which for the Square of
    // Nine stores rings + 1), start price 1 and price step 1.
    CBaseDraw& Ensure(int kind);
    // Hands over the chart of that kind, leaving its slot empty.
    std::unique_ptr<CBaseDraw> Take(int kind);
    void Clear();
    bool Empty() const;

    unsigned BaseVersion(int kind) const;
    void SetBaseVersion(int kind, unsigned version);

    // Calls f (kind, slot) for each slot in file order, the slot being the
    // std::unique_ptr of its concrete class.
    template <class F>
    void ForEachSlot(F&& f)
    {
        ForEach(*this, f);
    }
    template <class F>
    void ForEachSlot(F&& f) const
    {
        ForEach(*this, f);
    }

private:
    template <class Self, class F>
    static void ForEach(Self& self, F& f)
    {
        std::apply(
            [&](auto&... slot) {
                std::size_t i = 0;
                (f(kFileOrder[i++], slot), ...);
            },
            self.m_slots);
    }

    std::tuple<std::unique_ptr<CDrawMasterChart>, std::unique_ptr<CDrawSquareOfFour>,
        std::unique_ptr<CDrawSquareOfNine>, std::unique_ptr<CDrawHexagon>, std::unique_ptr<CDrawWheel>>
        m_slots;
    std::array<unsigned, kKindCount + 1> m_baseVersions {};
};
