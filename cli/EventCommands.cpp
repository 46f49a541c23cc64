#include "EventCommands.h"

#include "CliFailure.h"
#include "AstroCommands.h"
#include "EchoText.h"
#include "Ephemeris.h"
#include "LocalToUniversal.h"
#include "MarketCommands.h"
#include "SkyEventSearch.h"
#include "SkyEventTable.h"
#include "SkyMotion.h"

#include <QCommandLineParser>

#include <algorithm>
#include <iterator>
#include <optional>
#include <ostream>
#include <string>

using CliFailure::kFailed;
using CliFailure::kUsageError;

namespace {

constexpr int kSun = 0;
constexpr int kMoon = 1;
constexpr int kMercury = 2;

struct Request {
    SkyQuery query;
    bool heliocentric = false;
    SkyClock clock;
    std::string format = "json";
};

// The bodies --bodies lists (Sun to Pluto less the Moon by default), with
// the Moon when --moon asks; false with the message when a name is unknown.
bool ReadBodies(const QCommandLineParser& p, Request& r, std::string& error)
{
    std::vector<int>& bodies = r.query.bodies;
    if (!p.isSet("bodies")) {
        for (int body = r.heliocentric ? kMercury : kSun; body < kBodyCount; ++body)
            if (body != kMoon)
                bodies.push_back(body);
    }
    for (const QString& name : p.isSet("bodies") ? p.value("bodies").split(',') : QStringList()) {
        const auto found = std::find(std::begin(kBodyKeys), std::end(kBodyKeys), name.trimmed().toStdString());
        if (found == std::end(kBodyKeys)) {
            error = "--bodies takes names from sun, moon, mercury, venus, mars, jupiter, saturn, uranus, neptune "
                    "and pluto, not '" + EchoText(name.toStdString()) + "'";
            return false;
        }
        bodies.push_back(static_cast<int>(found - std::begin(kBodyKeys)));
    }
    if (p.isSet("moon"))
        bodies.push_back(kMoon);
    std::sort(bodies.begin(), bodies.end());
    bodies.erase(std::unique(bodies.begin(), bodies.end()), bodies.end());
    if (r.heliocentric && !bodies.empty() && bodies.front() <= kMoon) {
        error = "--helio takes the planets only: the sun is the centre and the moon goes with the earth";
        return false;
    }
    return true;
}

bool ReadAspects(const QCommandLineParser& p, Request& r, std::string& error)
{
    if (!p.isSet("aspects")) {
        r.query.aspects.assign(std::begin(kMajorAspects), std::end(kMajorAspects));
        return true;
    }
    if (p.value("aspects") == "none")
        return true;
    for (const QString& text : p.value("aspects").split(',')) {
        bool ok = false;
        const int angle = text.trimmed().toInt(&ok);
        if (!ok || std::find(std::begin(kAllAspects), std::end(kAllAspects), angle) == std::end(kAllAspects)) {
            error = "--aspects takes angles from 0, 30, 45, 60, 90, 120, 135, 150 and 180, or none, not '" +
                    EchoText(text.toStdString()) + "'";
            return false;
        }
        r.query.aspects.push_back(angle);
    }
    return true;
}

// The clock of --city, --zone or --bias; nothing, with status, when they
// are not exactly one or name nothing.
std::optional<SkyClock> ReadClock(const QCommandLineParser& p, const QString& command, std::ostream& err, int& status)
{
    status = kUsageError;
    const int given = int(p.isSet("city")) + int(p.isSet("zone")) + int(p.isSet("bias"));
    if (given != 1 || (p.isSet("cities") && !p.isSet("city"))) {
        CommandUsageError(err, command, "give one of --city NAME [--cities FILE], --zone Z or --bias MIN");
        return std::nullopt;
    }
    if (p.isSet("bias")) {
        bool ok = false;
        const int bias = p.value("bias").toInt(&ok);
        if (!ok)
            CommandUsageError(err, command, "--bias takes whole minutes, not '" + p.value("bias") + "'");
        return ok ? std::optional<SkyClock>(SkyClock {bias, {}, {}}) : std::nullopt;
    }
    if (p.isSet("zone")) {
        const std::string zone = p.value("zone").toStdString();
        if (!LocalToUniversal::StandardBias(zone, {})) {
            CommandUsageError(err, command, QString::fromStdString("unknown time zone '" + EchoText(zone) + "'"));
            return std::nullopt;
        }
        return SkyClock {std::nullopt, zone, {}};
    }
    status = kFailed;
    const std::optional<CityInfo> city = ReadCity(p, command, err);
    if (!city)
        return std::nullopt;
    return SkyClock {city->Bias, city->Zone, LocalToUniversal::ComputerZone()};
}

std::optional<Request> ReadRequest(const QCommandLineParser& p, const QString& command, std::ostream& err,
                                   int& status)
{
    Request r;
    std::optional<std::int64_t> from, to;
    status = kUsageError;
    if (!p.isSet("from") || !p.isSet("to")) {
        CommandUsageError(err, command, "give --from and --to");
        return std::nullopt;
    }
    if (!MarketCommands::ReadTime(p, "from", from, err) || !MarketCommands::ReadTime(p, "to", to, err))
        return std::nullopt;
    std::string error;
    r.heliocentric = p.isSet("helio");
    r.format = p.value("format").isEmpty() ? "json" : p.value("format").toStdString();
    if (*to < *from)
        error = "--to comes before --from";
    else if (r.format != "json" && r.format != "csv" && r.format != "ics")
        error = "--format takes json, csv or ics, not '" + EchoText(r.format) + "'";
    if (!error.empty() || !ReadBodies(p, r, error) || !ReadAspects(p, r, error)) {
        CommandUsageError(err, command, QString::fromStdString(error));
        return std::nullopt;
    }
    r.query.from = kUnixEpochJulianDay + static_cast<double>(*from) / 86400.0;
    r.query.to = kUnixEpochJulianDay + static_cast<double>(*to) / 86400.0;
    const std::optional<SkyClock> clock = ReadClock(p, command, err, status);
    if (!clock)
        return std::nullopt;
    r.clock = *clock;
    return r;
}

} // namespace

int RunEventsCommand(const QStringList& args, std::int64_t stamp, std::ostream& out, std::ostream& err)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Prints the sky's events over a range of UT days: the bodies' ingresses into the signs (every crossing), "
        "the stations of Mercury to Pluto and the exact aspects between the listed bodies. Seen from the sun "
        "(--helio) the planets never turn, so there are no stations. An aspect other than a conjunction or an "
        "opposition is applying when the bodies draw together through the moment, separating when they draw apart.");
    parser.addOptions({{"from", "The first UT day, YYYY-MM-DD (or a UT time, YYYY-MM-DDTHH:MM[:SS]).", "D"},
        {"to", "The last UT day, to its end, or a UT time.", "D"},
        {"bodies", "Comma-separated bodies: sun, moon, mercury ... pluto (default: sun and mercury to pluto).",
            "LIST"},
        {"aspects", "Comma-separated aspect angles from 0, 30, 45, 60, 90, 120, 135, 150, 180, or none "
                    "(default 0,60,90,120,180).", "LIST"},
        {"helio", "Heliocentric longitudes: the planets seen from the sun."},
        {"moon", "Include the Moon."},
        {"city", "Local times at a city of the city list.", "NAME"},
        {"cities", "City list to read instead of the program's city.xml.", "FILE"},
        {"zone", "Local times in a time zone of the system's database, such as Asia/Shanghai.", "Z"},
        {"bias", "Local times at a fixed bias: UT = local time + bias (UTC+8 is -480).", "MIN"},
        {"format", "What to print: json, csv or ics (default json).", "FORMAT"},
        {"stats", "Say on stderr how many events the ephemeris library was asked for how many times."}});
    if (const std::optional<int> status = ParseCommand(parser, args, out, err))
        return *status;
    int status = 0;
    const std::optional<Request> request = ReadRequest(parser, args.value(0), err, status);
    if (!request)
        return status;
    const Ephemeris ephemeris;
    SkyMotion sky(ephemeris, request->heliocentric);
    const std::vector<SkyEvent> events = SkyEventSearch(sky).Find(request->query);
    if (!sky.Error().empty()) {
        err << "quadrix-cli " << args.value(0).toStdString() << ": " << sky.Error() << '\n';
        return kFailed;
    }
    if (sky.Analytic())
        err << "note: no ephemeris data file serves part of that range (" << ephemeris.DataCoverage()
            << "); the library's analytic model did\n";
    if (parser.isSet("stats"))
        err << events.size() << " events, " << sky.Calls() << " ephemeris calls\n";
    const SkyClock& clock = request->clock;
    out << (request->format == "ics"   ? SkyEventTable::Ics(events, clock, stamp)
            : request->format == "csv" ? SkyEventTable::Csv(events, clock)
                                       : SkyEventTable::Json(events, clock));
    return 0;
}
