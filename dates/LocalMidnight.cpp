#include "LocalMidnight.h"

#include "OleDateTimeEx.h"

#include <cctype>
#include <ctime>

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A separator of date fields: one punctuation character or a blank.
bool IsSeparator(char c) { return c == ' ' || std::ispunct(static_cast<unsigned char>(c)) != 0; }

// The digits from pos to pos + length as a number.
int Field(const std::string& text, std::size_t pos, std::size_t length)
{
    int value = 0;
    for (std::size_t i = pos; i < pos + length; ++i)
        value = value * 10 + (text[i] - '0');
    return value;
}

bool IsDateShape(const std::string& text)
{
    if (text.size() != kDateTextLength || !IsSeparator(text[4]) || !IsSeparator(text[7]))
        return false;
    for (std::size_t i : {0, 1, 2, 3, 5, 6, 8, 9})
        if (!IsDigit(text[i]))
            return false;
    return true;
}

} // namespace

std::optional<std::int64_t> LocalMidnight(const std::string& text)
{
    if (!IsDateShape(text))
        return std::nullopt;
    const int year = Field(text, 0, 4);
    const int month = Field(text, 5, 2);
    const int day = Field(text, 8, 2);
    if (year < 1 || month < 1 || month > 12 || day < 1 || day > COleDateTimeEx::DaysInMonth(month, year))
        return std::nullopt;
    std::tm tm {};
    tm.tm_year = year - 1900;
    tm.tm_mon = month - 1;
    tm.tm_mday = day;
    // The daylight-saving state is left to the system.
    tm.tm_isdst = -1;
    // mktime fills tm_wday only on success; -1 is also a valid time.
    tm.tm_wday = -1;
    const std::time_t t = std::mktime(&tm);
    if (tm.tm_wday == -1)
        return std::nullopt;
    return static_cast<std::int64_t>(t);
}
