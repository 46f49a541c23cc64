#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Calendar files of all-day or timed events, as calendar programs import them: lines
// ended by CR LF and folded before 75 octets, texts escaped.
namespace Icalendar {

// One all-day event; the same UID in a later import updates it.
struct DayEvent {
    std::string uid;
    std::string date; // YYYY-MM-DD
    std::string summary;
    std::string description;
};

// One event at a moment.
struct TimedEvent {
    std::string uid;
    std::string utc; // YYYY-MM-DDTHH:MM:SSZ
    std::string summary;
    std::string description;
};

// A calendar of prodId holding events, each stamped with stamp (seconds
// since 1970 UTC).
std::string Calendar(const std::string& prodId, const std::vector<DayEvent>& events, std::int64_t stamp);
std::string Calendar(const std::string& prodId, const std::vector<TimedEvent>& events, std::int64_t stamp);

} // namespace Icalendar
