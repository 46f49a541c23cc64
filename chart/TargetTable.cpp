#include "TargetTable.h"

#include "CellTable.h"
#include "PivotTargets.h"
#include "UiText.h"

#include <nlohmann/json.hpp>

#include <charconv>
#include <cstdio>
#include <ctime>

namespace TargetTable {

namespace {

const char* const kByteOrderMark = "\xEF\xBB\xBF";
const char* const kRowEnd = "\r\n";
// Octets of a content line before it is folded.
constexpr size_t kLineOctets = 75;

std::string Printf(const char* format, double value)
{
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

// The number a float's shortest text names, for JSON, which would print
// the float's binary value in full.
double Shortest(float value)
{
    const std::string text = FloatText(value);
    double number = 0;
    std::from_chars(text.data(), text.data() + text.size(), number);
    return number;
}

// Four decimals without trailing zeros: the formula price and the difference.
std::string Decimal(double value)
{
    std::string text = Printf("%.4f", value);
    while (text.back() == '0')
        text.pop_back();
    if (text.back() == '.')
        text.pop_back();
    return text == "-0" ? "0" : text;
}

std::string CsvRow(const std::vector<std::string>& fields)
{
    std::string row;
    for (const std::string& field : fields)
        row += (row.empty() ? "" : ",") + CellTable::Field(field);
    return row + kRowEnd;
}

// Backslash, semicolon, comma and line breaks escaped as iCalendar text.
std::string IcsText(const std::string& text)
{
    std::string out;
    for (const char c : text) {
        if (c == '\n') {
            out += "\\n";
            continue;
        }
        if (c == '\\' || c == ';' || c == ',')
            out += '\\';
        out += c;
    }
    return out;
}

// line with CR LF, folded before 75 octets with a leading blank on each
// continuation, never inside a UTF-8 sequence.
std::string Folded(const std::string& line)
{
    std::string out;
    size_t start = 0;
    size_t room = kLineOctets;
    while (line.size() - start > room) {
        size_t end = start + room;
        while (end > start && (static_cast<unsigned char>(line[end]) & 0xC0) == 0x80)
            --end;
        out += line.substr(start, end - start) + "\r\n ";
        start = end;
        room = kLineOctets - 1;
    }
    return out + line.substr(start) + "\r\n";
}

std::string UtcStamp(std::int64_t seconds)
{
    const std::time_t t = static_cast<std::time_t>(seconds);
    std::tm tm{};
    char text[32] = "19700101T000000Z";
    if (gmtime_r(&t, &tm))
        std::strftime(text, sizeof text, "%Y%m%dT%H%M%SZ", &tm);
    return text;
}

std::string Event(const Target& t, size_t index, const std::string& stamp)
{
    std::string date = t.date;
    date.erase(7, 1).erase(4, 1);
    const std::string summary = "编号 " + std::to_string(t.number) + ", 价格 " + FloatText(t.price) + ", 角度 " +
        Printf("%g", t.theta) + "°, 圈数 " + std::to_string(t.turns);
    return Folded("BEGIN:VEVENT") + Folded("UID:" + stamp + "-" + std::to_string(index) + "-" +
                                           std::to_string(t.number) + "@quadrix.targets") +
        Folded("DTSTAMP:" + stamp) + Folded("DTSTART;VALUE=DATE:" + date) + Folded("SUMMARY:" + IcsText(summary)) +
        Folded("TRANSP:TRANSPARENT") + Folded("END:VEVENT");
}

} // namespace

std::string FloatText(float value)
{
    // to_chars: the shortest form, with a point whatever the locale.
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    return std::string(text, end);
}

const std::vector<std::string>& Columns()
{
    // The files keep these headers; the target panel shows them translated.
    static const std::vector<std::string> columns = {UI_TEXT_NOOP("TargetTable", "圈数"),
        UI_TEXT_NOOP("TargetTable", "角度"), UI_TEXT_NOOP("TargetTable", "编号"), UI_TEXT_NOOP("TargetTable", "环"),
        UI_TEXT_NOOP("TargetTable", "单元角度"), UI_TEXT_NOOP("TargetTable", "价格"),
        UI_TEXT_NOOP("TargetTable", "公式价格"), UI_TEXT_NOOP("TargetTable", "差"),
        UI_TEXT_NOOP("TargetTable", "日期"), UI_TEXT_NOOP("TargetTable", "天数"), "x", "y"};
    return columns;
}

std::vector<std::string> Fields(const Target& t)
{
    const std::string formula = t.formulaPrice ? Decimal(*t.formulaPrice) : std::string();
    const std::string difference = t.formulaPrice ? Decimal(*t.formulaPrice - t.price) : std::string();
    return {std::to_string(t.turns), Printf("%g", t.theta), std::to_string(t.number),
            std::to_string(t.ring), CellTable::AngleText(t.angle), FloatText(t.price),
            formula, difference, t.date, t.date.empty() ? "" : std::to_string(t.days),
            std::to_string(t.centre.x), std::to_string(t.centre.y)};
}

std::string Csv(const std::vector<Target>& targets)
{
    std::string out = kByteOrderMark + CsvRow(Columns());
    for (const Target& t : targets)
        out += CsvRow(Fields(t));
    return out;
}

std::string Ics(const std::vector<Target>& targets, std::int64_t stamp)
{
    const std::string utc = UtcStamp(stamp);
    std::string out = Folded("BEGIN:VCALENDAR") + Folded("VERSION:2.0") +
        Folded("PRODID:-//Quadrix//Pivot targets//ZH") + Folded("CALSCALE:GREGORIAN");
    for (size_t i = 0; i < targets.size(); ++i)
        if (!targets[i].date.empty())
            out += Event(targets[i], i, utc);
    return out + Folded("END:VCALENDAR");
}

std::string CellJson(const Target& cell, bool withAngle)
{
    using nlohmann::ordered_json;
    const ordered_json j = {{"n", cell.number},
                            {"price", Shortest(cell.price)},
                            {"date", cell.date.empty() ? ordered_json() : ordered_json(cell.date)},
                            {"ring", cell.ring},
                            {"angle", withAngle ? ordered_json(Shortest(cell.angle)) : ordered_json()},
                            {"x", cell.centre.x},
                            {"y", cell.centre.y}};
    return j.dump() + "\n";
}

std::string Json(const std::vector<Target>& targets)
{
    using nlohmann::ordered_json;
    std::string out = "[";
    for (const Target& t : targets) {
        const bool dated = !t.date.empty();
        const ordered_json row = {{"turns", t.turns},
                        {"theta", t.theta},
                        {"n", t.number},
                        {"ring", t.ring},
                        {"angle", Shortest(t.angle)},
                        {"price", Shortest(t.price)},
                        {"formula_price", t.formulaPrice ? ordered_json(*t.formulaPrice) : ordered_json()},
                        {"date", dated ? ordered_json(t.date) : ordered_json()},
                        {"days", dated ? ordered_json(t.days) : ordered_json()},
                        {"x", t.centre.x},
                        {"y", t.centre.y}};
        out += (out.size() > 1 ? ",\n" : "\n") + row.dump();
    }
    return out + "\n]\n";
}

} // namespace TargetTable
