#pragma once

#include "ChartExport.h"
#include "PageGrid.h"

#include <string>
#include <vector>

class QPainter;

// A chart printed over many sheets, ready to paint page by page on any
// device (a PDF, a printer, a preview): the picture, the grid of pages it
// lies on, an optional first page showing the whole picture small with the
// grid over it, and the caption's lines each page carries below its tile.
struct WallChart {
    Picture picture;
    CPageGrid grid;
    bool overview = false;
    std::vector<std::string> caption;
};

// The pages WallChart paints: the grid's, and the overview first when asked.
int WallChartPageCount(const WallChart& chart);

// Paints page (from 0) of chart on painter, whose device is the whole sheet
// (no margins of its own) at dotsPerMm device units a millimetre.
//
// A tile's page: its part of the picture, clipped to the tile with whatever
// lies wholly outside it left out, then the marks that put the pages
// together (crop marks, the overlap strip, a cross at the middle of each
// edge that meets a neighbour) and below the tile, at 7 pt, which page it is
// ("row r, column c of R x C" in the interface's language) with the caption
// to its right and below, elided to the margin.
//
// The overview (page 0 when asked): the whole picture fitted to the same
// area, without labels too small to read, each page's rectangle over it
// with its "row,column", and the caption.
PaintOutcome PaintWallChartPage(QPainter& painter, double dotsPerMm, const WallChart& chart, int page);
