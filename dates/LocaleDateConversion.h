#pragma once

#include "OleDateTime.h"

#include <string>

// The locale-aware reading that the date parser tries before its own English
// vocabulary: a date written year-month-day with "-", "/" or "." between the
// fields, or in the locale's short date format, either followed or not by a
// time of day; or a time of day alone. A time is H:M or H:M:S, 24-hour, or
// 12-hour followed by AM or PM.
class CLocaleDateConversion {
public:
    // dateFormat: the locale's short date in strftime codes ("%d.%m.%Y");
    // empty when the locale gives none.
    explicit CLocaleDateConversion(std::string dateFormat);

    // The short date format of a locale ("" for the user's); empty when the
    // locale is unknown.
    static std::string LocaleDateFormat(const std::string& localeName);

    // The value of the whole text, invalid when the text has another form or
    // names a date or time that does not exist. A time alone falls on
    // 30 December 1899; flags 1 keep only the time of day, flags 2 only the
    // date, and a time alone is then no date at all.
    COleDateTime Convert(const std::string& text, unsigned long flags) const;

private:
    // The date and time of the whole text, read with the first date form that
    // gives a valid value; invalid when the text names no date.
    COleDateTime ReadDateTime(const std::string& text) const;
    // The time of day of a text that is a time and nothing else.
    static COleDateTime ReadTimeAlone(const std::string& text);

    std::string m_strDateFormat;
};
