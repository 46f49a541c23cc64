#include "ZoneRules.h"

#include <date/ptz.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <system_error>

using std::chrono::hours;
using std::chrono::seconds;

namespace {

// Where the date library finds the system's zone files.
const char* const kZoneDir = "/usr/share/zoneinfo";

// No clock stands further from UT: libc refuses POSIX offsets beyond it,
// and it bounds the search for the periods around a local time.
constexpr hours kMaxOffset {25};
// Clock changes looked at around one local time, and through one stretch
// of daylight time (Britain kept daylight time from 1940 to 1945, double in
// summer); no zone has more.
constexpr int kMaxPeriodsAround = 8;
constexpr int kMaxDaylightPeriods = 16;
// No clock change for daylight saving ever moved clocks further; a bigger
// jump beside a daylight period is a change of zone (Samoa crossing the
// date line, a settlement's first clock).
constexpr hours kMaxSaving {2};
// A POSIX rule longer than this is no rule ("EST5EDT,M3.2.0,M11.1.0" is 22).
constexpr std::size_t kMaxRuleLength = 128;

// The database gives periods without a begin or an end bounds far beyond
// the years a date can name.
const date::sys_days kNoEarlier = date::year(-10000) / 1 / 1;
const date::sys_days kNoLater = date::year(10000) / 1 / 1;
const date::sys_days kSample = date::year(2000) / 1 / 1;

bool IsDaylight(const date::sys_info& period)
{
    return period.save != std::chrono::minutes(0);
}

const date::time_zone* Locate(const std::string& name)
{
    try {
        return date::locate_zone(name);
    } catch (const std::exception&) {
        return nullptr;
    }
}

// The period of a POSIX rule at a moment. A rule without daylight time
// gives one period for all time, whose saving the library leaves unset.
date::sys_info RuleInfo(const Posix::time_zone& rule, date::sys_seconds t)
{
    date::sys_info period = rule.get_info(t);
    if (period.begin < kNoEarlier && period.end > kNoLater)
        period.save = std::chrono::minutes(0);
    return period;
}

bool IsPrintableAscii(const std::string& text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return c > ' ' && c < '\x7f'; });
}

// A POSIX TZ rule, refused when it does not parse or an offset lies beyond
// kMaxOffset (checked on the period in force at kSample and the next one).
std::shared_ptr<const Posix::time_zone> PosixRule(const std::string& text)
{
    if (text.empty() || text.size() > kMaxRuleLength || !IsPrintableAscii(text))
        return nullptr;
    try {
        auto rule = std::make_shared<const Posix::time_zone>(text);
        const date::sys_info first = RuleInfo(*rule, date::sys_seconds(kSample));
        const date::sys_info second = RuleInfo(*rule, first.end);
        for (const seconds offset : {first.offset, second.offset})
            if (offset > kMaxOffset || offset < -kMaxOffset)
                return nullptr;
        return rule;
    } catch (const std::exception&) {
        return nullptr;
    }
}

// The rule a zone file of version 2 or later closes with, between its last
// two line feeds: the clock changes after the last one the file lists.
std::shared_ptr<const Posix::time_zone> ClosingRule(const std::string& name)
{
    std::ifstream file(std::string(kZoneDir) + '/' + name, std::ios::binary);
    char head[5] = {};
    if (!file.read(head, sizeof head) || std::strncmp(head, "TZif", 4) != 0 || head[4] < '2')
        return nullptr;
    file.seekg(0, std::ios::end);
    const std::streamoff size = file.tellg();
    const std::streamoff tail = std::min<std::streamoff>(size, kMaxRuleLength + 2);
    if (tail <= 0)
        return nullptr;
    std::string text(static_cast<std::size_t>(tail), '\0');
    file.seekg(size - tail);
    if (!file.read(&text[0], tail) || text.back() != '\n')
        return nullptr;
    text.pop_back();
    const std::size_t start = text.rfind('\n');
    return start == std::string::npos ? nullptr : PosixRule(text.substr(start + 1));
}

date::local_seconds LocalBegin(const date::sys_info& period)
{
    return date::local_seconds((period.begin + period.offset).time_since_epoch());
}

date::local_seconds LocalEnd(const date::sys_info& period)
{
    return date::local_seconds((period.end + period.offset).time_since_epoch());
}

} // namespace

std::optional<CZoneRules> CZoneRules::Find(const std::string& name)
{
    CZoneRules rules;
    rules.m_pZone = Locate(name);
    rules.m_pRule = rules.m_pZone ? ClosingRule(rules.m_pZone->name()) : PosixRule(name);
    if (!rules.m_pZone && !rules.m_pRule)
        return std::nullopt;
    return rules;
}

std::string CZoneRules::NameOfFile(const std::string& path)
{
    std::error_code error;
    const std::string file = std::filesystem::canonical(path, error).string();
    const std::string dir = std::filesystem::canonical(kZoneDir, error).string() + '/';
    return !error && file.compare(0, dir.size(), dir) == 0 ? file.substr(dir.size()) : std::string();
}

date::sys_info CZoneRules::Info(date::sys_seconds t) const
{
    if (!m_pZone)
        return RuleInfo(*m_pRule, t);
    const date::sys_info listed = m_pZone->get_info(t);
    if (!m_pRule || listed.end < kNoLater)
        return listed;
    date::sys_info ruled = RuleInfo(*m_pRule, t);
    ruled.begin = std::max(ruled.begin, listed.begin);
    return ruled;
}

date::local_info CZoneRules::Reading(date::local_seconds t) const
{
    const date::sys_seconds asUt(t.time_since_epoch());
    date::local_info reading {};
    int found = 0;
    date::sys_info period = Info(asUt - kMaxOffset);
    for (int i = 0; i < kMaxPeriodsAround; ++i) {
        if (LocalEnd(period) <= t) {
            reading.first = period;
        } else if (LocalBegin(period) > t) {
            if (found == 0)
                reading.second = period;
            break;
        } else if (found < 2) {
            (found == 0 ? reading.first : reading.second) = period;
            ++found;
        }
        const std::optional<date::sys_info> next = Neighbour(period, 1);
        if (!next || next->begin > asUt + kMaxOffset)
            break;
        period = *next;
    }
    reading.result = found == 0 ? date::local_info::nonexistent
        : found == 1            ? date::local_info::unique
                                : date::local_info::ambiguous;
    return reading;
}

seconds CZoneRules::StandardOffset(const date::sys_info& period) const
{
    const std::optional<seconds> back = SavingTowards(period, -1);
    const std::optional<seconds> forward = SavingTowards(period, 1);
    if (back && forward)
        return period.offset - std::min(*back, *forward);
    // Standard time is the summer of a zone with a negative saving only
    // between two such winters; beside one it is a change of zone.
    if (!IsDaylight(period))
        return period.offset;
    return period.offset - back.value_or(forward.value_or(seconds(0)));
}

bool CZoneRules::IsLocalMeanTime(const date::sys_info& period)
{
    return period.abbrev == "LMT";
}

std::optional<date::sys_info> CZoneRules::Neighbour(const date::sys_info& period, int direction) const
{
    if (direction < 0 ? period.begin < kNoEarlier : period.end > kNoLater)
        return std::nullopt;
    const date::sys_info next = Info(direction < 0 ? period.begin - seconds(1) : period.end);
    // A rule that does not move on has nothing beside the period.
    if (direction < 0 ? next.begin >= period.begin : next.end <= period.end)
        return std::nullopt;
    return next;
}

std::optional<seconds> CZoneRules::SavingTowards(const date::sys_info& period, int direction) const
{
    // From daylight time the walk goes on to the standard time around it;
    // from standard time one step tells whether it is daylight time in
    // disguise, beside a negative saving.
    const bool fromDaylight = IsDaylight(period);
    date::sys_info walked = period;
    for (int i = 0; i < kMaxDaylightPeriods; ++i) {
        const std::optional<date::sys_info> next = Neighbour(walked, direction);
        if (!next)
            return std::nullopt;
        if (IsDaylight(*next) != fromDaylight) {
            const seconds saving = period.offset - next->offset;
            return saving > seconds(0) && saving <= kMaxSaving ? std::optional<seconds>(saving) : std::nullopt;
        }
        if (!fromDaylight)
            return std::nullopt;
        walked = *next;
    }
    return std::nullopt;
}
