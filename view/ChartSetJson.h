#pragma once

#include <string>

class CChartSlots;

// The chart slots as JSON text, for looking into chart files and making
// them: {"nine": {...}, "four": ..., "hexagon": ..., "wheel": ..., "master": ...},
// null for an empty slot. A chart is an object keyed by the member names of
// its stored fields, plus "version", the class version of its chart base as
// read; fills and tangent marks are arrays of {"cell", record fields}, lines
// of {"key", record fields} in key order, notes of {"cell", record fields}.
namespace ChartSetJson {

std::string ToText(const CChartSlots& charts);

// Fills charts (which must be empty) from JSON text. An absent slot stays
// empty; an absent field keeps the value a new chart of that kind has.
// False with a one-line message on malformed JSON, an unknown key or a
// value of the wrong type or range; charts are then left empty.
bool FromText(const std::string& text, CChartSlots& charts, std::string& error);

} // namespace ChartSetJson
