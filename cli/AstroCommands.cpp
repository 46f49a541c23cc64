#include "AstroCommands.h"

#include "CliFailure.h"
#include "ArgumentBytes.h"
#include "AstrologyReport.h"
#include "CityList.h"
#include "EchoText.h"
#include "FiniteNumber.h"
#include "ProgramPaths.h"

#include <QCommandLineParser>

#include <cmath>
#include <iomanip>
#include <locale>
#include <optional>
#include <ostream>
#include <sstream>

using CliFailure::kFailed;
using CliFailure::kUsageError;

namespace {


} // namespace

int CommandUsageError(std::ostream& err, const QString& command, const QString& message)
{
    err << "quadrix-cli " << command.toStdString() << ": " << message.toStdString() << " (see --help)\n";
    return kUsageError;
}

std::optional<int> ParseCommand(QCommandLineParser& parser, const QStringList& args, std::ostream& out,
                                std::ostream& err)
{
    parser.addHelpOption();
    if (!parser.parse(args))
        return CommandUsageError(err, args.value(0), parser.errorText());
    if (parser.isSet("help")) {
        out << parser.helpText().toStdString();
        return 0;
    }
    const QStringList extra = parser.positionalArguments();
    if (!extra.isEmpty())
        return CommandUsageError(err, args.value(0),
            QString::fromStdString("unexpected argument " + EchoText(extra.join(' ').toStdString())));
    return std::nullopt;
}

namespace {

// The city list --cities names, else the program's own.
std::string CitiesPath(const QCommandLineParser& parser)
{
    return parser.isSet("cities") ? ArgumentBytes::Path(parser.value("cities")) : ProgramPaths::CityFilePath();
}

// A number of degrees from -limit to limit given by option.
bool ReadDegrees(const QCommandLineParser& parser, const char* option, double limit, double& out, std::string& error)
{
    const std::optional<double> value = FiniteNumber(parser.value(option));
    if (!value || std::fabs(*value) > limit) {
        error = "--" + std::string(option) + " takes degrees from " + std::to_string(-static_cast<int>(limit)) + " to "
            + std::to_string(static_cast<int>(limit)) + ", not '" + EchoText(parser.value(option).toStdString()) + "'";
        return false;
    }
    out = *value;
    return true;
}

// The place given by --bias, --lat and --lon, or the one-line message.
std::optional<CityInfo> GivenPlace(const QCommandLineParser& parser, std::string& error)
{
    bool okBias = false;
    CityInfo place;
    place.Bias = parser.value("bias").toInt(&okBias);
    if (!okBias) {
        error = "--bias takes whole minutes, not '" + EchoText(parser.value("bias").toStdString()) + "'";
        return std::nullopt;
    }
    if (!ReadDegrees(parser, "lat", CityFile::kMaxLatitude, place.Latitude, error)
        || !ReadDegrees(parser, "lon", CityFile::kMaxLongitude, place.Longitude, error))
        return std::nullopt;
    return place;
}

// The city list's failure, with what went wrong where.
void PrintReadFailure(const CityList& list, std::ostream& err)
{
    err << CityFile::kReadFailed;
    if (!list.read.Message().empty())
        err << " (" << list.read.Message() << ')';
    err << '\n';
}

const CityInfo* FindCity(const std::vector<CityInfo>& cities, const std::string& name)
{
    for (const CityInfo& city : cities)
        if (city.Name == name)
            return &city;
    return nullptr;
}

// Builds and prints the report for date at city.
int PrintReport(const std::string& date, const CityInfo& city, std::ostream& out, std::ostream& err)
{
    std::string report;
    const AstrologyReport::Outcome outcome = AstrologyReport::Build(report, date, &city, Ephemeris());
    if (!outcome.Ok()) {
        err << outcome.message << '\n';
        return kFailed;
    }
    if (outcome.analytic)
        err << "note: no ephemeris data file serves that date (" << Ephemeris().DataCoverage()
            << "); the library's analytic model did\n";
    out << report;
    return 0;
}

} // namespace

void AddPlaceOptions(QCommandLineParser& parser)
{
    parser.addOptions({{"city", "Name of a city of the city list.", "NAME"},
        {"cities", "City list to read instead of the program's city.xml.", "FILE"},
        {"bias", "Minutes such that UT = local time + bias (UTC+8 is -480).", "MIN"},
        {"lat", "Latitude in degrees, north positive.", "DEG"},
        {"lon", "Longitude in degrees, east positive.", "DEG"}});
}

bool HasPlaceOptions(const QCommandLineParser& parser)
{
    for (const char* option : {"city", "cities", "bias", "lat", "lon"})
        if (parser.isSet(option))
            return true;
    return false;
}

std::optional<CityInfo> ReadPlace(const QCommandLineParser& parser, const QString& command, std::ostream& err,
                                  int& status)
{
    const bool byCity = parser.isSet("city");
    const bool byPlace = parser.isSet("bias") && parser.isSet("lat") && parser.isSet("lon");
    const bool anyPlace = parser.isSet("bias") || parser.isSet("lat") || parser.isSet("lon");
    status = kUsageError;
    if (!(byCity ? !anyPlace : byPlace && !parser.isSet("cities"))) {
        CommandUsageError(err, command, "give either --city [--cities] or --bias, --lat and --lon");
        return std::nullopt;
    }
    if (byPlace) {
        std::string error;
        std::optional<CityInfo> place = GivenPlace(parser, error);
        if (!place)
            CommandUsageError(err, command, QString::fromStdString(error));
        return place;
    }
    status = kFailed;
    return ReadCity(parser, command, err);
}

std::optional<CityInfo> ReadCity(const QCommandLineParser& parser, const QString& command, std::ostream& err)
{
    // As in the window, the cities before a broken part of the list serve.
    const std::string path = CitiesPath(parser);
    const CityList list = CityFile::Read(path);
    if (!list.Ok())
        PrintReadFailure(list, err);
    const std::string name = parser.value("city").toStdString();
    const CityInfo* city = FindCity(list.cities, name);
    if (!city) {
        if (list.Ok())
            err << "quadrix-cli " << command.toStdString() << ": no city named '" << EchoText(name) << "' in "
                << path << " (the cities command lists them)\n";
        return std::nullopt;
    }
    return *city;
}

int RunAstroCommand(const QStringList& args, std::ostream& out, std::ostream& err)
{
    QCommandLineParser parser;
    parser.setApplicationDescription("Prints the astrology report for a local date and time at a city or place.");
    parser.addOption({"date", "Local date and time, as YYYY-MM-DD HH:MM:SS.", "TEXT"});
    AddPlaceOptions(parser);
    if (const std::optional<int> status = ParseCommand(parser, args, out, err))
        return *status;
    if (!parser.isSet("date"))
        return CommandUsageError(err, args.value(0),
                                 "give --date and either --city [--cities] or --bias, --lat and --lon");
    int status = 0;
    const std::optional<CityInfo> place = ReadPlace(parser, args.value(0), err, status);
    return place ? PrintReport(parser.value("date").toStdString(), *place, out, err) : status;
}

int RunCitiesCommand(const QStringList& args, std::ostream& out, std::ostream& err)
{
    QCommandLineParser parser;
    parser.setApplicationDescription("Prints the cities of the city list.");
    parser.addOption({"cities", "City list to read instead of the program's city.xml.", "FILE"});
    if (const std::optional<int> status = ParseCommand(parser, args, out, err))
        return *status;
    const CityList list = CityFile::Read(CitiesPath(parser));
    std::ostringstream lines;
    lines.imbue(std::locale::classic());
    lines << std::fixed << std::setprecision(6);
    for (const CityInfo& city : list.cities)
        lines << city.Name << '\t' << city.Country << '\t' << city.Bias << '\t' << city.Latitude << '\t'
              << city.Longitude << '\n';
    out << lines.str();
    if (!list.Ok()) {
        PrintReadFailure(list, err);
        return kFailed;
    }
    return 0;
}
