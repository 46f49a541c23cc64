// quadrix-cli astro and cities, run as functions.

#include "AstroCommands.h"
#include "CommandRun.h"
#include "EventCommands.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

CommandRun Astro(const QStringList& args) { return Invoke(RunAstroCommand, QStringList {"astro"} + args); }
CommandRun Cities(const QStringList& args) { return Invoke(RunCitiesCommand, QStringList {"cities"} + args); }
CommandRun Events(const QStringList& args)
{
    return Invoke(RunEventsCommand, QStringList {"events", "--from", "2024-03-20", "--to", "2024-03-20", "--bodies",
                                                 "sun", "--aspects", "none"} + args, std::int64_t {0});
}

const QString kCities = QUADRIX_CITY_XML;

} // namespace

TEST(CitiesCommand, OneCityALineAndTheCitiesBeforeAFailureServe)
{
    const CommandRun run = Cities({"--cities", kCities});
    EXPECT_TRUE(run.status == 0 && run.out.rfind("Beijing\tChina\t-480\t39.900000\t116.400000\n", 0) == 0) << run.err;

    const std::string path = (std::filesystem::temp_directory_path() / "quadrix_cli_broken.xml").string();
    std::ofstream(path) << "<Cities><Location Name=\"A\" Country=\"C\" TimeZone=\"-5\">"
                           "<Latitude Degrees=\"1\" Minutes=\"30\" Direction=\"South\"/>"
                           "<Longitude Degrees=\"2\" Minutes=\"0\" Direction=\"West\"/></Location>"
                           "<Location Name=\"B\"/></Cities>";
    const QString file = QString::fromStdString(path);
    const CommandRun broken = Cities({"--cities", file});
    EXPECT_TRUE(broken.status == 1 && broken.out == "A\tC\t300\t-1.500000\t-2.000000\n") << broken.out;
    EXPECT_EQ(broken.err, "Reading city.xml file failed !!! (" + path + " line 1: a Location needs Name, Country, "
                          "TimeZone, a Latitude within 90 degrees and a Longitude within 180)\n");

    // The cities before the break serve the report as well.
    const CommandRun before = Astro({"--date", "2011-11-24", "--city", "A", "--cities", file});
    EXPECT_TRUE(before.status == 0 && before.out.find("Sun") != std::string::npos && before.err == broken.err);
    const CommandRun after = Astro({"--date", "2011-11-24", "--city", "B", "--cities", file});
    EXPECT_TRUE(after.status == 1 && after.err == broken.err) << after.err;
}

TEST(AstroCommand, ReportOfACityOrAPlaceOrTheDialogsMessageOnStderr)
{
    const CommandRun byCity = Astro({"--date", "2011-11-24 10:30:00", "--city", "Beijing", "--cities", kCities});
    ASSERT_EQ(byCity.status, 0) << byCity.err;
    EXPECT_EQ(byCity.out.rfind("\tPlanets\t\tLongitude\t\tHouses\r\n", 0), 0u);
    EXPECT_NE(byCity.out.find("\t     Sun\t\t241.45\t\t Sagittarius:  1\u00B027'\r\n"), std::string::npos);
    const CommandRun byPlace
        = Astro({"--date", "2011-11-24 10:30:00", "--bias", "-480", "--lat", "39.9", "--lon", "116.4"});
    EXPECT_TRUE(byPlace.status == 0 && byPlace.out == byCity.out) << byPlace.err;

    // The dialog's messages go to stderr.
    const CommandRun empty = Astro({"--date", "", "--city", "Beijing", "--cities", kCities});
    EXPECT_TRUE(empty.status == 1 && empty.err == "please input valid date\n" && empty.out.empty()) << empty.err;
    EXPECT_EQ(Astro({"--date", "2011-11-24", "--city", "Atlantis", "--cities", kCities}).err,
        "quadrix-cli astro: no city named 'Atlantis' in " + kCities.toStdString()
            + " (the cities command lists them)\n");
    EXPECT_EQ(Astro({"--date", "2011-11-24", "--city", "Beijing", "--cities", "/nonexistent.xml"}).err,
        "Reading city.xml file failed !!! (Cannot read /nonexistent.xml: No such file or directory)\n");
}

TEST(AstroCommand, BadArgumentsGiveOneLine)
{
    QList<QStringList> bad = {{"--city", "Beijing"}, {"--date", "2011-11-24", "--city", "Beijing", "--bias", "-480"},
        {"--date", "2011-11-24", "--bias", "-480", "--lat", "39.9"},
        {"--date", "2011-11-24", "--bias", "-480", "--lat", "91", "--lon", "0"},
        {"--date", "2011-11-24", "--bias", "-480", "--lat", "0", "--lon", "-180.5"},
        {"--date", "2011-11-24", "--city", "Beijing", "extra"}};
    // Numbers without a place on the globe, however Qt spells them.
    for (const char* number : {"nan", "NaN", "inf", "-inf", "1e999"}) {
        bad.append({"--date", "2011-11-24", "--bias", "0", "--lat", number, "--lon", "0"});
        bad.append({"--date", "2011-11-24", "--bias", "0", "--lat", "0", "--lon", number});
    }
    for (const QStringList& args : bad) {
        const CommandRun run = Astro(args);
        EXPECT_TRUE(run.status == 2 && std::count(run.err.begin(), run.err.end(), '\n') == 1 && run.out.empty())
            << args.join(' ').toStdString() << ": " << run.err;
    }
    EXPECT_EQ(Astro({"--help"}).status, 0);
}

TEST(EventsCommand, LocalTimesAtACityAZoneOrABiasAndOneLineForBadOptions)
{
    const std::string equinox = R"([{"time":"2024-03-20T03:06:00Z","local":"%s","kind":"ingress","body":"sun",)"
                                R"("other":null,"angle":0,"longitude":0.0,"station":null,"applying":null}])";
    const auto expected = [&](const std::string& local) {
        return equinox.substr(0, equinox.find("%s")) + local + equinox.substr(equinox.find("%s") + 2) + "\n";
    };
    const CommandRun city = Events({"--city", "Beijing", "--cities", kCities});
    EXPECT_EQ(city.out, expected("2024-03-20T11:06:00")) << city.err;
    // New York keeps daylight time from 10 March; a bias keeps none.
    EXPECT_EQ(Events({"--zone", "America/New_York"}).out, expected("2024-03-19T23:06:00"));
    EXPECT_EQ(Events({"--bias", "300"}).out, expected("2024-03-19T22:06:00"));
    EXPECT_EQ(Events({"--bias", "0", "--format", "csv"}).out,
        "\xEF\xBB\xBFtime,local,kind,body,other,angle,longitude,station,applying\r\n"
        "2024-03-20T03:06:00Z,2024-03-20T03:06:00,ingress,sun,,0,0,,\r\n");

    const QStringList bad[] = {{"--bias", "0", "--to", "2024-03-19"}, {"--bias", "0", "--from", "March"},
        {"--bias", "0", "--bodies", "ceres"}, {"--bias", "0", "--aspects", "72"},
        {"--bias", "0", "--helio"}, {"--zone", "Mars/Olympus"}, {"--zone", "UTC", "--bias", "0"}, {},
        {"--bias", "0", "--format", "xml"}, {"--bias", "east"}};
    for (const QStringList& args : bad) {
        const CommandRun run = Events(args);
        EXPECT_TRUE(run.status == 2 && run.out.empty() && run.err.rfind("quadrix-cli", 0) == 0
                    && run.err.find('\n') == run.err.size() - 1) << args.join(' ').toStdString() << run.err;
    }
    EXPECT_EQ(Events({"--city", "Atlantis", "--cities", kCities}).status, 1);

    // Past the data files the analytic model serves, and the note says so.
    const CommandRun later = Events({"--bias", "0", "--from", "2450-03-01", "--to", "2450-03-31"});
    EXPECT_TRUE(later.status == 0 && later.out.find("\"ingress\"") != std::string::npos) << later.err;
    EXPECT_EQ(later.err.rfind("note: no ephemeris data file serves part of that range (the installed data files "
                              "cover the years 1800 to 2399)", 0), 0u) << later.err;
}
