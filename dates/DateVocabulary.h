#pragma once

#include "OleDateTimeEx.h"

#include <string>

// The year a bare holiday name means: this year's, next year's, this year's
// unless already past (then next year's), or the one that goes with the
// Easter so chosen.
enum class HolidayYear { Current, Next, Upcoming, UpcomingEaster };

// A named holiday: its date in any year, at 00:00, and the year of the bare name.
struct HolidayRule {
    COleDateTimeEx (*date)(int year);
    HolidayYear bareYear;
};

enum class TimeUnit { Day, Week, Month, Year };

// What a whole-text phrase of the date parser gives, measured from now: a
// shift by units of time (days and weeks keep the time of day, months and
// years land at 00:00), the same day in another year, a holiday, or the
// nearest given weekday before or after today.
struct PhraseRule {
    enum Kind { Shift, SameDayOtherYear, Holiday, WeekdayBefore, WeekdayAfter };
    Kind kind;
    TimeUnit unit = TimeUnit::Day;
    int value = 0; // units or years to move, or the weekday 1 (Sunday) to 7
    const HolidayRule* holiday = nullptr;
};

// The English vocabulary of the date parser, all upper case: abbreviations,
// whole-text phrases, holiday names, and the words for weekdays, months,
// ordinals and units of time. Each lookup gives null or 0 for an unknown word.
class CDateVocabulary {
public:
    // The phrase an abbreviation stands for ("TM" is "TOMORROW").
    static const std::string* Abbreviation(const std::string& word);
    static const PhraseRule* Phrase(const std::string& text);
    static const HolidayRule* Holiday(const std::string& name);
    // 1 for SUNDAY to 7 for SATURDAY.
    static int Weekday(const std::string& word);
    // 1 to 12 for the full name or its first three letters.
    static int Month(const std::string& word);
    // 1 to 5 for "1ST", "1", "FIRST" and so on.
    static int Ordinal(const std::string& word);
    // DAY, WEEK, MONTH, YEAR, singular or plural.
    static bool Unit(const std::string& word, TimeUnit& unit);
};
