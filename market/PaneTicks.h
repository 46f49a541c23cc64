#pragma once

#include <string>
#include <vector>

// A mark on one of the pane's axes: where it stands (a bar time or a price)
// and its label.
struct PaneTick {
    double value = 0;
    std::string label;
};

// Ticks of the time axis from first to last (bar times), at most maxTicks
// of them, at the finest step that keeps within that: minutes, hours, days,
// weeks (Mondays), months, years or decades, each on the calendar's own
// boundaries and labelled as that step reads.
std::vector<PaneTick> DateTicks(double first, double last, int maxTicks);

// Ticks of the price axis from low to high, at most maxTicks: multiples of
// a step of 1, 2 or 5 times a power of ten; on a log axis spanning a factor
// of ten or more, the powers of ten with their 2 and 5 multiples where they
// fit, else the powers alone.
std::vector<PaneTick> PriceTicks(double low, double high, int maxTicks, bool log);
