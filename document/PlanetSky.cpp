#include "PlanetSky.h"

void CPlanetSky::SetCities(std::vector<CityInfo> cities, int selected)
{
    m_cities = std::move(cities);
    m_nSelected = selected;
}

AstrologyReport::Outcome CPlanetSky::TurnOn(const std::string& nowText)
{
    m_now = nowText;
    return Compute();
}

void CPlanetSky::TurnOff()
{
    m_longitudes.reset();
    m_caption.clear();
}

AstrologyReport::Outcome CPlanetSky::SetMoment(PlanetMoment moment, const std::string& nowText)
{
    m_moment = std::move(moment);
    m_now = nowText;
    return IsOn() ? Compute() : AstrologyReport::Outcome {};
}

const CityInfo* CPlanetSky::City() const
{
    for (const CityInfo& city : m_cities)
        if (city.Name == m_moment.city)
            return &city;
    const bool named = m_nSelected >= 0 && m_nSelected < static_cast<int>(m_cities.size());
    return named ? &m_cities[m_nSelected] : nullptr;
}

// Never half a sky: a failure leaves no longitudes at all.
AstrologyReport::Outcome CPlanetSky::Compute()
{
    const std::string& date = m_moment.date.empty() ? m_now : m_moment.date;
    const AstrologyReport::Sky sky = AstrologyReport::ComputeSky(date, City(), m_ephemeris);
    if (sky.outcome.Ok())
        m_longitudes = sky.longitudes;
    else
        m_longitudes.reset();
    m_caption = sky.caption;
    return sky.outcome;
}
