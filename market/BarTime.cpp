#include "BarTime.h"

#include "CalendarDay.h"

#include <algorithm>
#include <charconv>
#include <regex>

namespace BarTime {

namespace {

// value as width digits, zeros in front.
void AppendDigits(std::string& text, std::int64_t value, int width)
{
    char digits[24];
    char* const end = std::to_chars(digits, digits + sizeof digits, value).ptr;
    if (value >= 0)
        text.append(static_cast<std::size_t>(std::max<std::ptrdiff_t>(0, width - (end - digits))), '0');
    text.append(digits, end);
}

} // namespace

void Append(std::string& text, std::int64_t time, bool intraday)
{
    // Floor division, so that times before 1970 fall on their own day.
    const std::int64_t days = time / kSecondsPerDay - (time % kSecondsPerDay < 0 ? 1 : 0);
    const std::int64_t second = time - days * kSecondsPerDay;
    const CalendarDay day = DayOfNumber(days);
    AppendDigits(text, day.year, 4);
    text += '-';
    AppendDigits(text, day.month, 2);
    text += '-';
    AppendDigits(text, day.day, 2);
    if (!intraday)
        return;
    text += 'T';
    AppendDigits(text, second / 3600, 2);
    text += ':';
    AppendDigits(text, second / 60 % 60, 2);
    text += ':';
    AppendDigits(text, second % 60, 2);
}

std::string Text(std::int64_t time, bool intraday)
{
    std::string text;
    Append(text, time, intraday);
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
