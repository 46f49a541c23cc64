#include "SkyEventTable.h"

#include "AstrologyReport.h"
#include "CellTable.h"
#include "DecimalText.h"
#include "Icalendar.h"
#include "LocalToUniversal.h"
#include "SkyMotion.h"

#include <nlohmann/json.hpp>

#include <cmath>
#include <cstdio>
#include <iterator>

namespace SkyEventTable {
namespace {

using nlohmann::ordered_json;

const char* const kKeys[] = {"time", "local", "kind", "body", "other", "angle", "longitude", "station", "applying"};

const char* AspectName(int angle)
{
    switch (angle) {
    case 0: return "conjunct";
    case 30: return "semi-sextile";
    case 45: return "semi-square";
    case 60: return "sextile";
    case 90: return "square";
    case 120: return "trine";
    case 135: return "sesquiquadrate";
    case 150: return "quincunx";
    default: return "opposite";
    }
}

// "2024-03-20T03:06:00".
std::string IsoText(const DateTimeFields& f)
{
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d", f.year, f.month, f.day, f.hour, f.minute,
                  f.second);
    return text;
}

// The value of an optional as JSON: null when empty.
template <typename T>
ordered_json Optional(const std::optional<T>& value)
{
    return value ? ordered_json(*value) : ordered_json(nullptr);
}

ordered_json Row(const SkyEvent& e, const SkyClock& clock)
{
    const bool aspect = e.kind == SkyEvent::Kind::Aspect;
    const bool station = e.kind == SkyEvent::Kind::Station;
    static const char* const kinds[] = {"ingress", "station", "aspect"};
    return {{"time", UtText(e)}, {"local", LocalText(e, clock)}, {"kind", kinds[static_cast<int>(e.kind)]},
        {"body", kBodyKeys[e.body]}, {"other", aspect ? ordered_json(kBodyKeys[e.other]) : ordered_json(nullptr)},
        {"angle", station ? ordered_json(nullptr) : ordered_json(e.angle)},
        {"longitude", std::round(e.longitude * 1e4) / 1e4},
        {"station", station ? ordered_json(e.retrograde ? "retrograde" : "direct") : ordered_json(nullptr)},
        {"applying", Optional(e.applying)}};
}

// A JSON value as a CSV field: numbers as their shortest decimal, null empty.
std::string Field(const ordered_json& value)
{
    return value.is_string() ? value.get<std::string>()
        : value.is_number()  ? DecimalText::Text(value.get<double>())
        : value.is_null()    ? std::string()
                             : value.dump();
}

std::string Capitalised(const std::string& name)
{
    return name.empty() ? name : static_cast<char>(name[0] - 'a' + 'A') + name.substr(1);
}

// Kind, bodies, angle or turn, and the UT minute: the same event keeps its
// UID from run to run.
std::string Uid(const ordered_json& row)
{
    std::string minute;
    for (const char c : row["time"].get<std::string>().substr(0, 16))
        if (c != '-' && c != ':')
            minute += c;
    std::string uid = row["kind"].get<std::string>() + "-" + row["body"].get<std::string>();
    if (!row["other"].is_null())
        uid += "-" + row["other"].get<std::string>();
    uid += "-" + (row["station"].is_null() ? row["angle"].dump() : row["station"].get<std::string>());
    return uid + "-" + minute + "Z@quadrix.events";
}

} // namespace

std::string UtText(const SkyEvent& e) { return IsoText(SkyMotion::MinuteOf(e.time)) + "Z"; }

std::string LocalText(const SkyEvent& e, const SkyClock& clock)
{
    return IsoText(LocalToUniversal::ToLocal(SkyMotion::MinuteOf(e.time), clock.bias, clock.zone, clock.computerZone));
}

std::string Summary(const SkyEvent& e)
{
    const std::string body = Capitalised(kBodyKeys[e.body]);
    if (e.kind == SkyEvent::Kind::Ingress) {
        std::string sign = AstrologyReport::kSignNames[e.angle / 30];
        sign.erase(sign.find_last_not_of(' ') + 1); // the report pads one name
        return body + " enters " + sign;
    }
    if (e.kind == SkyEvent::Kind::Station)
        return body + " stations " + (e.retrograde ? "retrograde" : "direct");
    const std::string text = body + " " + AspectName(e.angle) + " " + Capitalised(kBodyKeys[e.other]);
    return e.applying ? text + (*e.applying ? ", applying" : ", separating") : text;
}

std::string Json(const std::vector<SkyEvent>& events, const SkyClock& clock)
{
    ordered_json rows = ordered_json::array();
    for (const SkyEvent& e : events)
        rows.push_back(Row(e, clock));
    return rows.dump() + '\n';
}

std::string Csv(const std::vector<SkyEvent>& events, const SkyClock& clock)
{
    std::string out = CellTable::kByteOrderMark + CellTable::Row({std::begin(kKeys), std::end(kKeys)});
    for (const SkyEvent& e : events) {
        const ordered_json row = Row(e, clock);
        std::vector<std::string> fields;
        for (const char* key : kKeys)
            fields.push_back(Field(row.at(key)));
        out += CellTable::Row(fields);
    }
    return out;
}

std::string Ics(const std::vector<SkyEvent>& events, const SkyClock& clock, std::int64_t stamp)
{
    std::vector<Icalendar::TimedEvent> entries;
    for (const SkyEvent& e : events) {
        const ordered_json row = Row(e, clock);
        entries.push_back({Uid(row), row["time"], Summary(e),
            "Longitude " + DecimalText::Text(row["longitude"].get<double>()) + ", local time " + row["local"].get<std::string>()});
    }
    return Icalendar::Calendar("-//Quadrix//Events//EN", entries, stamp);
}

} // namespace SkyEventTable
