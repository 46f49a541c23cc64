#pragma once

#include "Swing.h"

#include <cstdint>
#include <string>
#include <vector>

class CBaseDraw;
class CTradingDays;
struct ChartKind;

// How a date is projected from a swing.
enum class ProjectionMethod {
    Calendar, // calendar days after the swing, and the same day whole years later
    Trading,  // the same counts in trading days
    Chart,    // the dates after the swing of the chart's targets from its price cell
    Square,   // the swing's move in price steps, in calendar and in trading days
};
constexpr int kProjectionMethods = 4;

// The method's name as the command line takes and prints it.
const char* MethodName(ProjectionMethod method);

// A date projected from one swing.
struct Projection {
    std::size_t swing = 0; // index in the swings projected from
    ProjectionMethod method = ProjectionMethod::Calendar;
    // Days counted (calendar or trading; a whole year is its calendar days),
    // or for the chart the target's degrees from the swing, theta + 360 turns.
    double count = 0;
    std::int64_t day = 0; // from 1970-01-01
};

struct ProjectionOptions {
    bool methods[kProjectionMethods] = {true, true, true, true};
    std::vector<int> counts = DefaultCounts();
    bool wholeYears = true;
    double scale = 1; // square: days per price step of the move
    // Only dates first..last (days from 1970-01-01) are kept.
    std::int64_t first = 0;
    std::int64_t last = 0;

    static std::vector<int> DefaultCounts();
};

// The dates projected from each confirmed swing of swings that fall within
// the options' days, sorted by day, then swing, method and count, each
// once. The chart gives the targets (as the targets panel does, the default
// angles one turn in and out) and the square's price step; days count
// trading days.
std::vector<Projection> ProjectDates(const std::vector<Swing>& swings, const ProjectionOptions& options,
                                     const CTradingDays& days, CBaseDraw& chart, const ChartKind& kind);
