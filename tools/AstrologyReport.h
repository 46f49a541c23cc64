#pragma once

#include "Ephemeris.h"

#include <optional>
#include <string>
#include <vector>

struct CityInfo;

// The astrology report: one line per body with its longitude, sign,
// degrees and minutes, then the aspects between the bodies. UTF-8 text with
// lines ending in CR LF.
namespace AstrologyReport {

extern const char* const kPlanetNames[kBodyCount];
extern const char* const kSignNames[12];
extern const char* const kSelectCity;

constexpr int kAspectAngles[] = {0, 60, 90, 120, 180};
constexpr double kOrb = 6.0;

// A longitude's place in the zodiac, rounded to the nearest minute.
struct ZodiacPlace {
    int sign = 0;
    int degrees = 0;
    int minutes = 0;
};

// Two bodies at one of the aspect angles, orb degrees off it.
struct Aspect {
    int first = 0;
    int second = 0;
    int angle = 0;
    double orb = 0.0;
};

// What building a report gave: empty message on success.
struct Outcome {
    std::string message;
    bool information = false; // the message box carries the information icon
    bool analytic = false; // the library's analytic ephemeris served

    bool Ok() const { return message.empty(); }
};

// The sign, degrees and minutes of any finite longitude, taken round the
// circle; 60 minutes carry into the next degree and 30 degrees into the
// next sign. Nothing for NaN or an infinity, which have no place.
std::optional<ZodiacPlace> PlaceOf(double longitude);

// The pairs (i < j, in order) whose separation on the shorter arc lies
// within the orb, strictly, of an aspect angle; the first angle that fits
// counts.
std::vector<Aspect> FindAspects(const Longitudes& longitudes);

// The report text for the ten longitudes. A longitude without a place
// shows "-" in its line's longitude and sign columns and has no aspect.
std::string Format(const Longitudes& longitudes);

// The ten longitudes for a local date text at a city, or the message to
// show: what the report and the chart's planet ring both draw from.
struct Sky {
    Outcome outcome;
    Longitudes longitudes {};
    // For whom the longitudes are, as a chart's ring names it: "Planets
    // 2024-03-20 12:00:00, Beijing", the place by its latitude and longitude
    // when it has no name.
    std::string caption {};
};

// Reads the date text, converts the city's local time to UT and computes
// the longitudes. Without a city, or when a step fails, only the message.
Sky ComputeSky(const std::string& dateText, const CityInfo* city, const Ephemeris& ephemeris);

// One body as its report line shows it: "Sun 245.32 Sagittarius 5°19'",
// "Sun 0.04 Aries 0° 2'".
std::string DescribeBody(int body, double longitude);

// Reads the date text, converts the city's local time to UT, computes the
// longitudes and appends their report. Without a city, or when a step
// fails, appends nothing and returns the message to show.
Outcome Build(std::string& report, const std::string& dateText, const CityInfo* city, const Ephemeris& ephemeris);

} // namespace AstrologyReport
