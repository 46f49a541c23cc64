// The automation date value, its spans, calendar moves and predicates, and
// the date text parser with its vocabulary measured from a fixed now.

#include "DateTestSupport.h"
#include "DateTextParser.h"
#include "LocaleDateConversion.h"
#include "OleDateTimeEx.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <utility>
#include <vector>

namespace {

constexpr unsigned long kDate = COleDateTimeEx::ParseDateValueOnly;
constexpr unsigned long kTime = COleDateTimeEx::ParseTimeValueOnly;
constexpr unsigned long kBoth = COleDateTimeEx::ParseDateAndTime;

struct Case {
    const char* text;
    const char* result;
};

std::string Parse(const std::string& text, unsigned long flags = kDate)
{
    COleDateTimeEx value;
    const bool read = value.ParseDateTime(text, flags);
    EXPECT_EQ(read, value.IsValid()) << text;
    return ShowDate(value);
}

void ExpectAll(const std::vector<Case>& cases, unsigned long flags = kDate)
{
    for (const Case& c : cases)
        EXPECT_EQ(Parse(c.text, flags), c.result) << '"' << c.text << "\" in mode " << flags;
}

// Every phrase of the vocabulary is measured from Monday 5 March 2012, 10:30.
class DateParser : public ::testing::Test {
    CFixedNow m_now {COleDateTime(2012, 3, 5, 10, 30, 0)};
};

} // namespace

TEST_F(DateParser, LocaleFormsMeridiemsAndTimesOfDayInEachMode)
{
    ExpectAll({{"2012/03/05", "2012-03-05 00:00:00"}, {"2012-3-5", "2012-03-05 00:00:00"},
        {"2012.03.05", "2012-03-05 00:00:00"}, {"  2012/03/05  ", "2012-03-05 00:00:00"},
        {"2012/03/05 14:30", "2012-03-05 00:00:00"}, {"03/05/12", "2012-03-05 00:00:00"}, // the C locale's own %m/%d/%y
        {"2012/02/30", "invalid"}, {"2012-03/05", "invalid"}, {"2012/03/05/", "invalid"}, {"20120/03/05", "invalid"},
        {"2012/03/0514:30", "invalid"}, {"2012/03/05 25:00", "invalid"},
        // A time alone names no date; the day the value counts from is a date.
        {"14:30", "invalid"}, {"1899-12-30", "1899-12-30 00:00:00"}, {"1899/12/30 14:30", "1899-12-30 00:00:00"},
        {"noon", "invalid"}, {"2 hours ago", "invalid"}});
    ExpectAll(
        {{"2012-03-05 14:30", "2012-03-05 14:30:00"}, {"2012-03-05 2:30:15 pm", "2012-03-05 14:30:15"},
            {"2012-03-05 12:00 AM", "2012-03-05 00:00:00"}, {"2012-03-05 12:00 PM", "2012-03-05 12:00:00"},
            {"2012-03-05 13:00 PM", "invalid"}, {"2012-03-05 0:30 AM", "invalid"}, {"14:30", "1899-12-30 14:30:00"},
            // Times of day.
            {"noon", "2012-03-05 12:00:00"}, {"midnight", "2012-03-05 00:00:00"}, {"3 PM", "2012-03-05 15:00:00"},
            {"3pm", "2012-03-05 15:00:00"}, {"3 p.m.", "2012-03-05 15:00:00"}, {"4 o'clock", "2012-03-05 04:00:00"},
            {"4 O CLOCK PM", "2012-03-05 16:00:00"}, {"4 oclock", "2012-03-05 04:00:00"},
            {"HALF PAST 3", "2012-03-05 03:30:00"}, {"10 MINUTES PAST 3 PM", "2012-03-05 15:10:00"},
            {"10 after 3", "2012-03-05 03:10:00"}, {"10 TILL 4", "2012-03-05 03:50:00"},
            {"5 til noon", "2012-03-05 11:55:00"}, {"15 minutes until midnight", "2012-03-05 23:45:00"},
            {"2 HOURS AGO", "2012-03-05 08:30:00"}, {"90 MINUTES FROM NOW", "2012-03-05 12:00:00"},
            {"1 hour from now", "2012-03-05 11:30:00"}, {"12:00 AM", "1899-12-30 00:00:00"}, {"3", "invalid"},
            {"13 PM", "invalid"}, {"61 minutes past 3", "invalid"}},
        kBoth);
    ExpectAll(
        {{"2012-03-05 14:30", "1899-12-30 14:30:00"}, {"2012/02/30 14:30", "invalid"}, {"noon", "1899-12-30 12:00:00"},
            {"now", "1899-12-30 10:30:00"}, {"2 hours ago", "1899-12-30 08:30:00"}, {"tomorrow", "invalid"}},
        kTime);
    for (const char* marker : {" AM ", "AM", " A M", " A M.", " A.M", " A.M.", " AM.", " a.m."})
        EXPECT_EQ(Parse(std::string("2012-03-05 3:00") + marker, kBoth), "2012-03-05 03:00:00") << marker;
    for (const char* marker : {" PM ", "pm", " P M", " P M.", " P.M", " P.M.", " PM."})
        EXPECT_EQ(Parse(std::string("2012-03-05 3:00") + marker, kBoth), "2012-03-05 15:00:00") << marker;
    EXPECT_EQ(CDateTextParser::NormaliseMeridiem("10 A MONTH AGO"), "10 A MONTH AGO");
    EXPECT_EQ(CDateTextParser::NormaliseMeridiem("3 AMERICA"), "3 AMERICA");
}

TEST(LocaleDateConversion, ReadsTheLocaleShortDateFormat)
{
    EXPECT_EQ(CLocaleDateConversion::LocaleDateFormat("C"), "%m/%d/%y");
    EXPECT_EQ(CLocaleDateConversion::LocaleDateFormat("xx_NOWHERE.UTF-8"), "");
    const struct {
        const char *format, *text;
        unsigned long flags;
        const char* result;
    } rows[] = {{"%d.%m.%Y", "05.03.2012", kDate, "2012-03-05 00:00:00"},
        {"%d.%m.%Y", "5.3.2012 14:30", kBoth, "2012-03-05 14:30:00"}, {"%d.%m.%Y", "31.04.2012", kDate, "invalid"},
        {"%Y年%m月%d日", "2012年3月5日", kDate, "2012-03-05 00:00:00"},
        {"%D", "03/05/69", kDate, "1969-03-05 00:00:00"}, {"%D", "03/05/2068", kDate, "2068-03-05 00:00:00"},
        {"%D", "03/05/201", kDate, "invalid"}, {"%e/%m/%Y", " 5/03/2012", kDate, "2012-03-05 00:00:00"},
        // Formats without a whole numeric date read nothing.
        {"%a %d", "Mon 05", kDate, "invalid"}, {"%d/%m", "05/03", kDate, "invalid"},
        {"%d/%m/%", "05/03/", kDate, "invalid"}};
    for (const auto& row : rows)
        EXPECT_EQ(ShowDate(CLocaleDateConversion(row.format).Convert(row.text, row.flags)), row.result)
            << row.format << " / " << row.text;
}

// Abbreviations of each sort: the phrases of a month, a numbered weekday, a
// holiday whose abbreviation begins another's.
TEST_F(DateParser, PreparedTextAndAbbreviations)
{
    const Case prepared[] = {{"  next \t  friday  ", "NEXT FRIDAY"}, {"10 days after x", "10 DAYS AFTER CHRISTMAS"},
        {"x-mas", "CHRISTMAS-MAS"}, {"tmx", "TMX"}, {"n1", "NEXT SUNDAY"}};
    for (const Case& row : prepared)
        EXPECT_EQ(CDateTextParser::PrepareText(row.text), row.result) << row.text;
    const Case abbreviations[] = {{"TM", "TOMORROW"}, {"NM", "NEXT MONTH"}, {"LM", "LAST MONTH"}, {"N1", "NEXT SUNDAY"},
        {"L7", "LAST SATURDAY"}, {"DY", "DAY BEFORE YESTERDAY"}, {"NY", "NEW YEARS"}, {"NYE", "NEW YEARS EVE"},
        {"J4", "JULY 4TH"}, {"PD", "PRESIDENTS DAY"}};
    for (const Case& row : abbreviations) {
        const std::string meaning = Parse(row.result);
        EXPECT_NE(meaning, "invalid") << row.result;
        EXPECT_EQ(Parse(row.text), meaning) << row.text;
    }
}

TEST_F(DateParser, WholeTextPhrasesAndHolidays)
{
    ExpectAll({{"today", "2012-03-05 10:30:00"}, {"now", "2012-03-05 10:30:00"}, {"yesterday", "2012-03-04 10:30:00"},
        {"day before yesterday", "2012-03-03 10:30:00"}, {"day after tomorrow", "2012-03-07 10:30:00"},
        {"next week", "2012-03-12 10:30:00"}, {"last week", "2012-02-27 10:30:00"},
        {"next month", "2012-04-05 00:00:00"}, {"last month", "2012-02-05 00:00:00"},
        {"christmas", "2012-12-25 00:00:00"}, {"xmass", "2012-12-25 00:00:00"}, {"xmas eve", "2012-12-24 00:00:00"},
        {"new years day", "2013-01-01 00:00:00"}, {"new years eve", "2012-12-31 00:00:00"},
        {"halloween", "2012-10-31 00:00:00"}, {"forth of July", "2012-07-04 00:00:00"},
        {"independence day", "2012-07-04 00:00:00"}, {"easter sunday", "2012-04-08 00:00:00"},
        {"good friday", "2012-04-06 00:00:00"}, {"ash wednesday", "2012-02-22 00:00:00"},
        {"veteran day", "2012-11-11 00:00:00"}, {"memorial day", "2012-05-28 00:00:00"},
        {"labor day", "2012-09-03 00:00:00"}, {"columbus day", "2012-10-08 00:00:00"},
        {"thanksgiving", "2012-11-22 00:00:00"}, {"Washington's Birthday", "2012-02-20 00:00:00"},
        {"president day", "2012-02-20 00:00:00"}, {"THIS NEXT YEAR", "2013-03-05 00:00:00"},
        {"PAST YEAR", "2011-03-05 00:00:00"}, {"THIS LAST YEAR", "2011-03-05 00:00:00"},
        // Holidays with a direction or in a named year.
        {"next christmas", "2012-12-25 00:00:00"}, {"last christmas", "2011-12-25 00:00:00"},
        {"next new years", "2013-01-01 00:00:00"}, {"last new years", "2012-01-01 00:00:00"},
        {"past easter", "2011-04-24 00:00:00"}, {"this next good friday", "2012-04-06 00:00:00"},
        {"next presidents day", "2013-02-18 00:00:00"}, {"this past presidents day", "2012-02-20 00:00:00"},
        {"this last thanksgiving", "2011-11-24 00:00:00"}, {"next hallowe'en", "invalid"},
        {"easter 2030", "2030-04-21 00:00:00"}, {"christmas 2020", "2020-12-25 00:00:00"},
        {"thanksgiving 2013", "2013-11-28 00:00:00"}, {"new years 2013", "2013-01-01 00:00:00"},
        {"good friday 2013", "2013-03-29 00:00:00"}, {"memorial day 2013", "2013-05-27 00:00:00"},
        {"easter 99", "invalid"}, {"easter 10000", "invalid"}});

    // Holidays already past move to next year.
    const struct {
        COleDateTime now;
        const char *text, *result;
    } rows[] = {{{2012, 1, 15}, "good friday", "2012-04-06 00:00:00"},
        // Easter 2012 (8 April) lies before now: Good Friday 2013.
        {{2012, 4, 10}, "good friday", "2013-03-29 00:00:00"}, {{2012, 4, 10}, "easter", "2013-03-31 00:00:00"},
        {{2012, 7, 5}, "independence day", "2013-07-04 00:00:00"},
        {{2012, 11, 12}, "veterans day", "2013-11-11 00:00:00"}, {{2012, 12, 26}, "christmas", "2012-12-25 00:00:00"}};
    for (const auto& row : rows) {
        const CFixedNow now(row.now);
        EXPECT_EQ(Parse(row.text), row.result) << row.text << " on " << ShowDate(row.now);
    }
}

TEST_F(DateParser, OneUnitOrWeekdayBeforeOrAfterNow)
{
    const char* const rows[][3] = {{"DAY", "2012-03-04 10:30:00", "2012-03-06 10:30:00"},
        {"MONTH", "2012-02-05 00:00:00", "2012-04-05 00:00:00"},
        {"YEAR", "2011-03-05 00:00:00", "2013-03-05 00:00:00"}};
    for (const auto& [unit, ago, fromNow] : rows)
        for (const std::string quantity : {"ONE ", "1 ", "A ", ""})
            for (const std::string plural : {"", "S"}) {
                const std::string stem = quantity + unit + plural;
                EXPECT_EQ(Parse(stem + " AGO"), ago) << stem;
                EXPECT_EQ(Parse(stem + " FROM NOW"), fromNow) << stem;
            }

    // Weekdays are strictly before or after today.
    const char* const weekdays[][3] = {{"SUNDAY", "2012-03-11", "2012-03-04"}, {"MONDAY", "2012-03-12", "2012-02-27"},
        {"TUESDAY", "2012-03-06", "2012-02-28"}, {"WEDNESDAY", "2012-03-07", "2012-02-29"},
        {"THURSDAY", "2012-03-08", "2012-03-01"}, {"FRIDAY", "2012-03-09", "2012-03-02"},
        {"SATURDAY", "2012-03-10", "2012-03-03"}};
    for (const auto& [weekday, next, last] : weekdays) {
        const std::string day = weekday, time = " 10:30:00";
        for (const char* prefix : {"", "next "})
            EXPECT_EQ(Parse(prefix + day), next + time) << prefix << day;
        for (const char* prefix : {"last ", "this past ", "past "})
            EXPECT_EQ(Parse(prefix + day), last + time) << prefix << day;
    }
    // On a Sunday, Sunday is a week away either way.
    const CFixedNow sunday(COleDateTime(2012, 3, 4, 9, 0, 0));
    ExpectAll({{"sunday", "2012-03-11 09:00:00"}, {"next sunday", "2012-03-11 09:00:00"},
        {"last sunday", "2012-02-26 09:00:00"}});
}

// Counts from now, before or after a date, added to a date; counts of
// weekdays step at most 200 days; the n-th weekday of a month this year.
TEST_F(DateParser, CountsOfUnitsAndWeekdays)
{
    ExpectAll({{"3 DAYS AGO", "2012-03-02 10:30:00"}, {"10 days from now", "2012-03-15 10:30:00"},
        {"13 months from now", "2013-04-05 00:00:00"}, {"0 DAYS AGO", "2012-03-05 10:30:00"}, {"3 DAYS", "invalid"},
        {"2 WEEKS AGO", "2012-02-20 10:30:00"}, {"3 MONTHS AGO", "2011-12-05 00:00:00"}, {"in days", "invalid"},
        {"9999999 DAYS AGO", "invalid"}, {"12345678 DAYS AGO", "invalid"}, {"-3 DAYS AGO", "invalid"},
        {"3 FORTNIGHTS AGO", "invalid"}, {"in 3 days", "2012-03-08 10:30:00"}, {"in 2 weeks", "2012-03-19 10:30:00"},
        {"in 2 years", "2014-03-05 00:00:00"}, {"in 2 fortnights", "invalid"},
        {"10 DAYS AFTER christmas", "2013-01-04 00:00:00"}, {"10 days from 2012/01/01", "2012-01-11 00:00:00"},
        {"3 DAYS BEFORE new years", "2012-12-29 00:00:00"}, {"2 WEEKS FROM 2012-01-01", "2012-01-15 00:00:00"},
        {"2 weeks before christmas", "2012-12-11 00:00:00"}, {"1 MONTHS AFTER 2012/01/31", "2012-02-29 00:00:00"},
        {"2 MONTHS BEFORE 2012/03/31", "2012-01-31 00:00:00"}, {"1 YEARS FROM 2012/02/29", "2013-02-28 00:00:00"},
        {"2 YEARS BEFORE 2012/02/29", "2010-02-28 00:00:00"}, {"3 DAYS FROM TOMORROW", "2012-03-09 10:30:00"},
        {"1 DAY AFTER 10 DAYS AFTER christmas", "2013-01-05 00:00:00"},
        {"1 DAYS AFTER 1 DAYS AFTER 1 DAYS AFTER X", "2012-12-28 00:00:00"}, {"2 days after nonsense", "invalid"},
        {"2 days after", "invalid"}, {"2012/01/31 + 10", "2012-02-10 00:00:00"},
        {"2012/01/31 +10", "2012-02-10 00:00:00"}, {"2012/01/31+ 10", "2012-02-10 00:00:00"},
        {"2012/01/31 plus 2 weeks", "2012-02-14 00:00:00"}, {"2012/03/01 - 1 WEEKS", "2012-02-23 00:00:00"},
        {"2012/03/01 -1", "2012-02-29 00:00:00"}, {"2012-03-01 - 1days", "2012-02-29 00:00:00"},
        {"christmas minus 3 days", "2012-12-22 00:00:00"}, {"x + 1 - 2", "2012-12-24 00:00:00"},
        {"tm + 1", "2012-03-07 10:30:00"}, {"2012/01/31 + 2 months", "invalid"}, {"+ 3", "invalid"},
        {"1 FRIDAYS AGO", "2012-03-02 10:30:00"}, {"2 fridays ago", "2012-02-24 10:30:00"},
        {"1 MONDAYS AGO", "2012-02-27 10:30:00"}, {"0 SUNDAYS AGO", "2012-03-04 10:30:00"},
        {"0 sundays from now", "2012-03-06 10:30:00"}, {"1 MONDAYS FROM NOW", "2012-03-12 10:30:00"},
        {"3 SUNDAYS FROM TODAY", "2012-03-25 10:30:00"}, {"28 MONDAYS FROM NOW", "2012-09-17 10:30:00"},
        {"28 mondays ago", "2011-08-22 10:30:00"}, {"29 MONDAYS FROM NOW", "invalid"}, {"29 mondays ago", "invalid"},
        {"1 FRIDAYS HENCE", "invalid"}, {"2ND MONDAY IN MAY", "2012-05-14 00:00:00"},
        {"first sunday in jan", "2012-01-01 00:00:00"}, {"3rd saturday in mar", "2012-03-17 00:00:00"},
        {"forth thursday in november", "2012-11-22 00:00:00"}, {"5 wednesday in feb", "2012-02-29 00:00:00"},
        {"FIFTH THURSDAY IN MARCH", "2012-03-29 00:00:00"}, {"5TH FRIDAY IN FEBRUARY", "invalid"},
        {"2ND MONDAY IN MAYO", "invalid"}, {"6TH MONDAY IN MAY", "invalid"}});
}

TEST_F(DateParser, TextsThatAreNotDatesParseToInvalid)
{
    std::string nested50;
    for (int i = 0; i < 50; ++i)
        nested50 += "1 DAYS AFTER ";
    const std::string texts[] = {"", "   ", "\xff\xfe\xfd", "t\xc3\xa9",
        "\xef\xbc\x92\xef\xbc\x90\xef\xbc\x91\xef\xbc\x92/03/05", // full-width digits
        std::string("tm\0", 3), std::string("2012/03/05\0", 11), std::string(100000, '1'), nested50 + "X",
        "2012/03/05 + 99999999"};
    for (const std::string& text : texts)
        for (const unsigned long flags : {kDate, kTime, kBoth})
            EXPECT_EQ(Parse(text, flags), "invalid") << text.substr(0, 40) << " in mode " << flags;
}

TEST(AutomationDate, ValuesFieldsOrderWeekdaysAndFormat)
{
    const std::pair<double, const char*> rows[] = {{0.0, "1899-12-30 00:00:00"}, {1.0, "1899-12-31 00:00:00"},
        {2.5, "1900-01-01 12:00:00"}, {40973.75, "2012-03-05 18:00:00"},
        // Negative: the whole part counts back, the fraction still runs forward.
        {-1.25, "1899-12-29 06:00:00"}, {-1.75, "1899-12-29 18:00:00"}, {-0.5, "1899-12-30 12:00:00"},
        {-693.0, "1898-02-05 00:00:00"},
        // Rounded to the nearest second, carrying into the next day.
        {1.0 - 0.4 / 86400, "1899-12-31 00:00:00"}, {-1.0 - (86400 - 0.4) / 86400, "1899-12-30 00:00:00"},
        {COleDateTime::kMinDay, "100-01-01 00:00:00"}, {COleDateTime::kMaxDay + 86399.0 / 86400, "9999-12-31 23:59:59"},
        {COleDateTime::kMinDay - 1.0, "invalid"}, {COleDateTime::kMaxDay + 1.0, "invalid"},
        {std::numeric_limits<double>::quiet_NaN(), "invalid"}, {std::numeric_limits<double>::infinity(), "invalid"}};
    for (const auto& [value, text] : rows)
        EXPECT_EQ(ShowDate(COleDateTime(value)), text) << value;

    // Day 0 is positive; earlier days compare by time, not by their number.
    EXPECT_EQ(COleDateTime(1899, 12, 30, 12, 0, 0).GetValue(), 0.5);
    EXPECT_TRUE(COleDateTime(-1.75) > COleDateTime(-1.25));
    EXPECT_TRUE(COleDateTime(-0.25) == COleDateTime(0.25));
    EXPECT_EQ(COleDateTime(0.0).GetDayOfWeek(), 7); // a Saturday
    EXPECT_EQ(COleDateTime(1899, 12, 24).GetDayOfWeek(), 1);
    EXPECT_EQ(COleDateTime(2012, 3, 5).Format("%A %j"), "Monday 065");
    EXPECT_EQ(COleDateTime::Invalid().Format("%Y/%m/%d"), "");
    EXPECT_EQ(COleDateTime::Invalid().GetYear(), -1);
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

TEST(TimeSpan, BoundsWholeDaysAndAddition)
{
    EXPECT_EQ(COleDateTimeSpan(3615897, 0, 0, 0).GetStatus(), COleDateTimeSpan::valid);
    EXPECT_EQ(COleDateTimeSpan(-3615897, 0, 0, 0).GetStatus(), COleDateTimeSpan::valid);
    EXPECT_EQ(COleDateTimeSpan(3615897, 0, 0, 1).GetStatus(), COleDateTimeSpan::invalid);
    EXPECT_EQ(COleDateTimeSpan(-3615898, 0, 0, 0).GetStatus(), COleDateTimeSpan::invalid);
    EXPECT_EQ(COleDateTimeSpan(std::nan("")).GetStatus(), COleDateTimeSpan::invalid);
    EXPECT_DOUBLE_EQ(COleDateTimeSpan(1, 12, 30, 36).GetTotalDays(), 1.521250);
    const std::pair<double, long> whole[] = {{2.0 - 0.4 / 86400, 2}, {2.0 - 0.6 / 86400, 1}, {-2.0 + 0.4 / 86400, -2},
        {-2.0 + 0.6 / 86400, -1}, {0.0, 0}, {3615897.0, 3615897}, {1e300, 0}};
    for (const auto& [days, count] : whole)
        EXPECT_EQ(COleDateTimeSpan(days).GetDays(), count) << days;

    // Addition runs through zero and negative values.
    const struct {
        double value, days;
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
    // Invalid operands give invalid results.
    const COleDateTimeEx day(2012, 3, 5);
    EXPECT_FALSE((day + COleDateTimeSpan(4000000, 0, 0, 0)).IsValid());
    EXPECT_FALSE((COleDateTimeEx(COleDateTime::Invalid()) + COleDateTimeSpan(1.0)).IsValid());
    EXPECT_EQ((day - COleDateTime::Invalid()).GetStatus(), COleDateTimeSpan::invalid);
}

// Months land on the last day the month has; years keep day and month.
TEST(CalendarMoves, MonthsAndYearsEitherWayMonthLengthsLeapYearsAndNthWeekdaysOutOfRange)
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

    // The helpers under them: real months' lengths are the moves' above.
    EXPECT_EQ(COleDateTimeEx::DaysInMonth(0, 2012), 0);
    EXPECT_EQ(COleDateTimeEx::DaysInMonth(13, 2012), 0);

    for (const int year : {1900, 2000, 2011, 2012, 2100})
        EXPECT_EQ(COleDateTimeEx().IsLeapYear(year), year == 2000 || year == 2012) << year;
    EXPECT_TRUE(COleDateTimeEx(2012, 7, 1).IsLeapYear());
    EXPECT_FALSE(COleDateTimeEx(COleDateTime::Invalid()).IsLeapYear());

    // The n-th weekdays it finds are the parser's and its holidays'.
    const int outOfRange[][2] = {{2, 0}, {2, 6}, {0, 1}, {8, 1}};
    for (const auto& [weekday, n] : outOfRange)
        EXPECT_FALSE(COleDateTimeEx::NthWeekdayOfMonth(2012, 5, weekday, n).IsValid()) << weekday << ' ' << n;
}

TEST(Easter, KnownDatesAndASundayInItsWindowEveryYear)
{
    // From an independent table: the earliest and latest, the supported years' ends.
    const int kKnown[][3]
        = {{100, 4, 18}, {1583, 4, 10}, {1818, 3, 22}, {1900, 4, 15}, {1943, 4, 25}, {2000, 4, 23}, {2008, 3, 23},
            {2011, 4, 24}, {2012, 4, 8}, {2038, 4, 25}, {2100, 3, 28}, {2285, 3, 22}, {4099, 4, 19}, {9999, 3, 28}};
    for (const auto& known : kKnown)
        EXPECT_EQ(ShowDate(COleDateTimeEx::Easter(known[0])), ShowDate(COleDateTime(known[0], known[1], known[2])));
    for (int year = 1583; year <= 9999; ++year) {
        const COleDateTimeEx easter = COleDateTimeEx::Easter(year);
        ASSERT_TRUE(easter.IsSunday()) << year;
        const int day = easter.GetMonth() == 3 ? easter.GetDay() : 31 + easter.GetDay();
        ASSERT_TRUE(easter.GetMonth() >= 3 && easter.GetMonth() <= 4 && day >= 22 && day <= 56) << year;
    }
}

TEST(Predicates, DayKindsAndWeekends)
{
    // Sunday 4 March 2012 to Saturday 10 March 2012.
    // Kind 0 is any day, 1 a weekday, 2 the weekend (IsWeekday and IsWeekend), 3 to 9 Sunday to Saturday.
    for (int day = 4; day <= 10; ++day) {
        const int weekday = day - 3, dayKind = weekday == 1 || weekday == 7 ? 2 : 1;
        for (int kind = 0; kind <= 10; ++kind)
            EXPECT_EQ(COleDateTimeEx(2012, 3, day, 12, 0, 0).MatchesDayKind(kind),
                kind == 0 || kind == dayKind || kind == weekday + 2) << day << ' ' << kind;
    }
    EXPECT_TRUE(COleDateTimeEx(2012, 12, 31).IsDecember());

    // An invalid value is no day.
    const COleDateTimeEx invalid {COleDateTime::Invalid()};
    EXPECT_FALSE(invalid.IsDecember());
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
