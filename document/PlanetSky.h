#pragma once

#include "AstrologyReport.h"
#include "CityList.h"

#include <optional>
#include <string>
#include <vector>

// The moment and place the planet ring shows: a local date text as the
// astrology dialog takes it, empty for "now"; a city of the city list by
// name, empty for the list's own selection.
struct PlanetMoment {
    std::string date;
    std::string city;

    friend bool operator==(const PlanetMoment& a, const PlanetMoment& b)
    {
        return a.date == b.date && a.city == b.city;
    }
};

// The window's planet ring: whether it is on, for which moment and place,
// and the longitudes computed once per change, not per paint. "Now" is the
// time the ring was turned on, so that it does not creep while looked at.
// A computation that fails turns the ring off.
class CPlanetSky {
public:
    void SetCities(std::vector<CityInfo> cities, int selected);
    const std::vector<CityInfo>& Cities() const { return m_cities; }
    void SetEphemeris(Ephemeris ephemeris) { m_ephemeris = std::move(ephemeris); }

    // Turns the ring on at moment, "now" being nowText, or off; the outcome
    // of the computation an on needed.
    AstrologyReport::Outcome TurnOn(const std::string& nowText);
    // The time "now" stood for when the ring was last turned on.
    const std::string& NowText() const { return m_now; }
    void TurnOff();
    // A new moment, "now" being nowText from here on, computed at once while on.
    AstrologyReport::Outcome SetMoment(PlanetMoment moment, const std::string& nowText);

    bool IsOn() const { return m_longitudes.has_value(); }
    const PlanetMoment& Moment() const { return m_moment; }
    // The longitudes while on, and for which moment and place they are.
    const std::optional<Longitudes>& Sky() const { return m_longitudes; }
    const std::string& Caption() const { return m_caption; }
    // The city the moment names, else the list's selection; nullptr for none.
    const CityInfo* City() const;

private:
    AstrologyReport::Outcome Compute();

    std::vector<CityInfo> m_cities;
    int m_nSelected = 0;
    Ephemeris m_ephemeris;
    PlanetMoment m_moment;
    std::string m_now;
    std::optional<Longitudes> m_longitudes;
    std::string m_caption;
};
