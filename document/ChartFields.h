#pragma once

#include "BaseDraw.h"
#include "ChartRecords.h"

#include <type_traits>

// The stored fields of a chart and of its records, by member name and in
// the order of the chart file, for the archive and for the JSON dump alike.
// Chart is CBaseDraw or const CBaseDraw; f (name, member) is called per field.

// Fields every chart file holds, before the four containers.
template <class Chart, class F>
void VisitLeadingFields(Chart& d, F&& f)
{
    f("m_nRings", d.m_nRings);
    f("m_fStartPrice", d.m_fStartPrice);
    f("m_fPriceStep", d.m_fPriceStep);
    f("m_tStartTime", d.m_tStartTime);
    f("m_nTimeStep", d.m_nTimeStep);
    f("m_fZoom", d.m_fZoom);
    f("m_bClockwise", d.m_bClockwise);
    f("m_bShowCalendarRing", d.m_bShowCalendarRing);
    f("m_bShowAngleRing", d.m_bShowAngleRing);
    f("m_bShowPrice", d.m_bShowPrice);
    f("m_bShowTime", d.m_bShowTime);
    f("m_bShowN", d.m_bShowN);
    f("m_bTimeStandard", d.m_bTimeStandard);
    f("m_bShowDivisions", d.m_bShowDivisions);
    f("m_fDivisionsAngle", d.m_fDivisionsAngle);
    f("m_bShowSquares", d.m_bShowSquares);
    f("m_fSquaresAngle", d.m_fSquaresAngle);
    f("m_bShowTriangle", d.m_bShowTriangle);
    f("m_fTriangleAngle", d.m_fTriangleAngle);
    f("m_nNaturalDecimals", d.m_nNaturalDecimals);
    f("m_nDecimals", d.m_nDecimals);
}

// The four annotation containers.
template <class Chart, class F>
void VisitContainers(Chart& d, F&& f)
{
    f("m_FillCells", d.m_FillCells);
    f("m_Lines", d.m_Lines);
    f("m_TangentCells", d.m_TangentCells);
    f("m_Comments", d.m_Comments);
}

// Fields that only class version 1 of the chart base carries.
template <class Chart, class F>
void VisitTrailingFields(Chart& d, F&& f)
{
    f("m_fAngleRingAngle", d.m_fAngleRingAngle);
    f("m_fCalendarAngle", d.m_fCalendarAngle);
    f("m_bCalendarForward", d.m_bCalendarForward);
    f("m_bAngleForward", d.m_bAngleForward);
    f("m_fSquaresRadius", d.m_fSquaresRadius);
    f("m_fTriangleRadius", d.m_fTriangleRadius);
    f("m_fDivisionsRadius", d.m_fDivisionsRadius);
    f("m_nDivisions", d.m_nDivisions);
}

// Enabled when Record is Kind, const or not.
template <class Record, class Kind>
using EnableForRecord = std::enable_if_t<std::is_same_v<std::remove_const_t<Record>, Kind>>;

template <class Record, class F>
EnableForRecord<Record, Cell_Style> VisitFields(Record& r, F&& f)
{
    f("m_nWidth", r.m_nWidth);
    f("m_crColor", r.m_crColor);
    f("m_bCircle", r.m_bCircle);
    f("m_bShown", r.m_bShown);
}

template <class Record, class F>
EnableForRecord<Record, CLine> VisitFields(Record& r, F&& f)
{
    f("m_nWidth", r.m_nWidth);
    f("m_crColor", r.m_crColor);
    f("m_bArrow", r.m_bArrow);
    f("m_nStartCell", r.m_nStartCell);
    f("m_nEndCell", r.m_nEndCell);
}

// m_nWeight and m_rcBox are not stored.
template <class Record, class F>
EnableForRecord<Record, Comments> VisitFields(Record& r, F&& f)
{
    f("m_strText", r.m_strText);
    f("m_crBack", r.m_crBack);
    f("m_crText", r.m_crText);
    f("m_nHeight", r.m_nHeight);
    f("m_bItalic", r.m_bItalic);
    f("m_strFace", r.m_strFace);
    f("m_nCharSet", r.m_nCharSet);
}
