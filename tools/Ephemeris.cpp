#include "Ephemeris.h"

#include "ProgramPaths.h"

#include <swephexp.h>

#include <utility>

namespace {

// Topocentric, with speeds; default ephemeris, tropical zodiac.
constexpr int32 kFlags = SEFLG_TOPOCTR | SEFLG_SPEED;
constexpr std::size_t kMaxPathLength = AS_MAXCH - 1;

} // namespace

Ephemeris::Ephemeris(std::vector<std::string> dirs)
    : m_dirs(std::move(dirs))
{
}

BodyPositions Ephemeris::Compute(const DateTimeFields& ut, double latitude, double longitude) const
{
    swe_set_ephe_path(SearchPath(m_dirs ? *m_dirs : ProgramPaths::EphemerisDirs()).c_str());
    const double jd = JulianDay(ut);
    swe_set_topo(longitude, latitude, 0.0);
    BodyPositions result;
    for (int body = 0; body < kBodyCount; ++body) {
        double values[6] = {};
        char error[AS_MAXCH] = "";
        const int32 flags = swe_calc_ut(jd, body, kFlags, values, error);
        if (flags < 0 && result.error.empty())
            result.error = error;
        // Without its data files the library falls back silently; only the
        // returned flags tell.
        if (flags >= 0 && (flags & SEFLG_MOSEPH))
            result.analytic = true;
        result.longitudes[body] = values[0];
    }
    swe_close();
    return result;
}

double Ephemeris::JulianDay(const DateTimeFields& ut)
{
    const double hours = ut.hour + ut.minute / 60.0 + ut.second / 3600.0;
    return swe_julday(ut.year, ut.month, ut.day, hours, SE_GREG_CAL);
}

std::string Ephemeris::SearchPath(const std::vector<std::string>& dirs)
{
    std::string path;
    for (const std::string& dir : dirs) {
        const std::size_t length = path.size() + (path.empty() ? 0 : 1) + dir.size();
        if (dir.empty() || dir.find(':') != std::string::npos || length > kMaxPathLength)
            continue;
        path += (path.empty() ? "" : ":") + dir;
    }
    return path;
}
