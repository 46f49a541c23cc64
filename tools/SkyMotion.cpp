#include "SkyMotion.h"

#include "Ephemeris.h"

#include <swephexp.h>

SkyMotion::SkyMotion(const Ephemeris& ephemeris, bool heliocentric)
    : m_ephemeris(ephemeris)
    , m_heliocentric(heliocentric)
{
    swe_set_ephe_path(ephemeris.LibraryPath().c_str());
}

SkyMotion::~SkyMotion() { swe_close(); }

Motion SkyMotion::At(int body, double julianDayUt)
{
    if (!m_error.empty())
        return {};
    ++m_calls;
    const int32 flags = SEFLG_SPEED | (m_heliocentric ? SEFLG_HELCTR : 0);
    double values[6] = {};
    char error[AS_MAXCH] = "";
    const int32 returned = swe_calc_ut(julianDayUt, body, flags, values, error);
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
