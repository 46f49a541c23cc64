#pragma once

#include <string>

// The time standard chart's day texts: number n of the first two years maps
// to a month and day of a common year ("3/1" for 60 and for 425).
class OrvoSQ9 {
public:
    // The one shared instance, created on first use under a lock and kept
    // until the program ends.
    static const OrvoSQ9& Instance();

    // "month/day" for 1 <= n <= 730, empty otherwise.
    std::string DayText(int n) const;

private:
    OrvoSQ9() = default;
};
