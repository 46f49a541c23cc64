#pragma once

#include "SkyEventSearch.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The clock the events' local times are read on: a fixed bias (UT = local
// time + bias minutes), else a zone of the system's database, else, with
// neither, the computer's zone.
struct SkyClock {
    std::optional<int> bias;
    std::string zone;
    std::string computerZone;
};

// The sky's events as the command line prints them and the window exports
// them, each built whole in memory so that a caller writes all of it or
// nothing.
namespace SkyEventTable {

// The event's UT minute, "2024-03-20T03:06:00Z", and its local time on the
// clock, "2024-03-20T11:06:00".
std::string UtText(const SkyEvent& event);
std::string LocalText(const SkyEvent& event, const SkyClock& clock);
// The event in English: "Sun enters Aries", "Mercury stations retrograde",
// "Sun square Jupiter, applying".
std::string Summary(const SkyEvent& event);

// A JSON array of one object per event (time, local, kind, body, other,
// angle, longitude, station, applying), with a line end.
std::string Json(const std::vector<SkyEvent>& events, const SkyClock& clock);
// CSV headed by the same keys; an empty field for null.
std::string Csv(const std::vector<SkyEvent>& events, const SkyClock& clock);
// A calendar of one timed event per event, its summary the Summary; the
// UID follows from the kind, bodies, angle or turn and the UT minute, so
// that the same event keeps it from run to run. stamp (seconds since 1970
// UTC) is every DTSTAMP.
std::string Ics(const std::vector<SkyEvent>& events, const SkyClock& clock, std::int64_t stamp);

} // namespace SkyEventTable
