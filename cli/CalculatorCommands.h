#pragma once

#include <iosfwd>
#include <string>

// The calculator commands of quadrix-cli. Each returns the process exit
// status: 0 done, 1 a date is not valid or the result is none (with
// "invalid" on out), 2 a bad argument (with a line on err).
//
// Dates are read as the calculators' date fields read them: in date-only
// mode, the day alone. now: "YYYY-MM-DD HH:MM:SS" for the phrases relative
// to now, empty for the computer's clock. unit: day, week, month or year.

// Prints the carl, daniel, circle and dial angles of p, "%.2f" each, or "-"
// for an angle without a value.
int RunDegreeCommand(const std::string& p, std::ostream& out, std::ostream& err);

// Prints the whole units from start to end.
int RunSpanCommand(const std::string& start, const std::string& end, const std::string& unit, const std::string& now,
    std::ostream& out, std::ostream& err);

// Prints start moved forward by span units as YYYY/MM/DD.
int RunEndCommand(const std::string& start, const std::string& span, const std::string& unit, const std::string& now,
    std::ostream& out, std::ostream& err);

// Prints end moved back by span units as YYYY/MM/DD.
int RunStartCommand(const std::string& end, const std::string& span, const std::string& unit, const std::string& now,
    std::ostream& out, std::ostream& err);
