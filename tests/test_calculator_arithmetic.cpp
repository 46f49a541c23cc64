// The calculators' arithmetic without a GUI, and the commands over it and the
// date parser.

#include "CalculatorCommands.h"
#include "CalendarDay.h"
#include "CommandRun.h"
#include "DateCommands.h"
#include "DateSpanArithmetic.h"
#include "DateTestSupport.h"
#include "DegreeArithmetic.h"
#include "TradingDays.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <climits>

namespace DSA = DateSpanArithmetic;
using DSA::Problem;
using DSA::SpanUnit;

namespace {

const SpanUnit kUnits[] = {SpanUnit::Day, SpanUnit::Week, SpanUnit::Month, SpanUnit::Year, SpanUnit::Trading};

// A moment a few tenths of a second away from a date.
COleDateTimeEx Near(const COleDateTimeEx& date, double seconds)
{
    return date + COleDateTimeSpan(seconds / 86400.0);
}

} // namespace

TEST(DegreeAngles, WorkedValuesAndRingZero)
{
    const struct {
        const char* what;
        float p;
        const char* angles;
    } rows[] = {
        {"a whole square", 100.0f, "135.00 126.00 100.00 60.00"},
        {"on the ring's first number", 2.0f, "29.56 0.00 2.00 30.00"},
        {"a full circle on ring 1", 10.0f, "344.21 360.00 10.00 150.00"},
        {"below the first number of ring 1", 1.5625f, "0.00 340.31 1.56 23.44"},
        {"lowest P of ring 1", 1.49f, "-5.28 337.05 1.49 22.35"},
        {"ring 0 has no daniel", 1.48f, "-6.02 - 1.48 22.20"},
        {"carl keeps the sign of its remainder", 1.0f, "-45.00 - 1.00 15.00"},
        {"zero", 0.0f, "-225.00 - 0.00 0.00"},
        {"daniel passes a full turn on ring 1", 10.3f, "352.69 373.50 10.30 154.50"},
        {"circle and dial keep the sign of a negative P", -4.0f, "- - -4.00 -60.00"},
        {"a negative P beyond a turn", -370.0f, "- - -10.00 -150.00"},
        {"rings beyond an int", 1e20f, "40.00 0.00 272.00 120.00"},
        {"single precision has lost daniel", 1e23f, "352.00 - 320.00 120.00"},
        {"the largest P", FLT_MAX, "224.00 - 0.00 0.00"},
    };
    for (const auto& row : rows) {
        const DegreeArithmetic::Angles a = DegreeArithmetic::ComputeAngles(row.p);
        std::string texts = DegreeArithmetic::FormatAngle(a.carl);
        for (const float angle : {a.daniel, a.circle, a.dial})
            texts += ' ' + DegreeArithmetic::FormatAngle(angle);
        EXPECT_EQ(texts, row.angles) << row.what;
    }
}

// Units count 7, 30 and 365 days; moves keep the calendar; checks come span
// first, then the date read.
TEST(DateSpan, SpansMovesAndChecks)
{
    const COleDateTimeEx jan1(2012, 1, 1), mar1(2012, 3, 1);
    const struct {
        const char* what;
        COleDateTimeEx from, to;
        int spans[4]; // days, weeks, months, years
    } rows[] = {
        {"January to March 2012", jan1, mar1, {60, 8, 2, 0}},
        {"backwards truncates toward zero", mar1, jan1, {-60, -8, -2, 0}},
        {"13 days back is -1 week", {2012, 3, 14}, mar1, {-13, -1, 0, 0}},
        {"a leap year is 1 year", jan1, {2012, 12, 31}, {365, 52, 12, 1}},
        {"within half a second of a day counts it", jan1, Near(mar1, -0.4), {60, 8, 2, 0}},
        {"more than half a second short does not", jan1, Near(mar1, -0.6), {59, 8, 1, 0}},
        {"the same backwards", Near(mar1, -0.4), jan1, {-60, -8, -2, 0}},
        {"the whole range", {100, 1, 1}, {9999, 12, 31}, {3615899, 516557, 120529, 9906}},
    };
    for (const auto& row : rows)
        for (int u = 0; u < 4; ++u)
            EXPECT_EQ(DSA::SpanBetween(row.from, row.to, kUnits[u]), row.spans[u]) << row.what << ' ' << u;

    // Moves by days, weeks, calendar months and years.
    const struct {
        const char* what;
        COleDateTimeEx from;
        long long span;
        SpanUnit unit;
        const char* result;
    } moves[] = {
        {"days cross a month", {2012, 1, 31}, 10, SpanUnit::Day, "2012-02-10 00:00:00"},
        {"a week back", {2012, 3, 1}, -1, SpanUnit::Week, "2012-02-23 00:00:00"},
        {"weeks keep the time of day", {2012, 3, 1, 10, 30, 0}, 2, SpanUnit::Week, "2012-03-15 10:30:00"},
        {"to the last day February has", {2012, 1, 31}, 1, SpanUnit::Month, "2012-02-29 00:00:00"},
        {"back across a year", {2012, 1, 31}, -2, SpanUnit::Month, "2011-11-30 00:00:00"},
        {"a year back", {2012, 1, 31}, -1, SpanUnit::Year, "2011-01-31 00:00:00"},
    };
    for (const auto& move : moves)
        EXPECT_EQ(ShowDate(DSA::MovedBy(move.from, move.span, move.unit)), move.result) << move.what;
    // Spans of any int leave the range without overflow.
    for (long long span : {1LL * INT_MAX, 1LL * INT_MIN, -1LL * INT_MIN})
        for (SpanUnit unit : kUnits)
            EXPECT_FALSE(DSA::MovedBy({2012, 3, 5}, span, unit).IsValid()) << span << ' ' << DSA::UnitName(unit);

    const COleDateTimeEx day(2012, 3, 5), none = COleDateTime::Invalid();
    const struct {
        const char* what;
        DSA::Outcome outcome;
        Problem problem;
    } checks[] = {
        {"empty span asked for", DSA::ComputeEnd(day, "", SpanUnit::Day, true), Problem::NoSpan},
        {"blank span asked for", DSA::ComputeStart(day, "  ", SpanUnit::Day, true), Problem::NoSpan},
        {"empty span not an integer", DSA::ComputeEnd(day, "", SpanUnit::Day, false), Problem::SpanNotInteger},
        {"a word", DSA::ComputeEnd(day, "ten", SpanUnit::Day, true), Problem::SpanNotInteger},
        {"a fraction", DSA::ComputeEnd(day, "1.5", SpanUnit::Day, true), Problem::SpanNotInteger},
        {"beyond an int", DSA::ComputeEnd(day, "2147483648", SpanUnit::Day, true), Problem::SpanNotInteger},
        {"span before the date", DSA::ComputeEnd(none, "x", SpanUnit::Day, true), Problem::SpanNotInteger},
        {"no start for the end", DSA::ComputeEnd(none, "1", SpanUnit::Day, true), Problem::StartInvalid},
        {"no end for the start", DSA::ComputeStart(none, "1", SpanUnit::Day, false), Problem::EndInvalid},
        {"start checked first", DSA::ComputeSpan(none, none, SpanUnit::Day), Problem::StartInvalid},
        {"then the end", DSA::ComputeSpan(day, none, SpanUnit::Day), Problem::EndInvalid},
    };
    for (const auto& check : checks)
        EXPECT_EQ(check.outcome.problem, check.problem) << check.what;
    EXPECT_EQ(ShowDate(DSA::ComputeEnd(day, " -3 ", SpanUnit::Day, true).date), "2012-03-02 00:00:00"); // blanks around
    EXPECT_EQ(ShowDate(DSA::ComputeStart(day, "2", SpanUnit::Month, true).date), "2012-01-05 00:00:00");
}

// Friday 1 March 2024, the weekend, Monday 4 March a holiday or not: trading
// days skip both, keep the time of day and go back to where they count from.
TEST(DateSpan, TradingDaysSkipWeekendsAndHolidays)
{
    const CTradingDays holiday({}, {DayNumber({2024, 3, 4})});
    const COleDateTimeEx friday(2024, 3, 1, 10, 30, 0), saturday(2024, 3, 2), tuesday(2024, 3, 5);
    const struct {
        const char* what;
        COleDateTimeEx from;
        long long span;
        const CTradingDays* trading;
        const char* result;
    } moves[] = {
        {"over the weekend", friday, 1, nullptr, "2024-03-04 10:30:00"},
        {"over the weekend and the holiday", friday, 1, &holiday, "2024-03-05 10:30:00"},
        {"from a Saturday", saturday, 1, nullptr, "2024-03-04 00:00:00"},
        {"back over both", tuesday, -1, &holiday, "2024-03-01 00:00:00"},
        {"none stays put on a Saturday", saturday, 0, nullptr, "2024-03-02 00:00:00"},
        {"a week of them", friday, 5, &holiday, "2024-03-11 10:30:00"},
    };
    for (const auto& move : moves)
        EXPECT_EQ(ShowDate(DSA::MovedBy(move.from, move.span, SpanUnit::Trading, move.trading)), move.result)
            << move.what;
    EXPECT_EQ(DSA::SpanBetween(friday, tuesday, SpanUnit::Trading), 2);
    EXPECT_EQ(DSA::SpanBetween(friday, tuesday, SpanUnit::Trading, &holiday), 1);
    EXPECT_EQ(DSA::SpanBetween(tuesday, friday, SpanUnit::Trading, &holiday), -1);
    EXPECT_EQ(DSA::ComputeSpan(saturday, tuesday, SpanUnit::Trading, &holiday).span, 1);
    EXPECT_EQ(ShowDate(DSA::ComputeStart(tuesday, "6", SpanUnit::Trading, true, &holiday).date), "2024-02-23 00:00:00");
}

// Every command prints its result with status 0, "invalid" with status 1
// where there is none, and for bad arguments one line on stderr, status 2.
TEST(CalculatorCommands, PrintTheResultInvalidOrOneLineOfError)
{
    const std::string now = "2012-03-05 10:30:00"; // a Monday
    const struct {
        const char* what;
        CommandRun run;
        int status;
        const char* out;
    } rows[] = {
        {"degree", Invoke(RunDegreeCommand, std::string(" 1000 ")), 0, "67.10 64.69 280.00 240.00\n"},
        {"P not a number", Invoke(RunDegreeCommand, std::string("nan")), 2, ""},
        {"P a word", Invoke(RunDegreeCommand, std::string("ten")), 2, ""},
        {"span in weeks", Invoke(RunSpanCommand, "2012/01/01", "2012/03/01", "week", now), 0, "8\n"},
        {"the time of a phrase is dropped", Invoke(RunSpanCommand, "2012/03/06", "3 days ago", "day", now), 0, "-4\n"},
        {"not a date", Invoke(RunSpanCommand, "someday", "2012/01/01", "day", now), 1, "invalid\n"},
        {"end from a phrase", Invoke(RunEndCommand, "next friday", "1", "day", now), 0, "2012/03/10\n"},
        {"end that does not exist", Invoke(RunEndCommand, "2012/02/29", "1", "year", now), 1, "invalid\n"},
        {"start by a week", Invoke(RunStartCommand, "2012/03/01", "1", "week", now), 0, "2012/02/23\n"},
        {"end by trading days", Invoke(RunEndCommand, "2012/03/02", "1", "trading", now), 0, "2012/03/05\n"},
        {"start from no date", Invoke(RunStartCommand, "", "1", "week", now), 1, "invalid\n"},
        {"unknown unit", Invoke(RunEndCommand, "2012/03/01", "1", "fortnight", now), 2, ""},
        {"unit names are lower case", Invoke(RunEndCommand, "2012/03/01", "1", "Day", now), 2, ""},
        {"span not a number", Invoke(RunEndCommand, "2012/03/01", "one", "day", now), 2, ""},
        {"empty span", Invoke(RunStartCommand, "2012/03/01", "", "day", now), 2, ""},
        {"bad clock", Invoke(RunSpanCommand, "today", "today", "day", "2012-03-05"), 2, ""},
        {"date", Invoke(RunDateCommand, "tm", now, "date"), 0, "2012-03-06 10:30:00\n"},
        {"time of day", Invoke(RunDateCommand, "noon", now, "time"), 0, "1899-12-30 12:00:00\n"},
        {"date and time", Invoke(RunDateCommand, "noon", now, "both"), 0, "2012-03-05 12:00:00\n"},
        {"a time is no date", Invoke(RunDateCommand, "noon", now, "date"), 1, "invalid\n"},
        {"the day values count from", Invoke(RunDateCommand, "1899/12/30", now, "date"), 0, "1899-12-30 00:00:00\n"},
        {"clock without its time", Invoke(RunDateCommand, "today", "2012-03-05", "date"), 2, ""},
        {"clock on no day", Invoke(RunDateCommand, "today", "2012-02-30 10:30:00", "date"), 2, ""},
        {"clock with a T", Invoke(RunDateCommand, "today", "2012-03-05T10:30:00", "date"), 2, ""},
        {"clock with a blank after", Invoke(RunDateCommand, "today", "2012-03-05 10:30:00 ", "date"), 2, ""},
        {"clock with a sign", Invoke(RunDateCommand, "today", "+012-03-05 10:30:00", "date"), 2, ""},
        {"easter of the first year", Invoke(RunEasterCommand, "100"), 0, "0100-04-18\n"},
    };
    for (const auto& row : rows) {
        const std::string& err = row.run.err;
        EXPECT_EQ(row.run.status, row.status) << row.what;
        EXPECT_EQ(row.run.out, row.out) << row.what;
        EXPECT_EQ(err.empty(), row.status != 2) << row.what;
        EXPECT_TRUE(err.empty() || (err.rfind("quadrix-cli: ", 0) == 0 && err.find('\n') == err.size() - 1)) << err;
    }
    for (const char* year : {"", "99", "10000", "20x1", "-2012", "+2012", " 2012"}) {
        const CommandRun run = Invoke(RunEasterCommand, year);
        EXPECT_TRUE(run.status == 2 && run.out.empty() && !run.err.empty()) << year;
    }

    // Without --now, the computer's clock.
    const CFixedNow stale(COleDateTime(2000, 1, 1));
    const CommandRun today = Invoke(RunDateCommand, "today", "", "date");
    EXPECT_EQ(today.status, 0);
    EXPECT_NE(today.out.substr(0, 10), "2000-01-01");
}
