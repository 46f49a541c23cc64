#pragma once

#include <iosfwd>
#include <string>

class COleDateTime;

// The date commands of quadrix-cli. Each returns the process exit status: 0
// done, 1 the text is not a date, 2 a bad argument (with a line on err).

// Prints the value of a date text as YYYY-MM-DD HH:MM:SS, or "invalid".
// now: "YYYY-MM-DD HH:MM:SS" for the phrases relative to now, empty for the
// computer's clock; mode: date, time or both.
int RunDateCommand(
    const std::string& text, const std::string& now, const std::string& mode, std::ostream& out, std::ostream& err);

// Prints Easter Sunday of a year from 100 to 9999 as YYYY-MM-DD.
int RunEasterCommand(const std::string& year, std::ostream& out, std::ostream& err);

// Reads a --now moment: exactly "YYYY-MM-DD HH:MM:SS", naming a moment that exists.
bool ReadMoment(const std::string& text, COleDateTime& moment);
