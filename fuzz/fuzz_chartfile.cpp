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
    const Result<std::string> bytes = ChartFile::ToBytes(charts);
    if (!bytes.Ok())
        Fail("a set that was read cannot be written", bytes.Message());
    return bytes.Value();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const Result<CChartSlots> read = ChartFile::FromBytes(std::string(reinterpret_cast<const char*>(data), size));
    if (read.Ok() != read.Message().empty())
        Fail("a read's outcome and message disagree", read.Message());
    if (!read.Ok())
        return 0;
    const std::string written = Write(read.Value());
    const Result<CChartSlots> reread = ChartFile::FromBytes(written);
    if (!reread.Ok())
        Fail("a written file does not read", reread.Message());
    if (Write(reread.Value()) != written)
        Fail("a written file reads back as another set", written);
    return 0;
}
