// Bytes as typed text through every reader of a date field: the date
// parser in its three modes, the astrology dialog's date scan and check, and
// the chart properties dialog's date check. Now and the time zone are
// fixed so that a crash reproduces.

#include "AstroDateText.h"
#include "ChartPropertyRules.h"
#include "DateClock.h"
#include "LocalMidnight.h"
#include "OleDateTimeEx.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>

namespace {

[[noreturn]] void Fail(const char* what, const std::string& text)
{
    std::fprintf(stderr, "%s: \"%s\"\n", what, text.c_str());
    std::abort();
}

void ParseInEveryMode(const std::string& text)
{
    for (const unsigned long flags : {COleDateTimeEx::ParseDateAndTime, COleDateTimeEx::ParseTimeValueOnly,
             COleDateTimeEx::ParseDateValueOnly}) {
        COleDateTimeEx value;
        if (value.ParseDateTime(text, flags) != value.IsValid())
            Fail("ParseDateTime's result and status disagree", text);
    }
}

void CheckAstrologyDate(const std::string& text)
{
    const AstroDateText::Scan scan = AstroDateText::ScanText(text);
    if (scan.count < 0 || scan.count > 6 || scan.end > text.size())
        Fail("the date scan read beyond its text", text);
    const AstroDateText::Check check = AstroDateText::CheckText(text);
    if (check.fields.has_value() == !check.message.empty())
        Fail("the astrology date check's outcome and message disagree", text);
    if (check.fields && !AstroDateText::IsRealDateTime(*check.fields))
        Fail("the astrology date check accepted no real date", text);
}

void CheckPropertiesDate(const std::string& text)
{
    LocalMidnight(text);
    const ChartPropertyRules::Confirmed result = ChartPropertyRules::Confirm({"10", "1", "1", "1", text});
    if (result.values.Ok() != (result.field == ChartPropertyRules::Field::None))
        Fail("the properties check's outcome and message disagree", text);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    setenv("TZ", "Asia/Shanghai", 1);
    setenv("LANG", "C.UTF-8", 1);
    tzset();
    CDateClock::SetFixed(COleDateTime(2012, 3, 5, 10, 30, 0));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    ParseInEveryMode(text);
    CheckAstrologyDate(text);
    CheckPropertiesDate(text);
    return 0;
}
