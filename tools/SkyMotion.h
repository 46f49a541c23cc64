#pragma once

#include "AstroDateText.h"

#include <mutex>
#include <string>

class Ephemeris;

// The Julian day (UT) of 1970-01-01 00:00, where day numbers and bar times
// start.
constexpr double kUnixEpochJulianDay = 2440587.5;

// A body's ecliptic longitude and its speed at a moment.
struct Motion {
    double longitude = 0.0; // degrees, 0 to below 360
    double speed = 0.0; // degrees a day, negative while retrograde
};

// Tropical apparent ecliptic longitudes and speeds of the bodies, seen from
// the earth's centre or, on request, the sun's, through the ephemeris
// library; it counts the library's calls. It holds the library's lock
// (Ephemeris::LibraryLock) while it lives: one SkyMotion at a time, used
// from the thread that made it, and other users wait for it.
class SkyMotion {
public:
    SkyMotion(const Ephemeris& ephemeris, bool heliocentric);
    ~SkyMotion();
    SkyMotion(const SkyMotion&) = delete;
    SkyMotion& operator=(const SkyMotion&) = delete;

    // The body (the library's numbering, as in Bodies.h) at a Julian day in
    // UT; zero motion once a call has failed.
    Motion At(int body, double julianDayUt);
    // The longitude alone, which the library computes faster.
    double Longitude(int body, double julianDayUt);

    // A Julian day (UT) as its UT date and time rounded to the minute.
    static DateTimeFields MinuteOf(double julianDayUt);

    bool Heliocentric() const { return m_heliocentric; }
    long Calls() const { return m_calls; }
    // Whether the analytic model served some moment: the data files did not
    // reach it.
    bool Analytic() const { return m_analytic; }
    // The first failure as the user is told it; empty while none.
    const std::string& Error() const { return m_error; }

private:
    Motion Compute(int body, double julianDayUt, int flags);

    std::unique_lock<std::mutex> m_hold;
    const Ephemeris& m_ephemeris;
    bool m_heliocentric = false;
    long m_calls = 0;
    bool m_analytic = false;
    std::string m_error;
};
