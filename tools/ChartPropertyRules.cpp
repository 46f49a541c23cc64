#include "ChartPropertyRules.h"

#include "BaseDraw.h"
#include "CalendarDay.h"
#include "LocalMidnight.h"

#include <array>
#include <cctype>
#include <cfloat>
#include <charconv>
#include <cinttypes>
#include <cmath>
#include <cstdio>
#include <utility>

namespace ChartPropertyRules {

const char* const kEnterInteger = "Enter an integer.";
const char* const kEnterNumber = "Enter a number.";
const char* const kDateFormat = "The date format should be : YYYY-MM-DD";
const char* const kDateInvalid = "The date is not a valid date.";

namespace {

bool IsBlank(char c)
{
    return std::isspace(static_cast<unsigned char>(c)) != 0;
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

Confirmed Refused(Field field, std::string message)
{
    return {Failure {std::move(message)}, field};
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

std::optional<double> ParseReal(const std::string& text)
{
    const std::string body = NumberBody(text);
    double value = 0.0;
    const char* end = body.data() + body.size();
    const auto [ptr, ec] = std::from_chars(body.data(), end, value);
    if (ec != std::errc() || ptr != end || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<float> ParseNumber(const std::string& text)
{
    const std::optional<double> value = ParseReal(text);
    // Values beyond a float would poison every cell price.
    if (!value || std::fabs(*value) > FLT_MAX)
        return std::nullopt;
    return static_cast<float>(*value);
}

std::string FormatNumber(float value)
{
    std::array<char, 32> buffer {};
    std::snprintf(buffer.data(), buffer.size(), "%.*g", FLT_DIG, static_cast<double>(value));
    return buffer.data();
}

std::string StartDateText(std::int64_t t)
{
    const std::optional<CalendarDay> day = LocalDay(t);
    if (!day)
        return {};
    std::array<char, 40> buffer {};
    std::snprintf(buffer.data(), buffer.size(), "%" PRId64 "-%.2d-%.2d", day->year, day->month, day->day);
    return buffer.data();
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

Confirmed Confirm(const Texts& texts)
{
    const std::optional<int> rings = ParseInteger(texts.rings);
    if (!rings)
        return Refused(Field::Rings, kEnterInteger);
    if (*rings < kMinRings || *rings > kMaxRings)
        return Refused(Field::Rings, RingRangeMessage());
    const std::optional<int> timeStep = ParseInteger(texts.timeStep);
    if (!timeStep)
        return Refused(Field::TimeStep, kEnterInteger);
    const std::optional<float> start = ParseNumber(texts.start);
    if (!start)
        return Refused(Field::Start, kEnterNumber);
    const std::optional<float> step = ParseNumber(texts.step);
    if (!step)
        return Refused(Field::Step, kEnterNumber);
    if (CharacterCount(texts.startDate) != kDateTextLength)
        return Refused(Field::StartDate, kDateFormat);
    if (!LocalMidnight(texts.startDate))
        return Refused(Field::StartDate, kDateInvalid);

    return {Values {*rings, *timeStep, *start, *step, texts.startDate}};
}

void Apply(CBaseDraw& chart, const Values& values)
{
    chart.SetRings(values.rings);
    chart.m_fStartPrice = values.start;
    chart.m_fPriceStep = values.step;
    if (const std::optional<std::int64_t> t = LocalMidnight(values.startDate))
        chart.m_tStartTime = *t;
    chart.m_nTimeStep = values.timeStep;
    chart.UpdateNaturalDecimals();
    chart.Invalidate();
}

} // namespace ChartPropertyRules
