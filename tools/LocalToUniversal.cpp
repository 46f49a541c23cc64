#include "LocalToUniversal.h"

#include "ZoneRules.h"

#include <chrono>
#include <cstdlib>
#include <stdexcept>

namespace LocalToUniversal {

namespace {

using std::chrono::minutes;
using std::chrono::seconds;

// Where libc takes an unreadable TZ: universal time.
const char* const kUniversalZone = "Etc/UTC";

date::local_seconds LocalSeconds(const DateTimeFields& f)
{
    const date::year_month_day ymd {
        date::year(f.year), date::month(static_cast<unsigned>(f.month)), date::day(static_cast<unsigned>(f.day))};
    return date::local_days(ymd) + std::chrono::hours(f.hour) + minutes(f.minute) + seconds(f.second);
}

DateTimeFields Fields(date::sys_seconds t)
{
    const date::sys_days day = date::floor<date::days>(t);
    const date::year_month_day ymd(day);
    const date::hh_mm_ss<seconds> time(t - day);
    return {static_cast<int>(ymd.year()), static_cast<int>(static_cast<unsigned>(ymd.month())),
        static_cast<int>(static_cast<unsigned>(ymd.day())), static_cast<int>(time.hours().count()),
        static_cast<int>(time.minutes().count()), static_cast<int>(time.seconds().count())};
}

Result<DateTimeFields> At(date::local_seconds local, seconds offset)
{
    return Fields(date::sys_seconds(local.time_since_epoch() - offset));
}

Failure NotValid()
{
    return {AstroDateText::kDateTimeNotValid};
}

// A city in its own zone. Before the zone's first standard time its rules
// know only the local mean time of the zone's city, which is not this
// city's: its bias counts then.
Result<DateTimeFields> InCityZone(const CZoneRules& zone, date::local_seconds local, seconds cityOffset)
{
    if (CZoneRules::IsLocalMeanTime(zone.Info(date::sys_seconds(local.time_since_epoch() - cityOffset))))
        return At(local, cityOffset);
    const date::local_info reading = zone.Reading(local);
    if (reading.result == date::local_info::nonexistent)
        return NotValid();
    // Of two readings of an hour repeated by a clock change, the earlier.
    return At(local, reading.first.offset);
}

// A city known by its bias alone. When that bias is the computer's standard
// time, the computer's daylight saving applies to it too.
Result<DateTimeFields> ByBias(const CZoneRules& computer, date::local_seconds local, seconds cityOffset)
{
    const date::local_info reading = computer.Reading(local);
    const seconds standard = computer.StandardOffset(reading.first);
    if (standard != cityOffset)
        return At(local, cityOffset);
    if (reading.result == date::local_info::nonexistent)
        return NotValid();
    return At(local, cityOffset + reading.first.offset - standard);
}

std::string SystemZone()
{
    try {
        return date::current_zone()->name();
    } catch (const std::exception&) {
        return kUniversalZone;
    }
}

int Minutes(seconds s)
{
    return static_cast<int>(std::chrono::duration_cast<minutes>(s).count());
}

} // namespace

std::string ComputerZone()
{
    const char* tz = std::getenv("TZ");
    if (!tz)
        return SystemZone();
    std::string name = tz[0] == ':' ? tz + 1 : tz;
    if (!name.empty() && name[0] == '/')
        name = CZoneRules::NameOfFile(name);
    return CZoneRules::Find(name) ? name : kUniversalZone;
}

std::optional<int> StandardBias(const std::string& zone, const DateTimeFields& local)
{
    const std::optional<CZoneRules> rules = CZoneRules::Find(zone);
    if (!rules)
        return std::nullopt;
    return -Minutes(rules->StandardOffset(rules->Reading(LocalSeconds(local)).first));
}

Result<DateTimeFields> Convert(const DateTimeFields& local, int bias, const std::string& zone, const std::string& computerZone)
{
    const date::local_seconds lt = LocalSeconds(local);
    const seconds cityOffset = -minutes(bias);
    if (!zone.empty()) {
        const std::optional<CZoneRules> rules = CZoneRules::Find(zone);
        if (!rules)
            return Failure {"unknown time zone: " + zone};
        return InCityZone(*rules, lt, cityOffset);
    }
    const std::optional<CZoneRules> computer = CZoneRules::Find(computerZone);
    return computer ? ByBias(*computer, lt, cityOffset) : At(lt, cityOffset);
}

DateTimeFields ToLocal(const DateTimeFields& ut, std::optional<int> bias, const std::string& zone,
                       const std::string& computerZone)
{
    const date::sys_seconds t(LocalSeconds(ut).time_since_epoch());
    const seconds given = -minutes(bias.value_or(0));
    const std::optional<CZoneRules> rules = CZoneRules::Find(zone.empty() ? computerZone : zone);
    if (!rules)
        return Fields(t + given);
    const date::sys_info period = rules->Info(t);
    if (!zone.empty())
        return Fields(t + (bias && CZoneRules::IsLocalMeanTime(period) ? given : period.offset));
    // A bias that is the computer's standard time keeps its daylight saving.
    return Fields(t + (rules->StandardOffset(period) == given ? period.offset : given));
}

} // namespace LocalToUniversal
