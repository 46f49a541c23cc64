#pragma once

#include <QStringList>

#include <cstdint>
#include <iosfwd>

// The commands over a stored market's swings: swings lists them (on a
// chart, with their cells and angles), stats measures their angles against
// a baseline of the market's own bars.
namespace SwingCommands {

// Whether word is one of them.
bool Handles(const QString& word);

// Runs the command args names (args[0]) with its symbol and options; stamp
// (seconds since 1970 UTC) stamps an iCalendar file. 2 for bad options, 1
// for a store or symbol that fails.
int Run(const QStringList& args, std::int64_t stamp, std::ostream& out, std::ostream& err);

} // namespace SwingCommands
