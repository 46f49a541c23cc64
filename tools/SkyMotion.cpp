#include "SkyMotion.h"

#include "Ephemeris.h"

#include <swephexp.h>

#include <cmath>

SkyMotion::SkyMotion(const Ephemeris& ephemeris, bool heliocentric)
    : m_hold(Ephemeris::LibraryLock())
    , m_ephemeris(ephemeris)
    , m_heliocentric(heliocentric)
{
    swe_set_ephe_path(ephemeris.LibraryPath().c_str());
}

SkyMotion::~SkyMotion() { swe_close(); }

Motion SkyMotion::At(int body, double julianDayUt) { return Compute(body, julianDayUt, SEFLG_SPEED); }

double SkyMotion::Longitude(int body, double julianDayUt) { return Compute(body, julianDayUt, 0).longitude; }

Motion SkyMotion::Compute(int body, double julianDayUt, int flags)
{
    if (!m_error.empty())
        return {};
    ++m_calls;
    flags |= m_heliocentric ? SEFLG_HELCTR : 0;
    double values[6] = {};
    char error[AS_MAXCH] = "";
    const int32 returned = swe_calc_ut(julianDayUt, body, static_cast<int32>(flags), values, error);
    if (returned < 0) {
        m_error = m_ephemeris.FailureText(error);
        return {};
    }
    // Without its data files the library falls back silently; only the
    // returned flags tell.
    if (returned & SEFLG_MOSEPH)
        m_analytic = true;
    return {values[0], values[3]};
}

DateTimeFields SkyMotion::MinuteOf(double julianDayUt)
{
    // Julian days start at noon: whole minutes from the midnight before.
    const double midnight = std::floor(julianDayUt - 0.5) + 0.5;
    const long minutes = std::lround((julianDayUt - midnight) * 1440.0);
    int year = 0;
    int month = 0;
    int day = 0;
    double hour = 0.0;
    swe_revjul(midnight + static_cast<double>(minutes / 1440), SE_GREG_CAL, &year, &month, &day, &hour);
    const int minuteOfDay = static_cast<int>(minutes % 1440);
    return {year, month, day, minuteOfDay / 60, minuteOfDay % 60, 0};
}
