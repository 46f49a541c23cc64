#include "PivotCommands.h"

#include "BaseDraw.h"
#include "ChartKinds.h"
#include "EchoText.h"
#include "FiniteNumber.h"
#include "LocalMidnight.h"
#include "TargetTable.h"

#include <QCommandLineParser>
#include <QStringList>

#include <ostream>

namespace {

const char* const kPivotOnly[] = {"price", "n", "angles", "turns"};

std::string Text(const QString& s) { return s.toStdString(); }

bool ReadQuery(const QCommandLineParser& p, const std::string& command, PivotOptions& o, std::string& error)
{
    const int given = int(p.isSet("price")) + int(p.isSet("date")) + int(p.isSet("n"));
    if (given != 1) {
        error = command + " takes one pivot: --price P, --date YYYY-MM-DD or --n N";
        return false;
    }
    const char* name = p.isSet("price") ? "price" : p.isSet("date") ? "date" : "n";
    o.queryText = Text(p.value(name));
    bool ok = true;
    if (p.isSet("price")) {
        const std::optional<double> price = FiniteNumber(p.value("price"));
        ok = price.has_value();
        o.query = {CellQuery::By::Price, price.value_or(0), 0, 0};
    } else if (p.isSet("date")) {
        const std::optional<std::int64_t> day = LocalMidnight(o.queryText);
        ok = day.has_value();
        o.query = {CellQuery::By::Date, 0, day.value_or(0), 0};
    } else {
        o.query = {CellQuery::By::Number, 0, 0, p.value("n").toLongLong(&ok)};
    }
    if (!ok)
        error = std::string("--") + name + " takes " +
            (o.query.by == CellQuery::By::Price ? "a number"
                 : o.query.by == CellQuery::By::Date ? "a calendar date as YYYY-MM-DD" : "a whole number") +
            ", not '" + EchoText(o.queryText) + "'";
    return ok;
}

bool ReadAngles(const QCommandLineParser& p, PivotOptions& o, std::string& error)
{
    if (!p.isSet("angles"))
        return true;
    o.angles.clear();
    for (const QString& item : p.value("angles").split(',')) {
        const std::optional<double> theta = FiniteNumber(item.trimmed());
        if (!theta || !IsTargetAngle(*theta)) {
            error = "--angles takes degrees above -720 and below 720, not '" + EchoText(Text(item)) + "'";
            return false;
        }
        o.angles.push_back(*theta);
    }
    return true;
}

// withFormat: whether the command prints the targets, as targets does.
bool ReadTargetOptions(const QCommandLineParser& p, PivotOptions& o, bool withFormat, std::string& error)
{
    if (p.isSet("turns")) {
        bool ok = false;
        o.turns = p.value("turns").toInt(&ok);
        if (!ok || o.turns < 0 || o.turns > CBaseDraw::kMaxRings) {
            error = "--turns takes a whole number from 0 to " + std::to_string(CBaseDraw::kMaxRings) + ", not '" +
                EchoText(Text(p.value("turns"))) + "'";
            return false;
        }
    }
    if (withFormat && p.isSet("format")) {
        o.format = Text(p.value("format"));
        if (o.format != "json" && o.format != "csv" && o.format != "ics") {
            error = "--format takes json, csv or ics with targets, not '" + EchoText(o.format) + "'";
            return false;
        }
    }
    if (!ReadAngles(p, o, error))
        return false;
    const long long count = TargetCount(o.angles.size(), o.turns);
    if (count > kMaxTargets) {
        error = "targets gives at most " + std::to_string(kMaxTargets) + " targets a request, not " +
            std::to_string(o.angles.size()) + " angles at " + std::to_string(2 * o.turns + 1) + " turns (" +
            std::to_string(count) + ")";
        return false;
    }
    return true;
}

// The pivot's cell, or 0 with the reason on err.
int FoundCell(CBaseDraw& chart, const ChartKind& kind, const PivotOptions& o, std::ostream& err)
{
    const Result<int> found = FindCell(chart, kind, o.query);
    if (found.Ok())
        return found.Value();
    const char* what = o.query.by == CellQuery::By::Price ? "price "
        : o.query.by == CellQuery::By::Date               ? "date "
                                                          : "number ";
    err << "quadrix-cli: no cell of this chart has " << what << EchoText(o.queryText) << '\n';
    return 0;
}

} // namespace

void AddPivotOptions(QCommandLineParser& parser)
{
    parser.addOption({"price", "The pivot of find and targets: the cell of the nearest price.", "P"});
    parser.addOption({"n", "The pivot of find and targets: the cell of that number.", "N"});
    parser.addOption({"angles", "Degrees of targets along the numbering, each above -720 and below 720, "
                                "360 a whole turn (default 45,90,120,135,180,225,240,270,315,0).", "LIST"});
    parser.addOption({"turns", "Whole turns in and out of targets, 0 to 1000 (default 1).", "R"});
}

bool HasPivotOptions(const QCommandLineParser& parser)
{
    for (const char* name : kPivotOnly)
        if (parser.isSet(name))
            return true;
    return false;
}

bool ReadPivotOptions(const QCommandLineParser& p, const std::string& command, PivotOptions& o,
                      std::string& error)
{
    if (command == "find" && (p.isSet("angles") || p.isSet("turns") || p.isSet("format"))) {
        error = "find takes no --angles, --turns or --format";
        return false;
    }
    return ReadQuery(p, command, o, error) && (command == "find" || ReadTargetOptions(p, o, true, error));
}

bool ReadTargetQuery(const QCommandLineParser& parser, const std::string& command, PivotOptions& options,
                     std::string& error)
{
    return ReadQuery(parser, command, options, error) && ReadTargetOptions(parser, options, false, error);
}

std::optional<std::vector<Target>> PivotTargets(CBaseDraw& chart, const ChartKind& kind, const PivotOptions& options,
                                                std::ostream& err)
{
    const int n = FoundCell(chart, kind, options, err);
    if (n == 0)
        return std::nullopt;
    return TargetsOf(chart, kind, n, options.angles, options.turns);
}

int RunFind(CBaseDraw& chart, const ChartKind& kind, const PivotOptions& options, std::ostream& out,
            std::ostream& err)
{
    const int n = FoundCell(chart, kind, options, err);
    if (n == 0)
        return 1;
    out << TargetTable::CellJson(CellTarget(chart, kind, n), HasAngles(kind));
    return 0;
}

int RunTargets(CBaseDraw& chart, const ChartKind& kind, const PivotOptions& options, std::int64_t stamp,
               std::ostream& out, std::ostream& err)
{
    const int n = FoundCell(chart, kind, options, err);
    if (n == 0)
        return 1;
    const Target pivot = CellTarget(chart, kind, n);
    const std::vector<Target> targets = TargetsOf(chart, kind, n, options.angles, options.turns);
    if (options.format == "csv") {
        out << TargetTable::Csv(pivot, targets, TargetTable::Headers::Keys);
    } else if (options.format == "ics") {
        const std::optional<std::string> calendar =
            TargetTable::Ics(pivot, targets, TargetChartKey(chart, kind), stamp);
        if (!calendar) {
            err << "quadrix-cli: no target of cell " << n << " has a date, so there is no calendar to write\n";
            return 1;
        }
        out << *calendar;
    } else {
        out << TargetTable::Json(targets);
    }
    return 0;
}
