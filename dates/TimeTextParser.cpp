#include "TimeTextParser.h"

#include "DateText.h"

using DateText::EndsWith;
using DateText::StartsWith;

namespace {

// Removes suffix from the end of text when it is there.
bool StripSuffix(std::string& text, const std::string& suffix)
{
    if (!EndsWith(text, suffix))
        return false;
    text.erase(text.size() - suffix.size());
    return true;
}

bool StripPrefix(std::string& text, const std::string& prefix)
{
    if (!StartsWith(text, prefix))
        return false;
    text.erase(0, prefix.size());
    return true;
}

} // namespace

CTimeTextParser::CTimeTextParser(const COleDateTime& now)
    : m_now(now)
{
}

COleDateTimeEx CTimeTextParser::Parse(const std::string& text) const
{
    if (text == "NOW")
        return m_now;
    const COleDateTimeEx relative = HoursOrMinutesFromNow(text);
    return relative.IsValid() ? relative : ClockPhrase(text);
}

COleDateTimeEx CTimeTextParser::HoursOrMinutesFromNow(const std::string& text) const
{
    int count = 0;
    std::string rest;
    if (!DateText::SplitCount(text, count, rest))
        return COleDateTime::Invalid();
    int sign = 0;
    if (StripSuffix(rest, " AGO"))
        sign = -1;
    else if (StripSuffix(rest, " FROM NOW"))
        sign = 1;
    if (sign != 0 && (rest == "HOUR" || rest == "HOURS"))
        return m_now + COleDateTimeSpan(0, sign * count, 0, 0);
    if (sign != 0 && (rest == "MINUTE" || rest == "MINUTES"))
        return m_now + COleDateTimeSpan(0, 0, sign * count, 0);
    return COleDateTime::Invalid();
}

COleDateTimeEx CTimeTextParser::ClockPhrase(const std::string& text) const
{
    int minutes = 0;
    if (ReadClock(text, false, minutes))
        return Today(minutes);
    if (StartsWith(text, "HALF PAST ") && ReadClock(text.substr(10), true, minutes))
        return Today(minutes + 30);
    int count = 0;
    std::string rest;
    if (!DateText::SplitCount(text, count, rest) || count > 59)
        return COleDateTime::Invalid();
    if (!StripPrefix(rest, "MINUTES "))
        StripPrefix(rest, "MINUTE ");
    static const struct {
        const char* word;
        int sign;
    } kRelations[] = {{"PAST ", 1}, {"AFTER ", 1}, {"TIL ", -1}, {"TILL ", -1}, {"UNTIL ", -1}};
    for (const auto& relation : kRelations) {
        std::string clock = rest;
        if (StripPrefix(clock, relation.word) && ReadClock(clock, true, minutes))
            return Today(minutes + relation.sign * count);
    }
    return COleDateTime::Invalid();
}

COleDateTimeEx CTimeTextParser::Today(int minutes) const
{
    const int minuteOfDay = (minutes % 1440 + 1440) % 1440;
    return COleDateTimeEx(m_now.GetYear(), m_now.GetMonth(), m_now.GetDay(), minuteOfDay / 60, minuteOfDay % 60);
}

bool CTimeTextParser::ReadClock(std::string text, bool bareHour, int& minutes)
{
    if (text == "NOON" || text == "MIDNIGHT") {
        minutes = text == "NOON" ? 720 : 0;
        return true;
    }
    const bool pm = StripSuffix(text, " PM");
    const bool am = !pm && StripSuffix(text, " AM");
    const bool oclock = StripSuffix(text, " O'CLOCK") || StripSuffix(text, " O CLOCK") || StripSuffix(text, " OCLOCK");
    const std::size_t colon = text.find(':');
    int hour = 0;
    int minute = 0;
    if (!DateText::ReadCount(text.substr(0, colon), hour))
        return false;
    if (colon != std::string::npos
        && (text.size() != colon + 3 || !DateText::ReadCount(text.substr(colon + 1), minute) || minute > 59))
        return false;
    if (colon == std::string::npos && !bareHour && !am && !pm && !oclock)
        return false;
    if (am || pm) {
        if (hour < 1 || hour > 12)
            return false;
        hour = hour % 12 + (pm ? 12 : 0);
    }
    minutes = hour * 60 + minute;
    return hour <= 23;
}
