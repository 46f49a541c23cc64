#pragma once

#include <string>

class QCommandLineParser;

// --lang zh|en: the language of the interface texts a command writes, such
// as a chart's caption, a wall chart's page labels and the core's messages.
// Chinese unless en is given, as in the window before a language is chosen.
namespace TextLanguage {

void Add(QCommandLineParser& parser);
// Puts the chosen language in effect for the rest of the run; false with a
// one-line message for a value other than zh and en.
bool Apply(const QCommandLineParser& parser, std::string& error);

} // namespace TextLanguage
