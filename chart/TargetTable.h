#pragma once

#include "CellTable.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct Target;

// A pivot's targets as the files and the command line give them. Each is
// built whole in memory, so that a caller writes all of it or nothing.
namespace TargetTable {

using Headers = CellTable::Headers;

// The columns of the CSV and of the target panel, and one target's texts in
// them: a missing formula price, date or price that is not finite leaves its
// fields empty.
std::vector<std::string> HeaderRow(Headers headers);
std::vector<std::string> Fields(const Target& target);

// CSV as the cell table writes it (UTF-8 with a byte-order mark, CR LF):
// turns, angle, number, ring, the cell's angle, price, formula price, their
// difference, date, days, x, y. The pivot's own row (turns 0, angle 0) comes
// first, so that the file names it; the targets follow.
std::string Csv(const Target& pivot, const std::vector<Target>& targets, Headers headers);

// An iCalendar file: one all-day event per target that has a date, its
// summary naming the number, price and angle, its description the pivot.
// An event's UID follows from the pivot, chartKey (TargetChartKey), turns
// and angle, so that importing the same targets again updates them; stamp,
// seconds since 1970 UTC, is every event's DTSTAMP. Nothing when no target
// has a date: a calendar holds at least one event.
std::optional<std::string> Ics(const Target& pivot, const std::vector<Target>& targets, const std::string& chartKey,
                               std::int64_t stamp);

// A JSON array of one object per target, keyed as HeaderRow(Headers::Keys);
// a missing formula price, or a date the calendar cannot hold, is null.
std::string Json(const std::vector<Target>& targets);

// One found cell as a JSON object: number, price, date, ring, angle (null
// where the kind has none), x, y.
std::string CellJson(const Target& cell, bool withAngle);

} // namespace TargetTable
