#include "BarTime.h"

#include "CalendarDay.h"

#include <cstdio>
#include <regex>

namespace BarTime {

std::string Text(std::int64_t time, bool intraday)
{
    // Floor division, so that times before 1970 fall on their own day.
    const std::int64_t days = time / kSecondsPerDay - (time % kSecondsPerDay < 0 ? 1 : 0);
    const std::int64_t second = time - days * kSecondsPerDay;
    const CalendarDay day = DayOfNumber(days);
    char text[48];
    if (intraday)
        std::snprintf(text, sizeof text, "%04lld-%02d-%02dT%02d:%02d:%02d", static_cast<long long>(day.year),
                      day.month, day.day, static_cast<int>(second / 3600), static_cast<int>(second / 60 % 60),
                      static_cast<int>(second % 60));
    else
        std::snprintf(text, sizeof text, "%04lld-%02d-%02d", static_cast<long long>(day.year), day.month, day.day);
    return text;
}

std::optional<std::int64_t> Parse(const std::string& text)
{
    static const std::regex form(R"((\d{4})-(\d\d)-(\d\d)(?:T(\d\d):(\d\d)(?::(\d\d))?)?)");
    std::smatch m;
    if (!std::regex_match(text, m, form))
        return std::nullopt;
    const auto number = [&m](int i) { return m[i].matched ? std::stoi(m[i].str()) : 0; };
    const CalendarDay day{number(1), number(2), number(3)};
    const std::int64_t days = DayNumber(day);
    if (day.month < 1 || day.month > 12 || !(DayOfNumber(days) == day) || number(4) > 23 || number(5) > 59 ||
        number(6) > 59)
        return std::nullopt;
    return days * kSecondsPerDay + number(4) * 3600 + number(5) * 60 + number(6);
}

} // namespace BarTime
