#pragma once

#include "ChartSlots.h"
#include "Result.h"

#include <string>

// Chart files: the five chart slots written as a text archive and read back.
// Written the way the format's home platform writes text files (every line
// break CR LF); read with CR LF or LF. Reading fills a new set of charts and
// refuses damaged files with a one-line reason; the values read are kept as
// they are, and the charts bound them where they use them.
namespace ChartFile {

// A write's note warns the user of what the file could not hold as it was
// (characters outside its code page, numbers that are not finite).

// The bytes of the chart file that holds charts.
Result<std::string> ToBytes(const CChartSlots& charts);
// The charts of the bytes of a chart file.
Result<CChartSlots> FromBytes(const std::string& bytes);

// Writes the chart file at path whole or not at all, through a symbolic
// link to the file it names (PlainFile::Replace).
Result<void> Save(const CChartSlots& charts, const std::string& path);
// The charts of the chart file at path.
Result<CChartSlots> Load(const std::string& path);

} // namespace ChartFile
