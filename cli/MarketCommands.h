#pragma once

#include <QStringList>

#include <nlohmann/json.hpp>

#include <cstdint>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class CMarketStore;
class QCommandLineParser;

// The commands of the market store: import, symbols, bars, remove and rename.
namespace MarketCommands {

// Whether word is one of them.
bool Handles(const QString& word);

// Runs the command args name (args[0]) with its arguments and options;
// prints its result as JSON or CSV. 2 for bad options, 1 for a file or store
// that fails.
int Run(const QStringList& args, std::ostream& out, std::ostream& err);

// Registers --store, which every command of market histories takes.
void AddStoreOption(QCommandLineParser& parser);
// The path of the store --store names, else of the default one.
std::string StorePath(const QCommandLineParser& parser);
// The store --store names, else the default one, opened; nothing with the
// one-line message on err when it cannot be or does not exist.
std::unique_ptr<CMarketStore> OpenStore(const QCommandLineParser& parser, std::ostream& err);

// The time --from or --to (option) gives; a date alone for --to ends with
// its day. False, with the usage line on err, when it is malformed.
bool ReadTime(const QCommandLineParser& parser, const char* option, std::optional<std::int64_t>& time,
              std::ostream& err);

// A number as the shortest decimal that reads back the same, never in
// exponent form (a volume of 100000 stays 100000).
std::string NumberText(double value);

// Rows of objects with the same keys: a JSON array, or CSV headed by the keys.
void Print(const std::vector<nlohmann::ordered_json>& rows, const std::vector<const char*>& keys, bool csv,
           std::ostream& out);

} // namespace MarketCommands
