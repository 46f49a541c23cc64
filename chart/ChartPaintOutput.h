#pragma once

#include "Bodies.h"
#include "Geometry.h"

#include <array>

// What the last layout and paint leave behind: the chart's rectangle, the
// year the date labels last wrote, and the boxes the mouse hits (the
// overlays' and rings' handles, the planet symbols). Derived from the other
// state as the chart draws, so never saved nor undone.
struct ChartPaintOutput {
    Rect m_rcChart;
    int m_nLastYear = 0;
    Rect m_rcCalendarHandle;
    Rect m_rcAngleHandle;
    Rect m_rcSquaresHandle;
    Rect m_rcTriangleHandle;
    Rect m_rcDivisionsHandle;
    std::array<Rect, kBodyCount> m_rcPlanetMarks {};
};
