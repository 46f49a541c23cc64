#pragma once

#include <QStringList>

#include <iosfwd>

// pane draws a stored market's price history as a picture (PNG, SVG or PDF)
// or, with --trace, as the drawing's operations: its bars, its swings and
// a pivot's targets.
namespace PaneCommands {

bool Handles(const QString& word);

// Runs pane with its symbol and options (args[0] is the command). 2 for bad
// options, 1 for a store, symbol, pivot or file that fails.
int Run(const QStringList& args, std::ostream& out, std::ostream& err);

} // namespace PaneCommands
