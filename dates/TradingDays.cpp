#include "TradingDays.h"

#include <algorithm>

namespace {

std::int64_t FloorDiv(std::int64_t a, std::int64_t b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

// Days counted from a Monday: 1970-01-01 was a Thursday.
std::int64_t FromMonday(std::int64_t day) { return day + 3; }

bool IsWeekday(std::int64_t day)
{
    const std::int64_t k = FromMonday(day);
    return k - 7 * FloorDiv(k, 7) < 5;
}

// Weekdays up to and including day, counted from the Monday before 1970.
std::int64_t Weekdays(std::int64_t day)
{
    const std::int64_t k = FromMonday(day);
    const std::int64_t weeks = FloorDiv(k, 7);
    return 5 * weeks + std::min<std::int64_t>(k - 7 * weeks + 1, 5);
}

// The weekday whose Weekdays is count.
std::int64_t WeekdayOf(std::int64_t count)
{
    const std::int64_t weeks = FloorDiv(count - 1, 5);
    return 7 * weeks + (count - 1 - 5 * weeks) - 3;
}

std::vector<std::int64_t> SortedUnique(std::vector<std::int64_t> days)
{
    std::sort(days.begin(), days.end());
    days.erase(std::unique(days.begin(), days.end()), days.end());
    return days;
}

// How many of sorted days lie at or before day.
std::int64_t UpTo(const std::vector<std::int64_t>& days, std::int64_t day)
{
    return std::upper_bound(days.begin(), days.end(), day) - days.begin();
}

} // namespace

CTradingDays::CTradingDays(std::vector<std::int64_t> barDays, std::vector<std::int64_t> holidays)
    : m_bars(SortedUnique(std::move(barDays)))
    , m_holidays(SortedUnique(std::move(holidays)))
{
    m_holidays.erase(std::remove_if(m_holidays.begin(), m_holidays.end(), [](std::int64_t d) { return !IsWeekday(d); }),
                     m_holidays.end());
}

std::int64_t CTradingDays::After(std::int64_t day, std::int64_t count) const { return DayOfRank(Rank(day) + count); }

std::int64_t CTradingDays::Between(std::int64_t from, std::int64_t to) const { return Rank(to) - Rank(from); }

std::int64_t CTradingDays::OpenDays(std::int64_t day) const { return Weekdays(day) - UpTo(m_holidays, day); }

std::int64_t CTradingDays::DayOfOpenDays(std::int64_t open) const
{
    // Each pass skips the holidays the last one stepped over; a pass that
    // meets none lands on an open weekday.
    std::int64_t day = WeekdayOf(open);
    for (std::int64_t missing = open - OpenDays(day); missing > 0; missing = open - OpenDays(day))
        day = WeekdayOf(Weekdays(day) + missing);
    return day;
}

// Before the first bar the rank is at most 0, over the bars it is the bar's
// number (1 for the first), after the last it goes on by open weekdays.
std::int64_t CTradingDays::Rank(std::int64_t day) const
{
    if (m_bars.empty())
        return OpenDays(day);
    if (day < m_bars.front())
        return OpenDays(day) - OpenDays(m_bars.front() - 1);
    const std::int64_t bars = static_cast<std::int64_t>(m_bars.size());
    if (day <= m_bars.back())
        return UpTo(m_bars, day);
    return bars + OpenDays(day) - OpenDays(m_bars.back());
}

std::int64_t CTradingDays::DayOfRank(std::int64_t rank) const
{
    if (m_bars.empty())
        return DayOfOpenDays(rank);
    const std::int64_t bars = static_cast<std::int64_t>(m_bars.size());
    if (rank <= 0)
        return DayOfOpenDays(rank + OpenDays(m_bars.front() - 1));
    if (rank <= bars)
        return m_bars[static_cast<std::size_t>(rank - 1)];
    return DayOfOpenDays(rank - bars + OpenDays(m_bars.back()));
}
