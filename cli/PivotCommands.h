#pragma once

#include "PivotTargets.h"

#include <cstdint>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

class CBaseDraw;
class QCommandLineParser;
struct ChartKind;

// The pivot of find and targets, and what targets projects from it.
struct PivotOptions {
    CellQuery query;
    std::string queryText;      // the pivot as given, for messages
    std::vector<double> angles = DefaultTargetAngles();
    int turns = 1;
    std::string format = "json";
};

// Registers --price, --n, --angles and --turns (the pivot's --date is the
// chart option's).
void AddPivotOptions(QCommandLineParser& parser);

// Whether any option that only find and targets take was given.
bool HasPivotOptions(const QCommandLineParser& parser);

// Reads the pivot options of command (find or targets); false with a one-line
// message when they are missing, malformed or out of range, or ask for more
// than kMaxTargets targets.
bool ReadPivotOptions(const QCommandLineParser& parser, const std::string& command, PivotOptions& options,
                      std::string& error);

// The pivot and its angles and turns, as targets reads them, for a command
// that takes no --format.
bool ReadTargetQuery(const QCommandLineParser& parser, const std::string& command, PivotOptions& options,
                     std::string& error);

// The targets of the found cell, as targets prints them; nothing, with the
// reason on err, when no cell is found.
std::optional<std::vector<Target>> PivotTargets(CBaseDraw& chart, const ChartKind& kind, const PivotOptions& options,
                                                std::ostream& err);

// Prints the found cell as one JSON object; 1 with a message when none is.
int RunFind(CBaseDraw& chart, const ChartKind& kind, const PivotOptions& options, std::ostream& out,
            std::ostream& err);

// Prints the found cell's targets as JSON, CSV (the pivot's row first) or
// iCalendar (stamped with stamp, seconds since 1970 UTC); 1 with a message
// when no cell is found, or for iCalendar when no target has a date.
int RunTargets(CBaseDraw& chart, const ChartKind& kind, const PivotOptions& options, std::int64_t stamp,
               std::ostream& out, std::ostream& err);
