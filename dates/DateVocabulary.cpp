#include "DateVocabulary.h"

#include <map>
#include <vector>

namespace {

const char* const kWeekdays[7] = {"SUNDAY", "MONDAY", "TUESDAY", "WEDNESDAY", "THURSDAY", "FRIDAY", "SATURDAY"};
const char* const kMonths[12] = {"JANUARY", "FEBRUARY", "MARCH", "APRIL", "MAY", "JUNE", "JULY", "AUGUST", "SEPTEMBER",
    "OCTOBER", "NOVEMBER", "DECEMBER"};

enum Weekday { kSunday = 1, kMonday = 2, kThursday = 5 };

COleDateTimeEx LastWeekdayOfMonth(int year, int month, int weekday)
{
    const COleDateTimeEx fifth = COleDateTimeEx::NthWeekdayOfMonth(year, month, weekday, 5);
    return fifth.IsValid() ? fifth : COleDateTimeEx::NthWeekdayOfMonth(year, month, weekday, 4);
}

struct NamedHoliday {
    std::vector<std::string> names;
    HolidayRule rule;
};

// The holidays in the order of the parser's phrase table.
const std::vector<NamedHoliday>& Holidays()
{
    using H = HolidayYear;
    static const std::vector<NamedHoliday> holidays = {
        {{"CHRISTMAS", "XMAS", "XMASS"}, {[](int y) { return COleDateTimeEx(y, 12, 25); }, H::Current}},
        {{"CHRISTMAS EVE", "XMAS EVE", "XMASS EVE"}, {[](int y) { return COleDateTimeEx(y, 12, 24); }, H::Current}},
        {{"NEW YEARS", "NEW YEARS DAY"}, {[](int y) { return COleDateTimeEx(y, 1, 1); }, H::Next}},
        {{"NEW YEARS EVE", "NEW YEARS EVE DAY"}, {[](int y) { return COleDateTimeEx(y, 12, 31); }, H::Current}},
        {{"HALLOWEEN"}, {[](int y) { return COleDateTimeEx(y, 10, 31); }, H::Current}},
        {{"JULY 4TH", "JULY FOURTH", "JULY FORTH", "4TH OF JULY", "FOURTH OF JULY", "FORTH OF JULY",
             "INDEPENDENCE DAY"},
            {[](int y) { return COleDateTimeEx(y, 7, 4); }, H::Upcoming}},
        {{"EASTER", "EASTER SUNDAY"}, {COleDateTimeEx::Easter, H::Upcoming}},
        {{"GOOD FRIDAY"},
            {[](int y) { return COleDateTimeEx::Easter(y) - COleDateTimeSpan(2, 0, 0, 0); }, H::UpcomingEaster}},
        {{"ASH WEDNESDAY"},
            {[](int y) { return COleDateTimeEx::Easter(y) - COleDateTimeSpan(46, 0, 0, 0); }, H::UpcomingEaster}},
        {{"VETERANS DAY", "VETERAN DAY"}, {[](int y) { return COleDateTimeEx(y, 11, 11); }, H::Upcoming}},
        {{"MEMORIAL DAY"}, {[](int y) { return LastWeekdayOfMonth(y, 5, kMonday); }, H::Current}},
        {{"LABOR DAY"}, {[](int y) { return COleDateTimeEx::NthWeekdayOfMonth(y, 9, kMonday, 1); }, H::Current}},
        {{"COLUMBUS DAY"}, {[](int y) { return COleDateTimeEx::NthWeekdayOfMonth(y, 10, kMonday, 2); }, H::Current}},
        {{"THANKSGIVING", "THANKSGIVING DAY"},
            {[](int y) { return COleDateTimeEx::NthWeekdayOfMonth(y, 11, kThursday, 4); }, H::Current}},
        {{"WASHINGTON'S BIRTHDAY", "WASHINGTONS BIRTHDAY", "WASHINGTON BIRTHDAY", "PRESIDENTS DAY", "PRESIDENT'S DAY",
             "PRESIDENT DAY"},
            {[](int y) { return COleDateTimeEx::NthWeekdayOfMonth(y, 2, kMonday, 3); }, H::Current}},
    };
    return holidays;
}

using PhraseTable = std::map<std::string, PhraseRule>;

void AddPhrases(PhraseTable& table, std::initializer_list<std::string> phrases, const PhraseRule& rule)
{
    for (const std::string& phrase : phrases)
        table.emplace(phrase, rule);
}

// "ONE DAY AGO", "A DAYS FROM NOW", "MONTH AGO" and the other ways to say one
// unit before or after now.
void AddOneUnitPhrases(PhraseTable& table, const std::string& word, TimeUnit unit)
{
    for (const char* quantity : {"ONE ", "1 ", "A ", ""}) {
        for (const char* plural : {"", "S"}) {
            const std::string stem = quantity + word + plural;
            table.emplace(stem + " AGO", PhraseRule {PhraseRule::Shift, unit, -1});
            table.emplace(stem + " FROM NOW", PhraseRule {PhraseRule::Shift, unit, 1});
        }
    }
}

PhraseTable BuildPhraseTable()
{
    using R = PhraseRule;
    const TimeUnit day = TimeUnit::Day;
    PhraseTable table;
    AddPhrases(table, {"TODAY", "NOW"}, {R::Shift, day, 0});
    AddPhrases(table, {"YESTERDAY"}, {R::Shift, day, -1});
    AddPhrases(table, {"DAY BEFORE YESTERDAY"}, {R::Shift, day, -2});
    AddPhrases(table, {"TOMORROW"}, {R::Shift, day, 1});
    AddPhrases(table, {"DAY AFTER TOMORROW"}, {R::Shift, day, 2});
    AddPhrases(table, {"NEXT WEEK"}, {R::Shift, TimeUnit::Week, 1});
    AddPhrases(table, {"LAST WEEK"}, {R::Shift, TimeUnit::Week, -1});
    // Without these the abbreviations NM and LM would name nothing.
    AddPhrases(table, {"NEXT MONTH"}, {R::Shift, TimeUnit::Month, 1});
    AddPhrases(table, {"LAST MONTH"}, {R::Shift, TimeUnit::Month, -1});
    for (const NamedHoliday& holiday : Holidays()) {
        for (const std::string& name : holiday.names)
            table.emplace(name, PhraseRule {R::Holiday, day, 0, &holiday.rule});
    }
    AddPhrases(table, {"NEXT YEAR", "THIS NEXT YEAR"}, {R::SameDayOtherYear, day, 1});
    AddPhrases(table, {"PAST YEAR", "THIS PAST YEAR", "LAST YEAR", "THIS LAST YEAR"}, {R::SameDayOtherYear, day, -1});
    for (int weekday = kSunday; weekday <= 7; ++weekday) {
        const std::string name = kWeekdays[weekday - 1];
        AddPhrases(table, {"LAST " + name, "THIS PAST " + name, "PAST " + name}, {R::WeekdayBefore, day, weekday});
        AddPhrases(table, {"NEXT " + name, name}, {R::WeekdayAfter, day, weekday});
    }
    AddOneUnitPhrases(table, "DAY", day);
    AddOneUnitPhrases(table, "MONTH", TimeUnit::Month);
    AddOneUnitPhrases(table, "YEAR", TimeUnit::Year);
    return table;
}

template <typename Map> const typename Map::mapped_type* Find(const Map& map, const std::string& key)
{
    const auto it = map.find(key);
    return it == map.end() ? nullptr : &it->second;
}

} // namespace

const std::string* CDateVocabulary::Abbreviation(const std::string& word)
{
    static const std::map<std::string, std::string> table = {
        {"T", "TODAY"},
        {"N", "NOW"},
        {"Y", "YESTERDAY"},
        {"TM", "TOMORROW"},
        {"NW", "NEXT WEEK"},
        {"NM", "NEXT MONTH"},
        {"N1", "NEXT SUNDAY"},
        {"N2", "NEXT MONDAY"},
        {"N3", "NEXT TUESDAY"},
        {"N4", "NEXT WEDNESDAY"},
        {"N5", "NEXT THURSDAY"},
        {"N6", "NEXT FRIDAY"},
        {"N7", "NEXT SATURDAY"},
        {"LW", "LAST WEEK"},
        {"LM", "LAST MONTH"},
        {"L1", "LAST SUNDAY"},
        {"L2", "LAST MONDAY"},
        {"L3", "LAST TUESDAY"},
        {"L4", "LAST WEDNESDAY"},
        {"L5", "LAST THURSDAY"},
        {"L6", "LAST FRIDAY"},
        {"L7", "LAST SATURDAY"},
        {"DY", "DAY BEFORE YESTERDAY"},
        {"DT", "DAY AFTER TOMORROW"},
        {"X", "CHRISTMAS"},
        {"XE", "CHRISTMAS EVE"},
        {"E", "EASTER"},
        {"GF", "GOOD FRIDAY"},
        {"AW", "ASH WEDNESDAY"},
        {"H", "HALLOWEEN"},
        {"NY", "NEW YEARS"},
        {"NYE", "NEW YEARS EVE"},
        {"J4", "JULY 4TH"},
        {"MD", "MEMORIAL DAY"},
        {"LD", "LABOR DAY"},
        {"VD", "VETERANS DAY"},
        {"CD", "COLUMBUS DAY"},
        {"TH", "THANKSGIVING"},
        {"PD", "PRESIDENTS DAY"},
    };
    return Find(table, word);
}

const PhraseRule* CDateVocabulary::Phrase(const std::string& text)
{
    static const PhraseTable table = BuildPhraseTable();
    return Find(table, text);
}

const HolidayRule* CDateVocabulary::Holiday(const std::string& name)
{
    static const std::map<std::string, const HolidayRule*> table = [] {
        std::map<std::string, const HolidayRule*> byName;
        for (const NamedHoliday& holiday : Holidays()) {
            for (const std::string& holidayName : holiday.names)
                byName.emplace(holidayName, &holiday.rule);
        }
        return byName;
    }();
    const HolidayRule* const* rule = Find(table, name);
    return rule ? *rule : nullptr;
}

int CDateVocabulary::Weekday(const std::string& word)
{
    for (int day = kSunday; day <= 7; ++day) {
        if (word == kWeekdays[day - 1])
            return day;
    }
    return 0;
}

int CDateVocabulary::Month(const std::string& word)
{
    for (int month = 1; month <= 12; ++month) {
        const std::string name = kMonths[month - 1];
        if (word == name || word == name.substr(0, 3))
            return month;
    }
    return 0;
}

int CDateVocabulary::Ordinal(const std::string& word)
{
    static const std::map<std::string, int> table = {
        {"1ST", 1},
        {"1", 1},
        {"FIRST", 1},
        {"2ND", 2},
        {"2", 2},
        {"SECOND", 2},
        {"3RD", 3},
        {"3", 3},
        {"THIRD", 3},
        {"4TH", 4},
        {"4", 4},
        {"FOURTH", 4},
        {"FORTH", 4},
        {"5TH", 5},
        {"5", 5},
        {"FIFTH", 5},
    };
    const int* n = Find(table, word);
    return n ? *n : 0;
}

bool CDateVocabulary::Unit(const std::string& word, TimeUnit& unit)
{
    static const std::map<std::string, TimeUnit> table = {
        {"DAY", TimeUnit::Day},
        {"DAYS", TimeUnit::Day},
        {"WEEK", TimeUnit::Week},
        {"WEEKS", TimeUnit::Week},
        {"MONTH", TimeUnit::Month},
        {"MONTHS", TimeUnit::Month},
        {"YEAR", TimeUnit::Year},
        {"YEARS", TimeUnit::Year},
    };
    const TimeUnit* found = Find(table, word);
    if (found)
        unit = *found;
    return found != nullptr;
}
