#pragma once

#include <QStringList>

#include <iosfwd>
#include <memory>
#include <string>

class CMarketStore;
class QCommandLineParser;

// The commands of the market store: import, symbols, bars and remove.
namespace MarketCommands {

// Whether word is one of them.
bool Handles(const QString& word);

// Runs the command args name (args[0]) with its arguments and options;
// prints its result as JSON or CSV. 2 for bad options, 1 for a file or store
// that fails.
int Run(const QStringList& args, std::ostream& out, std::ostream& err);

// Registers --store, which every command of market histories takes.
void AddStoreOption(QCommandLineParser& parser);
// The store --store names, else the default one, opened; nothing with the
// one-line message on err when it cannot be.
std::unique_ptr<CMarketStore> OpenStore(const QCommandLineParser& parser, std::ostream& err);

} // namespace MarketCommands
