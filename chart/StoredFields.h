#pragma once

#include "ChartState.h"
#include "StoredChartData.h"

#include <optional>
#include <tuple>

// Where a stored field stands in the chart file: before the four annotation
// containers, among them, or after them. Files of the chart base's class
// version 0 end with the containers.
enum class FileSection { Leading, Containers, Trailing };

// One stored field: the member, its name in the file's JSON form, its
// section, and the undo part it changes with (none for the zoom, which
// is the view's: changing it is neither an edit nor unsaved work).
template <auto Member>
struct StoredField {
    static constexpr auto member = Member;
    const char* name;
    FileSection section;
    std::optional<CChartState::Part> part;
};

// Every member of StoredChartData, in the order of the chart file. The
// archive, the JSON form and the undo capture all read this list, so a field
// added here is saved, dumped and undone alike.
namespace StoredFields {
using S = StoredChartData;
using CS = CChartState;
constexpr FileSection kLead = FileSection::Leading;
constexpr FileSection kTrail = FileSection::Trailing;

inline constexpr auto kList = std::make_tuple(
    StoredField<&S::m_nRings> {"m_nRings", kLead, CS::Properties},
    StoredField<&S::m_fStartPrice> {"m_fStartPrice", kLead, CS::Properties},
    StoredField<&S::m_fPriceStep> {"m_fPriceStep", kLead, CS::Properties},
    StoredField<&S::m_tStartTime> {"m_tStartTime", kLead, CS::Properties},
    StoredField<&S::m_nTimeStep> {"m_nTimeStep", kLead, CS::Properties},
    StoredField<&S::m_fZoom> {"m_fZoom", kLead, std::nullopt},
    StoredField<&S::m_bClockwise> {"m_bClockwise", kLead, CS::Display},
    StoredField<&S::m_bShowCalendarRing> {"m_bShowCalendarRing", kLead, CS::Display},
    StoredField<&S::m_bShowAngleRing> {"m_bShowAngleRing", kLead, CS::Display},
    StoredField<&S::m_bShowPrice> {"m_bShowPrice", kLead, CS::Display},
    StoredField<&S::m_bShowTime> {"m_bShowTime", kLead, CS::Display},
    StoredField<&S::m_bShowN> {"m_bShowN", kLead, CS::Display},
    StoredField<&S::m_bTimeStandard> {"m_bTimeStandard", kLead, CS::Display},
    StoredField<&S::m_bShowDivisions> {"m_bShowDivisions", kLead, CS::Display},
    StoredField<&S::m_fDivisionsAngle> {"m_fDivisionsAngle", kLead, CS::Overlays},
    StoredField<&S::m_bShowSquares> {"m_bShowSquares", kLead, CS::Display},
    StoredField<&S::m_fSquaresAngle> {"m_fSquaresAngle", kLead, CS::Overlays},
    StoredField<&S::m_bShowTriangle> {"m_bShowTriangle", kLead, CS::Display},
    StoredField<&S::m_fTriangleAngle> {"m_fTriangleAngle", kLead, CS::Overlays},
    StoredField<&S::m_nNaturalDecimals> {"m_nNaturalDecimals", kLead, CS::Properties},
    StoredField<&S::m_nDecimals> {"m_nDecimals", kLead, CS::Display},
    StoredField<&S::m_FillCells> {"m_FillCells", FileSection::Containers, CS::Marks},
    StoredField<&S::m_Lines> {"m_Lines", FileSection::Containers, CS::Lines},
    StoredField<&S::m_TangentCells> {"m_TangentCells", FileSection::Containers, CS::Marks},
    StoredField<&S::m_Comments> {"m_Comments", FileSection::Containers, CS::Notes},
    StoredField<&S::m_fAngleRingAngle> {"m_fAngleRingAngle", kTrail, CS::RingAngles},
    StoredField<&S::m_fCalendarAngle> {"m_fCalendarAngle", kTrail, CS::RingAngles},
    StoredField<&S::m_bCalendarForward> {"m_bCalendarForward", kTrail, CS::RingDirections},
    StoredField<&S::m_bAngleForward> {"m_bAngleForward", kTrail, CS::RingDirections},
    StoredField<&S::m_fSquaresRadius> {"m_fSquaresRadius", kTrail, CS::Overlays},
    StoredField<&S::m_fTriangleRadius> {"m_fTriangleRadius", kTrail, CS::Overlays},
    StoredField<&S::m_fDivisionsRadius> {"m_fDivisionsRadius", kTrail, CS::Overlays},
    StoredField<&S::m_nDivisions> {"m_nDivisions", kTrail, CS::Properties});

// Calls f (field) for every field of the list, in file order.
template <class F>
void ForEach(F&& f)
{
    std::apply([&f](const auto&... field) { (f(field), ...); }, kList);
}

// Calls f (name, member of chart) for the fields of one section, in file
// order. Chart is a stored chart or a chart, const or not.
template <class Chart, class F>
void VisitSection(FileSection section, Chart& chart, F&& f)
{
    ForEach([&](const auto& field) {
        if (field.section == section)
            f(field.name, chart.*field.member);
    });
}
} // namespace StoredFields

// The three sections as the archive and the JSON form visit them.
template <class Chart, class F>
void VisitLeadingFields(Chart& chart, F&& f)
{
    StoredFields::VisitSection(FileSection::Leading, chart, f);
}

template <class Chart, class F>
void VisitContainers(Chart& chart, F&& f)
{
    StoredFields::VisitSection(FileSection::Containers, chart, f);
}

template <class Chart, class F>
void VisitTrailingFields(Chart& chart, F&& f)
{
    StoredFields::VisitSection(FileSection::Trailing, chart, f);
}
