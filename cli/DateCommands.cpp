#include "DateCommands.h"

#include "CliFailure.h"
#include "DateClock.h"
#include "OleDateTimeEx.h"

#include <cstdio>
#include <ostream>

using CliFailure::kUsageError;

namespace {

constexpr int kNotADate = 1;

bool ModeFlags(const std::string& mode, unsigned long& flags)
{
    if (mode == "date")
        flags = COleDateTimeEx::ParseDateValueOnly;
    else if (mode == "time")
        flags = COleDateTimeEx::ParseTimeValueOnly;
    else if (mode == "both")
        flags = COleDateTimeEx::ParseDateAndTime;
    else
        return false;
    return true;
}

std::string Text(const COleDateTime& value, bool withTime)
{
    char text[32];
    if (withTime)
        std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", value.GetYear(), value.GetMonth(),
            value.GetDay(), value.GetHour(), value.GetMinute(), value.GetSecond());
    else
        std::snprintf(text, sizeof text, "%04d-%02d-%02d", value.GetYear(), value.GetMonth(), value.GetDay());
    return text;
}

bool ReadDigits(const std::string& text, std::size_t pos, std::size_t count, int& value)
{
    value = 0;
    for (std::size_t i = pos; i < pos + count; ++i) {
        if (i >= text.size() || text[i] < '0' || text[i] > '9')
            return false;
        value = value * 10 + (text[i] - '0');
    }
    return true;
}

} // namespace

bool ReadMoment(const std::string& text, COleDateTime& moment)
{
    int y = 0, mo = 0, d = 0, h = 0, mi = 0, s = 0;
    const bool shaped = text.size() == 19 && text[4] == '-' && text[7] == '-' && text[10] == ' ' && text[13] == ':'
        && text[16] == ':' && ReadDigits(text, 0, 4, y) && ReadDigits(text, 5, 2, mo) && ReadDigits(text, 8, 2, d)
        && ReadDigits(text, 11, 2, h) && ReadDigits(text, 14, 2, mi) && ReadDigits(text, 17, 2, s);
    return shaped && moment.SetDateTime(y, mo, d, h, mi, s);
}


int RunDateCommand(
    const std::string& text, const std::string& now, const std::string& mode, std::ostream& out, std::ostream& err)
{
    unsigned long flags = 0;
    if (!ModeFlags(mode, flags)) {
        err << "quadrix-cli: --mode must be date, time or both\n";
        return kUsageError;
    }
    COleDateTime moment;
    if (!now.empty() && !ReadMoment(now, moment)) {
        err << "quadrix-cli: --now must be a moment written YYYY-MM-DD HH:MM:SS\n";
        return kUsageError;
    }
    if (now.empty())
        CDateClock::UseSystemTime();
    else
        CDateClock::SetFixed(moment);
    COleDateTimeEx value;
    const bool read = value.ParseDateTime(text, flags);
    CDateClock::UseSystemTime();
    if (!read) {
        out << "invalid\n";
        return kNotADate;
    }
    out << Text(value, true) << '\n';
    return 0;
}

int RunEasterCommand(const std::string& year, std::ostream& out, std::ostream& err)
{
    int y = 0;
    if (year.empty() || year.size() > 4 || !ReadDigits(year, 0, year.size(), y) || y < 100) {
        err << "quadrix-cli: the year must be a whole number from 100 to 9999\n";
        return kUsageError;
    }
    out << Text(COleDateTimeEx::Easter(y), false) << '\n';
    return 0;
}
