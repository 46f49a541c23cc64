#pragma once

#include <string>

class CChartSlots;

// Chart files: the five chart slots written as a text archive and read back.
// Written the way the format's home platform writes text files (every line
// break CR LF); read with CR LF or LF. Reading fills a new set of charts and
// refuses damaged files with a one-line reason; the values read are kept as
// they are, and the charts bound them where they use them.
namespace ChartFile {

// Outcome of a read or write: ok, with a message that is the reason of a
// failure or, on success, a warning for the user (empty when none).
struct Result {
    bool ok = false;
    std::string message;
};

// The bytes of the chart file that holds charts.
Result ToBytes(const CChartSlots& charts, std::string& bytes);
// Reads the bytes of a chart file into charts, which must be empty; they stay
// empty on failure.
Result FromBytes(const std::string& bytes, CChartSlots& charts);

// Writes the chart file at path whole or not at all, through a symbolic
// link to the file it names (PlainFile::Replace).
Result Save(const CChartSlots& charts, const std::string& path);
// Reads the chart file at path into charts, which must be empty.
Result Load(const std::string& path, CChartSlots& charts);

} // namespace ChartFile
