// The city list, the shipped city.xml, and where the program looks for files.

#include "CityList.h"
#include "LocalToUniversal.h"
#include "ProgramPaths.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <future>
#include <map>
#include <string>

namespace fs = std::filesystem;

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

} // namespace

TEST(CityFile, TimeZoneTextToBiasAndDirectionsToSigns)
{
    const struct {
        const char* text;
        int bias;
    } rows[] = {{"+8", -480}, {"GMT+8", -480}, {"-5", 300}, {"+08:00", -480}, {"+10", -600}, {"+5:30", -300},
        {"UTC-3", 180}, {"8", 480}, {"GMT", 0}};
    for (const auto& row : rows)
        EXPECT_EQ(CityFile::TimeZoneBias(row.text), row.bias) << row.text;
    EXPECT_NEAR(CityFile::Angle(39, 55, "north", "North"), -39.9166666667, 1e-9);
    EXPECT_NEAR(CityFile::Angle(74, 0, "West", "East"), -74.0, 1e-12);
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
    EXPECT_EQ(list.cities[0].Zone, "");
    EXPECT_EQ(list.cities[0].Bias, -480);
    EXPECT_NEAR(list.cities[0].Latitude, 39.9166666667, 1e-9);
    EXPECT_NEAR(list.cities[0].Longitude, 116.4, 1e-12);

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
    EXPECT_FALSE(CityFile::Read("/nonexistent/city.xml").Ok());
    const CityList malformed = ReadText("<Cities>" + Location("A") + "<Cities>");
    EXPECT_NE(malformed.read.Message().find("line 1: not well-formed XML"), std::string::npos);
    EXPECT_TRUE(malformed.cities.empty());
}

// Refused before the open, so that nothing waits on a FIFO, and before a huge
// file fills memory.
TEST(CityFile, OnlyRegularFilesOfBoundedSize)
{
    const fs::path fifo = fs::temp_directory_path() / ("quadrix_city_test" + std::to_string(getpid()) + ".fifo");
    fs::remove(fifo);
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    auto reading = std::async(std::launch::async, [&] { return CityFile::Read(fifo.string()); });
    if (reading.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
        ADD_FAILURE() << "reading a FIFO blocks";
        close(open(fifo.c_str(), O_WRONLY | O_NONBLOCK)); // a writer lets the open return
    }
    for (const CityList& list : {reading.get(), CityFile::Read("/tmp"), CityFile::Read("/dev/zero")}) {
        EXPECT_NE(list.read.Message().find(": not a regular file"), std::string::npos) << list.read.Message();
    }
    fs::remove(fifo);

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

    const std::vector<std::string> ephe = ProgramPaths::EphemerisDirs();
    const std::vector<std::string> expected
        = {(fs::current_path() / "ephe").string(), (fs::path(exeDir) / "ephe").string(), "/usr/share/libswe/ephe"};
    EXPECT_EQ(ephe, expected);
}
