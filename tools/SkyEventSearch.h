#pragma once

#include "Bodies.h"

#include <optional>
#include <vector>

class BodyTrack;
class SkyMotion;

// The body names of the events' lists: "sun", "moon", "mercury" ... "pluto"
// in the library's numbering.
extern const char* const kBodyKeys[kBodyCount];

// The aspect angles sought unless others are asked for, and all that may be.
constexpr int kMajorAspects[] = {0, 60, 90, 120, 180};
constexpr int kAllAspects[] = {0, 30, 45, 60, 90, 120, 135, 150, 180};

// A moment at which the sky does something.
struct SkyEvent {
    enum class Kind { Ingress, Station, Aspect };

    double time = 0.0; // Julian day, UT, within a minute
    Kind kind = Kind::Ingress;
    int body = 0;
    int other = -1; // the aspect's second body, after body in the numbering
    int angle = 0; // the sign's first degree, or the aspect's angle
    double longitude = 0.0; // the body's, degrees
    bool retrograde = false; // a station turning retrograde, else direct
    // An aspect reached while the bodies draw together: their separation on
    // the shorter arc shrinks through the moment. Conjunctions and
    // oppositions, where the separation turns, have none.
    std::optional<bool> applying;
};

// What to look for: Julian days (UT), the bodies in ascending numbering,
// the aspect angles (empty for none).
struct SkyQuery {
    double from = 0.0;
    double to = 0.0;
    std::vector<int> bodies;
    std::vector<int> aspects;
};

// Finds the ingresses of the bodies into each sign (every crossing of a
// multiple of 30 degrees, forth and back), the stations of Mercury to Pluto
// (not heliocentric: seen from the sun the planets never turn) and the
// exact aspects between pairs of the bodies. Each body is sampled at a step
// in which it moves at most a few degrees and which is shorter than any of
// its retrograde spells; each pair is scanned, between those samples, at a
// step in which their separation moves as little, and split where it turns.
// The library then brackets each event and bisection narrows it to a minute.
class SkyEventSearch {
public:
    explicit SkyEventSearch(SkyMotion& sky);

    // The events within the query's days in time order; none, with the
    // failure in the SkyMotion, when the library fails.
    std::vector<SkyEvent> Find(const SkyQuery& query);

private:
    void FindIngressesAndStations(const BodyTrack& track, std::vector<SkyEvent>& events);
    void FindIngresses(const BodyTrack& track, double a, double la, double b, double lb, std::vector<SkyEvent>& events);
    void FindAspects(const BodyTrack& first, const BodyTrack& second, const std::vector<int>& angles,
                     std::vector<SkyEvent>& events);
    void FindAspectsIn(const BodyTrack& first, const BodyTrack& second, double a, double b,
                       const std::vector<int>& angles, std::vector<SkyEvent>& events);
    double GreatestSpeed(int body) const;
    // Where the library seeks an event the samples put between a and b: as
    // far again either side, within the query's days.
    double Lowest(double a, double b) const;
    double Highest(double a, double b) const;

    SkyMotion& m_sky;
    double m_from = 0.0;
    double m_to = 0.0;
};
