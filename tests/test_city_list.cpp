// The city list, the shipped city.xml, where the program looks for files, and
// local time to UT (each of those tests sets the TZ it needs).

#include "AstroDateText.h"
#include "CityList.h"
#include "LocalToUniversal.h"
#include "ProgramPaths.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <string>

namespace fs = std::filesystem;
namespace LU = LocalToUniversal;

namespace {

CityList ReadText(const std::string& text)
{
    const fs::path path = fs::temp_directory_path() / "quadrix_city_test.xml";
    std::ofstream(path) << text;
    return CityFile::Read(path.string());
}

std::string Location(const std::string& name, const std::string& extra = "",
    const std::string& latitude = "39\" Minutes=\"55", const std::string& longitude = "116\" Minutes=\"24")
{
    return "<Location Name=\"" + name + "\" Country=\"C\" TimeZone=\"+8\"" + extra + "><Latitude Degrees=\"" + latitude
        + "\" Direction=\"North\"/><Longitude Degrees=\"" + longitude + "\" Direction=\"East\"/></Location>";
}

// The UT of a conversion as the astrology date field writes it, or its message.
std::string Ut(const Result<DateTimeFields>& result)
{
    return result.Ok() ? AstroDateText::Format(result.Value()) : result.Message();
}

// Sets TZ for the life of the object (an unset TZ comes back empty).
class CScopedTz {
public:
    explicit CScopedTz(const char* tz) { setenv("TZ", tz, 1); }
    ~CScopedTz() { setenv("TZ", m_old.c_str(), 1); }

private:
    const std::string m_old = std::getenv("TZ") ? std::getenv("TZ") : "";
};

const std::string kNotValid = AstroDateText::kDateTimeNotValid;

// A local time, the bias the city gives, the UT expected, in a zone or TZ.
struct Conversion {
    const char* zone;
    DateTimeFields local;
    int bias;
    std::string ut;
};

// The local time ToLocal gives for a row's UT, for rows that convert; the
// row's own local time otherwise.
std::string BackToLocal(const Conversion& row, const std::string& zone, const std::string& computerZone)
{
    const std::optional<DateTimeFields> ut = AstroDateText::CheckText(row.ut).fields;
    return AstroDateText::Format(ut ? LocalToUniversal::ToLocal(*ut, row.bias, zone, computerZone) : row.local);
}

} // namespace

TEST(CityFile, TimeZoneTextToBiasAndDirectionToSign)
{
    const struct {
        const char* text;
        int bias;
    } rows[] = {{"+8", -480}, {"GMT+8", -480}, {"-5", 300}, {"+08:00", -480}, {"+10", -600}, {"+5:30", -300},
        {"UTC-3", 180}, {"8", 480}, {"GMT", 0}};
    for (const auto& row : rows)
        EXPECT_EQ(CityFile::TimeZoneBias(row.text), row.bias) << row.text;
    EXPECT_NEAR(CityFile::Angle(39, 55, "north", "North"), -39.9166666667, 1e-9); // West: the cities command's test
}

TEST(CityFile, LocationsInOrderOtherNodesPassedOver)
{
    const CityList list = ReadText("<?xml version=\"1.0\"?><Cities selected=\"2\"><!-- note -->" + Location("A")
        + "text<Region Name=\"not a city\"/>" + Location("B") + Location("C", " Zone=\"Asia/Tokyo\"") + Location("D")
        + Location("E") + "</Cities>");
    ASSERT_TRUE(list.Ok()) << list.read.Message();
    ASSERT_EQ(list.cities.size(), 5u);
    EXPECT_EQ(list.selected, 2);
    EXPECT_EQ(list.cities[2].Name, "C");
    EXPECT_EQ(list.cities[2].Zone, "Asia/Tokyo");
    EXPECT_EQ(list.cities[0].Zone, ""); // bias and place: the shipped list's test

    EXPECT_EQ(ReadText("<Cities selected=\"x\">" + Location("A") + "</Cities>").selected, 0);
    // An index beyond the list is kept; the dialog then selects no city.
    EXPECT_EQ(ReadText("<Cities selected=\"7\">" + Location("A") + "</Cities>").selected, 7);
}

TEST(CityFile, FailureKeepsTheCitiesBefore)
{
    const char* const latitude = "<Latitude Degrees=\"1\" Minutes=\"0\" Direction=\"North\"/>";
    const char* const longitude = "<Longitude Degrees=\"1\" Minutes=\"0\" Direction=\"East\"/>";
    const std::string broken[] = {
        std::string("<Location Name=\"X\" Country=\"C\" TimeZone=\"+8\">") + latitude + "</Location>",
        std::string("<Location Name=\"X\" TimeZone=\"+8\">") + latitude + longitude + "</Location>",
        Location("X", "", "ab\" Minutes=\"0"),
        // Places off the globe, one of them an int's largest value.
        Location("X", "", "91\" Minutes=\"0"),
        Location("X", "", "2147483647\" Minutes=\"0"),
        Location("X", "", "1\" Minutes=\"0", "201\" Minutes=\"30"),
    };
    for (const std::string& location : broken) {
        const CityList list
            = ReadText("<Cities>" + Location("A") + Location("B") + location + Location("C") + "</Cities>");
        EXPECT_NE(list.read.Message().find("line 1: a Location needs"), std::string::npos) << location;
        EXPECT_EQ(list.cities.size(), 2u) << location;
    }
    EXPECT_TRUE(ReadText("<Cities>" + Location("P", "", "89\" Minutes=\"60", "180\" Minutes=\"0") + "</Cities>").Ok());
    const CityList malformed = ReadText("<Cities>" + Location("A") + "<Cities>");
    EXPECT_NE(malformed.read.Message().find("line 1: not well-formed XML"), std::string::npos);
    EXPECT_TRUE(malformed.cities.empty());

    // Read through the bounded reader (whose FIFOs are the chart file's test).
    EXPECT_NE(CityFile::Read("/dev/zero").read.Message().find(": not a regular file"), std::string::npos);
    const CityList large = ReadText("<Cities>" + std::string(4 * 1024 * 1024, ' ') + "</Cities>");
    EXPECT_NE(large.read.Message().find("too large"), std::string::npos) << large.read.Message();
}

// Every shipped city names a zone the system knows, whose standard offset
// matches its TimeZone text in whole hours.
TEST(ShippedCityList, ZonesBiasesAndHemispheres)
{
    const CityList list = CityFile::Read(QUADRIX_CITY_XML);
    ASSERT_TRUE(list.Ok());
    ASSERT_GE(list.cities.size(), 40u);
    std::map<std::string, CityInfo> byName;
    for (const CityInfo& city : list.cities) {
        const std::optional<int> standard = LocalToUniversal::StandardBias(city.Zone, {2024, 1, 15, 12, 0, 0});
        ASSERT_TRUE(standard) << city.Name << " " << city.Zone;
        EXPECT_EQ(city.Bias, *standard / 60 * 60) << city.Name;
        byName[city.Name] = city;
    }
    // Beijing and New York are the cities command's.
    EXPECT_EQ(list.cities.at(list.selected).Name, "Beijing");
    EXPECT_LT(byName["Sydney"].Latitude, -33.0);
    EXPECT_LT(byName["Sao Paulo"].Longitude, -46.0);
    EXPECT_LT(byName["London"].Longitude, 0.0);
}

TEST(ProgramPaths, BesideTheExecutableFirst)
{
    const std::string exeDir = ProgramPaths::ExecutableDir();
    EXPECT_EQ(fs::path(exeDir), fs::canonical("/proc/self/exe").parent_path());
    const std::vector<std::string> cities = ProgramPaths::CityFileCandidates(exeDir);
    ASSERT_EQ(cities.size(), 2u);
    EXPECT_EQ(cities[0], (fs::path(exeDir) / "city.xml").string());
    EXPECT_EQ(fs::path(cities[1]).parent_path().filename(), "quadrix");
    EXPECT_EQ(ProgramPaths::FirstExisting({"/nonexistent/city.xml", QUADRIX_CITY_XML}), QUADRIX_CITY_XML);
    EXPECT_EQ(ProgramPaths::FirstExisting({"/nonexistent/city.xml", "/nonexistent/b"}), "/nonexistent/city.xml");

    EXPECT_EQ(ProgramPaths::EphemerisDirs(),
        std::vector<std::string>(
            {(fs::current_path() / "ephe").string(), (fs::path(exeDir) / "ephe").string(), "/usr/share/libswe/ephe"}));
}

TEST(LocalToUniversal, CityInItsOwnZoneOrByBiasWithTheComputersDaylightSaving)
{
    const Conversion rows[] = {
        {"America/New_York", {2021, 3, 14, 1, 30, 0}, 300, "2021-03-14 06:30:00"},
        {"America/New_York", {2021, 3, 14, 3, 30, 0}, 300, "2021-03-14 07:30:00"},
        {"America/New_York", {2021, 3, 14, 2, 30, 0}, 300, kNotValid}, // skipped in spring
        {"America/New_York", {2021, 11, 7, 1, 30, 0}, 300, "2021-11-07 05:30:00"}, // repeated: the daylight reading
        {"America/New_York", {2021, 11, 7, 2, 30, 0}, 300, "2021-11-07 07:30:00"},
        // Past the last change the zone file lists, its closing rule goes on.
        {"America/New_York", {2040, 7, 1, 12, 0, 0}, 300, "2040-07-01 16:00:00"},
        {"Europe/Dublin", {2040, 7, 1, 12, 0, 0}, 0, "2040-07-01 11:00:00"},
        {"Asia/Shanghai", {1988, 7, 1, 12, 0, 0}, -480, "1988-07-01 03:00:00"}, // China's daylight saving
        {"Asia/Kolkata", {2024, 6, 21, 9, 15, 0}, -300, "2024-06-21 03:45:00"},
        {"Asia/Shanghai", {2011, 1, 1, 3, 0, 0}, -480, "2010-12-31 19:00:00"},
        // Before any standard time the zone knows only its own city's mean
        // time (+8:05:43 for Shanghai); the city's bias counts then.
        {"Asia/Shanghai", {1890, 6, 1, 12, 0, 0}, -480, "1890-06-01 04:00:00"},
        {"Asia/Shanghai", {1901, 6, 1, 12, 0, 0}, -420, "1901-06-01 04:00:00"}, // standard time: the zone's rules
        {"Mars/Olympus", {2021, 7, 1, 12, 0, 0}, 0, "unknown time zone: Mars/Olympus"},
    };
    // And back, a repeated hour read as the first time it showed.
    for (const auto& row : rows) {
        EXPECT_EQ(Ut(LU::Convert(row.local, row.bias, row.zone, "Etc/UTC")), row.ut)
            << row.zone << ' ' << AstroDateText::Format(row.local);
        EXPECT_EQ(BackToLocal(row, row.zone, "Etc/UTC"), AstroDateText::Format(row.local)) << row.zone;
    }

    // A city known by its bias alone takes the computer's daylight saving when
    // it keeps the computer's standard time: UT = local + bias + the zone's
    // offset then less its standard offset.
    const Conversion byBias[] = {
        {"Europe/London", {2021, 7, 1, 12, 0, 0}, 0, "2021-07-01 11:00:00"},
        // Dublin's winter is marked as daylight time with a negative saving;
        // its clocks read what London's do.
        {"Europe/Dublin", {2021, 7, 1, 12, 0, 0}, 0, "2021-07-01 11:00:00"},
        {"Europe/Dublin", {2021, 1, 15, 12, 0, 0}, 0, "2021-01-15 12:00:00"},
        {"Europe/Dublin", {2021, 3, 28, 1, 30, 0}, 0, kNotValid},
        {"America/New_York", {2021, 3, 14, 2, 30, 0}, 300, kNotValid},
        {"Australia/Lord_Howe", {2021, 1, 15, 12, 0, 0}, -630, "2021-01-15 01:00:00"}, // half an hour
        {"Australia/Lord_Howe", {2021, 7, 1, 12, 0, 0}, -630, "2021-07-01 01:30:00"},
        {"Asia/Kolkata", {2021, 7, 1, 12, 0, 0}, -330, "2021-07-01 06:30:00"},
        // POSIX rules in TZ, as libc reads them.
        {"EST5EDT,M3.2.0,M11.1.0", {2021, 7, 1, 12, 0, 0}, 300, "2021-07-01 16:00:00"},
        {"EST5EDT,M3.2.0,M11.1.0", {2021, 1, 15, 12, 0, 0}, 300, "2021-01-15 17:00:00"},
        {"CET-1CEST,M3.5.0,M10.5.0/3", {2021, 7, 1, 12, 0, 0}, -60, "2021-07-01 10:00:00"},
        {"CET-1CEST,M3.5.0,M10.5.0/3", {2021, 10, 31, 2, 30, 0}, -60, "2021-10-31 00:30:00"},
        {"<+1030>-10:30<+11>-11,M10.1.0,M4.1.0", {2021, 1, 15, 12, 0, 0}, -630, "2021-01-15 01:00:00"},
        {":/usr/share/zoneinfo/Europe/Dublin", {2021, 7, 1, 12, 0, 0}, 0, "2021-07-01 11:00:00"},
        // Another standard time: the bias alone, whatever the computer's season.
        {"America/New_York", {2021, 7, 1, 12, 0, 0}, 360, "2021-07-01 18:00:00"},
        {"America/New_York", {2021, 3, 14, 2, 30, 0}, 360, "2021-03-14 08:30:00"},
    };
    for (const auto& row : byBias) {
        const CScopedTz tz(row.zone);
        EXPECT_EQ(Ut(LU::Convert(row.local, row.bias, "", LU::ComputerZone())), row.ut)
            << row.zone << ' ' << AstroDateText::Format(row.local);
        EXPECT_EQ(BackToLocal(row, "", LU::ComputerZone()), AstroDateText::Format(row.local)) << row.zone;
    }
}

TEST(LocalToUniversal, ComputerZoneAndStandardBias)
{
    const char* const zones[][2] = {{":Europe/Paris", "Europe/Paris"},
        {":/usr/share/zoneinfo/Europe/Paris", "Europe/Paris"}, {"EST5EDT,M3.2.0,M11.1.0", "EST5EDT,M3.2.0,M11.1.0"},
        // What libc cannot read is universal time.
        {"", "Etc/UTC"}, {"Mars/Olympus", "Etc/UTC"}, {"EST99", "Etc/UTC"}, {"/dev/null", "Etc/UTC"},
        {"EST5EDT\xe4", "Etc/UTC"}};
    for (const auto& [tz, zone] : zones) {
        const CScopedTz scoped(tz);
        EXPECT_EQ(LU::ComputerZone(), zone) << tz;
    }

    EXPECT_EQ(LU::StandardBias("Europe/Dublin", {2024, 7, 1, 12, 0, 0}), 0);
    EXPECT_EQ(LU::StandardBias("Australia/Lord_Howe", {2024, 1, 15, 12, 0, 0}), -630);
    EXPECT_EQ(LU::StandardBias("Europe/London", {1944, 6, 1, 12, 0, 0}), 0); // double summer time
    EXPECT_EQ(LU::StandardBias("Europe/Istanbul", {2021, 7, 1, 12, 0, 0}), -180); // daylight time made standard
    EXPECT_EQ(LU::StandardBias("Asia/Kolkata", {2024, 7, 1, 12, 0, 0}), -330);
    EXPECT_EQ(LU::StandardBias("Mars/Olympus", {2024, 7, 1, 12, 0, 0}), std::nullopt);
}
