#pragma once

#include <cstdint>
#include <optional>
#include <vector>

// One bar of a market's history. Its time is the exchange's civil time as
// the file gives it, counted in seconds from 1970-01-01 00:00 of that same
// civil clock (no zone): a daily bar stands at its day's midnight. Prices are
// doubles: a file's decimals are kept as read, and a negative price (spreads,
// some futures) is a price like any other.
struct Bar {
    std::int64_t time = 0;
    double open = 0;
    double high = 0;
    double low = 0;
    double close = 0;
    std::optional<double> volume;
    std::optional<double> openInterest;

    friend bool operator==(const Bar& a, const Bar& b)
    {
        return a.time == b.time && a.open == b.open && a.high == b.high && a.low == b.low && a.close == b.close &&
               a.volume == b.volume && a.openInterest == b.openInterest;
    }
};

// A market's bars, oldest first, one per time; intraday when the file gave
// times of day, daily when it gave dates only.
struct BarSeries {
    std::vector<Bar> bars;
    bool intraday = false;
};
