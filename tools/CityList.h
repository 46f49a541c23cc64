#pragma once

#include "Result.h"

#include <optional>
#include <string>
#include <vector>

// One city of the city list: the observer's place and the city's clock.
struct CityInfo {
    std::string Name;
    std::string Country;
    int Bias = 0; // minutes, UT = local time + Bias (UTC+8 is -480)
    double Latitude = 0.0; // decimal degrees, north positive
    double Longitude = 0.0; // decimal degrees, east positive
    std::string Zone; // IANA zone name; empty when the file names none
};

// What reading a city file gave: the cities in file order up to the first
// failure, the index to select at start, and whether the reading got
// through, or else what went wrong where.
struct CityList {
    std::vector<CityInfo> cities;
    int selected = 0;
    Result<void> read;

    bool Ok() const { return read.Ok(); }
};

// The city file: a root element of any name with an optional integer
// `selected`, whose `Location` children (attributes Name, Country, TimeZone,
// optional Zone; child elements Latitude and Longitude with Degrees, Minutes
// and Direction) are the cities. Other nodes are passed over.
namespace CityFile {

// What the user is told when a city file cannot be read.
extern const char* const kReadFailed;

// The largest latitude and longitude either way: a place beyond is off the
// globe.
constexpr double kMaxLatitude = 90.0;
constexpr double kMaxLongitude = 180.0;

// Reads the city file at path. A file that cannot be read or parsed, or a
// Location that lacks one of its parts or lies off the globe (latitude
// beyond 90 degrees, longitude beyond 180), ends the reading; the cities
// read before stay.
CityList Read(const std::string& path);

// The bias of a TimeZone text: whole hours after its first '+' (west
// negative, so +8 is -480), else after its first '-', else at its start.
int TimeZoneBias(const std::string& text);

// Degrees + minutes / 60, negated unless direction is exactly positive.
double Angle(int degrees, int minutes, const std::string& direction, const char* positive);

// The integer at the start of text, blanks and a sign allowed before it, as
// "%d" reads it; nothing when it has no digits or overflows an int.
std::optional<int> LeadingInteger(const char* text);

} // namespace CityFile
