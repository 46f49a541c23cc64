#include "SkyEventSearch.h"

#include "BodyTrack.h"
#include "SkyMotion.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <tuple>

const char* const kBodyKeys[kBodyCount]
    = {"sun", "moon", "mercury", "venus", "mars", "jupiter", "saturn", "uranus", "neptune", "pluto"};

namespace {

constexpr int kSun = 0;
constexpr int kMoon = 1;
constexpr int kSignDegrees = 30;
constexpr double kMinute = 1.0 / 1440.0;
// The library is first asked this far either side of where the samples put
// an event, which brackets most events at once within a minute; four times
// as far each time the event is not between.
constexpr double kFirstReach = kMinute / 2;
// How closely the interpolated motion places an event before the library is
// asked: a few seconds, costing no call.
constexpr double kGuessPrecision = kMinute / 16;
// At most this many degrees of a body's motion, or of a pair's separation,
// between two samples: far within the half turn that tells which way a
// longitude went, and close enough for the interpolation to place an event
// within seconds.
constexpr double kDegreesPerStep = 6.0;
// Shorter than the shortest retrograde spell of the slow planets (over four
// months), so that every station shows as a change of the speed's sign.
constexpr double kLongestStep = 30.0;

// The greatest speeds in degrees a day, seen from the earth and from the
// sun (the sun and the moon have none there); Mercury's quickest 2.25
// degrees a day gives it a step of under three days, far shorter than its
// shortest retrograde spell of about three weeks.
constexpr double kGeocentricSpeed[kBodyCount] = {1.02, 15.4, 2.25, 1.27, 0.80, 0.25, 0.14, 0.07, 0.04, 0.04};
constexpr double kHeliocentricSpeed[kBodyCount] = {1.0, 1.0, 6.4, 1.62, 0.67, 0.1, 0.04, 0.015, 0.006, 0.008};

// The moment where real changes sign, to within a minute, near where guess,
// which costs no call of the library, changes sign within [a, b]. The
// library may place it a little outside [a, b]; it is sought within
// [lowest, highest]. Nothing when the library sees no change there: a
// grazing touch that the interpolation alone showed.
template <typename Real, typename Guess>
std::optional<double> Refine(const Real& real, const Guess& guess, double a, double b, double lowest, double highest)
{
    double lo = a;
    double hi = b;
    const bool guessBelow = guess(a) < 0.0;
    while (hi - lo > kGuessPrecision) {
        const double mid = (lo + hi) / 2;
        (guess(mid) < 0.0) == guessBelow ? lo = mid : hi = mid;
    }
    const double estimate = (lo + hi) / 2;
    bool below = false;
    for (double reach = kFirstReach;; reach *= 4) {
        lo = std::max(lowest, estimate - reach);
        hi = std::min(highest, estimate + reach);
        below = real(lo) < 0.0;
        if ((real(hi) < 0.0) != below)
            break;
        if (lo == lowest && hi == highest)
            return std::nullopt;
    }
    while (hi - lo > kMinute) {
        const double mid = (lo + hi) / 2;
        (real(mid) < 0.0) == below ? lo = mid : hi = mid;
    }
    return (lo + hi) / 2;
}

// The values equal to offset modulo period that a motion from u0 to u1
// passes: those in (min, max], so that a value met at a sample counts once.
std::vector<double> Crossings(double u0, double u1, double period, double offset)
{
    std::vector<double> values;
    const double low = std::min(u0, u1);
    const double high = std::max(u0, u1);
    for (double n = std::floor((low - offset) / period) + 1; offset + n * period <= high; ++n)
        values.push_back(offset + n * period);
    return values;
}

// The separations at which the pair makes the angles: A and 360 - A.
std::vector<double> AspectSeparations(const std::vector<int>& angles)
{
    std::vector<double> separations;
    for (const int angle : angles) {
        separations.push_back(angle);
        if (angle != 0 && angle != 180)
            separations.push_back(360 - angle);
    }
    return separations;
}

bool SameEvent(const SkyEvent& x, const SkyEvent& y)
{
    return std::fabs(x.time - y.time) < 2 * kMinute && x.kind == y.kind && x.body == y.body && x.other == y.other
        && x.angle == y.angle && x.retrograde == y.retrograde;
}

SkyEvent NewEvent(double time, SkyEvent::Kind kind, int body)
{
    SkyEvent event;
    event.time = time;
    event.kind = kind;
    event.body = body;
    return event;
}

// The step of a body, or of a pair's separation, moving at most speed
// degrees a day.
double Step(double speed) { return std::min(kDegreesPerStep / speed, kLongestStep); }

double Separation(const BodyTrack& first, const BodyTrack& second, double t)
{
    return first.At(t).longitude - second.At(t).longitude;
}

double RelativeSpeed(const BodyTrack& first, const BodyTrack& second, double t)
{
    return first.At(t).speed - second.At(t).speed;
}

// Where the relative speed, of opposite signs at a and b, changes sign.
double Turn(const BodyTrack& first, const BodyTrack& second, double a, double b)
{
    const bool below = RelativeSpeed(first, second, a) < 0.0;
    while (b - a > kMinute) {
        const double mid = (a + b) / 2;
        (RelativeSpeed(first, second, mid) < 0.0) == below ? a = mid : b = mid;
    }
    return (a + b) / 2;
}

} // namespace

SkyEventSearch::SkyEventSearch(SkyMotion& sky)
    : m_sky(sky)
{
}

std::vector<SkyEvent> SkyEventSearch::Find(const SkyQuery& query)
{
    if (!(query.to > query.from))
        return {};
    m_from = query.from;
    m_to = query.to;
    std::vector<std::unique_ptr<BodyTrack>> tracks;
    for (const int body : query.bodies) {
        const TimeGrid grid {query.from, query.to, Step(GreatestSpeed(body))};
        tracks.push_back(std::make_unique<BodyTrack>(m_sky, body, grid));
    }
    std::vector<SkyEvent> events;
    for (const auto& track : tracks)
        FindIngressesAndStations(*track, events);
    if (!query.aspects.empty())
        for (std::size_t i = 0; i < tracks.size(); ++i)
            for (std::size_t j = i + 1; j < tracks.size(); ++j)
                FindAspects(*tracks[i], *tracks[j], query.aspects, events);
    if (!m_sky.Error().empty())
        return {};
    std::sort(events.begin(), events.end(), [](const SkyEvent& x, const SkyEvent& y) {
        return std::tie(x.time, x.kind, x.body, x.other, x.angle) < std::tie(y.time, y.kind, y.body, y.other, y.angle);
    });
    // Two neighbouring parts of the scan may both have led to one event.
    events.erase(std::unique(events.begin(), events.end(), SameEvent), events.end());
    events.erase(std::remove_if(events.begin(), events.end(),
                                [&](const SkyEvent& e) { return e.time < query.from || e.time > query.to; }),
                 events.end());
    return events;
}

double SkyEventSearch::Lowest(double a, double b) const { return std::max(m_from, a - (b - a)); }

double SkyEventSearch::Highest(double a, double b) const { return std::min(m_to, b + (b - a)); }

double SkyEventSearch::GreatestSpeed(int body) const
{
    return (m_sky.Heliocentric() ? kHeliocentricSpeed : kGeocentricSpeed)[body];
}

void SkyEventSearch::FindIngressesAndStations(const BodyTrack& track, std::vector<SkyEvent>& events)
{
    const int body = track.Body();
    const bool turns = !m_sky.Heliocentric() && body != kSun && body != kMoon;
    const TimeGrid& grid = track.Grid();
    for (std::size_t i = 0; i < grid.Intervals(); ++i) {
        const double a = grid.At(i);
        const double b = grid.At(i + 1);
        const Motion& ma = track.Sample(i);
        const Motion& mb = track.Sample(i + 1);
        if (!turns || (ma.speed < 0.0) == (mb.speed < 0.0)) {
            FindIngresses(track, a, ma.longitude, b, mb.longitude, events);
            continue;
        }
        const auto speed = [&](double t) { return m_sky.At(body, t).speed; };
        const auto guess = [&](double t) { return track.At(t).speed; };
        const std::optional<double> station = Refine(speed, guess, a, b, Lowest(a, b), Highest(a, b));
        if (!station) {
            FindIngresses(track, a, ma.longitude, b, mb.longitude, events);
            continue;
        }
        const double longitude = track.At(*station).longitude;
        SkyEvent event = NewEvent(*station, SkyEvent::Kind::Station, body);
        event.longitude = longitude;
        event.retrograde = ma.speed > 0.0;
        events.push_back(event);
        FindIngresses(track, a, ma.longitude, *station, longitude, events);
        FindIngresses(track, *station, longitude, b, mb.longitude, events);
    }
}

// The ingresses while the body moves one way from longitude la at a to lb
// at b.
void SkyEventSearch::FindIngresses(const BodyTrack& track, double a, double la, double b, double lb,
                                   std::vector<SkyEvent>& events)
{
    const int body = track.Body();
    for (const double boundary : Crossings(la, la + Wrap180(lb - la), kSignDegrees, 0.0)) {
        const auto real = [&](double t) { return Wrap180(m_sky.Longitude(body, t) - boundary); };
        const auto guess = [&](double t) { return Wrap180(track.At(t).longitude - boundary); };
        if (const std::optional<double> time = Refine(real, guess, a, b, Lowest(a, b), Highest(a, b))) {
            SkyEvent event = NewEvent(*time, SkyEvent::Kind::Ingress, body);
            event.angle = static_cast<int>(std::lround(Wrap360(boundary))) % 360;
            event.longitude = event.angle;
            events.push_back(event);
        }
    }
}

void SkyEventSearch::FindAspects(const BodyTrack& first, const BodyTrack& second, const std::vector<int>& angles,
                                 std::vector<SkyEvent>& events)
{
    const double speed = GreatestSpeed(first.Body()) + GreatestSpeed(second.Body());
    const TimeGrid grid {first.Grid().from, first.Grid().to, Step(speed)};
    for (std::size_t i = 0; i < grid.Intervals(); ++i) {
        const double a = grid.At(i);
        const double b = grid.At(i + 1);
        // Split where the separation turns, so that each part moves one way.
        if ((RelativeSpeed(first, second, a) < 0.0) != (RelativeSpeed(first, second, b) < 0.0)) {
            const double turn = Turn(first, second, a, b);
            FindAspectsIn(first, second, a, turn, angles, events);
            FindAspectsIn(first, second, turn, b, angles, events);
        } else {
            FindAspectsIn(first, second, a, b, angles, events);
        }
    }
}

// The exact aspects while the separation moves one way from a to b.
void SkyEventSearch::FindAspectsIn(const BodyTrack& first, const BodyTrack& second, double a, double b,
                                   const std::vector<int>& angles, std::vector<SkyEvent>& events)
{
    const double d0 = Wrap360(Separation(first, second, a));
    const double d1 = d0 + Wrap180(Separation(first, second, b) - d0);
    for (const double separation : AspectSeparations(angles)) {
        for (const double value : Crossings(d0, d1, 360.0, separation)) {
            const auto real = [&](double t) {
                return Wrap180(m_sky.Longitude(first.Body(), t) - m_sky.Longitude(second.Body(), t) - value);
            };
            const auto guess = [&](double t) { return Wrap180(Separation(first, second, t) - value); };
            const std::optional<double> time = Refine(real, guess, a, b, Lowest(a, b), Highest(a, b));
            if (!time)
                continue;
            SkyEvent event = NewEvent(*time, SkyEvent::Kind::Aspect, first.Body());
            event.other = second.Body();
            event.angle = static_cast<int>(std::lround(separation <= 180.0 ? separation : 360.0 - separation));
            event.longitude = first.At(*time).longitude;
            if (event.angle != 0 && event.angle != 180) {
                // The shorter-arc separation shrinks when the signed one
                // moves towards zero.
                const double signedSeparation = Wrap180(Separation(first, second, *time));
                event.applying = signedSeparation * RelativeSpeed(first, second, *time) < 0.0;
            }
            events.push_back(event);
        }
    }
}
