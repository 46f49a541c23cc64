#pragma once

#include "MouseTool.h"
#include "Period.h"

class CBaseDraw;

// The on/off switches of a chart's display that the toolbars show pressed.
enum class DisplaySwitch {
    CalendarRing,
    AngleRing,
    Price,
    Time,
    N,
    TimeStandard,
    Clockwise,
    Squares,
    Triangle,
    Divisions,
};

// The rules by which the window's commands change a chart's display. Each
// change returns whether the picture changed, so that the window repaints
// only then.
namespace DisplaySwitches {

bool IsOn(const CBaseDraw& chart, DisplaySwitch which);
// The switch's command text (UTF-8), which also names its undo step.
const char* Text(DisplaySwitch which);
// Price, time, N and the time standard are never all off: flipping price,
// time or N while the other three are off is refused (false, no change).
// The time standard chart shows N alone; turned off with no label left on,
// it brings prices back.
bool Flip(CBaseDraw& chart, DisplaySwitch which);
// Choosing the period (the menu's number of a Period) already set changes
// nothing; another one shows only where time labels do.
bool ChoosePeriod(CBaseDraw& chart, Period period);
// Choosing the digits already set unchooses them (-1). The picture changes
// when prices show at another precision.
bool ChooseDecimals(CBaseDraw& chart, int digits);
// Choosing the tool already selected leaves none; no picture shows a tool.
void ChooseTool(CBaseDraw& chart, MouseTool tool);
// The overlay switches are whole numbers in a chart file; a chart on screen
// holds each as 0 or 1, which is what a save then writes.
void Normalise(CBaseDraw& chart);

} // namespace DisplaySwitches
