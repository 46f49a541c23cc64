#pragma once

#include "Swings.h"

#include <QStringList>

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

class QCommandLineParser;
struct ChartOptions;

// The commands over a stored market's swings: swings lists them (on a
// chart, with their cells and angles), stats measures their angles against
// a baseline of the market's own bars.
namespace SwingCommands {

// Registers --zigzag, --zigzag-amount, --pivots and --on.
void AddMethodOptions(QCommandLineParser& parser);
// Whether any of them was given.
bool HasMethodOptions(const QCommandLineParser& parser);
// The method they give (exactly one of the first three); false with a
// one-line message when they are missing, too many or malformed.
bool ReadMethod(const QCommandLineParser& parser, SwingMethod& method, std::string& error);

// A chart of options puts its cell 1 on the first bar's day of series
// unless a date or a chart file was given.
void StartOnFirstBar(ChartOptions& chart, const BarSeries& series);

// Whether word is one of them.
bool Handles(const QString& word);

// Runs the command args names (args[0]) with its symbol and options; stamp
// (seconds since 1970 UTC) stamps an iCalendar file. 2 for bad options, 1
// for a store or symbol that fails.
int Run(const QStringList& args, std::int64_t stamp, std::ostream& out, std::ostream& err);

// render and trace mark a stored market's swings on their chart: --symbol S,
// --store and the options that choose swings, as swings takes them.
void AddMarkOptions(QCommandLineParser& parser);
// Whether any of them was given.
bool HasMarkOptions(const QCommandLineParser& parser);
// The swings of --symbol S, nothing without --symbol, and the instrument
// as a caption names it (S and its stored name); the chart's cell 1
// moves to S's first day unless a date was given, as for swings. False,
// with status and a message on err, for swing options without a symbol,
// bad options, or a store or symbol that fails.
bool ReadMarkedSwings(const QCommandLineParser& parser, ChartOptions& chart, std::optional<std::vector<Swing>>& swings,
                      std::string& instrument, int& status, std::ostream& err);

} // namespace SwingCommands
