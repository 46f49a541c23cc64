#include "EventCommands.h"

#include "AstroCommands.h"
#include "AstrologyReport.h"
#include "EchoText.h"
#include "Ephemeris.h"
#include "Icalendar.h"
#include "LocalToUniversal.h"
#include "MarketCommands.h"
#include "SkyEventSearch.h"
#include "SkyMotion.h"

#include <QCommandLineParser>

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iterator>
#include <optional>
#include <ostream>
#include <string>

using nlohmann::ordered_json;

namespace {

constexpr int kFailed = 1;
constexpr int kUsageError = 2;
constexpr int kSun = 0;
constexpr int kMoon = 1;
constexpr int kMercury = 2;
// Julian day of 1970-01-01 00:00 UT.
constexpr double kUnixEpoch = 2440587.5;

const std::vector<const char*> kKeys
    = {"time", "local", "kind", "body", "other", "angle", "longitude", "station", "applying"};

// The clock the local times are read on.
struct Clock {
    std::optional<int> bias;
    std::string zone;
    std::string computerZone;
};

struct Request {
    SkyQuery query;
    bool heliocentric = false;
    Clock clock;
    std::string format = "json";
};

const char* AspectName(int angle)
{
    switch (angle) {
    case 0: return "conjunct";
    case 30: return "semi-sextile";
    case 45: return "semi-square";
    case 60: return "sextile";
    case 90: return "square";
    case 120: return "trine";
    case 135: return "sesquiquadrate";
    case 150: return "quincunx";
    default: return "opposite";
    }
}

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
std::optional<Clock> ReadClock(const QCommandLineParser& p, const QString& command, std::ostream& err, int& status)
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
        return ok ? std::optional<Clock>(Clock {bias, {}, {}}) : std::nullopt;
    }
    if (p.isSet("zone")) {
        const std::string zone = p.value("zone").toStdString();
        if (!LocalToUniversal::StandardBias(zone, {})) {
            CommandUsageError(err, command, QString::fromStdString("unknown time zone '" + EchoText(zone) + "'"));
            return std::nullopt;
        }
        return Clock {std::nullopt, zone, {}};
    }
    status = kFailed;
    const std::optional<CityInfo> city = ReadCity(p, command, err);
    if (!city)
        return std::nullopt;
    return Clock {city->Bias, city->Zone, LocalToUniversal::ComputerZone()};
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
    r.query.from = kUnixEpoch + static_cast<double>(*from) / 86400.0;
    r.query.to = kUnixEpoch + static_cast<double>(*to) / 86400.0;
    const std::optional<Clock> clock = ReadClock(p, command, err, status);
    if (!clock)
        return std::nullopt;
    r.clock = *clock;
    return r;
}

// "2024-03-20T03:06:00".
std::string IsoText(const DateTimeFields& f)
{
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d", f.year, f.month, f.day, f.hour, f.minute,
                  f.second);
    return text;
}

// The value of an optional as JSON: null when empty.
template <typename T>
ordered_json Optional(const std::optional<T>& value)
{
    return value ? ordered_json(*value) : ordered_json(nullptr);
}

ordered_json Row(const SkyEvent& e, const Clock& clock)
{
    const DateTimeFields ut = SkyMotion::MinuteOf(e.time);
    const DateTimeFields local = LocalToUniversal::ToLocal(ut, clock.bias, clock.zone, clock.computerZone);
    const bool aspect = e.kind == SkyEvent::Kind::Aspect;
    const bool station = e.kind == SkyEvent::Kind::Station;
    static const char* const kinds[] = {"ingress", "station", "aspect"};
    return {{"time", IsoText(ut) + "Z"}, {"local", IsoText(local)}, {"kind", kinds[static_cast<int>(e.kind)]},
        {"body", kBodyKeys[e.body]}, {"other", aspect ? ordered_json(kBodyKeys[e.other]) : ordered_json(nullptr)},
        {"angle", station ? ordered_json(nullptr) : ordered_json(e.angle)},
        {"longitude", std::round(e.longitude * 1e4) / 1e4},
        {"station", station ? ordered_json(e.retrograde ? "retrograde" : "direct") : ordered_json(nullptr)},
        {"applying", Optional(e.applying)}};
}

std::string Capitalised(const std::string& name)
{
    return name.empty() ? name : static_cast<char>(name[0] - 'a' + 'A') + name.substr(1);
}

// The event in English: "Sun enters Aries", "Mercury stations retrograde",
// "Sun square Jupiter, applying".
std::string Summary(const SkyEvent& e)
{
    const std::string body = Capitalised(kBodyKeys[e.body]);
    if (e.kind == SkyEvent::Kind::Ingress) {
        std::string sign = AstrologyReport::kSignNames[e.angle / 30];
        sign.erase(sign.find_last_not_of(' ') + 1); // the report pads one name
        return body + " enters " + sign;
    }
    if (e.kind == SkyEvent::Kind::Station)
        return body + " stations " + (e.retrograde ? "retrograde" : "direct");
    const std::string text = body + " " + AspectName(e.angle) + " " + Capitalised(kBodyKeys[e.other]);
    return e.applying ? text + (*e.applying ? ", applying" : ", separating") : text;
}

// Kind, bodies, angle or turn, and the UT minute: the same event keeps its
// UID from run to run.
std::string Uid(const ordered_json& row)
{
    std::string minute;
    for (const char c : row["time"].get<std::string>().substr(0, 16))
        if (c != '-' && c != ':')
            minute += c;
    std::string uid = row["kind"].get<std::string>() + "-" + row["body"].get<std::string>();
    if (!row["other"].is_null())
        uid += "-" + row["other"].get<std::string>();
    uid += "-" + (row["station"].is_null() ? row["angle"].dump() : row["station"].get<std::string>());
    return uid + "-" + minute + "Z@quadrix.events";
}

std::string Ics(const std::vector<SkyEvent>& events, const std::vector<ordered_json>& rows, std::int64_t stamp)
{
    std::vector<Icalendar::TimedEvent> entries;
    for (std::size_t i = 0; i < events.size(); ++i)
        entries.push_back({Uid(rows[i]), rows[i]["time"], Summary(events[i]),
            "Longitude " + MarketCommands::NumberText(rows[i]["longitude"]) + ", local time " +
                rows[i]["local"].get<std::string>()});
    return Icalendar::Calendar("-//Quadrix//Events//EN", entries, stamp);
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
    std::vector<ordered_json> rows;
    for (const SkyEvent& e : events)
        rows.push_back(Row(e, request->clock));
    if (request->format == "ics")
        out << Ics(events, rows, stamp);
    else
        MarketCommands::Print(rows, kKeys, request->format == "csv", out);
    return 0;
}
