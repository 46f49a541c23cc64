#include "MarketCommands.h"

#include "CliFailure.h"
#include "ArgumentBytes.h"
#include "BarImport.h"
#include "BarTime.h"
#include "CellTable.h"
#include "DecimalText.h"
#include "EchoText.h"
#include "MarketStore.h"

#include <QCommandLineParser>

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cmath>
#include <vector>
#include <ostream>

using CliFailure::Fail;
using CliFailure::kFailed;
using CliFailure::kUsageError;
using CliFailure::UsageError;

namespace MarketCommands {
namespace {

using nlohmann::ordered_json;

constexpr std::size_t kBlockSize = 1 << 16;

// What one run of a command was given.
struct Request {
    const QCommandLineParser& parser;
    std::vector<std::string> arguments; // the file of import, the symbols of the others
    bool csv = false;
};

using Runner = int (*)(const Request&, std::ostream&, std::ostream&);

// A command: its name, its arguments as help names them (none when null),
// and the options that only it takes.
struct Command {
    const char* name;
    const char* argument;
    std::vector<std::string> options;
    Runner run;
};

// The option every command takes besides --store.
const QCommandLineOption kFormat{"format", "What to print: json or csv (default json).", "FORMAT"};

// The options that one command takes, each named in its command's row.
const QCommandLineOption kOptions[] = {
    {"symbol", "The symbol to keep the bars under (default the file's ticker, else its name).", "S"},
    {"name", "The instrument's name (default the file's, else the name stored).", "N"},
    {"date-format", "DD/MM/YYYY or MM/DD/YYYY, for a file whose days never pass 12.", "F"},
    {"zone", "The instrument's zone (IANA) for files of offsets or Unix times "
             "(default the computer's).", "Z"},
    {"skip-bad", "Store the sound rows and count the others by cause."},
    {"dry-run", "Read and check the file, store nothing."},
    {"from", "The first time, YYYY-MM-DD or YYYY-MM-DDTHH:MM[:SS].", "D"},
    {"to", "The last time (a date takes in its whole day).", "D"},
};


// The CSV row of a bar. Times and numbers need no quotes, so it is written
// without CellTable::Row's fields, one allocation fewer for each of them.
void AppendCsvRow(std::string& text, const Bar& bar, bool intraday)
{
    BarTime::Append(text, bar.time, intraday);
    for (const double price : {bar.open, bar.high, bar.low, bar.close}) {
        text += ',';
        DecimalText::Append(text, price);
    }
    for (const std::optional<double>& count : {bar.volume, bar.openInterest}) {
        text += ',';
        if (count)
            DecimalText::Append(text, *count);
    }
    text += CellTable::kRowEnd;
}

// A value that may be absent, null when it is.
ordered_json JsonOf(const std::optional<double>& value) { return value ? ordered_json(*value) : ordered_json(); }


// One object: JSON, or CSV of one row headed by its keys.
void PrintObject(const ordered_json& object, const std::vector<const char*>& keys, bool csv, std::ostream& out)
{
    if (csv)
        Print({object}, keys, true, out);
    else
        out << object.dump() << '\n';
}

int RunImport(const Request& r, std::ostream& out, std::ostream& err)
{
    const QCommandLineParser& p = r.parser;
    if (p.isSet("symbol") && p.value("symbol").isEmpty())
        return UsageError(err, "--symbol takes a symbol that is not empty");
    BarImport::Request request;
    request.path = r.arguments[0];
    request.symbol = p.value("symbol").toStdString();
    if (p.isSet("name"))
        request.name = p.value("name").toStdString();
    request.options.dateFormat = p.value("date-format").toStdString();
    request.options.zone = p.value("zone").toStdString();
    request.options.skipBad = p.isSet("skip-bad");
    if (!p.isSet("dry-run"))
        request.store = StorePath(p);
    const Result<BarImport::Summary> imported = BarImport::Run(request);
    if (!imported.Ok()) {
        Fail(err, imported.Message());
        return kFailed;
    }
    const BarImport::Summary& summary = imported.Value();
    const ordered_json row = {{"symbol", summary.symbol}, {"added", summary.merged.added},
        {"replaced", summary.merged.replaced}, {"skipped", summary.SkippedTotal()},
        {"skipped_by_cause", r.csv ? ordered_json(BarImport::CausesText(summary.skipped))
                                   : ordered_json(summary.skipped)}};
    PrintObject(row, {"symbol", "added", "replaced", "skipped", "skipped_by_cause"}, r.csv, out);
    return 0;
}

int RunSymbols(const Request& r, std::ostream& out, std::ostream& err)
{
    const std::unique_ptr<CMarketStore> store = OpenStore(r.parser, err);
    if (!store)
        return kFailed;
    const Result<std::vector<CMarketStore::Instrument>> instruments = store->Instruments();
    if (!instruments.Ok()) {
        Fail(err, instruments.Message());
        return kFailed;
    }
    std::vector<ordered_json> rows;
    for (const CMarketStore::Instrument& i : instruments.Value()) {
        const bool any = i.bars > 0;
        rows.push_back({{"symbol", i.symbol}, {"name", i.name},
            {"first", any ? ordered_json(BarTime::Text(i.first, i.intraday)) : ordered_json()},
            {"last", any ? ordered_json(BarTime::Text(i.last, i.intraday)) : ordered_json()}, {"bars", i.bars},
            {"intraday", i.intraday}, {"zone", i.zone}, {"source_file", i.sourceFile}, {"imported", i.imported}});
    }
    Print(rows, {"symbol", "name", "first", "last", "bars", "intraday", "zone", "source_file", "imported"}, r.csv,
          out);
    return 0;
}


int RunBars(const Request& r, std::ostream& out, std::ostream& err)
{
    std::optional<std::int64_t> from, to;
    if (!ReadTime(r.parser, "from", from, err) || !ReadTime(r.parser, "to", to, err))
        return kUsageError;
    const std::unique_ptr<CMarketStore> store = OpenStore(r.parser, err);
    if (!store)
        return kFailed;
    const Result<BarSeries> series = store->Bars(r.arguments[0], from, to);
    if (!series.Ok()) {
        Fail(err, series.Message());
        return kFailed;
    }
    const bool intraday = series.Value().intraday;
    if (r.csv) {
        out << CellTable::kByteOrderMark
            << CellTable::Row({"time", "open", "high", "low", "close", "volume", "open_interest"});
        // In blocks: a history may hold millions of bars.
        std::string block;
        for (const Bar& b : series.Value().bars) {
            AppendCsvRow(block, b, intraday);
            if (block.size() > kBlockSize) {
                out << block;
                block.clear();
            }
        }
        out << block;
        return 0;
    }
    out << '[';
    const char* separator = "";
    for (const Bar& b : series.Value().bars) {
        out << separator
            << ordered_json{{"time", BarTime::Text(b.time, intraday)}, {"open", b.open}, {"high", b.high},
                            {"low", b.low}, {"close", b.close}, {"volume", JsonOf(b.volume)},
                            {"open_interest", JsonOf(b.openInterest)}}.dump();
        separator = ",";
    }
    out << "]\n";
    return 0;
}

int RunRemove(const Request& r, std::ostream& out, std::ostream& err)
{
    const std::unique_ptr<CMarketStore> store = OpenStore(r.parser, err);
    if (!store)
        return kFailed;
    const std::optional<CMarketStore::Instrument> instrument = store->Find(r.arguments[0]);
    const Result<void> removed = store->Remove(r.arguments[0]);
    if (!removed.Ok()) {
        Fail(err, removed.Message());
        return kFailed;
    }
    PrintObject({{"symbol", r.arguments[0]}, {"bars", instrument ? instrument->bars : 0}}, {"symbol", "bars"}, r.csv,
                out);
    return 0;
}

int RunRename(const Request& r, std::ostream& out, std::ostream& err)
{
    const std::unique_ptr<CMarketStore> store = OpenStore(r.parser, err);
    if (!store)
        return kFailed;
    const Result<void> renamed = store->Rename(r.arguments[0], r.arguments[1]);
    if (!renamed.Ok()) {
        Fail(err, renamed.Message());
        return kFailed;
    }
    const std::optional<CMarketStore::Instrument> instrument = store->Find(r.arguments[1]);
    PrintObject({{"symbol", r.arguments[1]}, {"from", r.arguments[0]}, {"bars", instrument ? instrument->bars : 0}},
                {"symbol", "from", "bars"}, r.csv, out);
    return 0;
}

const Command kCommands[] = {
    {"import", "FILE", {"symbol", "name", "date-format", "zone", "skip-bad", "dry-run"}, RunImport},
    {"symbols", nullptr, {}, RunSymbols},
    {"bars", "S", {"from", "to"}, RunBars},
    {"remove", "S", {}, RunRemove},
    {"rename", "OLD NEW", {}, RunRename},
};

const Command* Find(const QString& word)
{
    for (const Command& command : kCommands)
        if (word == command.name)
            return &command;
    return nullptr;
}

} // namespace

std::string NumberText(double value) { return DecimalText::Text(value); }

// Rows of objects with the same keys: a JSON array, or CSV headed by the keys.
void Print(const std::vector<ordered_json>& rows, const std::vector<const char*>& keys, bool csv, std::ostream& out)
{
    if (!csv) {
        out << ordered_json(rows).dump() << '\n';
        return;
    }
    out << CellTable::kByteOrderMark << CellTable::Row({keys.begin(), keys.end()});
    for (const ordered_json& row : rows) {
        std::vector<std::string> fields;
        for (const char* key : keys) {
            const ordered_json& value = row.at(key);
            fields.push_back(value.is_string() ? value.get<std::string>()
                             : value.is_number() ? NumberText(value.get<double>())
                             : value.is_null()   ? std::string()
                                                 : value.dump());
        }
        out << CellTable::Row(fields);
    }
}

// The time --from or --to gives; a date alone for --to ends with its day.
bool ReadTime(const QCommandLineParser& p, const char* option, std::optional<std::int64_t>& time,
              std::ostream& err)
{
    if (!p.isSet(option))
        return true;
    const std::string text = p.value(option).toStdString();
    time = BarTime::Parse(text);
    if (!time) {
        UsageError(err, std::string("--") + option + " takes YYYY-MM-DD or YYYY-MM-DDTHH:MM[:SS], not '" +
                            EchoText(text) + "'");
        return false;
    }
    if (std::string(option) == "to" && text.size() == 10)
        *time += BarTime::kSecondsPerDay - 1;
    return true;
}

bool Handles(const QString& word) { return Find(word) != nullptr; }

void AddStoreOption(QCommandLineParser& parser)
{
    parser.addOption({"store", "The market store (default $QUADRIX_STORE, else "
                               "$XDG_DATA_HOME/quadrix/market.sqlite).", "FILE"});
}

std::string StorePath(const QCommandLineParser& parser)
{
    return parser.isSet("store") ? ArgumentBytes::Path(parser.value("store")) : CMarketStore::DefaultPath();
}

// Only import makes a store: a command that reads or changes one given a
// mistyped path says so rather than leaving an empty store there.
std::unique_ptr<CMarketStore> OpenStore(const QCommandLineParser& parser, std::ostream& err)
{
    const std::string path = StorePath(parser);
    std::error_code missing;
    if (!std::filesystem::exists(path, missing)) {
        Fail(err, "no market store at " + EchoText(path) + ": import a price file first");
        return nullptr;
    }
    Result<std::unique_ptr<CMarketStore>> store = CMarketStore::Open(path);
    if (!store.Ok()) {
        Fail(err, store.Message());
        return nullptr;
    }
    return std::move(store.Value());
}

int Run(const QStringList& args, std::ostream& out, std::ostream& err)
{
    const Command& command = *Find(args.value(0));
    QCommandLineParser parser;
    parser.setApplicationDescription(QString("quadrix-cli %1%2: the market store's %1 command.")
                                         .arg(command.name, command.argument ? QString(" ") + command.argument : ""));
    parser.addHelpOption();
    AddStoreOption(parser);
    parser.addOption(kFormat);
    for (const QCommandLineOption& option : kOptions)
        if (std::find(command.options.begin(), command.options.end(), option.names()[0].toStdString()) !=
            command.options.end())
            parser.addOption(option);
    if (!parser.parse(args))
        return UsageError(err, parser.errorText().toStdString());
    if (parser.isSet("help")) {
        out << parser.helpText().toStdString();
        return 0;
    }
    const QStringList words = parser.positionalArguments();
    // The parser took the command's name for the program's.
    const QStringList names = QString(command.argument).split(' ', Qt::SkipEmptyParts);
    if (words.size() != names.size())
        return UsageError(err, std::string(command.name) +
                                   (names.size() > 1 ? std::string(" takes ") + command.argument
                                    : names.size() == 1 ? std::string(" takes one ") + command.argument
                                                        : std::string(" takes no argument")));
    const std::string format = parser.value("format").toStdString();
    if (parser.isSet("format") && format != "json" && format != "csv")
        return UsageError(err, "--format takes json or csv, not '" + EchoText(format) + "'");
    std::vector<std::string> arguments;
    for (const QString& word : words)
        arguments.push_back(command.name == std::string("import") ? ArgumentBytes::Path(word) : word.toStdString());
    return command.run({parser, arguments, format == "csv"}, out, err);
}

} // namespace MarketCommands
