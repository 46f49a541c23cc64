#pragma once

// Included only by the tools core's own sources: the date library's settings
// (the system's zone database) come with its target, which they link privately.
#include <date/tz.h>

#include <chrono>
#include <memory>
#include <optional>
#include <string>

namespace Posix {
class time_zone;
}

// The clock rules of one time zone: a zone of the system database, carried
// past its last listed clock change by the rule its file closes with, or a
// POSIX TZ rule such as "EST5EDT,M3.2.0,M11.1.0".
class CZoneRules {
public:
    // The rules a name stands for: a database zone, else a POSIX TZ rule
    // with offsets within a day; nothing when it is neither.
    static std::optional<CZoneRules> Find(const std::string& name);

    // The database name of a zone file given by its path; empty when the
    // file lies outside the database.
    static std::string NameOfFile(const std::string& path);

    // The period of the zone's clock in force at a moment.
    date::sys_info Info(date::sys_seconds t) const;

    // Where a local time falls: in one period; in two, the earlier first, when
    // a clock change repeats it; in none when a change skips it, with the
    // periods before and after the gap.
    date::local_info Reading(date::local_seconds t) const;

    // The standard offset in force during a period: its offset less its
    // saving, by which its clock stands above the standard time it swings
    // with. Clocks go forward for daylight time, even where the database
    // marks winter as a negative saving (Europe/Dublin): summer is then the
    // daylight time, and winter the standard one.
    std::chrono::seconds StandardOffset(const date::sys_info& period) const;

    // Whether a period keeps the local mean time of the zone's own city, as
    // every zone does before its first standard time.
    static bool IsLocalMeanTime(const date::sys_info& period);

private:
    // The period next to a period, going back (-1) or forward (1); nothing
    // at either end of the zone's time.
    std::optional<date::sys_info> Neighbour(const date::sys_info& period, int direction) const;
    // The saving of a period found going one way: towards the standard time
    // beyond a daylight period, or the negative saving beside a standard one.
    std::optional<std::chrono::seconds> SavingTowards(const date::sys_info& period, int direction) const;

    const date::time_zone* m_pZone = nullptr;
    std::shared_ptr<const Posix::time_zone> m_pRule;
};
