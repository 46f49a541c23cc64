#pragma once

#include "PageGrid.h"
#include "Result.h"

#include <string>

// How the chart window prints: the whole chart on one page, as the printer
// dialog's paper takes it, or a wall chart over many pages at a cell size on
// paper or on a number of pages across and down, with the choices that go
// with it. The settings keep the last one for the next print.
struct PrintLayout {
    enum class Fit { OnePage, CellSize, Pages };
    Fit fit = Fit::OnePage;
    double cellMm = 0; // 0 until chosen: the size at which labels print at 7 pt
    int columns = 2;
    int rows = 2;
    std::string paper = "A4";
    bool landscape = false;
    double overlapMm = 10;
    bool overview = false;
    bool caption = true;

    // The pages of a wall chart of region (chart units) whose cells lie
    // cellPitch units apart, or why there are none; for CellSize and Pages.
    Result<CPageGrid> Grid(const Rect& region, double cellPitch) const;
};
