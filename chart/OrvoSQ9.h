#pragma once

#include <string>

// The time standard chart's day texts: number n of the first two years maps
// to a month and day of a common year ("3/1" for 60 and for 425).
namespace OrvoSQ9 {

// "month/day" for 1 <= n <= 730, empty otherwise.
std::string DayText(int n);

} // namespace OrvoSQ9
