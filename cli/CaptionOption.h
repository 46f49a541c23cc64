#pragma once

#include <QString>

#include <string>
#include <vector>

class CBaseDraw;
class QCommandLineParser;

// render's --caption on|off: whether the file carries the chart's caption
// (what it shows and when it was printed) below the chart. A PDF is for
// printing and carries it by default; a PNG or SVG, which goes into other
// documents, does not.
namespace CaptionOption {

void Add(QCommandLineParser& parser);
// False with a one-line message for a value other than on and off, or
// --caption given to another command than render.
bool Check(const QCommandLineParser& parser, const QString& command, std::string& error);
// The caption of chart for the file at path, its lines naming instrument
// (empty: none) and today's local date as the date printed; none where
// --caption or the file's kind says off. The one-page picture and the pages
// of a wall chart both take these lines.
std::vector<std::string> Lines(const QCommandLineParser& parser, CBaseDraw& chart, const std::string& path,
                               const std::string& instrument);

} // namespace CaptionOption
