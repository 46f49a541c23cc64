#include "Icalendar.h"

#include "OleDateTimeEx.h"

#include <cstdio>
#include <ctime>
#include <optional>

namespace Icalendar {

namespace {

// Octets of a content line before it is folded.
constexpr size_t kLineOctets = 75;

// Backslash, semicolon, comma and line breaks escaped as iCalendar text.
std::string IcsText(const std::string& text)
{
    std::string out;
    for (const char c : text) {
        if (c == '\n') {
            out += "\\n";
            continue;
        }
        if (c == '\\' || c == ';' || c == ',')
            out += '\\';
        out += c;
    }
    return out;
}

// line with CR LF, folded before 75 octets with a leading blank on each
// continuation, never inside a UTF-8 sequence.
std::string Folded(const std::string& line)
{
    std::string out;
    size_t start = 0;
    size_t room = kLineOctets;
    while (line.size() - start > room) {
        size_t end = start + room;
        while (end > start && (static_cast<unsigned char>(line[end]) & 0xC0) == 0x80)
            --end;
        out += line.substr(start, end - start) + "\r\n ";
        start = end;
        room = kLineOctets - 1;
    }
    return out + line.substr(start) + "\r\n";
}

std::string UtcStamp(std::int64_t seconds)
{
    const std::time_t t = static_cast<std::time_t>(seconds);
    std::tm tm{};
    char text[32] = "19700101T000000Z";
    if (gmtime_r(&t, &tm))
        std::strftime(text, sizeof text, "%Y%m%dT%H%M%SZ", &tm);
    return text;
}

// YYYY-MM-DD as iCalendar's YYYYMMDD, and the day after it; no day after
// 9999-12-31 fits the form.
std::string IcsDay(const std::string& date) { return date.substr(0, 4) + date.substr(5, 2) + date.substr(8, 2); }

std::optional<std::string> DayAfter(const std::string& date)
{
    int year = std::stoi(date.substr(0, 4));
    int month = std::stoi(date.substr(5, 2));
    int day = std::stoi(date.substr(8, 2));
    if (++day > COleDateTimeEx::DaysInMonth(month, year)) {
        day = 1;
        if (++month > 12) {
            month = 1;
            ++year;
        }
    }
    if (year > 9999)
        return std::nullopt;
    char text[40];
    std::snprintf(text, sizeof text, "%04d%02d%02d", year, month, day);
    return text;
}

// An event whose times are the lines given.
template <typename E>
std::string Event(const E& e, const std::string& stamp, const std::string& times)
{
    return Folded("BEGIN:VEVENT") + Folded("UID:" + e.uid) + Folded("DTSTAMP:" + stamp) + times +
        Folded("SUMMARY:" + IcsText(e.summary)) + Folded("DESCRIPTION:" + IcsText(e.description)) +
        Folded("TRANSP:TRANSPARENT") + Folded("END:VEVENT");
}

std::string Times(const DayEvent& e)
{
    // A date DTSTART alone lasts its day too.
    const std::optional<std::string> end = DayAfter(e.date);
    return Folded("DTSTART;VALUE=DATE:" + IcsDay(e.date)) + (end ? Folded("DTEND;VALUE=DATE:" + *end) : "");
}

// A moment without an end is an event of no length.
std::string Times(const TimedEvent& e)
{
    std::string basic;
    for (const char c : e.utc)
        if (c != '-' && c != ':')
            basic += c;
    return Folded("DTSTART:" + basic);
}

template <typename E>
std::string Wrapped(const std::string& prodId, const std::vector<E>& events, std::int64_t stamp)
{
    const std::string utc = UtcStamp(stamp);
    std::string out = Folded("BEGIN:VCALENDAR") + Folded("VERSION:2.0") + Folded("PRODID:" + prodId) +
        Folded("CALSCALE:GREGORIAN");
    for (const E& e : events)
        out += Event(e, utc, Times(e));
    return out + Folded("END:VCALENDAR");
}

} // namespace

std::string Calendar(const std::string& prodId, const std::vector<DayEvent>& events, std::int64_t stamp)
{
    return Wrapped(prodId, events, stamp);
}

std::string Calendar(const std::string& prodId, const std::vector<TimedEvent>& events, std::int64_t stamp)
{
    return Wrapped(prodId, events, stamp);
}

} // namespace Icalendar
