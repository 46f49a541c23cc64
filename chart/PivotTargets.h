#pragma once

#include "Geometry.h"
#include "Result.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class CBaseDraw;
struct ChartKind;

// How the user names a pivot.
struct CellQuery {
    enum class By { Price, Date, Number } by = By::Number;
    double price = 0;           // By::Price
    std::int64_t day = 0;       // By::Date: local midnight (LocalMidnight)
    long long number = 0;       // By::Number
};

// A cell at an angle and a number of whole turns from a pivot.
struct Target {
    int turns = 0;
    double theta = 0;           // degrees, -360 < theta < 360
    int number = 0;
    int ring = 0;
    float angle = 0;            // the cell's own angle, 0 <= a < 360
    float price = 0;            // CellPrice
    // (sqrt P + (theta + 360 turns) / 180)^2 of the pivot's price P, on the
    // squares only, where P and the root term are not negative.
    std::optional<double> formulaPrice;
    std::string date;           // YYYY-MM-DD, the cell's local calendar day; empty where none
    long long days = 0;         // whole days from the pivot's date
    Point centre;
};

// Whether a kind's cells stand at angles about a centre (not the master chart).
bool HasAngles(const ChartKind& kind);
// The angles the panel and the command line start with: 45 90 120 135 180 225 240 270 315 0.
const std::vector<double>& DefaultTargetAngles();

// The cell the query names on chart (laid out by its last paint), or why
// none. By price the nearest (the lower number on a tie), nothing where the
// price lies more than half a step beyond the chart's prices; by date the
// lowest-numbered cell on that local calendar day (by months, in that
// month); by number that cell of the layout.
Result<int> FindCell(CBaseDraw& chart, const ChartKind& kind, const CellQuery& query);

// Cell n as the pivot's own row: turns 0, theta 0, days 0.
Target CellTarget(CBaseDraw& chart, const ChartKind& kind, int n);

// For r = -turns..turns, each theta of angles in order, the targets that exist,
// the pivot itself (r 0, theta 0) left out. On ring ring(pivot) + r, the cell
// whose angle lies nearest the pivot's moved theta degrees the way the
// numbers grow; none where that ring is not on the chart.
std::vector<Target> TargetsOf(CBaseDraw& chart, const ChartKind& kind, int pivot,
                              const std::vector<double>& angles, int turns);
