#pragma once

#include "PivotTargets.h"
#include "Result.h"

#include <string>
#include <vector>

// What the user types for a pivot, free of any GUI toolkit: the find
// dialog's price, date or cell number and the target panel's angle list.
namespace PivotInput {

// More angles than this make a panel no one reads.
constexpr std::size_t kMaxAngles = 72;

// text read as by says: a price (a finite number), a date (YYYY-MM-DD as
// the chart properties take cell 1's date) or a cell number (a whole number
// of at least 1); a one-line message otherwise.
Result<CellQuery> ReadQuery(CellQuery::By by, const std::string& text);

// Degrees separated by commas or blanks, each an IsTargetAngle, at least
// one and at most kMaxAngles.
Result<std::vector<double>> ReadAngles(const std::string& text);

// The list as ReadAngles reads it back: "45, 90, 120".
std::string AnglesText(const std::vector<double>& angles);

} // namespace PivotInput
