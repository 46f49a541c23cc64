#include "DateSpanArithmetic.h"

#include "CalendarDay.h"
#include "ChartPropertyRules.h"
#include "TradingDays.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace DateSpanArithmetic {

namespace {

constexpr double kHalfSecond = 1.0 / (2 * 86400.0);
// Calendar moves beyond these leave the years 100 to 9999 from any date, so
// larger counts are clamped to them before they reach an int.
constexpr long long kMaxMonths = 12 * 10000;
constexpr long long kMaxYears = 10000;

bool IsBlank(const std::string& text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return c == ' ' || c == '\t'; });
}

// The span typed into its field, or the problem with the text.
Problem ReadSpan(const std::string& text, bool emptyIsMissing, int& span)
{
    if (emptyIsMissing && IsBlank(text))
        return Problem::NoSpan;
    const std::optional<int> value = ChartPropertyRules::ParseInteger(text);
    if (!value)
        return Problem::SpanNotInteger;
    span = *value;
    return Problem::None;
}

COleDateTimeEx MovedByMonths(const COleDateTimeEx& from, long long months)
{
    if (months >= 0)
        return from.AddMonths(static_cast<int>(std::min(months, kMaxMonths)));
    return from.SubtractMonths(static_cast<int>(std::min(-months, kMaxMonths)));
}

// The trading days asked for, or weekdays alone.
const CTradingDays& TradingOr(const CTradingDays* trading)
{
    static const CTradingDays weekdays({}, {});
    return trading ? *trading : weekdays;
}

// The day of a valid date, from 1970-01-01.
std::int64_t DayOf(const COleDateTimeEx& date)
{
    return DayNumber(CalendarDay{date.GetYear(), date.GetMonth(), date.GetDay()});
}

COleDateTimeEx MovedByTradingDays(const COleDateTimeEx& from, long long span, const CTradingDays& trading)
{
    // A span of none leaves from where it is, trading day or not.
    if (span == 0)
        return from;
    const std::int64_t day = DayOf(from);
    return from + COleDateTimeSpan(static_cast<double>(trading.After(day, span) - day));
}

// from moved by the span of a field, forward (direction 1) or back (-1),
// once the span and from have passed their checks.
Outcome Moved(const COleDateTimeEx& from, Problem fromInvalid, const std::string& spanText, SpanUnit unit,
    bool emptyIsMissing, int direction, const CTradingDays* trading)
{
    Outcome outcome;
    int span = 0;
    outcome.problem = ReadSpan(spanText, emptyIsMissing, span);
    if (outcome.problem == Problem::None && !from.IsValid())
        outcome.problem = fromInvalid;
    if (outcome.problem == Problem::None)
        outcome.date = MovedBy(from, static_cast<long long>(direction) * span, unit, trading);
    return outcome;
}

} // namespace

const char* UnitName(SpanUnit unit)
{
    switch (unit) {
    case SpanUnit::Week:
        return "Week";
    case SpanUnit::Month:
        return "Month";
    case SpanUnit::Year:
        return "Year";
    case SpanUnit::Trading:
        return "Trading";
    case SpanUnit::Day:
        break;
    }
    return "Day";
}

const char* MessageOf(Problem problem)
{
    switch (problem) {
    case Problem::StartInvalid:
        return "Start date time is not valid...";
    case Problem::EndInvalid:
        return "End date time is not valid...";
    case Problem::NoSpan:
        return "You must input timespan...";
    case Problem::SpanNotInteger:
        return ChartPropertyRules::kEnterInteger;
    case Problem::None:
        break;
    }
    return "";
}

int SpanBetween(const COleDateTimeEx& from, const COleDateTimeEx& to, SpanUnit unit, const CTradingDays* trading)
{
    if (unit == SpanUnit::Trading)
        return static_cast<int>(TradingOr(trading).Between(DayOf(from), DayOf(to)));
    // Any two valid dates lie less than 3.7 million days apart, so the day
    // count fits an int.
    const double d = (to - from).GetTotalDays();
    const int days = static_cast<int>(d >= 0 ? std::trunc(d + kHalfSecond) : std::trunc(d - kHalfSecond));
    switch (unit) {
    case SpanUnit::Week:
        return days / 7;
    case SpanUnit::Month:
        return days / 30;
    case SpanUnit::Year:
        return days / 365;
    case SpanUnit::Trading:
    case SpanUnit::Day:
        break;
    }
    return days;
}

COleDateTimeEx MovedBy(const COleDateTimeEx& from, long long span, SpanUnit unit, const CTradingDays* trading)
{
    switch (unit) {
    case SpanUnit::Week:
        return from + COleDateTimeSpan(7.0 * static_cast<double>(span));
    case SpanUnit::Month:
        return MovedByMonths(from, span);
    case SpanUnit::Year:
        return from.AddYears(static_cast<int>(std::clamp(span, -kMaxYears, kMaxYears)));
    case SpanUnit::Trading:
        return MovedByTradingDays(from, span, TradingOr(trading));
    case SpanUnit::Day:
        break;
    }
    return from + COleDateTimeSpan(static_cast<double>(span));
}

Outcome ComputeSpan(const COleDateTimeEx& start, const COleDateTimeEx& end, SpanUnit unit,
    const CTradingDays* trading)
{
    Outcome outcome;
    if (!start.IsValid())
        outcome.problem = Problem::StartInvalid;
    else if (!end.IsValid())
        outcome.problem = Problem::EndInvalid;
    else
        outcome.span = SpanBetween(start, end, unit, trading);
    return outcome;
}

Outcome ComputeEnd(const COleDateTimeEx& start, const std::string& spanText, SpanUnit unit, bool emptyIsMissing,
    const CTradingDays* trading)
{
    return Moved(start, Problem::StartInvalid, spanText, unit, emptyIsMissing, 1, trading);
}

Outcome ComputeStart(const COleDateTimeEx& end, const std::string& spanText, SpanUnit unit, bool emptyIsMissing,
    const CTradingDays* trading)
{
    return Moved(end, Problem::EndInvalid, spanText, unit, emptyIsMissing, -1, trading);
}

} // namespace DateSpanArithmetic
