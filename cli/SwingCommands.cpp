#include "SwingCommands.h"

#include "CliFailure.h"
#include "AngleStats.h"
#include "BarTime.h"
#include "BaseDraw.h"
#include "ChartKinds.h"
#include "CliCommands.h"
#include "CliOptions.h"
#include "EchoText.h"
#include "FiniteNumber.h"
#include "Icalendar.h"
#include "LocalMidnight.h"
#include "MarketCommands.h"
#include "MarketStore.h"
#include "PivotTargets.h"
#include "Swings.h"

#include <QCommandLineParser>

#include <nlohmann/json.hpp>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <ostream>
#include <vector>

using CliFailure::Fail;
using CliFailure::kFailed;
using CliFailure::kUsageError;
using CliFailure::UsageError;

namespace SwingCommands {
namespace {

using nlohmann::ordered_json;

// Bars a pivot may be compared with on either side.
constexpr int kMaxPivotBars = 100000;
constexpr long long kMaxSamples = 1000000;

// The bars a command reads, which render and trace take too.
const QCommandLineOption kRangeOptions[] = {
    {"from", "The first bar's time, YYYY-MM-DD or YYYY-MM-DDTHH:MM[:SS].", "D"},
    {"to", "The last bar's time (a date takes in its whole day).", "D"},
};
const QCommandLineOption kOptions[] = {
    {"format", "What to print: json or csv; swings also ics (default json).", "FORMAT"},
    {"origin", "stats: the swing measured from: low (the lowest low), high (the highest high) or its day, "
               "YYYY-MM-DD (default low).", "ORIGIN"},
    {"harmonic", "stats: degrees whose multiples are hits: 30, 45, 60, 90 or 120 (default 45).", "H"},
    {"orb", "stats: degrees either side of a multiple that still hit, 0 to half the harmonic (default 3).", "O"},
    {"samples", "stats: random bars of the baseline, 1 to 1000000 (default 10000).", "N"},
    {"seed", "stats: seed of the baseline's draws, a whole number 0 or above (default 1).", "K"},
};
const QCommandLineOption kMethodOptions[] = {
    {"zigzag", "Swings of a ZigZag that turns on a move of P percent (10 or 10%).", "P"},
    {"zigzag-amount", "Swings of a ZigZag that turns on a move of A in price.", "A"},
    {"pivots", "Swings that stand above (below) L bars before and R bars after.", "L,R"},
    {"on", "Find swings on highlow or on close (default highlow).", "ON"},
};
const char* const kStatsOnly[] = {"origin", "harmonic", "orb", "samples", "seed"};

// What one run was given.
struct Request {
    std::string command;
    std::string symbol;
    std::string format = "json";
    SwingMethod method;
    AngleStatsOptions stats;
    ChartOptions chart;
    bool onChart = false; // chart options given (stats always has a chart)
};


std::string Value(const QCommandLineParser& p, const char* name) { return p.value(name).toStdString(); }

// A number option within lo..hi (above lo when open), else the message.
bool ReadNumber(const QCommandLineParser& p, const char* name, double lo, double hi, bool open, double& out,
                std::string& error)
{
    if (!p.isSet(name))
        return true;
    QString text = p.value(name);
    if (std::string(name) == "zigzag" && text.endsWith('%'))
        text.chop(1);
    const std::optional<double> v = FiniteNumber(text);
    if (!v || *v < lo || (open && *v == lo) || *v > hi) {
        const bool bounded = hi < std::numeric_limits<double>::max();
        error = "--" + std::string(name) + " takes a number " + (open ? "above " : "from ") +
            MarketCommands::NumberText(lo) + (bounded ? " to " + MarketCommands::NumberText(hi) : "") + ", not '" +
            EchoText(Value(p, name)) + "'";
        return false;
    }
    out = *v;
    return true;
}

bool ReadPivots(const QCommandLineParser& p, SwingMethod& m, std::string& error)
{
    const QStringList parts = p.value("pivots").split(',');
    bool okLeft = false, okRight = false;
    if (parts.size() == 2) {
        m.left = parts[0].toInt(&okLeft);
        m.right = parts[1].toInt(&okRight);
    }
    if (!okLeft || !okRight || m.left < 0 || m.right < 0 || m.left > kMaxPivotBars || m.right > kMaxPivotBars) {
        error = "--pivots takes two whole numbers L,R from 0 to " + std::to_string(kMaxPivotBars) + ", not '" +
            EchoText(Value(p, "pivots")) + "'";
        return false;
    }
    return true;
}

bool ReadOrigin(const QCommandLineParser& p, AngleStatsOptions& s, std::string& error)
{
    const std::string origin = p.isSet("origin") ? Value(p, "origin") : "low";
    const std::optional<std::int64_t> day = BarTime::Parse(origin);
    if (origin == "low" || origin == "high")
        s.origin = origin == "low" ? AngleStatsOptions::Origin::LowestLow : AngleStatsOptions::Origin::HighestHigh;
    else if (day && origin.size() == 10) {
        s.origin = AngleStatsOptions::Origin::Day;
        s.originDay = *day;
    } else {
        error = "--origin takes low, high or a date YYYY-MM-DD, not '" + EchoText(origin) + "'";
        return false;
    }
    return true;
}

bool ReadStatsOptions(const QCommandLineParser& p, AngleStatsOptions& s, std::string& error)
{
    if (!ReadOrigin(p, s, error) || !ReadNumber(p, "harmonic", 0, 360, true, s.harmonic, error))
        return false;
    // Multiples of a whole part of the circle meet again after a turn.
    if (std::fmod(360.0, s.harmonic) != 0.0) {
        error = "--harmonic takes degrees that divide 360 (30, 45, 60, 90, 120), not '" +
            EchoText(Value(p, "harmonic")) + "'";
        return false;
    }
    double samples = static_cast<double>(s.samples);
    double seed = 0;
    if (!ReadNumber(p, "orb", 0, s.harmonic / 2, false, s.orb, error) ||
        !ReadNumber(p, "samples", 1, kMaxSamples, false, samples, error) ||
        !ReadNumber(p, "seed", 0, 1e18, false, seed, error))
        return false;
    if (samples != std::floor(samples) || seed != std::floor(seed)) {
        error = "--samples and --seed take whole numbers";
        return false;
    }
    s.samples = static_cast<long long>(samples);
    if (p.isSet("seed"))
        s.seed = static_cast<std::uint64_t>(seed);
    return true;
}

bool ReadRequest(const QCommandLineParser& p, Request& r, std::string& error)
{
    const QStringList words = p.positionalArguments();
    if (words.size() != 1) {
        error = r.command + " takes one symbol";
        return false;
    }
    r.symbol = words[0].toStdString();
    if (p.isSet("format"))
        r.format = Value(p, "format");
    if (r.format != "json" && r.format != "csv" && (r.format != "ics" || r.command != "swings")) {
        error = "--format takes json or csv" + std::string(r.command == "swings" ? " or ics" : "") + ", not '" +
            EchoText(r.format) + "'";
        return false;
    }
    if (r.command == "swings")
        for (const char* name : kStatsOnly)
            if (p.isSet(name)) {
                error = "--" + std::string(name) + " goes with stats";
                return false;
            }
    if (!ReadMethod(p, r.method, error) || !ReadChartOptions(p, r.chart, error))
        return false;
    r.stats.onCloses = r.method.onCloses;
    r.onChart = r.command == "stats" || !r.chart.given.empty();
    if (r.onChart && !HasAngles(*FindChartKind(r.chart.kind))) {
        error = r.command + " needs a chart kind with angles, not " + r.chart.kind;
        return false;
    }
    return r.command == "swings" || ReadStatsOptions(p, r.stats, error);
}

// A number as JSON, null where it is not finite.
ordered_json Number(double value) { return std::isfinite(value) ? ordered_json(value) : ordered_json(); }

// A difference of prices read as decimals, to the twelve digits they carry
// rather than the binary remainder of the subtraction (356.13, not
// 356.1300000000001).
ordered_json Move(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.12g", value);
    return Number(std::strtod(text, nullptr));
}

template <class T>
ordered_json Optional(const std::optional<T>& value)
{
    return value ? ordered_json(*value) : ordered_json();
}

// A distance between float angles, to the millionth of a degree they carry.
ordered_json Distance(const std::optional<double>& degrees)
{
    return degrees ? ordered_json(std::round(*degrees * 1e6) / 1e6) : ordered_json();
}

// A swing as the JSON's keys give it; the first has no move.
ordered_json SwingJson(const Swing& s, bool first, bool intraday)
{
    const ordered_json none;
    return {{"time", BarTime::Text(s.time, intraday)},
            {"price", s.price},
            {"kind", s.kind == Swing::Kind::High ? "high" : "low"},
            {"index", s.index},
            {"confirmed", s.confirmed},
            {"move", first ? none : Move(s.move)},
            {"move_percent", first ? none : Move(s.movePercent)},
            {"bars", first ? none : ordered_json(s.bars)},
            {"days", first ? none : ordered_json(s.days)}};
}

void AddCell(ordered_json& row, const SwingCell& cell)
{
    row["price_cell"] = Optional(cell.priceCell);
    row["price_angle"] = Optional(cell.priceAngle);
    row["date_cell"] = Optional(cell.dateCell);
    row["date_angle"] = Optional(cell.dateAngle);
}

// The keys of a swing's row, with its cells on a chart.
std::vector<const char*> SwingKeys(bool onChart)
{
    std::vector<const char*> keys = {"time", "price", "kind", "index", "confirmed", "move", "move_percent", "bars", "days"};
    if (onChart)
        keys.insert(keys.end(), {"price_cell", "price_angle", "date_cell", "date_angle"});
    return keys;
}

std::string Ics(const std::string& symbol, const std::vector<Swing>& swings, std::int64_t stamp)
{
    std::vector<Icalendar::DayEvent> events;
    for (const Swing& s : swings) {
        const std::string day = BarTime::Text(s.time, false);
        const std::string kind = s.kind == Swing::Kind::High ? "high" : "low";
        std::string summary = symbol + " swing " + kind + " " + MarketCommands::NumberText(s.price);
        if (!s.confirmed)
            summary += " (unconfirmed)";
        events.push_back({symbol + "_" + std::to_string(s.time) + "_" + kind + "@quadrix.swings", day, summary,
                          "bar " + std::to_string(s.index)});
    }
    return Icalendar::Calendar("-//Quadrix//Swings//EN", events, stamp);
}

std::unique_ptr<CBaseDraw> ChartFor(Request& r, const BarSeries& series, std::ostream& err)
{
    StartOnFirstBar(r.chart, series);
    return MakeChart(r.chart, err);
}

// The symbol and its stored name, as a caption names the instrument.
std::string InstrumentText(const std::string& symbol, const std::optional<CMarketStore::Instrument>& stored)
{
    return !stored || stored->name.empty() || stored->name == symbol ? symbol : symbol + " " + stored->name;
}

// The bars of symbol from --from to --to of the store the options name, and
// where asked the instrument's text; nothing, with status, when the times or
// the store fail.
std::optional<BarSeries> ReadBars(const QCommandLineParser& p, const std::string& symbol, int& status,
                                  std::ostream& err, std::string* instrument = nullptr)
{
    std::optional<std::int64_t> from, to;
    status = kUsageError;
    if (!MarketCommands::ReadTime(p, "from", from, err) || !MarketCommands::ReadTime(p, "to", to, err))
        return std::nullopt;
    status = kFailed;
    const std::unique_ptr<CMarketStore> store = MarketCommands::OpenStore(p, err);
    if (!store)
        return std::nullopt;
    Result<BarSeries> series = store->Bars(symbol, from, to);
    if (!series.Ok()) {
        Fail(err, series.Message());
        return std::nullopt;
    }
    if (instrument)
        *instrument = InstrumentText(symbol, store->Find(symbol));
    return std::move(series.Value());
}

int RunSwings(Request& r, const BarSeries& series, std::int64_t stamp, std::ostream& out, std::ostream& err)
{
    const std::vector<Swing> swings = FindSwings(series, r.method);
    if (r.format == "ics") {
        if (swings.empty())
            return Fail(err, "no swings of " + r.symbol + ", so there is no calendar to write");
        out << Ics(r.symbol, swings, stamp);
        return 0;
    }
    std::unique_ptr<CBaseDraw> chart = r.onChart ? ChartFor(r, series, err) : nullptr;
    if (r.onChart && !chart)
        return kFailed;
    std::optional<CSwingCells> cells;
    if (chart)
        cells.emplace(*chart, *FindChartKind(r.chart.kind));
    std::vector<ordered_json> rows;
    for (const Swing& s : swings) {
        ordered_json row = SwingJson(s, rows.empty(), series.intraday);
        if (cells)
            AddCell(row, cells->Of(s));
        rows.push_back(std::move(row));
    }
    MarketCommands::Print(rows, SwingKeys(r.onChart), r.format == "csv", out);
    return 0;
}

ordered_json TallyJson(const AngleTally& t)
{
    return {{"swings", t.swings}, {"hits", t.hits}, {"rate", Number(t.rate)},
            {"baseline_rate", Number(t.baselineRate)}, {"p_value", Number(t.pValue)},
            {"baseline_cases", t.baselineCases}};
}

int RunStats(Request& r, const BarSeries& series, std::ostream& out, std::ostream& err)
{
    const std::vector<Swing> swings = FindSwings(series, r.method);
    std::unique_ptr<CBaseDraw> chart = ChartFor(r, series, err);
    if (!chart)
        return kFailed;
    CSwingCells cells(*chart, *FindChartKind(r.chart.kind));
    const Result<AngleStats> measured = MeasureAngles(series, swings, cells, r.stats);
    if (!measured.Ok())
        return Fail(err, r.symbol + ": " + measured.Message());
    const AngleStats& stats = measured.Value();
    if (r.format == "csv") {
        std::vector<ordered_json> rows;
        for (const auto& [angle, tally] : {std::make_pair("price", stats.price), std::make_pair("date", stats.date)}) {
            ordered_json row = {{"angle", angle}};
            row.update(TallyJson(tally));
            rows.push_back(row);
        }
        MarketCommands::Print(rows, {"angle", "swings", "hits", "rate", "baseline_rate", "p_value", "baseline_cases"},
                              true, out);
        return 0;
    }
    // Only the first swing of the series has no move.
    const auto first = [&swings](const Swing& s) { return s.index == swings.front().index && s.kind == swings.front().kind; };
    ordered_json origin = SwingJson(stats.origin, first(stats.origin), series.intraday);
    AddCell(origin, stats.originCell);
    ordered_json rows = ordered_json::array();
    for (const AngleRow& a : stats.rows) {
        ordered_json row = SwingJson(a.swing, first(a.swing), series.intraday);
        AddCell(row, a.cell);
        row["price_distance"] = Distance(a.priceDistance);
        row["price_hit"] = Optional(a.priceHit);
        row["date_distance"] = Distance(a.dateDistance);
        row["date_hit"] = Optional(a.dateHit);
        rows.push_back(std::move(row));
    }
    const ordered_json result = {{"origin", origin}, {"price", TallyJson(stats.price)},
        {"date", TallyJson(stats.date)}, {"rows", rows}, {"harmonic", r.stats.harmonic}, {"orb", r.stats.orb},
        {"samples", r.stats.samples}, {"seed", r.stats.seed}};
    out << result.dump() << '\n';
    return 0;
}

} // namespace

void StartOnFirstBar(ChartOptions& chart, const BarSeries& series)
{
    if (chart.file.empty() && !chart.given.count("date") && !series.bars.empty())
        chart.startTime = LocalMidnight(BarTime::Text(series.bars.front().time, false)).value_or(chart.startTime);
}

void AddMethodOptions(QCommandLineParser& parser)
{
    for (const QCommandLineOption& option : kMethodOptions)
        parser.addOption(option);
}

bool HasMethodOptions(const QCommandLineParser& p)
{
    return p.isSet("zigzag") || p.isSet("zigzag-amount") || p.isSet("pivots") || p.isSet("on");
}

bool ReadMethod(const QCommandLineParser& p, SwingMethod& m, std::string& error)
{
    const int given = (p.isSet("zigzag") ? 1 : 0) + (p.isSet("zigzag-amount") ? 1 : 0) + (p.isSet("pivots") ? 1 : 0);
    if (given != 1) {
        error = "give one of --zigzag P, --zigzag-amount A or --pivots L,R";
        return false;
    }
    const std::string on = p.isSet("on") ? Value(p, "on") : "highlow";
    if (on != "highlow" && on != "close") {
        error = "--on takes highlow or close, not '" + EchoText(on) + "'";
        return false;
    }
    m.onCloses = on == "close";
    const double huge = std::numeric_limits<double>::max();
    m.by = p.isSet("zigzag") ? SwingMethod::By::Percent
        : p.isSet("zigzag-amount") ? SwingMethod::By::Amount
                                   : SwingMethod::By::Pivots;
    return m.by == SwingMethod::By::Pivots ? ReadPivots(p, m, error)
        : ReadNumber(p, "zigzag", 0, 100, true, m.percent, error) &&
            ReadNumber(p, "zigzag-amount", 0, huge, true, m.amount, error);
}

bool Handles(const QString& word) { return word == "swings" || word == "stats"; }

void AddMarkOptions(QCommandLineParser& parser)
{
    parser.addOption({"symbol", "render, trace: mark the swings of stored symbol S on the chart.", "S"});
    MarketCommands::AddStoreOption(parser);
    AddMethodOptions(parser);
    for (const QCommandLineOption& option : kRangeOptions)
        parser.addOption(option);
}

bool HasMarkOptions(const QCommandLineParser& parser)
{
    bool given = parser.isSet("symbol") || parser.isSet("store") || HasMethodOptions(parser);
    for (const QCommandLineOption& option : kRangeOptions)
        given = given || parser.isSet(option.names().front());
    return given;
}

bool ReadMarkedSwings(const QCommandLineParser& parser, ChartOptions& chart, std::optional<std::vector<Swing>>& swings,
                      std::string& instrument, int& status, std::ostream& err)
{
    status = kUsageError;
    if (!parser.isSet("symbol")) {
        if (!HasMarkOptions(parser))
            return true;
        UsageError(err, "--store and the swing options go with --symbol S");
        return false;
    }
    SwingMethod method;
    std::string error;
    if (!ReadMethod(parser, method, error)) {
        UsageError(err, error);
        return false;
    }
    const std::optional<BarSeries> series =
        ReadBars(parser, parser.value("symbol").toStdString(), status, err, &instrument);
    if (!series)
        return false;
    StartOnFirstBar(chart, *series);
    swings = FindSwings(*series, method);
    return true;
}

int Run(const QStringList& args, std::int64_t stamp, std::ostream& out, std::ostream& err)
{
    Request r;
    r.command = args.value(0).toStdString();
    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromStdString(
        "quadrix-cli " + r.command + " S: " +
        (r.command == "swings" ? "the swings of symbol S, with chart options their cells and angles on that chart."
                               : "the angles of symbol S's swings from an origin swing, against a baseline of "
                                 "random bars of S on the same chart (cell 1 on S's first day unless given).")));
    parser.addHelpOption();
    MarketCommands::AddStoreOption(parser);
    AddMethodOptions(parser);
    for (const QCommandLineOption& option : kRangeOptions)
        parser.addOption(option);
    for (const QCommandLineOption& option : kOptions)
        parser.addOption(option);
    AddChartOptions(parser);
    if (!parser.parse(args))
        return UsageError(err, parser.errorText().toStdString());
    if (parser.isSet("help")) {
        out << parser.helpText().toStdString();
        return 0;
    }
    std::string error;
    if (!ReadRequest(parser, r, error))
        return UsageError(err, error);
    int status = 0;
    const std::optional<BarSeries> series = ReadBars(parser, r.symbol, status, err);
    if (!series)
        return status;
    return r.command == "swings" ? RunSwings(r, *series, stamp, out, err) : RunStats(r, *series, out, err);
}

} // namespace SwingCommands
