#pragma once

#include <cstdint>

// A turning point of a market: the bar of a swing high or low, with the move
// from the swing before it (none for the first).
struct Swing {
    enum class Kind { High, Low };

    std::int64_t time = 0; // the bar's time (see Bar)
    double price = 0;      // its high or low, or its close for swings on closes
    Kind kind = Kind::High;
    long long index = 0;   // the bar's index in the series
    bool confirmed = true; // false for the tracked extreme at the end
    double move = 0;       // price minus the previous swing's
    double movePercent = 0;
    long long bars = 0;    // bars since the previous swing
    long long days = 0;    // calendar days since the previous swing
};
