#include "ChartState.h"

#include "BaseDraw.h"
#include "StoredFields.h"

#include <cstring>
#include <type_traits>

namespace {

template <class T>
bool SameValue(const T& a, const T& b)
{
    if constexpr (std::is_floating_point_v<T>)
        return std::memcmp(&a, &b, sizeof a) == 0;
    else
        return a == b;
}

// Calls f (field, part) for every field that belongs to an undo part.
template <class F>
void ForEachPartField(F&& f)
{
    StoredFields::ForEach([&f](const auto& field) {
        if (field.part)
            f(field, *field.part);
    });
}

} // namespace

CChartState CChartState::Capture(const CBaseDraw& chart)
{
    CChartState state;
    state.m_data = chart;
    state.m_held.set();
    return state;
}

void CChartState::Restore(CBaseDraw& chart) const
{
    ForEachPartField([&](const auto& field, Part part) {
        if (m_held[part])
            chart.*field.member = m_data.*field.member;
    });
}

CChartState::Parts CChartState::Differing(const CChartState& other) const
{
    Parts differing;
    ForEachPartField([&](const auto& field, Part part) {
        if (m_held[part] && other.m_held[part] && !SameValue(m_data.*field.member, other.m_data.*field.member))
            differing.set(part);
    });
    return differing;
}

void CChartState::Keep(Parts keep)
{
    m_held &= keep;
    ForEachPartField([&](const auto& field, Part part) {
        if (!m_held[part])
            m_data.*field.member = {};
    });
}
