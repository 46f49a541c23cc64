#include "ClusterTable.h"

#include "BarTime.h"
#include "CellTable.h"
#include "DecimalText.h"
#include "Icalendar.h"
#include "Swing.h"

#include <nlohmann/json.hpp>

#include <cinttypes>
#include <cmath>
#include <cstdio>
#include <set>

namespace ClusterTable {
namespace {

using nlohmann::ordered_json;

ordered_json Count(double count)
{
    return count == std::floor(count) ? ordered_json(static_cast<long long>(count)) : ordered_json(count);
}

ordered_json ProjectionJson(const Projection& p, const std::vector<Swing>& swings)
{
    const Swing& s = swings[p.swing];
    return {{"swing", BarTime::Text(s.time, false)}, {"kind", KindName(s)}, {"method", MethodName(p.method)},
            {"count", Count(p.count)}, {"date", DayText(p.day)}};
}

std::string Joined(const std::vector<std::string>& parts, const char* between)
{
    std::string text;
    for (const std::string& part : parts)
        text += (text.empty() ? "" : between) + part;
    return text;
}

std::vector<std::string> ProjectionTexts(const Cluster& c, const std::vector<Swing>& swings)
{
    std::vector<std::string> texts;
    for (const Projection& p : c.projections)
        texts.push_back(ProjectionText(p, swings));
    return texts;
}

// FNV-1a: the same text gives the same UID on every platform and run.
std::string Hash(const std::string& text)
{
    std::uint64_t h = 14695981039346656037ULL;
    for (const unsigned char c : text)
        h = (h ^ c) * 1099511628211ULL;
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016" PRIx64, h);
    return hex;
}

} // namespace

std::string DayText(std::int64_t day) { return BarTime::Text(day * BarTime::kSecondsPerDay, false); }

const char* KindName(const Swing& swing) { return swing.kind == Swing::Kind::High ? "high" : "low"; }

std::string ProjectionText(const Projection& p, const std::vector<Swing>& swings)
{
    const Swing& s = swings[p.swing];
    return BarTime::Text(s.time, false) + " " + KindName(s) + " " + MethodName(p.method) + " " +
        DecimalText::Text(p.count) + " " + DayText(p.day);
}

std::vector<std::string> SwingNames(const Cluster& c, const std::vector<Swing>& swings)
{
    std::set<std::size_t> indices;
    for (const Projection& p : c.projections)
        indices.insert(p.swing);
    std::vector<std::string> names;
    for (const std::size_t i : indices)
        names.push_back(BarTime::Text(swings[i].time, false) + " " + KindName(swings[i]));
    return names;
}

std::string Json(const std::vector<Cluster>& clusters, const std::vector<Swing>& swings)
{
    ordered_json rows = ordered_json::array();
    for (const Cluster& c : clusters) {
        ordered_json projections = ordered_json::array();
        for (const Projection& p : c.projections)
            projections.push_back(ProjectionJson(p, swings));
        rows.push_back({{"date", DayText(c.day)}, {"score", c.score}, {"methods", c.methods},
                        {"projections", projections}});
    }
    return rows.dump() + '\n';
}

std::string Csv(const std::vector<Cluster>& clusters, const std::vector<Swing>& swings)
{
    std::string out = CellTable::kByteOrderMark + CellTable::Row({"date", "score", "methods", "projections"});
    for (const Cluster& c : clusters)
        out += CellTable::Row({DayText(c.day), std::to_string(c.score), std::to_string(c.methods),
                               Joined(ProjectionTexts(c, swings), "; ")});
    return out;
}

std::optional<std::string> Ics(const std::string& symbol, const std::vector<Cluster>& clusters,
                               const std::vector<Swing>& swings, std::int64_t stamp)
{
    if (clusters.empty())
        return std::nullopt;
    std::vector<Icalendar::DayEvent> events;
    for (const Cluster& c : clusters) {
        const std::string day = DayText(c.day);
        const std::vector<std::string> names = SwingNames(c, swings);
        events.push_back({symbol + "_" + day + "_" + Hash(Joined(names, ",")) + "@quadrix.clusters", day,
                          symbol + " cluster, score " + std::to_string(c.score) + " (" + std::to_string(c.methods) +
                              " methods): " + Joined(names, ", "),
                          Joined(ProjectionTexts(c, swings), "\n")});
    }
    return Icalendar::Calendar("-//Quadrix//Clusters//EN", events, stamp);
}

} // namespace ClusterTable
