#include "ChartPropertyRules.h"

#include "BaseDraw.h"

#include <array>
#include <cctype>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <utility>

namespace ChartPropertyRules {

const char* const kEnterInteger = "Enter an integer.";
const char* const kEnterNumber = "Enter a number.";
const char* const kDateFormat = "The date format should be : YYYY-MM-DD";
const char* const kDateInvalid = "The date is not a valid date.";

namespace {

constexpr std::size_t kDateLength = 10;

bool IsBlank(char c)
{
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}
bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The text without leading and trailing blanks, and without one leading "+"
// unless a "-" follows it, ready for std::from_chars.
std::string NumberBody(const std::string& text)
{
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && IsBlank(text[first]))
        ++first;
    while (last > first && IsBlank(text[last - 1]))
        --last;
    if (last - first >= 2 && text[first] == '+' && text[first + 1] != '-')
        ++first;
    return text.substr(first, last - first);
}

// Characters as the user counts them: UTF-8 lead bytes.
std::size_t CharacterCount(const std::string& text)
{
    std::size_t count = 0;
    for (char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
            ++count;
    return count;
}

// The decimal number in up to length characters from pos, stopping at the
// first non-digit; 0 when there is none.
int ReadField(const std::string& text, std::size_t pos, std::size_t length)
{
    int value = 0;
    for (std::size_t i = pos; i < pos + length && i < text.size() && IsDigit(text[i]); ++i)
        value = value * 10 + (text[i] - '0');
    return value;
}

int DaysInMonth(int year, int month)
{
    static constexpr std::array<int, 12> kDays = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : kDays[static_cast<std::size_t>(month - 1)];
}

// A separator of date fields: one punctuation character or a blank.
bool IsSeparator(char c)
{
    return c == ' ' || std::ispunct(static_cast<unsigned char>(c)) != 0;
}

Result Failure(Field field, std::string message)
{
    Result result;
    result.field = field;
    result.message = std::move(message);
    return result;
}

} // namespace

std::string RingRangeMessage()
{
    return "Enter an integer between " + std::to_string(kMinRings) + " and " + std::to_string(kMaxRings) + ".";
}

std::optional<int> ParseInteger(const std::string& text)
{
    const std::string body = NumberBody(text);
    int value = 0;
    const char* end = body.data() + body.size();
    const auto [ptr, ec] = std::from_chars(body.data(), end, value);
    if (ec != std::errc() || ptr != end)
        return std::nullopt;
    return value;
}

std::optional<float> ParseNumber(const std::string& text)
{
    const std::string body = NumberBody(text);
    double value = 0.0;
    const char* end = body.data() + body.size();
    const auto [ptr, ec] = std::from_chars(body.data(), end, value);
    // "inf", "nan" and values beyond a float would poison every cell price.
    if (ec != std::errc() || ptr != end || !std::isfinite(value) || std::fabs(value) > FLT_MAX)
        return std::nullopt;
    return static_cast<float>(value);
}

std::string FormatNumber(float value)
{
    std::array<char, 32> buffer {};
    std::snprintf(buffer.data(), buffer.size(), "%.*g", FLT_DIG, static_cast<double>(value));
    return buffer.data();
}

std::string StartDateText(std::int64_t t)
{
    const std::time_t tt = static_cast<std::time_t>(t);
    std::tm tm {};
    if (!localtime_r(&tt, &tm))
        return {};
    std::array<char, 40> buffer {};
    std::snprintf(buffer.data(), buffer.size(), "%d-%.2d-%.2d", tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday);
    return buffer.data();
}

bool IsValidDate(const std::string& text)
{
    if (text.size() != kDateLength || !IsSeparator(text[4]) || !IsSeparator(text[7]))
        return false;
    for (std::size_t i : {0, 1, 2, 3, 5, 6, 8, 9})
        if (!IsDigit(text[i]))
            return false;
    const int year = ReadField(text, 0, 4);
    const int month = ReadField(text, 5, 2);
    const int day = ReadField(text, 8, 2);
    return year >= 1 && month >= 1 && month <= 12 && day >= 1 && day <= DaysInMonth(year, month);
}

// The fields of "YYYY-MM-DD hh:mm:ss" at their fixed positions, whatever
// the separators; the daylight-saving state is left to the system.
std::optional<std::int64_t> LocalMidnight(const std::string& text)
{
    const std::string full = text + " 00:00:00";
    std::tm tm {};
    tm.tm_year = ReadField(full, 0, 4) - 1900;
    tm.tm_mon = ReadField(full, 5, 2) - 1;
    tm.tm_mday = ReadField(full, 8, 2);
    tm.tm_hour = ReadField(full, 11, 2);
    tm.tm_min = ReadField(full, 14, 2);
    tm.tm_sec = ReadField(full, 17, 2);
    tm.tm_isdst = -1;
    // mktime fills tm_wday only on success; -1 is also a valid time.
    tm.tm_wday = -1;
    const std::time_t t = std::mktime(&tm);
    if (tm.tm_wday == -1)
        return std::nullopt;
    return static_cast<std::int64_t>(t);
}

Values ValuesOf(CBaseDraw& chart)
{
    Values values;
    values.rings = chart.GetRings();
    values.timeStep = chart.m_nTimeStep;
    values.start = chart.m_fStartPrice;
    values.step = chart.m_fPriceStep;
    values.startDate = StartDateText(chart.m_tStartTime);
    return values;
}

Texts TextsOf(const Values& values)
{
    return {std::to_string(values.rings), std::to_string(values.timeStep), FormatNumber(values.start),
        FormatNumber(values.step), values.startDate};
}

Result Confirm(const Texts& texts)
{
    const std::optional<int> rings = ParseInteger(texts.rings);
    if (!rings)
        return Failure(Field::Rings, kEnterInteger);
    if (*rings < kMinRings || *rings > kMaxRings)
        return Failure(Field::Rings, RingRangeMessage());
    const std::optional<int> timeStep = ParseInteger(texts.timeStep);
    if (!timeStep)
        return Failure(Field::TimeStep, kEnterInteger);
    const std::optional<float> start = ParseNumber(texts.start);
    if (!start)
        return Failure(Field::Start, kEnterNumber);
    const std::optional<float> step = ParseNumber(texts.step);
    if (!step)
        return Failure(Field::Step, kEnterNumber);
    if (CharacterCount(texts.startDate) != kDateLength)
        return Failure(Field::StartDate, kDateFormat);
    if (!IsValidDate(texts.startDate) || !LocalMidnight(texts.startDate))
        return Failure(Field::StartDate, kDateInvalid);

    Result result;
    result.values = {*rings, *timeStep, *start, *step, texts.startDate};
    return result;
}

void Apply(CBaseDraw& chart, const Values& values)
{
    chart.SetRings(values.rings);
    chart.m_fStartPrice = values.start;
    chart.m_fPriceStep = values.step;
    if (const std::optional<std::int64_t> t = LocalMidnight(values.startDate))
        chart.m_tStartTime = *t;
    chart.m_nTimeStep = values.timeStep;
    chart.m_nNaturalDecimals = CBaseDraw::NaturalDecimals(values.start, values.step);
    chart.Invalidate();
}

} // namespace ChartPropertyRules
