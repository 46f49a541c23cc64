#pragma once

#include <cstdint>
#include <optional>
#include <string>

// Bar times (see Bar) as the text the commands print and take.
namespace BarTime {

constexpr std::int64_t kSecondsPerDay = 86400;

// YYYY-MM-DD for a daily bar, YYYY-MM-DDTHH:MM:SS for an intraday one.
std::string Text(std::int64_t time, bool intraday);

// YYYY-MM-DD (its midnight) or YYYY-MM-DDTHH:MM[:SS] as a bar time; nothing
// when malformed or not a day of the calendar.
std::optional<std::int64_t> Parse(const std::string& text);

} // namespace BarTime
