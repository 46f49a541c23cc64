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

CalendarDay DayOfNumber(std::int64_t number)
{
    // DayNumber's eras, walked back.
    const std::int64_t z = number + 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const std::int64_t doe = z - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    const int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    return {yoe + era * 400 + (month <= 2 ? 1 : 0), month, static_cast<int>(doy - (153 * mp + 2) / 5 + 1)};
}
