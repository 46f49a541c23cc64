#pragma once

#include "Clusters.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

struct Swing;

// The clusters of a market's projected dates as the command line prints
// them and the window exports them, built whole in memory so that a caller
// writes all of it or nothing. swings are those the projections index.
namespace ClusterTable {

// A day from 1970-01-01 as YYYY-MM-DD.
std::string DayText(std::int64_t day);
// "high" or "low".
const char* KindName(const Swing& swing);
// A projection as words: "2024-01-31 high calendar 30 2024-03-01".
std::string ProjectionText(const Projection& projection, const std::vector<Swing>& swings);
// The swings of a cluster, each once, oldest first, as "2024-01-31 high".
std::vector<std::string> SwingNames(const Cluster& cluster, const std::vector<Swing>& swings);

// A JSON array, one object per cluster (date, score, methods and its
// projections as objects: swing, kind, method, count, date), with a line end.
std::string Json(const std::vector<Cluster>& clusters, const std::vector<Swing>& swings);
// CSV headed by the same keys, a cluster's projections in one field as
// words joined by "; ".
std::string Csv(const std::vector<Cluster>& clusters, const std::vector<Swing>& swings);
// A calendar of one all-day event per cluster, its summary the symbol, the
// score and the swings, its description the projections. The UID follows
// from the symbol, the day and the swings, so that importing the clusters
// again updates them; stamp (seconds since 1970 UTC) is every DTSTAMP.
// Nothing without clusters: a calendar holds at least one event.
std::optional<std::string> Ics(const std::string& symbol, const std::vector<Cluster>& clusters,
                               const std::vector<Swing>& swings, std::int64_t stamp);

} // namespace ClusterTable
