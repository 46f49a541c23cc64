#pragma once

#include "Bar.h"
#include "Swing.h"

#include <cstdint>
#include <vector>

// How swings are found: a ZigZag that turns on a move of a percent or of a
// price amount against the trend, or pivots that stand out of the bars
// beside them; either on each bar's high and low or on its close alone.
struct SwingMethod {
    enum class By { Percent, Amount, Pivots } by = By::Percent;
    double percent = 0; // By::Percent: 10 for ten percent
    double amount = 0;  // By::Amount, in price units
    int left = 0;       // By::Pivots: the bars before and after a pivot
    int right = 0;
    bool onCloses = false;
};

// The swings of series, oldest first, with the move from each one's
// predecessor filled in. ZigZag: every turn is confirmed but the last point,
// the extreme still tracked when the bars end (none where no turn came at
// all). Pivots: all confirmed; an outside bar that is both gives its high
// first.
std::vector<Swing> FindSwings(const BarSeries& series, const SwingMethod& method);

// The calendar day of a bar time (see Bar) as days from 1970-01-01, floored
// so that times before 1970 fall on their own day.
std::int64_t BarDayNumber(std::int64_t time);
// The days of the series' bars, oldest first: the days a market traded.
std::vector<std::int64_t> BarDays(const BarSeries& series);
