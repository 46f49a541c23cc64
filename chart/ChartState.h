#pragma once

#include "BaseDraw.h"

#include <bitset>
#include <cstddef>
#include <cstring>
#include <optional>
#include <tuple>
#include <type_traits>
#include <utility>

// What a chart file keeps of one chart, but its zoom, in parts that change
// together: the marks (fills and tangent marks), the lines, the notes, the
// overlays' angles and radii, the rings' angles, the rings' directions, the
// chart properties and the stored display switches. A state may hold only
// some parts; restoring it sets those and leaves the rest of the chart alone,
// so that an undo step keeps only what it changed.
class CChartState {
public:
    enum Part { Marks, Lines, Notes, Overlays, RingAngles, RingDirections, Properties, Display, PartCount };
    using Parts = std::bitset<PartCount>;

    // Every part of chart as it stands.
    static CChartState Capture(const CBaseDraw& chart);
    // Sets the parts this state holds into chart.
    void Restore(CBaseDraw& chart) const;
    // The parts held by both that differ. Numbers are compared by their bits,
    // so that a NaN a file holds equals itself and -0 differs from 0.
    Parts Differing(const CChartState& other) const;
    // Drops every part not in keep.
    void Keep(Parts keep);

private:
    // The values of some chart members, in the order given.
    template <auto... Members>
    struct Fields {
        std::tuple<std::remove_reference_t<decltype(std::declval<CBaseDraw&>().*Members)>...> values;

        void Capture(const CBaseDraw& c) { values = {c.*Members...}; }
        void Restore(CBaseDraw& c) const
        {
            std::apply([&c](const auto&... v) { ((c.*Members = v), ...); }, values);
        }
        bool Same(const Fields& other) const { return SameTuple(values, other.values); }
    };

    template <class T>
    static bool SameValue(const T& a, const T& b)
    {
        if constexpr (std::is_floating_point_v<T>)
            return std::memcmp(&a, &b, sizeof a) == 0;
        else
            return a == b;
    }
    template <class Tuple, std::size_t... I>
    static bool SameEach(const Tuple& a, const Tuple& b, std::index_sequence<I...>)
    {
        return (SameValue(std::get<I>(a), std::get<I>(b)) && ...);
    }
    template <class... T>
    static bool SameTuple(const std::tuple<T...>& a, const std::tuple<T...>& b)
    {
        return SameEach(a, b, std::index_sequence_for<T...>());
    }

    // Calls f (std::integral_constant of i) for every part index i.
    template <class F, std::size_t... I>
    static void ForEachIndex(F&& f, std::index_sequence<I...>)
    {
        (f(std::integral_constant<std::size_t, I>()), ...);
    }
    template <class F>
    static void ForEachPart(F&& f)
    {
        ForEachIndex(f, std::make_index_sequence<PartCount>());
    }

    using D = CBaseDraw;
    std::tuple<std::optional<Fields<&D::m_FillCells, &D::m_TangentCells>>, std::optional<Fields<&D::m_Lines>>,
        std::optional<Fields<&D::m_Comments>>,
        std::optional<Fields<&D::m_fSquaresAngle, &D::m_fSquaresRadius, &D::m_fTriangleAngle, &D::m_fTriangleRadius,
            &D::m_fDivisionsAngle, &D::m_fDivisionsRadius>>,
        std::optional<Fields<&D::m_fCalendarAngle, &D::m_fAngleRingAngle>>,
        std::optional<Fields<&D::m_bCalendarForward, &D::m_bAngleForward>>,
        std::optional<Fields<&D::m_nRings, &D::m_fStartPrice, &D::m_fPriceStep, &D::m_tStartTime, &D::m_nTimeStep,
            &D::m_nNaturalDecimals, &D::m_nDivisions>>,
        std::optional<Fields<&D::m_bClockwise, &D::m_bShowCalendarRing, &D::m_bShowAngleRing, &D::m_bShowPrice,
            &D::m_bShowTime, &D::m_bShowN, &D::m_bTimeStandard, &D::m_bShowDivisions, &D::m_bShowSquares,
            &D::m_bShowTriangle, &D::m_nDecimals>>>
        m_parts;
};
