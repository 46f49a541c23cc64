#include "Ephemeris.h"

#include "ProgramPaths.h"

#include <swephexp.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <regex>
#include <system_error>
#include <utility>

namespace {

// Topocentric, with speeds; default ephemeris, tropical zodiac.
constexpr int32 kFlags = SEFLG_TOPOCTR | SEFLG_SPEED;
constexpr std::size_t kMaxPathLength = AS_MAXCH - 1;
// A planet file holds this many years from the century in its name.
constexpr int kYearsPerFile = 600;

} // namespace

Ephemeris::Ephemeris(std::vector<std::string> dirs)
    : m_dirs(std::move(dirs))
{
}

std::mutex& Ephemeris::LibraryLock()
{
    static std::mutex lock;
    return lock;
}

BodyPositions Ephemeris::Compute(const DateTimeFields& ut, double latitude, double longitude) const
{
    const std::lock_guard<std::mutex> hold(LibraryLock());
    swe_set_ephe_path(LibraryPath().c_str());
    const double jd = JulianDay(ut);
    swe_set_topo(longitude, latitude, 0.0);
    BodyPositions result;
    for (int body = 0; body < kBodyCount; ++body) {
        double values[6] = {};
        char error[AS_MAXCH] = "";
        const int32 flags = swe_calc_ut(jd, body, kFlags, values, error);
        if (flags < 0 && result.error.empty())
            result.error = FailureText(error);
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

std::string Ephemeris::FailureText(const std::string& libraryMessage) const
{
    if (libraryMessage.find("not found") == std::string::npos)
        return libraryMessage;
    return "no ephemeris for that date: " + DataCoverage()
        + ", and the library's analytic model, used outside them, reaches only to about the year 3000";
}

std::string Ephemeris::LibraryPath() const { return SearchPath(Dirs()); }

std::vector<std::string> Ephemeris::Dirs() const { return m_dirs ? *m_dirs : ProgramPaths::EphemerisDirs(); }

std::string Ephemeris::DataCoverage() const
{
    // sepl_18.se1 starts in 1800, seplm54.se1 in 5400 BC (year -5399).
    static const std::regex name(R"(sepl(_|m)(\d\d)\.se1)");
    std::map<int, int> spans; // first year -> last year
    for (const std::string& dir : Dirs()) {
        std::error_code ec;
        for (const auto& entry : std::filesystem::directory_iterator(dir, ec)) {
            std::smatch m;
            const std::string file = entry.path().filename().string();
            if (!std::regex_match(file, m, name))
                continue;
            const int century = std::stoi(m[2].str()) * 100;
            const int first = m[1] == "_" ? century : 1 - century;
            spans[first] = first + kYearsPerFile - 1;
        }
    }
    std::string text;
    for (auto it = spans.begin(); it != spans.end();) {
        const int first = it->first;
        int last = it->second;
        // Files next to each other make one span.
        while (++it != spans.end() && it->first <= last + 1)
            last = std::max(last, it->second);
        text += (text.empty() ? "" : ", ") + std::to_string(first) + " to " + std::to_string(last);
    }
    return text.empty() ? "no data files are installed" : "the installed data files cover the years " + text;
}
