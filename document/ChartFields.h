#pragma once

#include "ChartRecords.h"
#include "StoredFields.h"

#include <type_traits>

// The stored fields of a chart's records, by member name and in the order
// of the chart file, for the archive and for the JSON dump alike; the
// chart's own come from StoredFields.h. f (name, member) is called per field.

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
