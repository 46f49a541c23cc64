#include "TargetTable.h"

#include "CellTable.h"
#include "Icalendar.h"
#include "PivotTargets.h"
#include "UiText.h"

#include <nlohmann/json.hpp>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <iterator>
#include <set>

namespace TargetTable {

namespace {

// The window's CSV and the panel share the titles.
const CellTable::Column kColumns[] = {
    {"turns", UI_TEXT_NOOP("TargetTable", "圈数")},
    {"theta", UI_TEXT_NOOP("TargetTable", "角度")},
    {"n", UI_TEXT_NOOP("TargetTable", "编号")},
    {"ring", UI_TEXT_NOOP("TargetTable", "环")},
    {"angle", UI_TEXT_NOOP("TargetTable", "单元角度")},
    {"price", UI_TEXT_NOOP("TargetTable", "价格")},
    {"formula_price", UI_TEXT_NOOP("TargetTable", "公式价格")},
    {"difference", UI_TEXT_NOOP("TargetTable", "差")},
    {"date", UI_TEXT_NOOP("TargetTable", "日期")},
    {"days", UI_TEXT_NOOP("TargetTable", "天数")},
    {"x", "x"},
    {"y", "y"},
};

std::string Printf(const char* format, double value)
{
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

// The shortest text that reads back as the same number, with a point
// whatever the locale.
template <typename Number>
std::string ShortestText(Number value)
{
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, value).ptr;
    return std::string(text, end);
}

// The number a float's shortest text names, for JSON, which would print
// the float's binary value in full.
double Shortest(float value)
{
    const std::string text = ShortestText(value);
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

// 64-bit FNV-1a: a short, stable digest of the chart's parameters.
std::uint64_t Digest(const std::string& text)
{
    std::uint64_t hash = 14695981039346656037ULL;
    for (const unsigned char c : text)
        hash = (hash ^ c) * 1099511628211ULL;
    return hash;
}

std::string Uid(const Target& pivot, const Target& t, const std::string& chartKey)
{
    char digest[24];
    std::snprintf(digest, sizeof digest, "%016llx", static_cast<unsigned long long>(Digest(chartKey)));
    return std::to_string(pivot.number) + "_" + std::to_string(t.turns) + "_" + ShortestText(t.theta) + "_" + digest +
        "@quadrix.targets";
}

Icalendar::DayEvent Event(const Target& pivot, const Target& t, const std::string& uid)
{
    const std::string summary = FillIn(UiText("TargetTable", "编号 %1, 价格 %2, 角度 %3°, 圈数 %4"),
        {std::to_string(t.number), CellTable::PriceText(t.price), ShortestText(t.theta), std::to_string(t.turns)});
    const std::string about = FillIn(UiText("TargetTable", "支点: 编号 %1, 价格 %2, 日期 %3"),
        {std::to_string(pivot.number), CellTable::PriceText(pivot.price), pivot.date.empty() ? "-" : pivot.date});
    return {uid, t.date, summary, about};
}

} // namespace

std::vector<std::string> HeaderRow(Headers headers)
{
    return CellTable::HeaderRow(kColumns, std::size(kColumns), headers, "TargetTable");
}

std::vector<std::string> Fields(const Target& t)
{
    const bool differs = t.formulaPrice && std::isfinite(t.price);
    return {std::to_string(t.turns), ShortestText(t.theta), std::to_string(t.number),
            std::to_string(t.ring), CellTable::AngleText(t.angle), CellTable::PriceText(t.price),
            t.formulaPrice ? Decimal(*t.formulaPrice) : "", differs ? Decimal(*t.formulaPrice - t.price) : "",
            t.date, t.date.empty() ? "" : std::to_string(t.days),
            std::to_string(t.centre.x), std::to_string(t.centre.y)};
}

std::string Csv(const Target& pivot, const std::vector<Target>& targets, Headers headers)
{
    std::string out = CellTable::kByteOrderMark + CellTable::Row(HeaderRow(headers)) + CellTable::Row(Fields(pivot));
    for (const Target& t : targets)
        out += CellTable::Row(Fields(t));
    return out;
}

std::optional<std::string> Ics(const Target& pivot, const std::vector<Target>& targets, const std::string& chartKey,
                               std::int64_t stamp)
{
    std::vector<Icalendar::DayEvent> events;
    std::set<std::string> uids;
    for (const Target& t : targets) {
        const std::string uid = Uid(pivot, t, chartKey);
        // An angle listed twice is one event.
        if (!t.date.empty() && uids.insert(uid).second)
            events.push_back(Event(pivot, t, uid));
    }
    if (events.empty())
        return std::nullopt;
    return Icalendar::Calendar("-//Quadrix//Pivot targets//ZH", events, stamp);
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
        const bool differs = t.formulaPrice && std::isfinite(t.price);
        // In the order of kColumns, whose keys name them.
        const ordered_json values[] = {t.turns, t.theta, t.number, t.ring, Shortest(t.angle), Shortest(t.price),
            t.formulaPrice ? ordered_json(*t.formulaPrice) : ordered_json(),
            differs ? ordered_json(*t.formulaPrice - t.price) : ordered_json(),
            dated ? ordered_json(t.date) : ordered_json(), dated ? ordered_json(t.days) : ordered_json(),
            t.centre.x, t.centre.y};
        static_assert(std::size(values) == std::size(kColumns));
        ordered_json row = ordered_json::object();
        for (size_t i = 0; i < std::size(kColumns); ++i)
            row[kColumns[i].key] = values[i];
        out += (out.size() > 1 ? ",\n" : "\n") + row.dump();
    }
    return out + "\n]\n";
}

} // namespace TargetTable
