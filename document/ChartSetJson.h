#pragma once

#include "ChartSlots.h"
#include "Result.h"

#include <string>

// The chart slots as JSON text, for looking into chart files and making
// them: {"nine": {...}, "four": ..., "hexagon": ..., "wheel": ..., "master": ...},
// null for an empty slot. A chart is an object keyed by the member names of
// its stored fields, plus "version", the class version of its chart base as
// read; fills and tangent marks are arrays of {"cell", record fields}, lines
// of {"key", record fields} in key order, notes of {"cell", record fields}.
namespace ChartSetJson {

std::string ToText(const CChartSlots& charts);

// The charts of JSON text. An absent slot stays empty; an absent field keeps
// the value a new chart of that kind has. A one-line message on malformed
// JSON, an unknown key or a value of the wrong type or range.
Result<CChartSlots> FromText(const std::string& text);

} // namespace ChartSetJson
