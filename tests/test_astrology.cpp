// The astrology report, and the ephemeris against an independent computation.

#include "AstroDateText.h"
#include "AstrologyReport.h"
#include "CityList.h"
#include "Ephemeris.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <tuple>

namespace AR = AstrologyReport;
namespace DT = AstroDateText;

namespace {

// The fields read from text as the date field writes them, or the message.
std::string Checked(const std::string& text)
{
    const DT::Check check = DT::CheckText(text);
    return check.fields ? DT::Format(*check.fields) : check.message;
}

// The aspect found between bodies 0 and 1 at longitudes a and b.
std::optional<AR::Aspect> AspectOf(double a, double b)
{
    Longitudes longitudes {};
    longitudes[0] = a;
    longitudes[1] = b;
    for (const AR::Aspect& aspect : AR::FindAspects(longitudes))
        if (aspect.first == 0 && aspect.second == 1)
            return aspect;
    return std::nullopt;
}

const CityInfo kBeijing {"Beijing", "China", -480, 39.9, 116.4, "Asia/Shanghai"};

} // namespace

TEST(DateText, ScannedByPositionThenChecked)
{
    EXPECT_EQ(Checked("2011/11/24 10:30"), "2011-11-24 10:30:00");
    EXPECT_EQ(Checked("2011-11-24 "), "2011-11-24 00:00:00");
    EXPECT_EQ(DT::ScanText("2011 - 11").count, 1); // one character between numbers, no more
    EXPECT_EQ(Checked("2012-3-5 9:7:2"), "2012-03-05 09:07:02");

    const DT::Check empty = DT::CheckText("");
    EXPECT_EQ(empty.message, DT::kInputValidDate);
    EXPECT_TRUE(empty.information);
    // Read day-first, the numbers still go to year, month, day.
    for (const char* text : {"24/11/2011", "2011-02-29", "2011-13-01", "2011-11-24 24:00:00", "2011-11-24 10:30 pm",
             "2011-11-", "0-1-1", "hello", " ", "99999999999-1-1"})
        EXPECT_EQ(Checked(text), DT::kDateTimeNotValid) << text;
}

TEST(ZodiacPlace, RoundsToTheMinuteWithCarries)
{
    const struct {
        double longitude;
        int sign, degrees, minutes;
    } rows[] = {{45.5, 1, 15, 30}, {-10.0, 11, 20, 0},
        // 29 degrees 59.75 minutes carry into the next sign, and Pisces into Aries.
        {29.9958, 1, 0, 0}, {359.9999, 0, 0, 0},
        // Whatever the library returns stays inside the sign table: -1e-20
        // wraps round to 360 itself; a thousand turns either way.
        {360.0, 0, 0, 0}, {-1e-20, 0, 0, 0}, {360045.5, 1, 15, 30}, {-359954.5, 1, 15, 30}};
    for (const auto& row : rows) {
        const std::optional<AR::ZodiacPlace> place = AR::PlaceOf(row.longitude);
        ASSERT_TRUE(place) << row.longitude;
        EXPECT_EQ(std::tie(place->sign, place->degrees, place->minutes), std::tie(row.sign, row.degrees, row.minutes))
            << row.longitude;
    }
    for (double none : {std::nan(""), HUGE_VAL, -HUGE_VAL})
        EXPECT_FALSE(AR::PlaceOf(none)) << none;
    // The status bar's text keeps the report's two-wide minutes.
    EXPECT_EQ(AR::DescribeBody(0, 0.04), "Sun 0.04 Aries 0° 2'");
    EXPECT_EQ(AR::DescribeBody(9, 245.32), "Pluto 245.32 Sagittarius 5°19'");
}

TEST(Aspects, ShorterArcStrictOrbFirstAngle)
{
    EXPECT_DOUBLE_EQ(AspectOf(359.0, 1.0)->orb, 2.0);
    EXPECT_FALSE(AspectOf(1.0, 7.0));
    EXPECT_NEAR(AspectOf(1.0, 6.99)->orb, 5.99, 1e-9);
    EXPECT_EQ(AspectOf(10.0, 310.0)->angle, 60); // 300 degrees apart
    EXPECT_EQ(AspectOf(0.0, 176.0)->angle, 180);
    EXPECT_FALSE(AspectOf(0.0, 174.0));

    Longitudes same;
    same.fill(123.0);
    const std::vector<AR::Aspect> all = AR::FindAspects(same);
    ASSERT_EQ(all.size(), 45u);
    EXPECT_EQ(std::tie(all[9].first, all[44].first, all[44].second), std::make_tuple(1, 8, 9));
}

TEST(ReportText, ExactForFixedLongitudes)
{
    const Longitudes longitudes {10.0, 12.5, 100.0, 250.0, 359.0, 185.0, 29.9958, 300.0, 200.0, 1.0};
    const std::string rule = std::string(83, '-') + "\r\n";
    const std::string expected = "\tPlanets\t\tLongitude\t\tHouses\r\n" + rule
        + "\t     Sun\t\t10.00\t\t       Aries: 10\u00B0 0'\r\n"
          "\t    Moon\t\t12.50\t\t       Aries: 12\u00B030'\r\n"
          "\t Mercury\t\t100.00\t\t      Cancer: 10\u00B0 0'\r\n"
          "\t   Venus\t\t250.00\t\t Sagittarius: 10\u00B0 0'\r\n"
          "\t    Mars\t\t359.00\t\t      Pisces: 29\u00B0 0'\r\n"
          "\t Jupiter\t\t185.00\t\t       Libra:  5\u00B0 0'\r\n"
          "\t  Saturn\t\t30.00\t\t      Taurus:  0\u00B0 0'\r\n"
          "\t  Uranus\t\t300.00\t\t   Aquarius :  0\u00B0 0'\r\n"
          "\t Nepturn\t\t200.00\t\t       Libra: 20\u00B0 0'\r\n"
          "\t   Pluto\t\t1.00\t\t       Aries:  1\u00B0 0'\r\n"
          "\r\n\tPhase Relation \r\n"
        + rule
        + "\tSun--Moon \t\uFF1A  0\u00B0\t\tPermission\uFF1A2.50\r\n"
          "\tSun--Mercury \t\uFF1A 90\u00B0\t\tPermission\uFF1A0.00\r\n"
          "\tSun--Venus \t\uFF1A120\u00B0\t\tPermission\uFF1A0.00 \r\n"
          "\tSun--Jupiter \t\uFF1A180\u00B0\t\tPermission\uFF1A5.00\r\n"
          "\tMoon--Mercury \t\uFF1A 90\u00B0\t\tPermission\uFF1A2.50\r\n"
          "\tMoon--Venus \t\uFF1A120\u00B0\t\tPermission\uFF1A2.50 \r\n"
          "\tMercury--Jupiter \t\uFF1A 90\u00B0\t\tPermission\uFF1A5.00\r\n"
          "\tVenus--Jupiter \t\uFF1A 60\u00B0\t\tPermission\uFF1A5.00\r\n"
          "\tMars--Uranus \t\uFF1A 60\u00B0\t\tPermission\uFF1A1.00\r\n"
          "\tMars--Pluto \t\uFF1A  0\u00B0\t\tPermission\uFF1A2.00\r\n"
          "\tJupiter--Uranus \t\uFF1A120\u00B0\t\tPermission\uFF1A5.00 \r\n"
          "\tJupiter--Pluto \t\uFF1A180\u00B0\t\tPermission\uFF1A4.00\r\n"
          "\tSaturn--Uranus \t\uFF1A 90\u00B0\t\tPermission\uFF1A0.00\r\n"
          "\tUranus--Pluto \t\uFF1A 60\u00B0\t\tPermission\uFF1A1.00\r\n";
    EXPECT_EQ(AR::Format(longitudes), expected);

    Longitudes lost = longitudes;
    lost[0] = std::nan("");
    const std::string report = AR::Format(lost);
    EXPECT_NE(report.find("\t     Sun\t\t  -\t\t           -\r\n"), std::string::npos) << report;
    EXPECT_EQ(report.find("\tSun--"), std::string::npos) << report;
}

// Topocentric longitudes of the ten bodies from JPL's DE405 through astropy
// and ERFA (scripts/compare-ephemeris.py --table), at UT, latitude, longitude:
// one place in each quarter of the globe.
struct Reference {
    const char* city;
    DateTimeFields ut;
    double latitude, longitude;
    Longitudes bodies;
};

const Reference kReferences[] = {
    {"Beijing", {2011, 11, 24, 2, 30, 0}, 39.900000, 116.400000,
        {241.44888, 225.68209, 260.11980, 266.99676, 156.25088, 32.05983, 205.00217, 0.75292, 328.19562, 276.02897}},
    {"New York", {1987, 10, 19, 13, 30, 0}, 40.716667, -74.000000,
        {205.62767, 168.79629, 222.66977, 220.82798, 186.91798, 24.54480, 257.39025, 263.67442, 275.51405, 219.32789}},
    {"Sydney", {2008, 9, 15, 0, 0, 0}, -33.866667, 151.216667,
        {172.52607, 347.62706, 198.88235, 198.85095, 197.20118, 282.60803, 163.29090, 350.59799, 322.06458, 268.50494}},
    {"Sao Paulo", {2020, 3, 23, 18, 0, 0}, -23.550000, -46.633333,
        {3.56424, 356.11946, 335.80814, 49.56467, 295.08406, 293.29305, 300.11688, 34.73031, 348.96874, 294.72717}},
};

// Arcseconds: the report prints hundredths of a degree (36 arcseconds).
constexpr double kTolerance = 15.0 / 3600.0;

// Without data files, the analytic ephemeris; with them, the dialog's notice test.
TEST(Ephemeris, AgreesWithAnIndependentComputationWithOrWithoutDataFiles)
{
    for (const bool analytic : {false, true}) {
        const Ephemeris ephemeris = analytic ? Ephemeris({"/nonexistent"}) : Ephemeris();
        for (const Reference& ref : kReferences) {
            const BodyPositions positions = ephemeris.Compute(ref.ut, ref.latitude, ref.longitude);
            ASSERT_TRUE(positions.error.empty()) << positions.error;
            EXPECT_TRUE(positions.analytic || !analytic);
            for (int body = 0; body < kBodyCount; ++body)
                EXPECT_LT(std::fabs(std::remainder(positions.longitudes[body] - ref.bodies[body], 360.0)), kTolerance)
                    << ref.city << (analytic ? " analytic " : " ") << AR::kPlanetNames[body];
        }
    }
    EXPECT_EQ(Ephemeris::SearchPath({"/a", "/b:c", "/" + std::string(253, 'x'), "/d"}), "/a:/d");
}

// The report of a city by its zone and by its bias, and the date's messages, are the CLI's and the dialog's tests.
TEST(BuildReport, MessagesLeaveTheReportAsItWas)
{
    std::string report = "kept";
    EXPECT_EQ(AR::Build(report, "2011-11-24", nullptr, Ephemeris()).message, AR::kSelectCity);
    // Beyond every ephemeris the library has, the failure shows instead of a report of zeros.
    const AR::Outcome far = AR::Build(report, "5000-1-1", &kBeijing, Ephemeris({"/nonexistent"}));
    EXPECT_EQ(far.message.rfind("error : ", 0), 0u) << far.message;
    EXPECT_EQ(report, "kept");
}
