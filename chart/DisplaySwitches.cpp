#include "DisplaySwitches.h"

#include "BaseDraw.h"
#include "UiText.h"

namespace {

constexpr DisplaySwitch kOverlays[] = {DisplaySwitch::Squares, DisplaySwitch::Triangle, DisplaySwitch::Divisions};

void Set(CBaseDraw& c, DisplaySwitch which, bool on)
{
    switch (which) {
    case DisplaySwitch::CalendarRing: c.m_bShowCalendarRing = on; return;
    case DisplaySwitch::AngleRing: c.m_bShowAngleRing = on; return;
    case DisplaySwitch::Price: c.m_bShowPrice = on; return;
    case DisplaySwitch::Time: c.m_bShowTime = on; return;
    case DisplaySwitch::N: c.m_bShowN = on; return;
    case DisplaySwitch::TimeStandard: c.m_bTimeStandard = on; return;
    case DisplaySwitch::Clockwise: c.m_bClockwise = on; return;
    case DisplaySwitch::Squares: c.m_bShowSquares = on ? 1 : 0; return;
    case DisplaySwitch::Triangle: c.m_bShowTriangle = on ? 1 : 0; return;
    case DisplaySwitch::Divisions: c.m_bShowDivisions = on ? 1 : 0; return;
    }
}

bool IsPlainLabel(DisplaySwitch which)
{
    return which == DisplaySwitch::Price || which == DisplaySwitch::Time || which == DisplaySwitch::N;
}

// Whether a label switch other than which is on.
bool OtherLabelOn(const CBaseDraw& c, DisplaySwitch which)
{
    return (which != DisplaySwitch::Price && c.m_bShowPrice) || (which != DisplaySwitch::Time && c.m_bShowTime)
        || (which != DisplaySwitch::N && c.m_bShowN) || (which != DisplaySwitch::TimeStandard && c.m_bTimeStandard);
}

void FollowTimeStandard(CBaseDraw& c)
{
    if (c.m_bTimeStandard) {
        c.m_bShowPrice = false;
        c.m_bShowTime = false;
        c.m_bShowN = true;
    } else if (!c.m_bShowPrice && !c.m_bShowTime && !c.m_bShowN) {
        c.m_bShowPrice = true;
    }
}

} // namespace

namespace DisplaySwitches {

const char* Text(DisplaySwitch which)
{
    switch (which) {
    case DisplaySwitch::CalendarRing: return UI_TEXT_NOOP("Commands", "显示【日历】外环");
    case DisplaySwitch::AngleRing: return UI_TEXT_NOOP("Commands", "显示【角度】外环");
    case DisplaySwitch::Price: return UI_TEXT_NOOP("Commands", "显示【价格】");
    case DisplaySwitch::Time: return UI_TEXT_NOOP("Commands", "显示【时间】");
    case DisplaySwitch::N: return UI_TEXT_NOOP("Commands", "显示【N】");
    case DisplaySwitch::TimeStandard: return UI_TEXT_NOOP("Commands", "Orvo时间标准图");
    case DisplaySwitch::Clockwise: return UI_TEXT_NOOP("Commands", "顺时针");
    case DisplaySwitch::Squares: return UI_TEXT_NOOP("Commands", "4方");
    case DisplaySwitch::Triangle: return UI_TEXT_NOOP("Commands", "三角");
    case DisplaySwitch::Divisions: break;
    }
    return UI_TEXT_NOOP("Commands", "8分");
}

bool IsOn(const CBaseDraw& c, DisplaySwitch which)
{
    switch (which) {
    case DisplaySwitch::CalendarRing: return c.m_bShowCalendarRing;
    case DisplaySwitch::AngleRing: return c.m_bShowAngleRing;
    case DisplaySwitch::Price: return c.m_bShowPrice;
    case DisplaySwitch::Time: return c.m_bShowTime;
    case DisplaySwitch::N: return c.m_bShowN;
    case DisplaySwitch::TimeStandard: return c.m_bTimeStandard;
    case DisplaySwitch::Clockwise: return c.m_bClockwise;
    case DisplaySwitch::Squares: return c.m_bShowSquares != 0;
    case DisplaySwitch::Triangle: return c.m_bShowTriangle != 0;
    case DisplaySwitch::Divisions: break;
    }
    return c.m_bShowDivisions != 0;
}

bool Flip(CBaseDraw& c, DisplaySwitch which)
{
    if (IsPlainLabel(which) && !OtherLabelOn(c, which))
        return false;
    Set(c, which, !IsOn(c, which));
    if (which == DisplaySwitch::TimeStandard)
        FollowTimeStandard(c);
    return true;
}

bool ChoosePeriod(CBaseDraw& c, Period period)
{
    if (period == c.m_nPeriod)
        return false;
    c.m_nPeriod = period;
    return c.m_bShowTime;
}

bool ChooseDecimals(CBaseDraw& c, int digits)
{
    const int before = c.LabelPrecision();
    c.m_nDecimals = digits == c.m_nDecimals ? -1 : digits;
    return c.m_bShowPrice && c.LabelPrecision() != before;
}

void ChooseTool(CBaseDraw& c, MouseTool tool) { c.m_nTool = tool == c.m_nTool ? MouseTool::None : tool; }

void Normalise(CBaseDraw& c)
{
    for (DisplaySwitch which : kOverlays)
        Set(c, which, IsOn(c, which));
}

} // namespace DisplaySwitches
