#pragma once

#include "Geometry.h"
#include "Result.h"

#include <cstddef>
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
    double theta = 0;           // degrees, IsTargetAngle
    int number = 0;
    int ring = 0;
    float angle = 0;            // the cell's own angle, 0 <= a < 360
    float price = 0;            // CellPrice
    // (sqrt P + (theta + 360 turns) / 180)^2 of the pivot's price P, on the
    // squares only, where P and the root term are not negative and the
    // square is finite.
    std::optional<double> formulaPrice;
    std::string date;           // YYYY-MM-DD, the cell's local calendar day; empty where none
    long long days = 0;         // whole days from the pivot's date
    Point centre;

    // Every field alike; a price that is not a number equals another such,
    // so that a row recomputed unchanged is the same row.
    friend bool operator==(const Target& a, const Target& b);
    friend bool operator!=(const Target& a, const Target& b) { return !(a == b); }
};

// Whether a kind's cells stand at angles about a centre (not the master chart).
bool HasAngles(const ChartKind& kind);
// The angles the panel and the command line start with: 45 90 120 135 180 225 240 270 315 0.
const std::vector<double>& DefaultTargetAngles();
// Whether theta may name targets: -720 < theta < 720, so that 360 is a whole
// turn as users type it.
bool IsTargetAngle(double theta);

// The most targets one request may ask for (each angle at each turn): a
// request costs a cell's facts per target.
constexpr long long kMaxTargets = 100000;
constexpr long long TargetCount(std::size_t angles, int turns)
{
    return static_cast<long long>(angles) * (2LL * turns + 1);
}

// What decides a pivot's targets beyond its number, as text: the kind, the
// way its numbers turn and the parameters of its prices and dates. The
// same chart gives the same text in every run.
std::string TargetChartKey(const CBaseDraw& chart, const ChartKind& kind);

// The cell the query names on chart (laid out by its last paint), or why
// none. By price the nearest (the lower number on a tie), nothing where the
// price lies more than half a step beyond the chart's prices; by date the
// lowest-numbered cell on that local calendar day (by months, in that
// month); by number that cell of the layout.
Result<int> FindCell(CBaseDraw& chart, const ChartKind& kind, const CellQuery& query);

// Cell n as the pivot's own row: turns 0, theta 0, days 0.
Target CellTarget(CBaseDraw& chart, const ChartKind& kind, int n);

// For r = -turns..turns, each theta of angles in order, the targets that exist,
// the pivot itself (theta + 360 r = 0) left out. Target (theta, r) is found
// along the numbering, as analysts read an angle from a pivot: walk from the
// pivot, forward for theta + 360 r above 0, else backward, summing the angle
// each step turns about the centre (between -180 and 180 degrees, positive
// the way the numbers grow; none to or from the centre cell); the target is
// the cell whose sum lies nearest theta + 360 r, the lower number on a tie.
// None where the walk leaves the chart before sweeping that far.
std::vector<Target> TargetsOf(CBaseDraw& chart, const ChartKind& kind, int pivot,
                              const std::vector<double>& angles, int turns);
