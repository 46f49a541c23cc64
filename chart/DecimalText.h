#pragma once

#include <string>

// Prices and counts as the text the commands print and the status bar
// shows: the shortest decimal that reads back the same, never in exponent
// form (a volume of 100000 stays 100000).
namespace DecimalText {

void Append(std::string& text, double value);
std::string Text(double value);

} // namespace DecimalText
