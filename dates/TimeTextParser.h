#pragma once

#include "OleDateTimeEx.h"

#include <string>

// The time phrases of a prepared text (upper case, single blanks): "NOON",
// "MIDNIGHT", "NOW", clock times ("3 PM", "10:30", "4 O'CLOCK"),
// "HALF PAST 3", "10 MINUTES PAST 3", "10 TILL 4", "2 HOURS AGO",
// "90 MINUTES FROM NOW". A clock time falls on today's date; the relative
// phrases move now itself.
class CTimeTextParser {
public:
    explicit CTimeTextParser(const COleDateTime& now);

    // Invalid when the text is none of the phrases.
    COleDateTimeEx Parse(const std::string& text) const;

private:
    COleDateTimeEx HoursOrMinutesFromNow(const std::string& text) const;
    COleDateTimeEx ClockPhrase(const std::string& text) const;
    // Today at a minute of the day, taken modulo one day.
    COleDateTimeEx Today(int minutes) const;
    // "NOON", "MIDNIGHT", "H:MM", "H:MM AM", "H PM", "H O'CLOCK"; a bare hour
    // only where a phrase around it makes it a time ("HALF PAST 3").
    static bool ReadClock(std::string text, bool bareHour, int& minutes);

    COleDateTimeEx m_now;
};
