#pragma once

#include "Geometry.h"

#include <string>

class CBaseDraw;
struct ChartKind;

// What one cell of a chart is, for the cell table and the status bar: its
// number, its price and date as its label shows them and in full, its ring as the kind
// counts rings, its angle about the chart's centre and its centre.
struct CellFacts {
    int number = 0;
    std::string price;
    std::string date;
    // The price in full: the shortest text that reads back as the same
    // float; empty where a file's start and step carry it beyond a float.
    std::string exactPrice;
    // The cell's local day as YYYY-MM-DD, with the start's time of day
    // (HH:MM:SS) where that is not midnight; empty where the calendar ends.
    std::string isoDate;
    // Squares: 0 for the centre, then outwards; hexagon and wheel: from 1 at
    // the centre; master chart: the row, from 1 at the bottom.
    int ring = 0;
    // Counter-clockwise screen degrees from +x, 0 <= angle < 360.
    float angle = 0.0f;
    Point centre;
};

// The cell of chart, of that kind, drawn at pt by its last paint, or 0 where
// none is (off the grid or the table the hit test still answers a number).
int CellAt(CBaseDraw& chart, const ChartKind& kind, Point pt);

// The facts of cell n of chart, a chart of that kind laid out by its last
// paint. The chart is as it was afterwards.
CellFacts FactsOfCell(CBaseDraw& chart, const ChartKind& kind, int n);

// The local day of cell n of chart as YYYY-MM-DD, with the start's time of
// day (HH:MM:SS) where that is not midnight; empty where the calendar ends.
std::string CellIsoDate(const CBaseDraw& chart, int n);

// How large chart's cells are: the distance in chart units between the
// centres of cells 1 and 2, neighbours on every kind, as laid out by its last
// paint. A wall chart is printed at a size of cell on paper.
double CellPitch(CBaseDraw& chart);
