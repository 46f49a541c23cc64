#pragma once

#include "OleDateTimeEx.h"

#include <string>

// Start date + span = end date, with any one of the three computed from the
// other two: the date arithmetic of both calculators and the checks made
// before it, free of any GUI toolkit.
namespace DateSpanArithmetic {

// The units of a span, in the order of the calculators' unit list.
enum class SpanUnit { Day, Week, Month, Year };
constexpr int kUnitCount = 4;

// "Day", "Week", "Month" or "Year".
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
// Both dates must be valid.
int SpanBetween(const COleDateTimeEx& from, const COleDateTimeEx& to, SpanUnit unit);

// from moved by span units, forward or back by its sign: days and weeks keep
// the time of day; months and years are calendar moves to 00:00 (a day the
// month reached lacks becomes its last day, 29 February of a common year
// makes the result invalid). A result outside the years 100 to 9999 is
// invalid.
COleDateTimeEx MovedBy(const COleDateTimeEx& from, long long span, SpanUnit unit);

// The three operations with their checks, in the order the user meets them:
// the span text first, then the date read. spanText is the span field as
// typed; with emptyIsMissing an empty field is NoSpan rather than a text
// that is not an integer.
Outcome ComputeSpan(const COleDateTimeEx& start, const COleDateTimeEx& end, SpanUnit unit);
Outcome ComputeEnd(const COleDateTimeEx& start, const std::string& spanText, SpanUnit unit, bool emptyIsMissing);
Outcome ComputeStart(const COleDateTimeEx& end, const std::string& spanText, SpanUnit unit, bool emptyIsMissing);

} // namespace DateSpanArithmetic
