#pragma once

#include "CityList.h"

#include <QStringList>

#include <iosfwd>
#include <optional>

class QCommandLineParser;

// The astrology commands of quadrix-cli. args holds the command word and
// the arguments after it; each returns the process exit status: 0 done,
// 1 failed (message on err), 2 bad arguments.

// astro --date TEXT (--city NAME [--cities FILE] | --bias MIN --lat DEG --lon DEG):
// prints the astrology report exactly as the dialog shows it. A city list
// that breaks after the city still serves it, with the failure on err.
int RunAstroCommand(const QStringList& args, std::ostream& out, std::ostream& err);

// cities [--cities FILE]: prints one city a line, tab-separated: name,
// country, bias in minutes, latitude and longitude in decimal degrees.
int RunCitiesCommand(const QStringList& args, std::ostream& out, std::ostream& err);

// The place options the astrology report and the planet ring share:
// --city NAME [--cities FILE] or --bias MIN --lat DEG --lon DEG.
void AddPlaceOptions(QCommandLineParser& parser);
bool HasPlaceOptions(const QCommandLineParser& parser);
// The city --city [--cities] names; nothing, with the message on err, when
// the list names no such city.
std::optional<CityInfo> ReadCity(const QCommandLineParser& parser, const QString& command, std::ostream& err);
// Prints "quadrix-cli COMMAND: MESSAGE" to err; returns the usage status, 2.
int CommandUsageError(std::ostream& err, const QString& command, const QString& message);
// Parses args with the command's options; an exit status when done (--help
// printed to out, or a usage error on err), else nothing.
std::optional<int> ParseCommand(QCommandLineParser& parser, const QStringList& args, std::ostream& out,
                                std::ostream& err);
// The place those options name; nothing, with the message on err and the
// exit status in status, when they are malformed or name no city.
std::optional<CityInfo> ReadPlace(const QCommandLineParser& parser, const QString& command, std::ostream& err,
                                  int& status);
