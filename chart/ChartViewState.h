#pragma once

#include "Bodies.h"
#include "Geometry.h"
#include "Period.h"

#include <optional>
#include <string>

class CChartHost;

// What the window gives a chart for as long as it shows it: where to ask for
// a repaint, the canvas and the space on it, the period the menu chose for
// the date labels, and the planet moment. The view sets these; the file and
// the undo history never see them, so a window can change them freely.
struct ChartViewState {
    CChartHost* m_pView = nullptr;
    Size m_szCanvas;
    Rect m_rcClient;
    Period m_nPeriod = Period::Day; // unit of m_nTimeStep
    // The bodies' longitudes the planet ring shows, set before a paint.
    std::optional<Longitudes> m_Planets;
    std::string m_PlanetCaption; // the moment and place they are for, as AstrologyReport::Sky gives it
};
