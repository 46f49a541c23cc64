#include "ChartSetJson.h"

#include "ChartFields.h"
#include "ChartMath.h"
#include "ChartKinds.h"
#include "ChartSlots.h"

#include <nlohmann/json.hpp>

#include <cmath>
#include <limits>
#include <set>
#include <stdexcept>

namespace {

using json = nlohmann::ordered_json;

// --- Chart to JSON ---------------------------------------------------------

json Value(int v) { return v; }
json Value(std::int64_t v) { return v; }
json Value(bool v) { return v; }
json Value(unsigned v) { return v; }
json Value(unsigned char v) { return static_cast<unsigned>(v); }
json Value(const std::string& v) { return v; }

json Value(float v) { return ShortestDecimal(v); }

template <class Key, class Record>
json Entry(const char* keyName, const Key& key, const Record& record)
{
    json entry;
    entry[keyName] = Value(key);
    VisitFields(record, [&](const char* name, const auto& member) { entry[name] = Value(member); });
    return entry;
}

template <class Container>
json Entries(const char* keyName, const Container& container)
{
    json entries = json::array();
    for (const auto& [key, record] : container)
        entries.push_back(Entry(keyName, key, record));
    return entries;
}

json Value(const std::map<int, Cell_Style>& cells) { return Entries("cell", cells); }
json Value(const std::multimap<std::string, CLine>& lines) { return Entries("key", lines); }
json Value(const std::multimap<int, Comments>& notes) { return Entries("cell", notes); }

json ChartJson(const CBaseDraw& chart, unsigned version)
{
    json j;
    j["version"] = version;
    const auto put = [&](const char* name, const auto& member) { j[name] = Value(member); };
    VisitLeadingFields(chart, put);
    VisitContainers(chart, put);
    VisitTrailingFields(chart, put);
    return j;
}

// --- JSON to chart ---------------------------------------------------------

[[noreturn]] void Fail(const std::string& where, const std::string& what)
{
    throw std::runtime_error(where + ": " + what);
}

template <class T>
void ReadInteger(const json& j, T& out, const std::string& where)
{
    using Limits = std::numeric_limits<T>;
    if (j.is_number_unsigned() && j.get<std::uint64_t>() <= static_cast<std::uint64_t>(Limits::max())) {
        out = static_cast<T>(j.get<std::uint64_t>());
        return;
    }
    if (j.is_number_integer() && !j.is_number_unsigned()) {
        const std::int64_t v = j.get<std::int64_t>();
        if (v >= static_cast<std::int64_t>(Limits::min()) && v <= static_cast<std::int64_t>(Limits::max())) {
            out = static_cast<T>(v);
            return;
        }
    }
    Fail(where, "expected a whole number from " + std::to_string(+Limits::min()) + " to "
            + std::to_string(+Limits::max()));
}

void Read(const json& j, int& v, const std::string& where) { ReadInteger(j, v, where); }
void Read(const json& j, std::int64_t& v, const std::string& where) { ReadInteger(j, v, where); }
void Read(const json& j, unsigned& v, const std::string& where) { ReadInteger(j, v, where); }
void Read(const json& j, unsigned char& v, const std::string& where) { ReadInteger(j, v, where); }

void Read(const json& j, bool& v, const std::string& where)
{
    if (!j.is_boolean())
        Fail(where, "expected true or false");
    v = j.get<bool>();
}

void Read(const json& j, float& v, const std::string& where)
{
    const double d = j.is_number() ? j.get<double>() : NAN;
    if (!std::isfinite(d) || std::fabs(d) > std::numeric_limits<float>::max())
        Fail(where, "expected a number within the range of a 32-bit float");
    v = static_cast<float>(d);
}

void Read(const json& j, std::string& v, const std::string& where)
{
    if (!j.is_string())
        Fail(where, "expected a string");
    v = j.get<std::string>();
}

void Read(const json& j, std::map<int, Cell_Style>& cells, const std::string& where);
void Read(const json& j, std::multimap<std::string, CLine>& lines, const std::string& where);
void Read(const json& j, std::multimap<int, Comments>& notes, const std::string& where);

// Reads the members that a visitor names from a JSON object; absent ones
// keep their values. Keys that no visited member claims are refused.
class ObjectReader {
public:
    ObjectReader(const json& j, std::string where)
        : m_json(j)
        , m_where(std::move(where))
    {
        if (!m_json.is_object())
            Fail(m_where, "expected an object");
    }

    template <class T>
    void operator()(const char* name, T& member)
    {
        m_known.insert(name);
        const auto it = m_json.find(name);
        if (it != m_json.end())
            Read(*it, member, m_where + "." + name);
    }

    bool Has(const char* name) const { return m_json.contains(name); }

    void CheckKeys() const
    {
        for (const auto& item : m_json.items())
            if (!m_known.count(item.key()))
                Fail(m_where, "unknown key \"" + item.key() + "\"");
    }

private:
    const json& m_json;
    std::string m_where;
    std::set<std::string> m_known;
};

template <class Key, class Record>
std::pair<Key, Record> ReadEntry(const json& j, const char* keyName, const std::string& where)
{
    ObjectReader reader(j, where);
    std::pair<Key, Record> entry;
    VisitFields(entry.second, reader);
    reader(keyName, entry.first);
    if (!reader.Has(keyName)) {
        // A line's key is the text of its start and end cells.
        if constexpr (std::is_same_v<Record, CLine>)
            entry.first = std::to_string(entry.second.m_nStartCell) + "/" + std::to_string(entry.second.m_nEndCell);
        else
            Fail(where, std::string("missing \"") + keyName + "\"");
    }
    reader.CheckKeys();
    return entry;
}

// A map refuses a second entry for a cell; a multimap keeps both in order.
template <class Key, class Record>
void Insert(std::map<Key, Record>& map, std::pair<Key, Record> entry, const std::string& where)
{
    if (!map.insert(std::move(entry)).second)
        Fail(where, "a second entry for the same cell");
}
template <class Key, class Record>
void Insert(std::multimap<Key, Record>& map, std::pair<Key, Record> entry, const std::string&)
{
    map.insert(std::move(entry));
}

template <class Container>
void ReadEntries(const json& j, const char* keyName, Container& container, const std::string& where)
{
    using Key = std::remove_const_t<typename Container::key_type>;
    using Record = typename Container::mapped_type;
    if (!j.is_array())
        Fail(where, "expected an array");
    container.clear();
    for (std::size_t i = 0; i < j.size(); ++i) {
        const std::string at = where + "[" + std::to_string(i) + "]";
        Insert(container, ReadEntry<Key, Record>(j[i], keyName, at), at);
    }
}

void Read(const json& j, std::map<int, Cell_Style>& cells, const std::string& where)
{
    ReadEntries(j, "cell", cells, where);
}
void Read(const json& j, std::multimap<std::string, CLine>& lines, const std::string& where)
{
    ReadEntries(j, "key", lines, where);
}
void Read(const json& j, std::multimap<int, Comments>& notes, const std::string& where)
{
    ReadEntries(j, "cell", notes, where);
}

void ReadChart(const json& j, CBaseDraw& chart, const std::string& where)
{
    ObjectReader reader(j, where);
    VisitLeadingFields(chart, reader);
    VisitContainers(chart, reader);
    VisitTrailingFields(chart, reader);
    unsigned version = CChartSlots::kCurrentBaseVersion;
    reader("version", version);
    if (version > CChartSlots::kCurrentBaseVersion)
        Fail(where + ".version", "chart files hold version 0 or 1");
    reader.CheckKeys();
}

void ReadSlots(const json& top, CChartSlots& charts)
{
    if (!top.is_object())
        Fail("chart set", "expected an object");
    for (const auto& item : top.items()) {
        const ChartKind* kind = FindChartKind(item.key());
        if (!kind)
            Fail("chart set", "unknown key \"" + item.key() + "\"");
        if (!item.value().is_null())
            ReadChart(item.value(), charts.Ensure(kind->code), item.key());
    }
}

} // namespace

namespace ChartSetJson {

std::string ToText(const CChartSlots& charts)
{
    json top;
    for (const ChartKind& kind : ChartKinds()) {
        const CBaseDraw* chart = charts.Chart(kind.code);
        top[kind.name] = chart ? ChartJson(*chart, charts.BaseVersion(kind.code)) : json();
    }
    return top.dump(2, ' ', false, json::error_handler_t::replace) + "\n";
}

Result<CChartSlots> FromText(const std::string& text)
{
    CChartSlots charts;
    try {
        ReadSlots(json::parse(text), charts);
    } catch (const std::exception& e) {
        return Failure {e.what()};
    }
    return Result<CChartSlots>(std::move(charts));
}

} // namespace ChartSetJson
