// Bytes as a chart file through the real reader. A file that reads must be
// written, and what was written must read back to the same file: a reader
// that accepts what its writer cannot reproduce would corrupt the set on
// the next save.

#include "ChartFile.h"
#include "ChartSlots.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

[[noreturn]] void Fail(const char* what, const std::string& detail)
{
    std::fprintf(stderr, "%s: %s\n", what, detail.c_str());
    std::abort();
}

std::string Write(const CChartSlots& charts)
{
    std::string bytes;
    const ChartFile::Result result = ChartFile::ToBytes(charts, bytes);
    if (!result.ok)
        Fail("a set that was read cannot be written", result.message);
    return bytes;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CChartSlots charts;
    const ChartFile::Result read = ChartFile::FromBytes(std::string(reinterpret_cast<const char*>(data), size), charts);
    if (read.ok != read.message.empty())
        Fail("a read's outcome and message disagree", read.message);
    if (!read.ok) {
        if (!charts.Empty())
            Fail("a refused file left charts behind", read.message);
        return 0;
    }
    const std::string written = Write(charts);
    CChartSlots back;
    const ChartFile::Result reread = ChartFile::FromBytes(written, back);
    if (!reread.ok)
        Fail("a written file does not read", reread.message);
    if (Write(back) != written)
        Fail("a written file reads back as another set", written);
    return 0;
}
