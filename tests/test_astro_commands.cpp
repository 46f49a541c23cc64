// quadrix-cli astro and cities, run as functions: the report on stdout, the
// dialog's messages on stderr with status 1, bad arguments with status 2.

#include "AstroCommands.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

struct Outcome {
    int status = 0;
    std::string out;
    std::string err;
};

Outcome Astro(const QStringList& args)
{
    std::ostringstream out, err;
    const int status = RunAstroCommand(QStringList {"astro"} + args, out, err);
    return {status, out.str(), err.str()};
}

Outcome Cities(const QStringList& args)
{
    std::ostringstream out, err;
    const int status = RunCitiesCommand(QStringList {"cities"} + args, out, err);
    return {status, out.str(), err.str()};
}

const QString kCities = QUADRIX_CITY_XML;

} // namespace

TEST(CitiesCommand, OneCityALineUpToAFailure)
{
    const Outcome run = Cities({"--cities", kCities});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.rfind("Beijing\tChina\t-480\t39.900000\t116.400000\n", 0), 0u) << run.out;
    EXPECT_NE(run.out.find("\nNew York\tUnited States\t300\t40.716667\t-74.000000\n"), std::string::npos);

    const std::string path = (std::filesystem::temp_directory_path() / "quadrix_cli_broken.xml").string();
    std::ofstream(path) << "<Cities><Location Name=\"A\" Country=\"C\" TimeZone=\"-5\">"
                           "<Latitude Degrees=\"1\" Minutes=\"30\" Direction=\"South\"/>"
                           "<Longitude Degrees=\"2\" Minutes=\"0\" Direction=\"West\"/></Location>"
                           "<Location Name=\"B\"/></Cities>";
    const Outcome broken = Cities({"--cities", QString::fromStdString(path)});
    EXPECT_EQ(broken.status, 1);
    EXPECT_EQ(broken.out, "A\tC\t300\t-1.500000\t-2.000000\n");
    EXPECT_EQ(broken.err, "Reading city.xml file failed !!!\n");
}

TEST(AstroCommand, ReportOfACityOrAPlace)
{
    const Outcome byCity = Astro({"--date", "2011-11-24 10:30:00", "--city", "Beijing", "--cities", kCities});
    ASSERT_EQ(byCity.status, 0) << byCity.err;
    EXPECT_EQ(byCity.out.rfind("\tPlanets\t\tLongitude\t\tHouses\r\n", 0), 0u);
    EXPECT_NE(byCity.out.find("\t     Sun\t\t241.45\t\t Sagittarius:  1\u00B027'\r\n"), std::string::npos);
    const Outcome byPlace
        = Astro({"--date", "2011-11-24 10:30:00", "--bias", "-480", "--lat", "39.9", "--lon", "116.4"});
    ASSERT_EQ(byPlace.status, 0) << byPlace.err;
    EXPECT_EQ(byPlace.out, byCity.out);
}

TEST(AstroCommand, DialogMessagesOnStderr)
{
    const Outcome empty = Astro({"--date", "", "--city", "Beijing", "--cities", kCities});
    EXPECT_EQ(empty.status, 1);
    EXPECT_EQ(empty.err, "please input valid date\n");
    EXPECT_TRUE(empty.out.empty());
    EXPECT_EQ(Astro({"--date", "2011-11-24", "--city", "Atlantis", "--cities", kCities}).err, "please select a city\n");
    EXPECT_EQ(Astro({"--date", "2011-11-24", "--city", "Beijing", "--cities", "/nonexistent.xml"}).err,
        "Reading city.xml file failed !!!\n");
}

TEST(AstroCommand, BadArguments)
{
    const QStringList bad[] = {
        {"--city", "Beijing"},
        {"--date", "2011-11-24", "--city", "Beijing", "--bias", "-480"},
        {"--date", "2011-11-24", "--bias", "-480", "--lat", "39.9"},
        {"--date", "2011-11-24", "--bias", "-480", "--lat", "91", "--lon", "0"},
        {"--date", "2011-11-24", "--city", "Beijing", "extra"},
    };
    for (const QStringList& args : bad)
        EXPECT_EQ(Astro(args).status, 2) << args.join(' ').toStdString();
    EXPECT_EQ(Astro({"--help"}).status, 0);
}
