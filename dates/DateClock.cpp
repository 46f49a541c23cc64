#include "DateClock.h"

#include <ctime>
#include <optional>

namespace {

std::optional<COleDateTime> g_fixedNow;

} // namespace

COleDateTime CDateClock::Now()
{
    if (g_fixedNow)
        return *g_fixedNow;
    const std::time_t t = std::time(nullptr);
    std::tm local {};
    if (!localtime_r(&t, &local))
        return COleDateTime::Invalid();
    // A leap second reads as the last second of its minute.
    return COleDateTime(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min,
        local.tm_sec > 59 ? 59 : local.tm_sec);
}

void CDateClock::SetFixed(const COleDateTime& now)
{
    g_fixedNow = now;
}

void CDateClock::UseSystemTime()
{
    g_fixedNow.reset();
}
