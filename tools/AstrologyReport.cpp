#include "AstrologyReport.h"

#include "AstroDateText.h"
#include "CityList.h"
#include "LocalToUniversal.h"

#include <cmath>
#include <iomanip>
#include <locale>
#include <sstream>

namespace AstrologyReport {

const char* const kPlanetNames[kBodyCount]
    = {"Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn", "Uranus", "Nepturn", "Pluto"};
const char* const kSignNames[12] = {"Aries", "Taurus", "Gemini", "Cancer", "Leo", "Virgo", "Libra", "Scorpio",
    "Sagittarius", "Capricorn", "Aquarius ", "Pisces"};
const char* const kSelectCity = "please select a city";

namespace {

const char* const kDegree = "\u00B0";
const char* const kColon = "\uFF1A";
const char* const kEol = "\r\n";
const char* const kNoValue = "-";
constexpr int kRuleLength = 83;
constexpr int kSignCount = 12;
constexpr int kSignDegrees = 30;

// A stream that writes numbers the same whatever the user's locale.
std::ostringstream NewStream()
{
    std::ostringstream out;
    out.imbue(std::locale::classic());
    out << std::fixed << std::setprecision(2);
    return out;
}

void WriteRule(std::ostream& out)
{
    out << std::string(kRuleLength, '-') << kEol;
}

// What follows a body's name: in the report's columns "%3.2f\t\t%12s: %2d°%2d'",
// else the same parts a blank apart, the minutes still two wide as the
// report shows them; "-" for the longitude and sign of a longitude without
// a place.
void WritePlace(std::ostream& out, double longitude, bool columns = false)
{
    const std::optional<ZodiacPlace> place = PlaceOf(longitude);
    const int wide = columns ? 12 : 0;
    const char* const gap = columns ? "\t\t" : " ";
    if (!place) {
        out << std::setw(columns ? 3 : 0) << kNoValue << gap << std::setw(wide) << kNoValue;
        return;
    }
    out << std::setw(columns ? 3 : 0) << longitude << gap << std::setw(wide) << kSignNames[place->sign]
        << (columns ? ": " : " ") << std::setw(columns ? 2 : 0) << place->degrees << kDegree
        << std::setw(2) << place->minutes << '\'';
}

// "\t%8s\t\t%3.2f\t\t%12s: %2d°%2d'"
void WriteBody(std::ostream& out, int body, double longitude)
{
    out << '\t' << std::setw(8) << kPlanetNames[body] << "\t\t";
    WritePlace(out, longitude, true);
    out << kEol;
}

// "\t%s--%s \t：%3d°\t\tPermission：%.2f", the 120° line with a blank
// before its line end.
void WriteAspect(std::ostream& out, const Aspect& aspect)
{
    out << '\t' << kPlanetNames[aspect.first] << "--" << kPlanetNames[aspect.second] << " \t" << kColon << std::setw(3)
        << aspect.angle << kDegree << "\t\tPermission" << kColon << aspect.orb << (aspect.angle == 120 ? " " : "")
        << kEol;
}

// The separation of two longitudes on the shorter arc, 0 to 180.
double Separation(double a, double b)
{
    const double delta = std::fmod(std::fabs(a - b), 360.0);
    return delta > 180.0 ? 360.0 - delta : delta;
}

std::string Caption(const DateTimeFields& local, const CityInfo& city)
{
    std::ostringstream out = NewStream();
    out << "Planets " << AstroDateText::Format(local) << ", ";
    if (!city.Name.empty())
        out << city.Name;
    else
        out << std::fabs(city.Latitude) << (city.Latitude < 0.0 ? 'S' : 'N') << ' ' << std::fabs(city.Longitude)
            << (city.Longitude < 0.0 ? 'W' : 'E');
    return out.str();
}

} // namespace

std::optional<ZodiacPlace> PlaceOf(double longitude)
{
    if (!std::isfinite(longitude))
        return std::nullopt;
    double normal = std::fmod(longitude, 360.0);
    if (normal < 0.0)
        normal += 360.0;
    const double inSign = std::fmod(normal, static_cast<double>(kSignDegrees));
    ZodiacPlace place {static_cast<int>(normal / kSignDegrees), static_cast<int>(inSign), 0};
    place.minutes = static_cast<int>((inSign - place.degrees) * 60.0 + 0.5);
    if (place.minutes == 60) {
        place.minutes = 0;
        ++place.degrees;
    }
    if (place.degrees == kSignDegrees) {
        place.degrees = 0;
        ++place.sign;
    }
    place.sign %= kSignCount;
    return place;
}

std::vector<Aspect> FindAspects(const Longitudes& longitudes)
{
    std::vector<Aspect> aspects;
    for (int i = 0; i < kBodyCount; ++i) {
        for (int j = i + 1; j < kBodyCount; ++j) {
            const double delta = Separation(longitudes[i], longitudes[j]);
            for (int angle : kAspectAngles) {
                if (std::fabs(delta - angle) < kOrb) {
                    aspects.push_back({i, j, angle, std::fabs(delta - angle)});
                    break;
                }
            }
        }
    }
    return aspects;
}

std::string Format(const Longitudes& longitudes)
{
    std::ostringstream out = NewStream();
    out << "\tPlanets\t\tLongitude\t\tHouses" << kEol;
    WriteRule(out);
    for (int body = 0; body < kBodyCount; ++body)
        WriteBody(out, body, longitudes[body]);
    out << kEol << "\tPhase Relation " << kEol;
    WriteRule(out);
    for (const Aspect& aspect : FindAspects(longitudes))
        WriteAspect(out, aspect);
    return out.str();
}

Sky ComputeSky(const std::string& dateText, const CityInfo* city, const Ephemeris& ephemeris)
{
    const AstroDateText::Check date = AstroDateText::CheckText(dateText);
    if (!date.fields)
        return {{date.message, date.information}};
    if (!city)
        return {{kSelectCity, true}};
    const Result<DateTimeFields> ut
        = LocalToUniversal::Convert(*date.fields, city->Bias, city->Zone, LocalToUniversal::ComputerZone());
    if (!ut.Ok())
        return {{ut.Message()}};
    const BodyPositions positions = ephemeris.Compute(ut.Value(), city->Latitude, city->Longitude);
    if (!positions.error.empty())
        return {{"error : " + positions.error}};
    return {{{}, false, positions.analytic}, positions.longitudes, Caption(*date.fields, *city)};
}

std::string DescribeBody(int body, double longitude)
{
    std::ostringstream out = NewStream();
    out << kPlanetNames[body] << ' ';
    WritePlace(out, longitude);
    return out.str();
}

Outcome Build(std::string& report, const std::string& dateText, const CityInfo* city, const Ephemeris& ephemeris)
{
    const Sky sky = ComputeSky(dateText, city, ephemeris);
    if (sky.outcome.Ok())
        report += Format(sky.longitudes);
    return sky.outcome;
}

} // namespace AstrologyReport
