#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

// The date of cell 1 as the chart properties dialog and the command line's
// --date take it: "YYYY-MM-DD", with any one punctuation character or blank
// between the fields.
constexpr std::size_t kDateTextLength = 10;

// Local midnight of a date text, in seconds since 1970-01-01 00:00 UTC;
// nothing unless the text is exactly such a date naming a real day of the
// years 1 to 9999 whose midnight the platform can represent.
std::optional<std::int64_t> LocalMidnight(const std::string& text);
