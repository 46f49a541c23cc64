// The automation date value: fields, negative values, spans, calendar moves,
// Easter and the predicates.

#include "DateTestSupport.h"
#include "OleDateTimeEx.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

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
}

TEST(TimeSpan, InvalidOperandsGiveInvalidResults)
{
    const COleDateTimeEx day(2012, 3, 5);
    EXPECT_FALSE((day + COleDateTimeSpan(4000000, 0, 0, 0)).IsValid());
    EXPECT_FALSE((COleDateTimeEx(COleDateTime::Invalid()) + COleDateTimeSpan(1.0)).IsValid());
    EXPECT_EQ((day - COleDateTime::Invalid()).GetStatus(), COleDateTimeSpan::invalid);
}

TEST(CalendarMoves, AddMonthsLandsOnTheLastDayTheMonthHas)
{
    const struct {
        COleDateTimeEx from;
        int months;
        const char* result;
    } rows[] = {{{2012, 1, 31}, 1, "2012-02-29 00:00:00"}, {{2012, 1, 31}, 2, "2012-03-31 00:00:00"},
        {{2011, 1, 31}, 1, "2011-02-28 00:00:00"}, {{2011, 1, 30}, 1, "2011-02-28 00:00:00"},
        {{2012, 3, 31}, 1, "2012-04-30 00:00:00"}, {{2011, 1, 15}, 1, "2011-02-15 00:00:00"},
        {{2012, 12, 15}, 1, "2013-01-15 00:00:00"}, {{2012, 1, 15}, 25, "2014-02-15 00:00:00"},
        {{2012, 2, 29}, 12, "2013-02-28 00:00:00"}, {{2012, 3, 5, 10, 30, 0}, 0, "2012-03-05 00:00:00"},
        {{2012, 3, 5}, -3, "2012-03-05 00:00:00"}, {{9999, 12, 1}, 1, "invalid"}};
    for (const auto& row : rows)
        EXPECT_EQ(ShowDate(row.from.AddMonths(row.months)), row.result) << ShowDate(row.from) << " + " << row.months;
}

TEST(CalendarMoves, SubtractMonthsLandsOnTheLastDayTheMonthHas)
{
    const struct {
        COleDateTimeEx from;
        int months;
        const char* result;
    } rows[] = {{{2012, 3, 31}, 1, "2012-02-29 00:00:00"}, {{2011, 3, 31}, 1, "2011-02-28 00:00:00"},
        {{2012, 3, 15}, 1, "2012-02-15 00:00:00"}, {{2012, 1, 15}, 1, "2011-12-15 00:00:00"},
        {{2012, 5, 31}, 3, "2012-02-29 00:00:00"}, {{2012, 3, 31}, 2, "2012-01-31 00:00:00"},
        {{2012, 3, 5, 23, 59, 59}, 0, "2012-03-05 00:00:00"}, {{100, 1, 15}, 1, "invalid"}};
    for (const auto& row : rows)
        EXPECT_EQ(ShowDate(row.from.SubtractMonths(row.months)), row.result)
            << ShowDate(row.from) << " - " << row.months;
}

TEST(CalendarMoves, AddYearsKeepsDayAndMonth)
{
    const struct {
        COleDateTimeEx from;
        int years;
        const char* result;
    } rows[] = {{{2011, 1, 31}, 1, "2012-01-31 00:00:00"}, {{2012, 2, 29}, 1, "invalid"},
        {{2012, 2, 29}, 4, "2016-02-29 00:00:00"}, {{2012, 1, 31, 10, 0, 0}, -1, "2011-01-31 00:00:00"},
        {{9999, 1, 1}, 1, "invalid"}, {{2012, 1, 1}, -1913, "invalid"}};
    for (const auto& row : rows)
        EXPECT_EQ(ShowDate(row.from.AddYears(row.years)), row.result) << ShowDate(row.from) << " + " << row.years;
}

TEST(CalendarHelpers, MonthLengthsAndLeapYears)
{
    const int lengths2012[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (int month = 1; month <= 12; ++month)
        EXPECT_EQ(COleDateTimeEx::DaysInMonth(month, 2012), lengths2012[month - 1]) << month;
    EXPECT_EQ(COleDateTimeEx::DaysInMonth(2, 2011), 28);
    EXPECT_EQ(COleDateTimeEx::DaysInMonth(0, 2012), 0);
    EXPECT_EQ(COleDateTimeEx::DaysInMonth(13, 2012), 0);

    const COleDateTimeEx value;
    const struct {
        int year;
        bool leap;
    } years[] = {{1900, false}, {2000, true}, {2011, false}, {2012, true}, {2100, false}};
    for (const auto& row : years)
        EXPECT_EQ(value.IsLeapYear(row.year), row.leap) << row.year;
    EXPECT_TRUE(COleDateTimeEx(2012, 7, 1).IsLeapYear());
    EXPECT_FALSE(COleDateTimeEx(COleDateTime::Invalid()).IsLeapYear());
}

TEST(CalendarHelpers, NthWeekdayOfMonth)
{
    const struct {
        int year, month, weekday, n;
        const char* result;
    } rows[] = {{2012, 5, 2, 2, "2012-05-14 00:00:00"}, // second Monday of May
        {2012, 1, 1, 1, "2012-01-01 00:00:00"}, // the 1st is itself a Sunday
        {2012, 2, 4, 5, "2012-02-29 00:00:00"}, // fifth Wednesday of a leap February
        {2012, 2, 6, 5, "invalid"}, // February 2012 has four Fridays
        {2012, 5, 2, 0, "invalid"}, {2012, 5, 2, 6, "invalid"}, {2012, 5, 8, 1, "invalid"}};
    for (const auto& row : rows)
        EXPECT_EQ(ShowDate(COleDateTimeEx::NthWeekdayOfMonth(row.year, row.month, row.weekday, row.n)), row.result)
            << row.year << '/' << row.month << " weekday " << row.weekday << " n " << row.n;
}

TEST(Easter, MatchesKnownDatesFrom1900To2100)
{
    // Western Easter Sundays, taken from an independent implementation.
    // clang-format off
    static const int kKnown[][3] = {
        {1900, 4, 15}, {1901, 4, 7}, {1902, 3, 30}, {1903, 4, 12}, {1904, 4, 3}, {1905, 4, 23},
        {1906, 4, 15}, {1907, 3, 31}, {1908, 4, 19}, {1909, 4, 11}, {1910, 3, 27}, {1911, 4, 16},
        {1912, 4, 7}, {1913, 3, 23}, {1914, 4, 12}, {1915, 4, 4}, {1916, 4, 23}, {1917, 4, 8},
        {1918, 3, 31}, {1919, 4, 20}, {1920, 4, 4}, {1921, 3, 27}, {1922, 4, 16}, {1923, 4, 1},
        {1924, 4, 20}, {1925, 4, 12}, {1926, 4, 4}, {1927, 4, 17}, {1928, 4, 8}, {1929, 3, 31},
        {1930, 4, 20}, {1931, 4, 5}, {1932, 3, 27}, {1933, 4, 16}, {1934, 4, 1}, {1935, 4, 21},
        {1936, 4, 12}, {1937, 3, 28}, {1938, 4, 17}, {1939, 4, 9}, {1940, 3, 24}, {1941, 4, 13},
        {1942, 4, 5}, {1943, 4, 25}, {1944, 4, 9}, {1945, 4, 1}, {1946, 4, 21}, {1947, 4, 6},
        {1948, 3, 28}, {1949, 4, 17}, {1950, 4, 9}, {1951, 3, 25}, {1952, 4, 13}, {1953, 4, 5},
        {1954, 4, 18}, {1955, 4, 10}, {1956, 4, 1}, {1957, 4, 21}, {1958, 4, 6}, {1959, 3, 29},
        {1960, 4, 17}, {1961, 4, 2}, {1962, 4, 22}, {1963, 4, 14}, {1964, 3, 29}, {1965, 4, 18},
        {1966, 4, 10}, {1967, 3, 26}, {1968, 4, 14}, {1969, 4, 6}, {1970, 3, 29}, {1971, 4, 11},
        {1972, 4, 2}, {1973, 4, 22}, {1974, 4, 14}, {1975, 3, 30}, {1976, 4, 18}, {1977, 4, 10},
        {1978, 3, 26}, {1979, 4, 15}, {1980, 4, 6}, {1981, 4, 19}, {1982, 4, 11}, {1983, 4, 3},
        {1984, 4, 22}, {1985, 4, 7}, {1986, 3, 30}, {1987, 4, 19}, {1988, 4, 3}, {1989, 3, 26},
        {1990, 4, 15}, {1991, 3, 31}, {1992, 4, 19}, {1993, 4, 11}, {1994, 4, 3}, {1995, 4, 16},
        {1996, 4, 7}, {1997, 3, 30}, {1998, 4, 12}, {1999, 4, 4}, {2000, 4, 23}, {2001, 4, 15},
        {2002, 3, 31}, {2003, 4, 20}, {2004, 4, 11}, {2005, 3, 27}, {2006, 4, 16}, {2007, 4, 8},
        {2008, 3, 23}, {2009, 4, 12}, {2010, 4, 4}, {2011, 4, 24}, {2012, 4, 8}, {2013, 3, 31},
        {2014, 4, 20}, {2015, 4, 5}, {2016, 3, 27}, {2017, 4, 16}, {2018, 4, 1}, {2019, 4, 21},
        {2020, 4, 12}, {2021, 4, 4}, {2022, 4, 17}, {2023, 4, 9}, {2024, 3, 31}, {2025, 4, 20},
        {2026, 4, 5}, {2027, 3, 28}, {2028, 4, 16}, {2029, 4, 1}, {2030, 4, 21}, {2031, 4, 13},
        {2032, 3, 28}, {2033, 4, 17}, {2034, 4, 9}, {2035, 3, 25}, {2036, 4, 13}, {2037, 4, 5},
        {2038, 4, 25}, {2039, 4, 10}, {2040, 4, 1}, {2041, 4, 21}, {2042, 4, 6}, {2043, 3, 29},
        {2044, 4, 17}, {2045, 4, 9}, {2046, 3, 25}, {2047, 4, 14}, {2048, 4, 5}, {2049, 4, 18},
        {2050, 4, 10}, {2051, 4, 2}, {2052, 4, 21}, {2053, 4, 6}, {2054, 3, 29}, {2055, 4, 18},
        {2056, 4, 2}, {2057, 4, 22}, {2058, 4, 14}, {2059, 3, 30}, {2060, 4, 18}, {2061, 4, 10},
        {2062, 3, 26}, {2063, 4, 15}, {2064, 4, 6}, {2065, 3, 29}, {2066, 4, 11}, {2067, 4, 3},
        {2068, 4, 22}, {2069, 4, 14}, {2070, 3, 30}, {2071, 4, 19}, {2072, 4, 10}, {2073, 3, 26},
        {2074, 4, 15}, {2075, 4, 7}, {2076, 4, 19}, {2077, 4, 11}, {2078, 4, 3}, {2079, 4, 23},
        {2080, 4, 7}, {2081, 3, 30}, {2082, 4, 19}, {2083, 4, 4}, {2084, 3, 26}, {2085, 4, 15},
        {2086, 3, 31}, {2087, 4, 20}, {2088, 4, 11}, {2089, 4, 3}, {2090, 4, 16}, {2091, 4, 8},
        {2092, 3, 30}, {2093, 4, 12}, {2094, 4, 4}, {2095, 4, 24}, {2096, 4, 15}, {2097, 3, 31},
        {2098, 4, 20}, {2099, 4, 12}, {2100, 3, 28}
    };
    // clang-format on
    ASSERT_EQ(std::size(kKnown), 201u);
    for (const auto& known : kKnown) {
        const COleDateTimeEx easter = COleDateTimeEx::Easter(known[0]);
        EXPECT_EQ(easter.GetMonth(), known[1]) << known[0];
        EXPECT_EQ(easter.GetDay(), known[2]) << known[0];
        EXPECT_TRUE(easter.IsSunday()) << known[0];
    }
    // The earliest and latest Easters, and the ends of the supported years.
    const int kFar[][3] = {{100, 4, 18}, {1583, 4, 10}, {1818, 3, 22}, {2285, 3, 22}, {4099, 4, 19}, {9999, 3, 28}};
    for (const auto& known : kFar)
        EXPECT_EQ(ShowDate(COleDateTimeEx::Easter(known[0])), ShowDate(COleDateTime(known[0], known[1], known[2])));
    EXPECT_FALSE(COleDateTimeEx::Easter(99).IsValid());
    EXPECT_FALSE(COleDateTimeEx::Easter(10000).IsValid());
}

TEST(Predicates, DayKindsWeekdaysAndMonths)
{
    // Sunday 4 March 2012 to Saturday 10 March 2012.
    for (int day = 4; day <= 10; ++day) {
        const COleDateTimeEx value(2012, 3, day, 12, 0, 0);
        const int weekday = day - 3;
        const bool is[7] = {value.IsSunday(), value.IsMonday(), value.IsTuesday(), value.IsWednesday(),
            value.IsThursday(), value.IsFriday(), value.IsSaturday()};
        for (int k = 1; k <= 7; ++k) {
            EXPECT_EQ(is[k - 1], k == weekday) << day << ' ' << k;
            EXPECT_EQ(value.MatchesDayKind(k + 2), k == weekday) << day << ' ' << k;
        }
        const bool weekend = weekday == 1 || weekday == 7;
        EXPECT_EQ(value.IsWeekend(), weekend);
        EXPECT_EQ(value.IsWeekday(), !weekend);
        EXPECT_EQ(value.MatchesDayKind(1), !weekend);
        EXPECT_EQ(value.MatchesDayKind(2), weekend);
        EXPECT_TRUE(value.MatchesDayKind(0));
        EXPECT_FALSE(value.MatchesDayKind(10));
    }
    for (int month = 1; month <= 12; ++month) {
        const COleDateTimeEx value(2012, month, 1);
        const bool is[12] = {value.IsJanuary(), value.IsFebruary(), value.IsMarch(), value.IsApril(), value.IsMay(),
            value.IsJune(), value.IsJuly(), value.IsAugust(), value.IsSeptember(), value.IsOctober(),
            value.IsNovember(), value.IsDecember()};
        for (int k = 1; k <= 12; ++k)
            EXPECT_EQ(is[k - 1], k == month) << month << ' ' << k;
    }
}

TEST(Predicates, AnInvalidValueIsNoDay)
{
    const COleDateTimeEx value {COleDateTime::Invalid()};
    EXPECT_FALSE(value.IsValid());
    EXPECT_FALSE(value.IsWeekend());
    EXPECT_FALSE(value.IsWeekday());
    EXPECT_FALSE(value.IsSaturday());
    EXPECT_FALSE(value.IsDecember());
    for (int kind = 0; kind <= 9; ++kind)
        EXPECT_FALSE(value.MatchesDayKind(kind)) << kind;
}

TEST(Settings, SettersIgnoreValuesOutsideTheirRange)
{
    COleDateTimeEx value;
    EXPECT_EQ(value.GetSettingA(), 0);
    EXPECT_EQ(value.GetSettingB(), 7);
    for (const int a : {3, 4, -1})
        value.SetSettingA(a);
    for (const int b : {11, 12, 0})
        value.SetSettingB(b);
    EXPECT_EQ(value.GetSettingA(), 3);
    EXPECT_EQ(value.GetSettingB(), 11);

    // A plain date brings value and status; another extended value also its settings.
    COleDateTimeEx target;
    target = COleDateTime::Invalid();
    EXPECT_FALSE(target.IsValid());
    EXPECT_EQ(target.GetSettingB(), 7);
    target = value;
    EXPECT_TRUE(target.IsValid());
    EXPECT_EQ(target.GetSettingA(), 3);
    EXPECT_EQ(target.GetSettingB(), 11);
    // Parsing leaves the settings alone.
    EXPECT_TRUE(target.ParseDateTime("2012/03/05", COleDateTimeEx::ParseDateValueOnly));
    EXPECT_EQ(target.GetSettingA(), 3);
}
