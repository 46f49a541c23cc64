#pragma once

#include "AstroDateText.h"
#include "Result.h"

#include <optional>
#include <string>

// Turns a city's local date and time into universal time. A city that names
// its IANA zone follows that zone's rules, historical ones included, and its
// own bias before the zone had a standard time; one that gives only a bias
// follows UT = local + bias, plus the computer's daylight-saving extra (the
// zone's offset then less its standard offset) when the city keeps the
// computer's standard time.
namespace LocalToUniversal {

// The zone whose rules the computer's clock follows, read as libc reads TZ:
// the system's zone when TZ is unset; else the zone of the database that TZ
// names (with or without a leading colon, or by the path of its file), or
// the POSIX rule TZ holds ("EST5EDT,M3.2.0,M11.1.0"); else universal time.
std::string ComputerZone();

// The standard-time bias in minutes (UT = local + bias, so UTC+8 is -480)
// of zone at a local date-time, daylight saving left out; nothing when the
// zone is unknown.
std::optional<int> StandardBias(const std::string& zone, const DateTimeFields& local);

// UT of a local date-time of a city with bias and zone (empty when the city
// names none); zone and computerZone are database names or POSIX rules. A
// local time skipped by a clock change does not exist and is refused.
Result<DateTimeFields> Convert(const DateTimeFields& local, int bias, const std::string& zone, const std::string& computerZone);

// The local date-time of a UT moment, Convert's inverse: by zone's rules
// when it is named (before its first standard time by bias when one is
// given), else UT - bias with the computer's daylight-saving extra as
// Convert adds it (none when computerZone is empty).
DateTimeFields ToLocal(const DateTimeFields& ut, std::optional<int> bias, const std::string& zone,
                       const std::string& computerZone);

} // namespace LocalToUniversal
