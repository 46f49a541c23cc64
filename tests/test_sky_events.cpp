// The sky's events over a range, against published moments.

#include "Ephemeris.h"
#include "SkyEventSearch.h"
#include "SkyMotion.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace {

constexpr int kSun = 0;
constexpr int kMercury = 2;
constexpr int kJupiter = 5;
constexpr int kSaturn = 6;
constexpr int kPluto = 9;
constexpr double kMinute = 1.0 / 1440.0;

double Day(int year, int month, int day, int hour = 0, int minute = 0)
{
    return Ephemeris::JulianDay({year, month, day, hour, minute, 0});
}

struct Found {
    std::vector<SkyEvent> events;
    long calls = 0;
    bool analytic = false;
};

Found Search(double from, double to, std::vector<int> bodies, std::vector<int> aspects = {},
             const Ephemeris& ephemeris = Ephemeris(), bool heliocentric = false)
{
    SkyMotion sky(ephemeris, heliocentric);
    Found found {SkyEventSearch(sky).Find({from, to, std::move(bodies), std::move(aspects)})};
    found.calls = sky.Calls();
    found.analytic = sky.Analytic();
    EXPECT_EQ(sky.Error(), "");
    return found;
}

std::vector<SkyEvent> OfKind(const std::vector<SkyEvent>& events, SkyEvent::Kind kind, int body)
{
    std::vector<SkyEvent> kept;
    for (const SkyEvent& e : events)
        if (e.kind == kind && e.body == body)
            kept.push_back(e);
    return kept;
}

} // namespace

TEST(SkyEvents, EquinoxesAndSolsticesWithinAMinuteWithOrWithoutDataFiles)
{
    const double published[] = {Day(2024, 3, 20, 3, 6), Day(2024, 6, 20, 20, 51), Day(2024, 9, 22, 12, 44),
        Day(2024, 12, 21, 9, 20)};
    for (const bool analytic : {false, true}) {
        const Found found = Search(Day(2024, 1, 1), Day(2025, 1, 1), {kSun}, {},
                                   analytic ? Ephemeris({"/nonexistent"}) : Ephemeris());
        EXPECT_EQ(found.analytic, analytic);
        ASSERT_EQ(found.events.size(), 12u);
        for (int quarter = 0; quarter < 4; ++quarter) {
            const SkyEvent& e = found.events[2 + 3 * quarter];
            EXPECT_EQ(e.angle, 90 * quarter);
            EXPECT_LE(std::fabs(e.time - published[quarter]), kMinute) << quarter << (analytic ? " analytic" : "");
        }
    }
}

TEST(SkyEvents, MercurysStationsOf2024OnTheirDays)
{
    const Found found = Search(Day(2024, 1, 1), Day(2025, 1, 1), {kMercury});
    const std::vector<SkyEvent> stations = OfKind(found.events, SkyEvent::Kind::Station, kMercury);
    const double days[] = {Day(2024, 1, 2), Day(2024, 4, 1), Day(2024, 4, 25), Day(2024, 8, 5), Day(2024, 8, 28),
        Day(2024, 11, 26), Day(2024, 12, 15)};
    ASSERT_EQ(stations.size(), 7u);
    for (std::size_t i = 0; i < stations.size(); ++i) {
        EXPECT_EQ(std::floor(stations[i].time - 0.5), std::floor(days[i] - 0.5)) << i;
        EXPECT_EQ(stations[i].retrograde, i % 2 == 1) << i;
    }
    // Found with few calls of the library for each event.
    EXPECT_LE(found.calls, 40 * static_cast<long>(found.events.size()));
}

TEST(SkyEvents, EveryCrossingOfASignBoundaryCounts)
{
    // Pluto entered Aquarius, went back to Capricorn turning retrograde and
    // entered Aquarius again.
    const Found found = Search(Day(2023, 1, 1), Day(2024, 7, 1), {kPluto});
    const std::vector<SkyEvent> ingresses = OfKind(found.events, SkyEvent::Kind::Ingress, kPluto);
    const double days[] = {Day(2023, 3, 23), Day(2023, 6, 11), Day(2024, 1, 21)};
    ASSERT_EQ(ingresses.size(), 3u);
    for (std::size_t i = 0; i < ingresses.size(); ++i) {
        EXPECT_EQ(ingresses[i].angle, 300);
        EXPECT_EQ(std::floor(ingresses[i].time - 0.5), std::floor(days[i] - 0.5)) << i;
    }
    EXPECT_EQ(OfKind(found.events, SkyEvent::Kind::Station, kPluto).size(), 3u);

    // Seen from the sun, planets go one way and never turn.
    const Found helio = Search(Day(2024, 1, 1), Day(2025, 1, 1), {kMercury}, {}, Ephemeris(), true);
    ASSERT_GT(helio.events.size(), 40u);
    for (std::size_t i = 1; i < helio.events.size(); ++i)
        EXPECT_EQ(helio.events[i].angle, (helio.events[i - 1].angle + 30) % 360) << i;
}

TEST(SkyEvents, AspectsBetweenTheListedBodiesApplyingWhileTheyDrawTogether)
{
    const Found great = Search(Day(2020, 1, 1), Day(2021, 1, 1), {kJupiter, kSaturn}, {0});
    const std::vector<SkyEvent> aspects = OfKind(great.events, SkyEvent::Kind::Aspect, kJupiter);
    ASSERT_EQ(aspects.size(), 1u);
    EXPECT_EQ(std::floor(aspects[0].time - 0.5), std::floor(Day(2020, 12, 21) - 0.5));
    EXPECT_TRUE(aspects[0].other == kSaturn && aspects[0].angle == 0 && !aspects[0].applying);

    // The samples of this range put the first sesquiquadrate at the very
    // end of one of their steps, and the library a little past it.
    const Found edge = Search(Day(1990, 1, 1), Day(1998, 1, 1), {kMercury, kSaturn}, {135});
    std::vector<double> september;
    for (const SkyEvent& e : OfKind(edge.events, SkyEvent::Kind::Aspect, kMercury))
        if (e.time > Day(1997, 9, 1) && e.time < Day(1997, 10, 1))
            september.push_back(std::floor(e.time - 0.5));
    EXPECT_EQ(september, (std::vector<double> {std::floor(Day(1997, 9, 5) - 0.5), std::floor(Day(1997, 9, 13) - 0.5)}));

    // The sun met Jupiter on 18 May 2024 and stood opposite it on 7
    // December: the aspects between draw apart, the others together.
    const Found year = Search(Day(2024, 1, 1), Day(2025, 1, 1), {kSun, kJupiter}, {0, 60, 90, 120, 180});
    const std::vector<SkyEvent> sunJupiter = OfKind(year.events, SkyEvent::Kind::Aspect, kSun);
    ASSERT_EQ(sunJupiter.size(), 7u);
    EXPECT_TRUE(sunJupiter[2].angle == 0 && sunJupiter[6].angle == 180);
    EXPECT_EQ(std::floor(sunJupiter[2].time - 0.5), std::floor(Day(2024, 5, 18) - 0.5));
    EXPECT_EQ(std::floor(sunJupiter[6].time - 0.5), std::floor(Day(2024, 12, 7) - 0.5));
    for (std::size_t i = 0; i < sunJupiter.size(); ++i) {
        if (i != 2 && i != 6) {
            EXPECT_EQ(sunJupiter[i].applying, i < 2) << i;
        }
    }
}
