#pragma once

#include "DrawHexagon.h"
#include "DrawMasterChart.h"
#include "DrawSquareOfFour.h"
#include "DrawSquareOfNine.h"
#include "DrawWheel.h"

#include <array>
#include <memory>
#include <tuple>

// Kind codes of the chart set: those of the view's kind switch.
enum ChartKindCode : int {
    kNoChartKind = 0,
    kSquareOfNine = 1,
    kHexagon = 2,
    kSquareOfFour = 3,
    kWheel = 4,
    kMasterChart = 5,
};

// The five optional charts of a chart set, one slot per kind, kept in the
// order in which chart files hold them, with the class version of the chart
// base that each loaded chart was read at.
class CChartSlots {
public:
    static constexpr int kKindCount = 5;
    // Kind codes in file order.
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

    // The CLI and JSON name of a kind ("nine", "four", "hexagon", "wheel",
    // "master"), or nullptr; and the kind of a name, or kNoChartKind.
    static const char* KindName(int kind);
    static int KindOfName(const std::string& name);

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
