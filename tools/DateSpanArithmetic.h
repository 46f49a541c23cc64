#pragma once

#include "OleDateTimeEx.h"

#include <string>

class CTradingDays;

// Start date + span = end date, with any one of the three computed from the
// other two: the date arithmetic of both calculators and the checks made
// before it, free of any GUI toolkit.
namespace DateSpanArithmetic {

// The units of a span, in the order of the calculators' unit list. Trading
// days are weekdays less the holidays of the CTradingDays given, or weekdays
// alone when none is given.
enum class SpanUnit { Day, Week, Month, Year, Trading };
constexpr int kUnitCount = 5;

// "Day", "Week", "Month", "Year" or "Trading".
const char* UnitName(SpanUnit unit);

// Why a computation gave no result.
enum class Problem { None, StartInvalid, EndInvalid, NoSpan, SpanNotInteger };

// The message shown for a problem; empty for None.
const char* MessageOf(Problem problem);

// What a computation gave: the date or span for the field it computes, or
// the problem that stopped it.
struct Outcome {
    Problem problem = Problem::None;
    COleDateTimeEx date;
    int span = 0;
};

// Whole units from start to end, either of which may come first. The day
// difference is rounded to the day when within half a second of it, then
// weeks, months and years count 7, 30 and 365 days, truncated toward zero.
// Trading days are those after from's day up to and including to's
// (CTradingDays::Between), negative when to comes first. Both dates must be
// valid.
int SpanBetween(const COleDateTimeEx& from, const COleDateTimeEx& to, SpanUnit unit,
    const CTradingDays* trading = nullptr);

// from moved by span units, forward or back by its sign: days, weeks and
// trading days keep the time of day; months and years are calendar moves to
// 00:00 (a day the month reached lacks becomes its last day, 29 February of
// a common year makes the result invalid). Back by trading days is the day
// from which SpanBetween counts span to from. A result outside the years
// 100 to 9999 is invalid.
COleDateTimeEx MovedBy(const COleDateTimeEx& from, long long span, SpanUnit unit,
    const CTradingDays* trading = nullptr);

// The three operations with their checks, in the order the user meets them:
// the span text first, then the date read. spanText is the span field as
// typed; with emptyIsMissing an empty field is NoSpan rather than a text
// that is not an integer.
// trading counts the Trading unit, as for SpanBetween.
Outcome ComputeSpan(const COleDateTimeEx& start, const COleDateTimeEx& end, SpanUnit unit,
    const CTradingDays* trading = nullptr);
Outcome ComputeEnd(const COleDateTimeEx& start, const std::string& spanText, SpanUnit unit, bool emptyIsMissing,
    const CTradingDays* trading = nullptr);
Outcome ComputeStart(const COleDateTimeEx& end, const std::string& spanText, SpanUnit unit, bool emptyIsMissing,
    const CTradingDays* trading = nullptr);

} // namespace DateSpanArithmetic
