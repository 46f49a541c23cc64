#pragma once

#include <cstdint>

class CBaseDraw;
class CDrawSurface;
struct Pen;

// Chart units, as the calendar ring's own ticks.
constexpr int kCalendarTickLength = 30;

// A tick length chart units long out from chart's calendar ring at day
// (from 1970-01-01), drawn in pen; none while the ring is off. The marks of
// swings, clusters and events share it.
void DrawCalendarTick(CBaseDraw& chart, CDrawSurface& dc, std::int64_t day, int length, const Pen& pen);
