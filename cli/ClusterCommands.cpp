#include "ClusterCommands.h"

#include "CliFailure.h"
#include "BarTime.h"
#include "BaseDraw.h"
#include "CalendarDay.h"
#include "ChartKinds.h"
#include "CliCommands.h"
#include "CliOptions.h"
#include "ClusterTable.h"
#include "EchoText.h"
#include "FiniteNumber.h"
#include "HolidayFile.h"
#include "MarketCommands.h"
#include "MarketStore.h"
#include "PivotTargets.h"
#include "ProjectionCounts.h"
#include "SwingCommands.h"
#include "Swings.h"
#include "TradingDays.h"

#include <QCommandLineParser>

#include <optional>
#include <ostream>

using CliFailure::Fail;
using CliFailure::kFailed;
using CliFailure::UsageError;

namespace ClusterCommands {
namespace {

// Windows beyond this reach past any calendar kept.
constexpr int kMaxWindow = 366;
// The range is swept day by day.
constexpr std::int64_t kMaxRangeDays = 1000 * 366;
constexpr std::int64_t kDefaultRangeDays = 365;

const QCommandLineOption kOptions[] = {
    {"methods", "The methods of projection, any of calendar, trading, chart and square "
                "(default all four).", "LIST"},
    {"counts", "Days counted from each swing, whole numbers 1 to 100000, and years for the same day whole years "
               "later (default 30,45,60,90,120,135,144,180,225,240,270,315,360,years).", "LIST"},
    {"window", "Days either side of a cluster's day, 0 to 366 (default 1).", "W"},
    {"from", "The first day of clusters, YYYY-MM-DD (default today).", "D"},
    {"to", "The last day of clusters, YYYY-MM-DD (default 365 days after --from).", "D"},
    {"swings-from", "Project from the swings on or after this day only, YYYY-MM-DD.", "D"},
    {"swings-to", "Project from the swings on or before this day only, YYYY-MM-DD.", "D"},
    {"scale", "square: days per price step of a swing's move, above 0 (default 1).", "K"},
    {"holidays", "Days the market is shut beyond its last bar: a file of one date YYYY-MM-DD a line.", "FILE"},
    {"format", "What to print: json, csv or ics (default json).", "FORMAT"},
};

// What one run was given.
struct Request {
    std::string symbol;
    std::string format = "json";
    SwingMethod method;
    ProjectionOptions projection;
    int window = 1;
    std::int64_t from = 0; // days from 1970-01-01
    std::int64_t to = 0;
    std::optional<std::int64_t> swingsFrom;
    std::optional<std::int64_t> swingsTo;
    std::string holidays;
    ChartOptions chart;
};

std::string Value(const QCommandLineParser& p, const char* name) { return p.value(name).toStdString(); }

std::string Bad(const char* name, const std::string& wanted, const std::string& given)
{
    return "--" + std::string(name) + " takes " + wanted + ", not '" + EchoText(given) + "'";
}

bool ReadDay(const QCommandLineParser& p, const char* name, std::optional<std::int64_t>& day, std::string& error)
{
    if (!p.isSet(name))
        return true;
    const std::string text = Value(p, name);
    const std::optional<std::int64_t> time = text.size() == 10 ? BarTime::Parse(text) : std::nullopt;
    if (!time) {
        error = Bad(name, "a date YYYY-MM-DD", text);
        return false;
    }
    day = *time / BarTime::kSecondsPerDay;
    return true;
}

bool ReadMethods(const QCommandLineParser& p, ProjectionOptions& o, std::string& error)
{
    if (!p.isSet("methods"))
        return true;
    std::fill(std::begin(o.methods), std::end(o.methods), false);
    for (const QString& item : p.value("methods").split(',')) {
        int m = 0;
        while (m < kProjectionMethods && item.trimmed() != MethodName(static_cast<ProjectionMethod>(m)))
            ++m;
        if (m == kProjectionMethods) {
            error = Bad("methods", "calendar, trading, chart or square", item.toStdString());
            return false;
        }
        o.methods[m] = true;
    }
    return true;
}

bool ReadCounts(const QCommandLineParser& p, ProjectionOptions& o, std::string& error)
{
    std::string bad;
    if (p.isSet("counts") && !ProjectionCounts::Read(Value(p, "counts"), o.counts, o.wholeYears, bad)) {
        error = Bad("counts", "whole numbers 1 to " + std::to_string(ProjectionCounts::kMaxCount) + " and years",
                    bad);
        return false;
    }
    return true;
}

bool ReadNumbers(const QCommandLineParser& p, Request& r, std::string& error)
{
    if (p.isSet("window")) {
        bool ok = false;
        r.window = p.value("window").toInt(&ok);
        if (!ok || r.window < 0 || r.window > kMaxWindow) {
            error = Bad("window", "a whole number 0 to " + std::to_string(kMaxWindow), Value(p, "window"));
            return false;
        }
    }
    if (p.isSet("scale")) {
        const std::optional<double> scale = FiniteNumber(p.value("scale"));
        if (!scale || *scale <= 0) {
            error = Bad("scale", "a number above 0", Value(p, "scale"));
            return false;
        }
        r.projection.scale = *scale;
    }
    return true;
}

// --from and --to, today and the year after it by default.
bool ReadRange(const QCommandLineParser& p, std::int64_t stamp, Request& r, std::string& error)
{
    std::optional<std::int64_t> from, to;
    if (!ReadDay(p, "from", from, error) || !ReadDay(p, "to", to, error) ||
        !ReadDay(p, "swings-from", r.swingsFrom, error) || !ReadDay(p, "swings-to", r.swingsTo, error))
        return false;
    const std::optional<CalendarDay> today = LocalDay(stamp);
    r.from = from.value_or(today ? DayNumber(*today) : stamp / BarTime::kSecondsPerDay);
    r.to = to.value_or(r.from + kDefaultRangeDays);
    if (r.to < r.from || r.to - r.from > kMaxRangeDays) {
        error = "--from and --to take a range of 0 to " + std::to_string(kMaxRangeDays) + " days, from " +
            BarTime::Text(r.from * BarTime::kSecondsPerDay, false) + " to " +
            BarTime::Text(r.to * BarTime::kSecondsPerDay, false) + " is not";
        return false;
    }
    // A neighbour's window reaches two windows beyond the range.
    r.projection.first = r.from - 2 * r.window;
    r.projection.last = r.to + 2 * r.window;
    return true;
}

bool ReadRequest(const QCommandLineParser& p, std::int64_t stamp, Request& r, std::string& error)
{
    const QStringList words = p.positionalArguments();
    if (words.size() != 1) {
        error = "clusters takes one symbol";
        return false;
    }
    r.symbol = words[0].toStdString();
    if (p.isSet("format"))
        r.format = Value(p, "format");
    if (r.format != "json" && r.format != "csv" && r.format != "ics") {
        error = Bad("format", "json, csv or ics", r.format);
        return false;
    }
    r.holidays = Value(p, "holidays");
    if (!SwingCommands::ReadMethod(p, r.method, error) || !ReadMethods(p, r.projection, error) ||
        !ReadCounts(p, r.projection, error) || !ReadNumbers(p, r, error) || !ReadRange(p, stamp, r, error) ||
        !ReadChartOptions(p, r.chart, error))
        return false;
    if (r.projection.methods[static_cast<int>(ProjectionMethod::Chart)] && !HasAngles(*FindChartKind(r.chart.kind))) {
        error = "the chart method needs a chart kind with angles, not " + r.chart.kind;
        return false;
    }
    return true;
}

// The confirmed swings between --swings-from and --swings-to.
std::vector<Swing> ChosenSwings(const Request& r, const BarSeries& series)
{
    std::vector<Swing> chosen;
    for (const Swing& s : FindSwings(series, r.method)) {
        const std::int64_t day = BarDayNumber(s.time);
        if (s.confirmed && day >= r.swingsFrom.value_or(day) && day <= r.swingsTo.value_or(day))
            chosen.push_back(s);
    }
    return chosen;
}


int RunClusters(Request& r, const QCommandLineParser& p, std::int64_t stamp, std::ostream& out, std::ostream& err)
{
    std::vector<std::int64_t> holidays;
    if (!r.holidays.empty()) {
        Result<std::vector<std::int64_t>> read = HolidayFile::Read(r.holidays);
        if (!read.Ok())
            return Fail(err, read.Message());
        holidays = std::move(read.Value());
    }
    const std::unique_ptr<CMarketStore> store = MarketCommands::OpenStore(p, err);
    if (!store)
        return kFailed;
    const Result<BarSeries> series = store->Bars(r.symbol);
    if (!series.Ok())
        return Fail(err, series.Message());
    SwingCommands::StartOnFirstBar(r.chart, series.Value());
    const std::unique_ptr<CBaseDraw> chart = MakeChart(r.chart, err);
    if (!chart)
        return kFailed;
    const std::vector<Swing> swings = ChosenSwings(r, series.Value());
    const CTradingDays days(BarDays(series.Value()), std::move(holidays));
    const std::vector<Cluster> clusters = FindClusters(
        ProjectDates(swings, r.projection, days, *chart, *FindChartKind(r.chart.kind)), r.window, r.from, r.to);
    if (r.format != "ics") {
        out << (r.format == "csv" ? ClusterTable::Csv(clusters, swings) : ClusterTable::Json(clusters, swings));
        return 0;
    }
    const std::optional<std::string> ics = ClusterTable::Ics(r.symbol, clusters, swings, stamp);
    if (!ics)
        return Fail(err, "no clusters of " + r.symbol + " from " + ClusterTable::DayText(r.from) + " to " +
                             ClusterTable::DayText(r.to) + ", so there is no calendar to write");
    out << *ics;
    return 0;
}

} // namespace

bool Handles(const QString& word) { return word == "clusters"; }

int Run(const QStringList& args, std::int64_t stamp, std::ostream& out, std::ostream& err)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "quadrix-cli clusters S: the days on which dates projected from symbol S's confirmed swings agree, by "
        "the number of swings, then of methods, then date (chart options place the swings as swings does).");
    parser.addHelpOption();
    MarketCommands::AddStoreOption(parser);
    SwingCommands::AddMethodOptions(parser);
    for (const QCommandLineOption& option : kOptions)
        parser.addOption(option);
    AddChartOptions(parser);
    if (!parser.parse(args))
        return UsageError(err, parser.errorText().toStdString());
    if (parser.isSet("help")) {
        out << parser.helpText().toStdString();
        return 0;
    }
    Request r;
    std::string error;
    if (!ReadRequest(parser, stamp, r, error))
        return UsageError(err, error);
    return RunClusters(r, parser, stamp, out, err);
}

} // namespace ClusterCommands
