#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct Target;

// A pivot's targets as the files and the command line give them. Each is
// built whole in memory, so that a caller writes all of it or nothing.
namespace TargetTable {

// The columns of the CSV and of the target panel, and one target's texts in
// them: a missing formula price, or date, leaves its fields empty.
const std::vector<std::string>& Columns();
std::vector<std::string> Fields(const Target& target);

// CSV as the cell table writes it (UTF-8 with a byte-order mark, CR LF):
// turns, angle, number, ring, the cell's angle, price, formula price, their
// difference, date, days, x, y.
std::string Csv(const std::vector<Target>& targets);

// An iCalendar file: one all-day event per target that has a date, its
// summary naming the number, price and angle. stamp, seconds since 1970
// UTC, is every event's DTSTAMP and part of its UID.
std::string Ics(const std::vector<Target>& targets, std::int64_t stamp);

// A JSON array of one object per target; a missing formula price, or a date
// the calendar cannot hold, is null.
std::string Json(const std::vector<Target>& targets);

// One found cell as a JSON object: number, price, date, ring, angle (null
// where the kind has none), x, y.
std::string CellJson(const Target& cell, bool withAngle);

// The shortest text that reads back as the same float.
std::string FloatText(float value);

} // namespace TargetTable
