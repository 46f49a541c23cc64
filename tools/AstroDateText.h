#pragma once

#include <cstddef>
#include <optional>
#include <string>

// A calendar date and time of day as six numbers, in whatever clock the
// caller says (the city's local time, or UT).
struct DateTimeFields {
    int year = 2000;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// The date field of the astrology dialog: reading the text the user typed,
// checking it, and the text the field starts with.
namespace AstroDateText {

extern const char* const kInputValidDate; // an empty text
extern const char* const kDateTimeNotValid; // a text that names no real date-time
// The hint under a date field: the form Format writes and CheckText reads
// (other single separators and a missing time of day read as well).
extern const char* const kFieldHint;

// What the scan of a date text read: the fields with their defaults where
// nothing was read, how many fields were read and where reading stopped.
struct Scan {
    DateTimeFields fields;
    int count = 0;
    std::size_t end = 0;
};

// The outcome of checking a date text: the fields, or the message to show.
struct Check {
    std::optional<DateTimeFields> fields;
    std::string message;
    bool information = false; // the message box carries the information icon
};

// Reads up to six integers (year, month, day, hour, minute, second), each
// separated from the next by exactly one character of any kind, blanks
// before a number skipped. Stops at the first field that does not read.
Scan ScanText(const std::string& text);
// Whether the fields name a real date and time of day in years 1 to 9999.
bool IsRealDateTime(const DateTimeFields& f);
// Scans text and accepts it when at least the year was read, nothing but
// blanks follows the last number and the fields name a real date-time. An
// empty text asks for a date; any other refused one is not valid.
Check CheckText(const std::string& text);
// "2012-03-05 09:07:02", zero-padded as people write dates: the form the
// field starts with.
std::string Format(const DateTimeFields& f);
// The computer's current local date and time.
DateTimeFields NowLocal();

} // namespace AstroDateText
