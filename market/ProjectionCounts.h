#pragma once

#include <string>
#include <vector>

// The counts of days projected from each swing as the user writes them:
// whole numbers, and "years" for the same day whole years later, separated
// by commas ("30,45,60,years").
namespace ProjectionCounts {

// Counts beyond this reach past any calendar kept.
constexpr int kMaxCount = 100000;

// Reads text into counts and wholeYears; false, with the item that is
// neither a whole number 1 to kMaxCount nor "years" in bad, when one is.
bool Read(const std::string& text, std::vector<int>& counts, bool& wholeYears, std::string& bad);
// counts and wholeYears as Read takes them.
std::string Text(const std::vector<int>& counts, bool wholeYears);

} // namespace ProjectionCounts
