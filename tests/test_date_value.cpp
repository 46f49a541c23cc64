// The automation date value, its spans, calendar moves and predicates.

#include "DateTestSupport.h"
#include "OleDateTimeEx.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <utility>

TEST(AutomationDate, ValuesMapToCalendarFields)
{
    const struct {
        double value;
        const char* text;
    } rows[] = {{0.0, "1899-12-30 00:00:00"}, {1.0, "1899-12-31 00:00:00"}, {2.5, "1900-01-01 12:00:00"},
        {40973.75, "2012-03-05 18:00:00"},
        // Negative: the whole part counts back, the fraction still runs forward.
        {-1.25, "1899-12-29 06:00:00"}, {-1.75, "1899-12-29 18:00:00"}, {-0.5, "1899-12-30 12:00:00"},
        {-693.0, "1898-02-05 00:00:00"},
        // Rounded to the nearest second, carrying into the next day.
        {1.0 - 0.4 / 86400, "1899-12-31 00:00:00"}, {-1.0 - (86400 - 0.4) / 86400, "1899-12-30 00:00:00"},
        {COleDateTime::kMinDay, "100-01-01 00:00:00"}, {COleDateTime::kMaxDay + 86399.0 / 86400, "9999-12-31 23:59:59"},
        {COleDateTime::kMinDay - 1.0, "invalid"}, {COleDateTime::kMaxDay + 1.0, "invalid"},
        {std::numeric_limits<double>::quiet_NaN(), "invalid"}, {std::numeric_limits<double>::infinity(), "invalid"}};
    for (const auto& row : rows)
        EXPECT_EQ(ShowDate(COleDateTime(row.value)), row.text) << row.value;
}

TEST(AutomationDate, SetDateTimeRefusesFieldsThatDoNotRoundTrip)
{
    const struct {
        int y, mo, d, h, mi, s;
        bool valid;
    } rows[] = {{2012, 2, 29, 0, 0, 0, true}, {2011, 2, 29, 0, 0, 0, false}, {2012, 4, 31, 0, 0, 0, false},
        {2012, 1, 0, 0, 0, 0, false}, {2012, 13, 1, 0, 0, 0, false}, {2012, 0, 1, 0, 0, 0, false},
        {2012, 1, 1, 24, 0, 0, false}, {2012, 1, 1, 0, 60, 0, false}, {2012, 1, 1, 0, 0, 60, false},
        {99, 12, 31, 0, 0, 0, false}, {100, 1, 1, 0, 0, 0, true}, {9999, 12, 31, 23, 59, 59, true},
        {10000, 1, 1, 0, 0, 0, false}, {1900, 2, 29, 0, 0, 0, false}, {2000, 2, 29, 0, 0, 0, true}};
    for (const auto& row : rows) {
        COleDateTime value(40000.5);
        EXPECT_EQ(value.SetDateTime(row.y, row.mo, row.d, row.h, row.mi, row.s), row.valid)
            << row.y << '-' << row.mo << '-' << row.d << ' ' << row.h << ':' << row.mi << ':' << row.s;
        // A refused date leaves the number alone.
        EXPECT_EQ(value.GetValue() == 40000.5, !row.valid);
    }
}

TEST(AutomationDate, FieldsOfDaysBefore1900GiveNegativeValues)
{
    EXPECT_EQ(COleDateTime(1899, 12, 29, 6, 0, 0).GetValue(), -1.25);
    EXPECT_EQ(COleDateTime(1899, 12, 29, 18, 0, 0).GetValue(), -1.75);
    EXPECT_EQ(COleDateTime(1899, 12, 30, 12, 0, 0).GetValue(), 0.5);
    // Later in time although the number is smaller.
    EXPECT_TRUE(COleDateTime(-1.75) > COleDateTime(-1.25));
    EXPECT_TRUE(COleDateTime(-0.25) == COleDateTime(0.25));
}

TEST(AutomationDate, WeekdaysAndFormat)
{
    EXPECT_EQ(COleDateTime(0.0).GetDayOfWeek(), 7); // a Saturday
    EXPECT_EQ(COleDateTime(2012, 3, 4).GetDayOfWeek(), 1);
    EXPECT_EQ(COleDateTime(1899, 12, 24).GetDayOfWeek(), 1);
    EXPECT_EQ(COleDateTime(2012, 3, 5).Format("%Y/%m/%d"), "2012/03/05");
    EXPECT_EQ(COleDateTime(2012, 3, 5).Format("%A %j"), "Monday 065");
    EXPECT_EQ(COleDateTime::Invalid().Format("%Y/%m/%d"), "");
    EXPECT_EQ(COleDateTime::Invalid().GetYear(), -1);
}

TEST(TimeSpan, BoundsAndWholeDays)
{
    EXPECT_EQ(COleDateTimeSpan(3615897, 0, 0, 0).GetStatus(), COleDateTimeSpan::valid);
    EXPECT_EQ(COleDateTimeSpan(-3615897, 0, 0, 0).GetStatus(), COleDateTimeSpan::valid);
    EXPECT_EQ(COleDateTimeSpan(3615897, 0, 0, 1).GetStatus(), COleDateTimeSpan::invalid);
    EXPECT_EQ(COleDateTimeSpan(-3615898, 0, 0, 0).GetStatus(), COleDateTimeSpan::invalid);
    EXPECT_EQ(COleDateTimeSpan(std::nan("")).GetStatus(), COleDateTimeSpan::invalid);
    EXPECT_DOUBLE_EQ(COleDateTimeSpan(1, 12, 30, 36).GetTotalDays(), 1.521250);

    const struct {
        double days;
        long whole;
    } rows[] = {{2.0 - 0.4 / 86400, 2}, {2.0 - 0.6 / 86400, 1}, {-2.0 + 0.4 / 86400, -2}, {-2.0 + 0.6 / 86400, -1},
        {0.0, 0}, {3615897.0, 3615897}, {1e300, 0}};
    for (const auto& row : rows)
        EXPECT_EQ(COleDateTimeSpan(row.days).GetDays(), row.whole) << row.days;
}

TEST(TimeSpan, AdditionRunsThroughZeroAndNegativeValues)
{
    const struct {
        double value;
        double days;
        const char* result;
    } rows[] = {{0.25, -1.0, "1899-12-29 06:00:00"}, {-1.25, 2.0, "1899-12-31 06:00:00"},
        {-1.75, 0.5, "1899-12-30 06:00:00"}, {-2.5, -0.25, "1899-12-28 06:00:00"},
        {40939.0, 10.0, "2012-02-10 00:00:00"}, {COleDateTime::kMaxDay, 1.0, "invalid"}};
    for (const auto& row : rows) {
        const COleDateTimeEx from {COleDateTime(row.value)};
        EXPECT_EQ(ShowDate(from + COleDateTimeSpan(row.days)), row.result) << row.value << " + " << row.days;
        EXPECT_EQ(ShowDate(from - COleDateTimeSpan(-row.days)), row.result) << row.value << " - " << -row.days;
    }
    const COleDateTimeEx evening(1899, 12, 29, 18, 0, 0);
    EXPECT_DOUBLE_EQ((evening - COleDateTime(1899, 12, 30, 6, 0, 0)).GetTotalDays(), -0.5);
    EXPECT_DOUBLE_EQ((COleDateTimeEx(2012, 3, 1) - COleDateTime(2012, 1, 1)).GetTotalDays(), 60.0);
    // Invalid operands give invalid results.
    const COleDateTimeEx day(2012, 3, 5);
    EXPECT_FALSE((day + COleDateTimeSpan(4000000, 0, 0, 0)).IsValid());
    EXPECT_FALSE((COleDateTimeEx(COleDateTime::Invalid()) + COleDateTimeSpan(1.0)).IsValid());
    EXPECT_EQ((day - COleDateTime::Invalid()).GetStatus(), COleDateTimeSpan::invalid);
}

// Months land on the last day the month has; years keep day and month.
TEST(CalendarMoves, MonthsAndYearsEitherWay)
{
    const struct {
        COleDateTimeEx from;
        int count; // negative: subtracted
        char unit;
        const char* result;
    } rows[] = {{{2012, 1, 31}, 1, 'm', "2012-02-29 00:00:00"}, {{2012, 1, 31}, 2, 'm', "2012-03-31 00:00:00"},
        {{2011, 1, 30}, 1, 'm', "2011-02-28 00:00:00"}, {{2012, 3, 31}, 1, 'm', "2012-04-30 00:00:00"},
        {{2012, 12, 15}, 1, 'm', "2013-01-15 00:00:00"}, {{2012, 1, 15}, 25, 'm', "2014-02-15 00:00:00"},
        {{2012, 2, 29}, 12, 'm', "2013-02-28 00:00:00"}, {{2012, 3, 5, 10, 30, 0}, 0, 'm', "2012-03-05 00:00:00"},
        {{9999, 12, 1}, 1, 'm', "invalid"}, {{2011, 3, 31}, -1, 'm', "2011-02-28 00:00:00"},
        {{2012, 1, 15}, -1, 'm', "2011-12-15 00:00:00"}, {{2012, 5, 31}, -3, 'm', "2012-02-29 00:00:00"},
        {{2012, 3, 31}, -2, 'm', "2012-01-31 00:00:00"}, {{100, 1, 15}, -1, 'm', "invalid"},
        {{2011, 1, 31}, 1, 'y', "2012-01-31 00:00:00"}, {{2012, 2, 29}, 1, 'y', "invalid"},
        {{2012, 2, 29}, 4, 'y', "2016-02-29 00:00:00"}, {{2012, 1, 31, 10, 0, 0}, -1, 'y', "2011-01-31 00:00:00"},
        {{9999, 1, 1}, 1, 'y', "invalid"}, {{2012, 1, 1}, -1913, 'y', "invalid"}};
    for (const auto& row : rows) {
        const COleDateTimeEx moved = row.unit == 'y' ? row.from.AddYears(row.count)
            : row.count >= 0                         ? row.from.AddMonths(row.count)
                                                     : row.from.SubtractMonths(-row.count);
        EXPECT_EQ(ShowDate(moved), row.result) << ShowDate(row.from) << " + " << row.count << row.unit;
    }
    // AddMonths takes no negative count.
    EXPECT_EQ(ShowDate(COleDateTimeEx(2012, 3, 5).AddMonths(-3)), "2012-03-05 00:00:00");
}

TEST(CalendarHelpers, MonthLengthsAndLeapYears)
{
    // February, April and March are the month moves'.
    EXPECT_EQ(COleDateTimeEx::DaysInMonth(12, 2012), 31);
    EXPECT_EQ(COleDateTimeEx::DaysInMonth(0, 2012), 0);
    EXPECT_EQ(COleDateTimeEx::DaysInMonth(13, 2012), 0);

    for (const int year : {1900, 2000, 2011, 2012, 2100})
        EXPECT_EQ(COleDateTimeEx().IsLeapYear(year), year == 2000 || year == 2012) << year;
    EXPECT_TRUE(COleDateTimeEx(2012, 7, 1).IsLeapYear());
    EXPECT_FALSE(COleDateTimeEx(COleDateTime::Invalid()).IsLeapYear());
}

// The days it finds are the parser's n-th weekdays and holidays.
TEST(CalendarHelpers, NthWeekdayOfMonthRefusesCountsAndWeekdaysOutOfRange)
{
    const int rows[][2] = {{2, 0}, {2, 6}, {0, 1}, {8, 1}};
    for (const auto& [weekday, n] : rows)
        EXPECT_FALSE(COleDateTimeEx::NthWeekdayOfMonth(2012, 5, weekday, n).IsValid()) << weekday << ' ' << n;
}

TEST(Easter, KnownDatesAndASundayInItsWindowEveryYear)
{
    // Western Easter Sundays from an independent table, the earliest and
    // latest Easters and the ends of the supported years.
    const int kKnown[][3] = {{100, 4, 18},  {1583, 4, 10}, {1818, 3, 22}, {1900, 4, 15}, {1943, 4, 25},
                             {2000, 4, 23}, {2008, 3, 23}, {2011, 4, 24}, {2012, 4, 8},  {2038, 4, 25},
                             {2100, 3, 28}, {2285, 3, 22}, {4099, 4, 19}, {9999, 3, 28}};
    for (const auto& known : kKnown)
        EXPECT_EQ(ShowDate(COleDateTimeEx::Easter(known[0])), ShowDate(COleDateTime(known[0], known[1], known[2])));
    for (int year = 1583; year <= 9999; ++year) {
        const COleDateTimeEx easter = COleDateTimeEx::Easter(year);
        ASSERT_TRUE(easter.IsSunday()) << year;
        const int day = easter.GetMonth() == 3 ? easter.GetDay() : 31 + easter.GetDay();
        ASSERT_TRUE(easter.GetMonth() >= 3 && easter.GetMonth() <= 4 && day >= 22 && day <= 56) << year;
    }
    EXPECT_FALSE(COleDateTimeEx::Easter(99).IsValid());
    EXPECT_FALSE(COleDateTimeEx::Easter(10000).IsValid());
}

TEST(Predicates, DayKindsAndWeekends)
{
    // Sunday 4 March 2012 to Saturday 10 March 2012.
    for (int day = 4; day <= 10; ++day) {
        const COleDateTimeEx value(2012, 3, day, 12, 0, 0);
        const int weekday = day - 3;
        for (int k = 1; k <= 7; ++k)
            EXPECT_EQ(value.MatchesDayKind(k + 2), k == weekday) << day << ' ' << k;
        const bool weekend = weekday == 1 || weekday == 7;
        EXPECT_EQ(value.IsWeekend(), weekend);
        EXPECT_EQ(value.IsWeekday(), !weekend);
        EXPECT_EQ(value.MatchesDayKind(1), !weekend);
        EXPECT_EQ(value.MatchesDayKind(2), weekend);
        EXPECT_TRUE(value.MatchesDayKind(0));
        EXPECT_FALSE(value.MatchesDayKind(10));
    }
    EXPECT_TRUE(COleDateTimeEx(2012, 3, 4).IsSunday());
    EXPECT_TRUE(COleDateTimeEx(2012, 12, 31).IsDecember());

    // An invalid value is no day.
    const COleDateTimeEx invalid {COleDateTime::Invalid()};
    EXPECT_FALSE(invalid.IsWeekend() || invalid.IsWeekday() || invalid.IsSaturday() || invalid.IsDecember());
    for (int kind = 0; kind <= 9; ++kind)
        EXPECT_FALSE(invalid.MatchesDayKind(kind)) << kind;
}

TEST(Settings, SettersIgnoreValuesOutsideTheirRange)
{
    using Settings = std::pair<int, int>;
    COleDateTimeEx value;
    EXPECT_EQ(Settings(value.GetSettingA(), value.GetSettingB()), Settings(0, 7));
    for (const int a : {3, 4, -1})
        value.SetSettingA(a);
    for (const int b : {11, 12, 0})
        value.SetSettingB(b);
    EXPECT_EQ(Settings(value.GetSettingA(), value.GetSettingB()), Settings(3, 11));

    // A plain date brings value and status; another extended value also its
    // settings, which parsing leaves alone.
    COleDateTimeEx target;
    target = COleDateTime::Invalid();
    EXPECT_FALSE(target.IsValid());
    EXPECT_EQ(target.GetSettingB(), 7);
    target = value;
    EXPECT_TRUE(target.IsValid());
    EXPECT_TRUE(target.ParseDateTime("2012/03/05", COleDateTimeEx::ParseDateValueOnly));
    EXPECT_EQ(Settings(target.GetSettingA(), target.GetSettingB()), Settings(3, 11));
}
