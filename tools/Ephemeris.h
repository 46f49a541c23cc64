#pragma once

#include "AstroDateText.h"
#include "Bodies.h"

#include <mutex>
#include <optional>
#include <string>
#include <vector>

// What one computation gave.
struct BodyPositions {
    Longitudes longitudes {}; // degrees, 0 to below 360
    bool analytic = false; // the data files were not found: the library's analytic ephemeris served
    std::string error; // why a body could not be computed
};

// Topocentric tropical ecliptic longitudes of the ten bodies through the
// ephemeris library. The library keeps global state (per thread only where
// it was built so): its users, the window's report and ring on the main
// thread and a search of the sky's events on a worker, take turns through
// LibraryLock.
class Ephemeris {
public:
    // Searches the program's ephemeris folders, taken anew at every
    // computation since the current directory may change.
    Ephemeris() = default;
    // Searches dirs only.
    explicit Ephemeris(std::vector<std::string> dirs);

    // The longitudes seen at a UT moment from a place (degrees, north and
    // east positive) at sea level.
    BodyPositions Compute(const DateTimeFields& ut, double latitude, double longitude) const;

    // Which years the planet data files in the searched folders cover, as
    // "the installed data files cover the years 1800 to 2399" (each file
    // holds six centuries from the one in its name), or that none is
    // installed. Outside them the library computes with its analytic model,
    // which reaches from 3000 BC to about AD 3000.
    std::string DataCoverage() const;

    // The library's failure as the user is told it: a date past the data
    // files and the analytic model alike has no ephemeris here.
    std::string FailureText(const std::string& libraryMessage) const;
    // The searched folders as the library reads its path.
    std::string LibraryPath() const;

    // Held by each computation and by a SkyMotion while it lives.
    static std::mutex& LibraryLock();

    // The Julian day (UT) of a UT date-time in the Gregorian calendar.
    static double JulianDay(const DateTimeFields& ut);
    // dirs joined with ':' as the library reads its path, leaving out those
    // that contain ':' or would overflow the library's 255-character buffer.
    static std::string SearchPath(const std::vector<std::string>& dirs);

private:
    std::vector<std::string> Dirs() const;

    std::optional<std::vector<std::string>> m_dirs;
};
