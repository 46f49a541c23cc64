#pragma once

#include "DateVocabulary.h"
#include "LocaleDateConversion.h"
#include "OleDateTimeEx.h"
#include "TimeTextParser.h"

#include <string>

// Reads the text of a date field in five steps: the AM/PM markers are
// normalised; the locale-aware conversion reads the text if it can;
// otherwise the text is prepared (upper case, single blanks, abbreviations
// spelt out) for an English vocabulary measured from one "now": relative
// days, counts of days, weeks, months and years, weekdays, n-th weekdays of
// a month and holidays; in modes that allow it, time phrases. Texts longer
// than a date field would hold, or nested deeper than anyone types, are not
// read, so that any input ends quickly.
class CDateTextParser {
public:
    static constexpr std::size_t kMaxTextLength = 256;
    static constexpr int kMaxDepth = 8;
    // A weekday count looks this many days ahead or back at most.
    static constexpr int kMaxWeekdaySteps = 200;

    CDateTextParser(const std::string& localeName, const COleDateTime& now);

    // The value of a text in a mode of ParseDateTime (any other flags read as
    // date and time); invalid when nothing reads it.
    COleDateTime Parse(const std::string& text, unsigned long flags) const;

    // "3 p.m.", "3PM", "3 A M" and the other spellings of the markers after a
    // number become " AM" and " PM".
    static std::string NormaliseMeridiem(const std::string& text);
    // Trimmed, upper case, runs of blanks made one space, and every word
    // that is an abbreviation replaced by its phrase ("tm" is "TOMORROW").
    static std::string PrepareText(const std::string& text);

private:
    using Form = COleDateTimeEx (CDateTextParser::*)(const std::string&, int) const;

    COleDateTime ParseAt(const std::string& text, unsigned long flags, int depth) const;
    // The first form of the date vocabulary that reads a prepared text.
    COleDateTimeEx ParseDate(const std::string& text, int depth) const;

    // The forms, in the order they are tried; each gives an invalid value for
    // a text not of its form. depth counts the dates nested inside a text.
    COleDateTimeEx FixedPhrase(const std::string& text, int depth) const;
    COleDateTimeEx CountFromNow(const std::string& text, int depth) const;
    COleDateTimeEx NthWeekday(const std::string& text, int depth) const;
    COleDateTimeEx CountAndDate(const std::string& text, int depth) const;
    COleDateTimeEx DateAndCount(const std::string& text, int depth) const;
    COleDateTimeEx WeekdayCount(const std::string& text, int depth) const;
    COleDateTimeEx HolidayWithDirection(const std::string& text, int depth) const;
    COleDateTimeEx HolidayWithYear(const std::string& text, int depth) const;
    COleDateTimeEx InCount(const std::string& text, int depth) const;

    // A holiday's bare name: this year's, next year's or the coming one.
    COleDateTimeEx BareHoliday(const HolidayRule& rule) const;
    // The nearest weekday strictly after (direction 1) or before (-1) today.
    COleDateTimeEx NearestWeekday(int weekday, int direction) const;
    // from moved by count units: days and weeks keep the time of day,
    // months and years are calendar moves to 00:00.
    static COleDateTimeEx Shifted(const COleDateTimeEx& from, TimeUnit unit, int count);

    CLocaleDateConversion m_conversion;
    CTimeTextParser m_timeParser;
    COleDateTimeEx m_now;
};
