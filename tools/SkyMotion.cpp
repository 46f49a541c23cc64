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
