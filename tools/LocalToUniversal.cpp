#include "LocalToUniversal.h"

#include <date/tz.h>

#include <chrono>
#include <cstdlib>
#include <stdexcept>

namespace LocalToUniversal {

namespace {

using std::chrono::minutes;
using std::chrono::seconds;

// Clock changes looked through when searching back for standard time; a
// zone never stacks more daylight periods than this.
constexpr int kMaxDaylightPeriods = 4;

const date::time_zone* Locate(const std::string& name)
{
    try {
        return date::locate_zone(name);
    } catch (const std::runtime_error&) {
        return nullptr;
    }
}

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

// The offset of standard time in force during info: the system database
// marks daylight periods but does not say by how much they shift, so the
// offset of the last period before them that is not daylight time counts.
seconds StandardOffset(const date::time_zone& zone, date::sys_info info)
{
    for (int i = 0; i < kMaxDaylightPeriods && info.save != minutes(0); ++i)
        info = zone.get_info(info.begin - seconds(1));
    return info.offset;
}

int Minutes(seconds s)
{
    return static_cast<int>(std::chrono::duration_cast<minutes>(s).count());
}

} // namespace

std::string ComputerZone()
{
    if (const char* tz = std::getenv("TZ")) {
        const std::string name = tz[0] == ':' ? tz + 1 : tz;
        if (Locate(name))
            return name;
    }
    try {
        return date::current_zone()->name();
    } catch (const std::runtime_error&) {
        return "Etc/UTC";
    }
}

std::optional<int> StandardBias(const std::string& zone, const DateTimeFields& local)
{
    const date::time_zone* tz = Locate(zone);
    if (!tz)
        return std::nullopt;
    // Of two readings of an hour repeated by a clock change, the earlier.
    return -Minutes(StandardOffset(*tz, tz->get_info(LocalSeconds(local)).first));
}

Result Convert(const DateTimeFields& local, int bias, const std::string& zone, const std::string& computerZone)
{
    const date::local_seconds lt = LocalSeconds(local);
    const std::string& rulesZone = zone.empty() ? computerZone : zone;
    const date::time_zone* tz = Locate(rulesZone);
    if (!tz && !zone.empty())
        return {std::nullopt, "unknown time zone: " + zone};

    seconds offset = -minutes(bias);
    if (tz) {
        const date::local_info info = tz->get_info(lt);
        const seconds standard = StandardOffset(*tz, info.first);
        const bool followsRules = !zone.empty() || standard == offset;
        if (followsRules && info.result == date::local_info::nonexistent)
            return {std::nullopt, AstroDateText::kDateTimeNotValid};
        if (!zone.empty())
            offset = info.first.offset;
        else if (followsRules)
            offset += info.first.offset - standard;
    }
    return {Fields(date::sys_seconds(lt.time_since_epoch() - offset)), {}};
}

} // namespace LocalToUniversal
