#pragma once

#include <QStringList>

#include <cstdint>
#include <iosfwd>

// quadrix-cli clusters: the days on which dates projected from a stored
// market's swings agree, by calendar and trading days, the chart's targets
// and the square of each swing's move.
namespace ClusterCommands {

// Whether word is the command.
bool Handles(const QString& word);

// Runs it with args (args[0] the command); stamp (seconds since 1970 UTC)
// is now: its local day is the first of the range by default, and it stamps
// an iCalendar file. 2 for bad options, 1 for a holiday file, store or
// symbol that fails.
int Run(const QStringList& args, std::int64_t stamp, std::ostream& out, std::ostream& err);

} // namespace ClusterCommands
