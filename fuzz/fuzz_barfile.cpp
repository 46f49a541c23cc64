// Bytes as a price file through the real reader. Whatever it accepts must be
// bars a chart can trust: oldest first, one per time, finite prices with the
// open and close inside the high-low range. Skipping bad rows must change
// nothing in a file that has none.

#include "BarFile.h"

#include <cmath>
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

void CheckBars(const BarSeries& series)
{
    for (std::size_t i = 0; i < series.bars.size(); ++i) {
        const Bar& bar = series.bars[i];
        if (i > 0 && series.bars[i - 1].time >= bar.time)
            Fail("bars out of order or repeated at", std::to_string(bar.time));
        if (!std::isfinite(bar.high) || !std::isfinite(bar.low) || bar.high < bar.low || bar.open > bar.high ||
            bar.open < bar.low || bar.close > bar.high || bar.close < bar.low)
            Fail("a bar that breaks the checks at", std::to_string(bar.time));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const Result<BarFile::Contents> strict = BarFile::Parse(text, "fuzz.csv", {});
    if (!strict.Ok() && strict.Message().empty())
        Fail("a failed read without a message", "");
    BarFile::Options skipping;
    skipping.skipBad = true;
    const Result<BarFile::Contents> lenient = BarFile::Parse(text, "fuzz.csv", skipping);
    if (lenient.Ok())
        CheckBars(lenient.Value().series);
    if (!strict.Ok())
        return 0;
    CheckBars(strict.Value().series);
    if (!lenient.Ok() || !(lenient.Value().series.bars == strict.Value().series.bars) ||
        !lenient.Value().skipped.empty())
        Fail("skipping bad rows changed a file without any", lenient.Message());
    return 0;
}
