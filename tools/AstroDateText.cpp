#include "AstroDateText.h"

#include <date/date.h>

#include <cctype>
#include <climits>
#include <cstdio>
#include <ctime>

namespace AstroDateText {

const char* const kInputValidDate = "please input valid date";
const char* const kDateTimeNotValid = "date time is not valid...";
const char* const kFieldHint = "YYYY-MM-DD HH:MM:SS";

namespace {

constexpr int kFieldCount = 6;

// Reads an int at pos the way "%d" does: blanks, an optional sign, digits.
// A number too large for an int does not read.
bool ReadInt(const std::string& text, std::size_t& pos, int& value)
{
    std::size_t i = pos;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i])))
        ++i;
    const bool negative = i < text.size() && text[i] == '-';
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        ++i;
    const std::size_t digits = i;
    long long n = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
        n = n * 10 + (text[i] - '0');
        if (n > INT_MAX)
            return false;
    }
    if (i == digits)
        return false;
    value = static_cast<int>(negative ? -n : n);
    pos = i;
    return true;
}

bool OnlyBlanks(const std::string& text, std::size_t from)
{
    for (std::size_t i = from; i < text.size(); ++i)
        if (!std::isspace(static_cast<unsigned char>(text[i])))
            return false;
    return true;
}

} // namespace

Scan ScanText(const std::string& text)
{
    Scan scan;
    int* const targets[kFieldCount] = {&scan.fields.year, &scan.fields.month, &scan.fields.day, &scan.fields.hour,
        &scan.fields.minute, &scan.fields.second};
    std::size_t pos = 0;
    for (int k = 0; k < kFieldCount; ++k) {
        if (k > 0) {
            if (pos >= text.size())
                break;
            ++pos; // the one character between two numbers, whatever it is
        }
        if (!ReadInt(text, pos, *targets[k]))
            break;
        scan.count = k + 1;
        scan.end = pos;
    }
    return scan;
}

bool IsRealDateTime(const DateTimeFields& f)
{
    if (f.year < 1 || f.year > 9999 || f.month < 1 || f.month > 12 || f.day < 1 || f.day > 31)
        return false;
    const date::year_month_day ymd {
        date::year(f.year), date::month(static_cast<unsigned>(f.month)), date::day(static_cast<unsigned>(f.day))};
    return ymd.ok() && f.hour >= 0 && f.hour < 24 && f.minute >= 0 && f.minute < 60 && f.second >= 0 && f.second < 60;
}

Check CheckText(const std::string& text)
{
    if (text.empty())
        return {std::nullopt, kInputValidDate, true};
    const Scan scan = ScanText(text);
    if (scan.count == 0 || !OnlyBlanks(text, scan.end) || !IsRealDateTime(scan.fields))
        return {std::nullopt, kDateTimeNotValid, false};
    return {scan.fields, {}, false};
}

std::string Format(const DateTimeFields& f)
{
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", f.year, f.month, f.day, f.hour, f.minute,
                  f.second);
    return text;
}

DateTimeFields NowLocal()
{
    const std::time_t now = std::time(nullptr);
    std::tm local {};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec};
}

} // namespace AstroDateText
