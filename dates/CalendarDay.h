#pragma once

#include <cstdint>
#include <optional>

// A day of the proleptic Gregorian calendar, in any year; month 1 to 12.
struct CalendarDay {
    std::int64_t year = 0;
    int month = 1;
    int day = 1;

    friend bool operator==(const CalendarDay& a, const CalendarDay& b)
    {
        return a.year == b.year && a.month == b.month && a.day == b.day;
    }
};

// The calendar day a moment (seconds since 1970-01-01 00:00 UTC) falls on in
// the process's time zone; nothing where the platform cannot convert it.
std::optional<CalendarDay> LocalDay(std::int64_t t);

// Days from 1970-01-01 to a day, negative before it.
std::int64_t DayNumber(const CalendarDay& day);
// The day that many days from 1970-01-01: DayNumber's inverse.
CalendarDay DayOfNumber(std::int64_t number);
