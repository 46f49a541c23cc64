// The date text parser, its vocabulary measured from a fixed now.

#include "DateTestSupport.h"
#include "DateTextParser.h"
#include "LocaleDateConversion.h"
#include "OleDateTimeEx.h"

#include <gtest/gtest.h>

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

TEST_F(DateParser, LocaleFormsInDateOnlyMode)
{
    ExpectAll({{"2012/03/05", "2012-03-05 00:00:00"}, {"2012-3-5", "2012-03-05 00:00:00"},
        {"2012.03.05", "2012-03-05 00:00:00"}, {"  2012/03/05  ", "2012-03-05 00:00:00"},
        {"2012/03/05 14:30", "2012-03-05 00:00:00"}, {"03/05/12", "2012-03-05 00:00:00"}, // the C locale's own %m/%d/%y
        {"2012/02/30", "invalid"}, {"2012-03/05", "invalid"}, {"2012/03/05/", "invalid"}, {"20120/03/05", "invalid"},
        {"2012/03/0514:30", "invalid"}, {"2012/03/05 25:00", "invalid"},
        // A time alone names no date; the day the value counts from is a date.
        {"14:30", "invalid"}, {"1899-12-30", "1899-12-30 00:00:00"}, {"1899/12/30 14:30", "1899-12-30 00:00:00"}});
}

TEST_F(DateParser, LocaleFormsWithTimeOfDay)
{
    ExpectAll(
        {{"2012-03-05 14:30", "2012-03-05 14:30:00"}, {"2012-03-05 2:30:15 pm", "2012-03-05 14:30:15"},
            {"2012-03-05 12:00 AM", "2012-03-05 00:00:00"}, {"2012-03-05 12:00 PM", "2012-03-05 12:00:00"},
            {"2012-03-05 13:00 PM", "invalid"}, {"2012-03-05 0:30 AM", "invalid"}, {"14:30", "1899-12-30 14:30:00"}},
        kBoth);
    ExpectAll({{"2012-03-05 14:30", "1899-12-30 14:30:00"}, {"2012/02/30 14:30", "invalid"}}, kTime);
}

TEST_F(DateParser, MorningAndAfternoonMarkers)
{
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
        const char* format;
        const char* text;
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

TEST(PrepareText, UpperCaseSingleBlanksAndAbbreviations)
{
    const Case rows[] = {{"  next \t  friday  ", "NEXT FRIDAY"}, {"10 days after x", "10 DAYS AFTER CHRISTMAS"},
        {"x-mas", "CHRISTMAS-MAS"}, {"tmx", "TMX"}, {"n1", "NEXT SUNDAY"}};
    for (const Case& row : rows)
        EXPECT_EQ(CDateTextParser::PrepareText(row.text), row.result) << row.text;
}

// Abbreviations of each sort: the phrases of a month, a numbered weekday, a
// holiday whose abbreviation begins another's.
TEST_F(DateParser, AbbreviationsNamePhrasesTheParserReads)
{
    const Case abbreviations[] = {{"TM", "TOMORROW"}, {"NM", "NEXT MONTH"}, {"LM", "LAST MONTH"}, {"N1", "NEXT SUNDAY"},
        {"L7", "LAST SATURDAY"}, {"DY", "DAY BEFORE YESTERDAY"}, {"NY", "NEW YEARS"}, {"NYE", "NEW YEARS EVE"},
        {"J4", "JULY 4TH"}, {"PD", "PRESIDENTS DAY"}};
    for (const Case& row : abbreviations) {
        const std::string meaning = Parse(row.result);
        EXPECT_NE(meaning, "invalid") << row.result;
        EXPECT_EQ(Parse(row.text), meaning) << row.text;
    }
}

TEST_F(DateParser, WholeTextPhrases)
{
    const struct {
        std::vector<const char*> phrases;
        const char* result;
    } rows[] = {{{"today", "now"}, "2012-03-05 10:30:00"}, {{"yesterday"}, "2012-03-04 10:30:00"},
        {{"day before yesterday"}, "2012-03-03 10:30:00"}, {{"day after tomorrow"}, "2012-03-07 10:30:00"},
        {{"next week"}, "2012-03-12 10:30:00"}, {{"last week"}, "2012-02-27 10:30:00"},
        {{"next month"}, "2012-04-05 00:00:00"}, {{"last month"}, "2012-02-05 00:00:00"},
        {{"christmas", "xmass"}, "2012-12-25 00:00:00"}, {{"xmas eve"}, "2012-12-24 00:00:00"},
        {{"new years day"}, "2013-01-01 00:00:00"}, {{"new years eve"}, "2012-12-31 00:00:00"},
        {{"halloween"}, "2012-10-31 00:00:00"}, {{"forth of July", "independence day"}, "2012-07-04 00:00:00"},
        {{"easter sunday"}, "2012-04-08 00:00:00"}, {{"good friday"}, "2012-04-06 00:00:00"},
        {{"ash wednesday"}, "2012-02-22 00:00:00"}, {{"veteran day"}, "2012-11-11 00:00:00"},
        {{"memorial day"}, "2012-05-28 00:00:00"}, {{"labor day"}, "2012-09-03 00:00:00"},
        {{"columbus day"}, "2012-10-08 00:00:00"}, {{"thanksgiving"}, "2012-11-22 00:00:00"},
        {{"Washington's Birthday", "president day"}, "2012-02-20 00:00:00"},
        {{"THIS NEXT YEAR"}, "2013-03-05 00:00:00"}, {{"PAST YEAR", "THIS LAST YEAR"}, "2011-03-05 00:00:00"}};
    for (const auto& row : rows) {
        for (const char* phrase : row.phrases)
            EXPECT_EQ(Parse(phrase), row.result) << phrase;
    }
}

TEST_F(DateParser, OneUnitBeforeOrAfterNow)
{
    const struct {
        const char* unit;
        const char* ago;
        const char* fromNow;
    } rows[] = {{"DAY", "2012-03-04 10:30:00", "2012-03-06 10:30:00"},
        {"MONTH", "2012-02-05 00:00:00", "2012-04-05 00:00:00"},
        {"YEAR", "2011-03-05 00:00:00", "2013-03-05 00:00:00"}};
    for (const auto& row : rows) {
        for (const std::string quantity : {"ONE ", "1 ", "A ", ""}) {
            for (const std::string plural : {"", "S"}) {
                const std::string stem = quantity + row.unit + plural;
                EXPECT_EQ(Parse(stem + " AGO"), row.ago) << stem;
                EXPECT_EQ(Parse(stem + " FROM NOW"), row.fromNow) << stem;
            }
        }
    }
}

TEST_F(DateParser, WeekdaysAreStrictlyBeforeOrAfterToday)
{
    const struct {
        const char* weekday;
        const char* next;
        const char* last;
    } rows[] = {{"SUNDAY", "2012-03-11", "2012-03-04"}, {"MONDAY", "2012-03-12", "2012-02-27"},
        {"TUESDAY", "2012-03-06", "2012-02-28"}, {"WEDNESDAY", "2012-03-07", "2012-02-29"},
        {"THURSDAY", "2012-03-08", "2012-03-01"}, {"FRIDAY", "2012-03-09", "2012-03-02"},
        {"SATURDAY", "2012-03-10", "2012-03-03"}};
    for (const auto& row : rows) {
        const std::string day = row.weekday, time = " 10:30:00";
        for (const char* prefix : {"", "next "})
            EXPECT_EQ(Parse(prefix + day), row.next + time) << prefix << day;
        for (const char* prefix : {"last ", "this past ", "past "})
            EXPECT_EQ(Parse(prefix + day), row.last + time) << prefix << day;
    }
    // On a Sunday, Sunday is a week away either way.
    const CFixedNow sunday(COleDateTime(2012, 3, 4, 9, 0, 0));
    ExpectAll({{"sunday", "2012-03-11 09:00:00"}, {"next sunday", "2012-03-11 09:00:00"},
        {"last sunday", "2012-02-26 09:00:00"}});
}

TEST_F(DateParser, CountsFromNowOrInACount)
{
    ExpectAll({{"3 DAYS AGO", "2012-03-02 10:30:00"}, {"DAYS AGO", "2012-03-04 10:30:00"},
        {"10 days from now", "2012-03-15 10:30:00"}, {"2 WEEKS AGO", "2012-02-20 10:30:00"},
        {"3 MONTHS AGO", "2011-12-05 00:00:00"}, {"13 months from now", "2013-04-05 00:00:00"},
        {"0 DAYS AGO", "2012-03-05 10:30:00"}, {"9999999 DAYS AGO", "invalid"}, {"12345678 DAYS AGO", "invalid"},
        {"-3 DAYS AGO", "invalid"}, {"3 DAYS", "invalid"}, {"3 FORTNIGHTS AGO", "invalid"},
        {"in 3 days", "2012-03-08 10:30:00"}, {"in 2 weeks", "2012-03-19 10:30:00"},
        {"in 2 years", "2014-03-05 00:00:00"}, {"in 2 fortnights", "invalid"}, {"in days", "invalid"}});
}

TEST_F(DateParser, NthWeekdayOfAMonthThisYear)
{
    ExpectAll({{"2ND MONDAY IN MAY", "2012-05-14 00:00:00"}, {"first sunday in jan", "2012-01-01 00:00:00"},
        {"3rd saturday in mar", "2012-03-17 00:00:00"}, {"forth thursday in november", "2012-11-22 00:00:00"},
        {"5 wednesday in feb", "2012-02-29 00:00:00"}, {"FIFTH THURSDAY IN MARCH", "2012-03-29 00:00:00"},
        {"5TH FRIDAY IN FEBRUARY", "invalid"}, {"2ND MONDAY IN MAYO", "invalid"}, {"6TH MONDAY IN MAY", "invalid"}});
}

TEST_F(DateParser, CountBeforeOrAfterADate)
{
    ExpectAll({{"10 DAYS AFTER christmas", "2013-01-04 00:00:00"}, {"10 days from 2012/01/01", "2012-01-11 00:00:00"},
        {"3 DAYS BEFORE new years", "2012-12-29 00:00:00"}, {"2 WEEKS FROM 2012-01-01", "2012-01-15 00:00:00"},
        {"2 weeks before christmas", "2012-12-11 00:00:00"}, {"1 MONTHS AFTER 2012/01/31", "2012-02-29 00:00:00"},
        {"2 MONTHS BEFORE 2012/03/31", "2012-01-31 00:00:00"}, {"1 YEARS FROM 2012/02/29", "2013-02-28 00:00:00"},
        {"2 YEARS BEFORE 2012/02/29", "2010-02-28 00:00:00"}, {"3 DAYS FROM TOMORROW", "2012-03-09 10:30:00"},
        {"1 DAY AFTER 10 DAYS AFTER christmas", "2013-01-05 00:00:00"}, {"2 days after nonsense", "invalid"},
        {"2 days after", "invalid"}});
}

TEST_F(DateParser, DatePlusOrMinusACount)
{
    ExpectAll({{"2012/01/31 + 10", "2012-02-10 00:00:00"}, {"2012/01/31 +10", "2012-02-10 00:00:00"},
        {"2012/01/31+ 10", "2012-02-10 00:00:00"}, {"2012/01/31 plus 2 weeks", "2012-02-14 00:00:00"},
        {"2012/03/01 - 1 WEEKS", "2012-02-23 00:00:00"}, {"2012/03/01 -1", "2012-02-29 00:00:00"},
        {"2012-03-01 - 1days", "2012-02-29 00:00:00"}, {"christmas minus 3 days", "2012-12-22 00:00:00"},
        {"x + 1 - 2", "2012-12-24 00:00:00"}, {"tm + 1", "2012-03-07 10:30:00"}, {"2012/01/31 + 2 months", "invalid"},
        {"+ 3", "invalid"}});
}

TEST_F(DateParser, WeekdayCountsStepAtMost200Days)
{
    ExpectAll({{"1 FRIDAYS AGO", "2012-03-02 10:30:00"}, {"2 fridays ago", "2012-02-24 10:30:00"},
        {"1 MONDAYS AGO", "2012-02-27 10:30:00"}, {"0 SUNDAYS AGO", "2012-03-04 10:30:00"},
        {"0 sundays from now", "2012-03-06 10:30:00"}, {"1 MONDAYS FROM NOW", "2012-03-12 10:30:00"},
        {"3 SUNDAYS FROM TODAY", "2012-03-25 10:30:00"}, {"28 MONDAYS FROM NOW", "2012-09-17 10:30:00"},
        {"28 mondays ago", "2011-08-22 10:30:00"}, {"29 MONDAYS FROM NOW", "invalid"}, {"29 mondays ago", "invalid"},
        {"1 FRIDAYS HENCE", "invalid"}});
}

TEST_F(DateParser, HolidaysWithADirectionOrInANamedYear)
{
    ExpectAll({{"next christmas", "2012-12-25 00:00:00"}, {"last christmas", "2011-12-25 00:00:00"},
        {"next new years", "2013-01-01 00:00:00"}, {"last new years", "2012-01-01 00:00:00"},
        {"past easter", "2011-04-24 00:00:00"}, {"this next good friday", "2012-04-06 00:00:00"},
        {"next presidents day", "2013-02-18 00:00:00"}, {"this past presidents day", "2012-02-20 00:00:00"},
        {"this last thanksgiving", "2011-11-24 00:00:00"}, {"next hallowe'en", "invalid"}});
    ExpectAll({{"easter 2030", "2030-04-21 00:00:00"}, {"christmas 2020", "2020-12-25 00:00:00"},
        {"thanksgiving 2013", "2013-11-28 00:00:00"}, {"new years 2013", "2013-01-01 00:00:00"},
        {"good friday 2013", "2013-03-29 00:00:00"}, {"memorial day 2013", "2013-05-27 00:00:00"},
        {"easter 99", "invalid"}, {"easter 10000", "invalid"}});
}

TEST(DateParserHolidayYear, HolidaysAlreadyPastMoveToNextYear)
{
    const struct {
        COleDateTime now;
        const char* text;
        const char* result;
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

TEST_F(DateParser, TimePhrases)
{
    ExpectAll(
        {{"noon", "2012-03-05 12:00:00"}, {"midnight", "2012-03-05 00:00:00"}, {"3 PM", "2012-03-05 15:00:00"},
            {"3pm", "2012-03-05 15:00:00"}, {"3 p.m.", "2012-03-05 15:00:00"}, {"4 o'clock", "2012-03-05 04:00:00"},
            {"4 O CLOCK PM", "2012-03-05 16:00:00"}, {"4 oclock", "2012-03-05 04:00:00"},
            {"HALF PAST 3", "2012-03-05 03:30:00"}, {"10 MINUTES PAST 3 PM", "2012-03-05 15:10:00"},
            {"10 after 3", "2012-03-05 03:10:00"}, {"10 TILL 4", "2012-03-05 03:50:00"},
            {"5 til noon", "2012-03-05 11:55:00"}, {"15 minutes until midnight", "2012-03-05 23:45:00"},
            {"2 HOURS AGO", "2012-03-05 08:30:00"}, {"90 MINUTES FROM NOW", "2012-03-05 12:00:00"},
            {"1 hour from now", "2012-03-05 11:30:00"}, {"12:00 AM", "1899-12-30 00:00:00"}, {"3", "invalid"},
            {"13 PM", "invalid"}, {"61 minutes past 3", "invalid"}},
        kBoth);
    ExpectAll({{"noon", "1899-12-30 12:00:00"}, {"now", "1899-12-30 10:30:00"}, {"2 hours ago", "1899-12-30 08:30:00"},
                  {"tomorrow", "invalid"}},
        kTime);
    ExpectAll({{"noon", "invalid"}, {"2 hours ago", "invalid"}}, kDate);
}

TEST_F(DateParser, TextsThatAreNotDatesParseToInvalid)
{
    const std::string nested3 = "1 DAYS AFTER 1 DAYS AFTER 1 DAYS AFTER X";
    EXPECT_EQ(Parse(nested3), "2012-12-28 00:00:00");
    std::string nested50;
    for (int i = 0; i < 50; ++i)
        nested50 += "1 DAYS AFTER ";
    const std::string texts[] = {"", "   ", "\xff\xfe\xfd", "t\xc3\xa9",
        "\xef\xbc\x92\xef\xbc\x90\xef\xbc\x91\xef\xbc\x92/03/05", // full-width digits
        std::string("tm\0", 3), std::string("2012/03/05\0", 11), std::string(100000, '1'), nested50 + "X",
        "2012/03/05 + 99999999"};
    for (const std::string& text : texts) {
        for (const unsigned long flags : {kDate, kTime, kBoth})
            EXPECT_EQ(Parse(text, flags), "invalid") << text.substr(0, 40) << " in mode " << flags;
    }
}

