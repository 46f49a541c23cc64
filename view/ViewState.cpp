#include "ViewState.h"

#include "BaseDraw.h"

bool CViewState::FlipLabel(bool& flipped, bool other1, bool other2, bool other3)
{
    if (!other1 && !other2 && !other3)
        return false;
    flipped = !flipped;
    return true;
}

bool CViewState::FlipPrice() { return FlipLabel(m_bShowPrice, m_bShowTime, m_bShowN, m_bTimeStandard); }

bool CViewState::FlipTime() { return FlipLabel(m_bShowTime, m_bShowPrice, m_bShowN, m_bTimeStandard); }

bool CViewState::FlipN() { return FlipLabel(m_bShowN, m_bShowPrice, m_bShowTime, m_bTimeStandard); }

void CViewState::FlipTimeStandard()
{
    m_bTimeStandard = !m_bTimeStandard;
    if (m_bTimeStandard) {
        m_bShowPrice = false;
        m_bShowTime = false;
        m_bShowN = true;
    } else if (!m_bShowPrice && !m_bShowTime && !m_bShowN) {
        m_bShowPrice = true;
    }
}

bool CViewState::ChoosePeriod(int period)
{
    if (period == m_nPeriod)
        return false;
    m_nPeriod = period;
    return true;
}

void CViewState::ChooseDecimals(int digits) { m_nDecimals = digits == m_nDecimals ? -1 : digits; }

void CViewState::ChooseTool(int tool) { m_nTool = tool == m_nTool ? 0 : tool; }

void CViewState::CopyToChart(CBaseDraw& chart, float zoom) const
{
    chart.m_fZoom = zoom;
    chart.m_nPeriod = m_nPeriod;
    chart.m_bClockwise = m_bClockwise;
    chart.m_bShowCalendarRing = m_bShowCalendarRing;
    chart.m_bShowAngleRing = m_bShowAngleRing;
    chart.m_bShowPrice = m_bShowPrice;
    chart.m_bShowTime = m_bShowTime;
    chart.m_bShowN = m_bShowN;
    chart.m_bTimeStandard = m_bTimeStandard;
    chart.m_bShowSquares = m_bShowSquares ? 1 : 0;
    chart.m_bShowTriangle = m_bShowTriangle ? 1 : 0;
    chart.m_bShowDivisions = m_bShowDivisions ? 1 : 0;
    chart.m_nTool = m_nTool;
}

void CViewState::CopyFromChart(const CBaseDraw& chart)
{
    m_nPeriod = chart.m_nPeriod;
    m_nDecimals = chart.m_nDecimals;
    m_bClockwise = chart.m_bClockwise;
    m_bShowCalendarRing = chart.m_bShowCalendarRing;
    m_bShowAngleRing = chart.m_bShowAngleRing;
    m_bShowPrice = chart.m_bShowPrice;
    m_bShowTime = chart.m_bShowTime;
    m_bShowN = chart.m_bShowN;
    m_bTimeStandard = chart.m_bTimeStandard;
    m_bShowSquares = chart.m_bShowSquares != 0;
    m_bShowTriangle = chart.m_bShowTriangle != 0;
    m_bShowDivisions = chart.m_bShowDivisions != 0;
    m_nTool = chart.m_nTool;
}
