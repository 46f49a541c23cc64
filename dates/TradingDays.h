#pragma once

#include <cstdint>
#include <vector>

// Counts days as a market trades them: by the instrument's own bar days
// from its first bar to its last, and outside them by weekdays (Monday to
// Friday) less the holidays given. Days are numbered from 1970-01-01
// (DayNumber). Every answer is arithmetic on sorted days, so a count of
// thousands of days costs no more than one of a few.
class CTradingDays {
public:
    // barDays and holidays in any order; repeats and weekend holidays are
    // ignored.
    CTradingDays(std::vector<std::int64_t> barDays, std::vector<std::int64_t> holidays);

    // The day count trading days after day: the first trading day after day
    // is 1 after it, whether day trades or not. A negative count goes back:
    // Between(After(day, -n), day) is n.
    std::int64_t After(std::int64_t day, std::int64_t count) const;
    // The trading days after from up to and including to; negative when to
    // lies before from. After(from, Between(from, to)) is to when to trades.
    std::int64_t Between(std::int64_t from, std::int64_t to) const;

private:
    // Trading days up to and including day, counted from an origin of its own.
    std::int64_t Rank(std::int64_t day) const;
    // The first day whose Rank is rank.
    std::int64_t DayOfRank(std::int64_t rank) const;
    // Weekdays up to and including day, less the holidays among them.
    std::int64_t OpenDays(std::int64_t day) const;
    // The first weekday that is no holiday with OpenDays of open.
    std::int64_t DayOfOpenDays(std::int64_t open) const;

    std::vector<std::int64_t> m_bars;
    std::vector<std::int64_t> m_holidays; // weekdays only
};
