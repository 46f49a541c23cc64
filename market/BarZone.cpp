#include "BarZone.h"

#include <date/tz.h>

#include <ctime>
#include <stdexcept>

Result<CBarZone> CBarZone::Find(const std::string& name)
{
    CBarZone zone;
    if (name.empty())
        return zone;
    try {
        zone.m_pZone = date::locate_zone(name);
    } catch (const std::exception&) {
        return Failure {"unknown time zone \"" + name + "\""};
    }
    return zone;
}

std::int64_t CBarZone::Civil(std::int64_t utc)
{
    if (utc >= m_begin && utc < m_end)
        return utc + m_offset;
    if (!m_pZone) {
        // The C library follows TZ as the rest of the program does; its
        // offset is not cached, having no period bounds to check against.
        const std::time_t t = static_cast<std::time_t>(utc);
        std::tm tm {};
        if (!localtime_r(&t, &tm))
            return utc;
        return utc + tm.tm_gmtoff;
    }
    const date::sys_info info = m_pZone->get_info(date::sys_seconds(std::chrono::seconds(utc)));
    m_begin = info.begin.time_since_epoch().count();
    m_end = info.end.time_since_epoch().count();
    m_offset = info.offset.count();
    return utc + m_offset;
}
