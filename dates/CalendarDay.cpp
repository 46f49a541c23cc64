#include "CalendarDay.h"

#include <ctime>

std::optional<CalendarDay> LocalDay(std::int64_t t)
{
    const std::time_t tt = static_cast<std::time_t>(t);
    std::tm tm{};
    if (!localtime_r(&tt, &tm))
        return std::nullopt;
    return CalendarDay{tm.tm_year + 1900LL, tm.tm_mon + 1, tm.tm_mday};
}

std::int64_t DayNumber(const CalendarDay& d)
{
    // Counted in eras of 400 years, which repeat the calendar exactly, from
    // a year that starts in March, so that the leap day ends it.
    const std::int64_t y = d.year - (d.month <= 2 ? 1 : 0);
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yoe = y - era * 400;
    const std::int64_t mp = (d.month + 9) % 12;
    const std::int64_t doy = (153 * mp + 2) / 5 + d.day - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}
