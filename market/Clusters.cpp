#include "Clusters.h"

#include <algorithm>
#include <tuple>
#include <utility>

namespace {

// Distinct swings in the window of each day lo..hi, swept once over the
// sorted projections.
std::vector<int> SwingsPerWindow(const std::vector<Projection>& projections, int window, std::int64_t lo,
                                 std::int64_t hi)
{
    std::size_t swings = 0;
    for (const Projection& p : projections)
        swings = std::max(swings, p.swing + 1);
    std::vector<int> held(swings, 0);
    std::vector<int> counts;
    counts.reserve(static_cast<std::size_t>(hi - lo + 1));
    int distinct = 0;
    std::size_t in = 0, out = 0;
    for (std::int64_t day = lo; day <= hi; ++day) {
        for (; in < projections.size() && projections[in].day <= day + window; ++in)
            distinct += held[projections[in].swing]++ == 0;
        for (; out < projections.size() && projections[out].day < day - window; ++out)
            distinct -= --held[projections[out].swing] == 0;
        counts.push_back(distinct);
    }
    return counts;
}

// Whether the day at index i of counts stands for its window: two swings
// or more, none more about it, none as many before it.
bool StandsOut(const std::vector<int>& counts, std::size_t i, int window)
{
    if (counts[i] < 2)
        return false;
    const std::size_t begin = i >= static_cast<std::size_t>(window) ? i - window : 0;
    const std::size_t end = std::min(counts.size(), i + window + 1);
    for (std::size_t j = begin; j < end; ++j)
        if (counts[j] > counts[i] || (counts[j] == counts[i] && j < i))
            return false;
    return true;
}

Cluster ClusterOn(const std::vector<Projection>& projections, std::int64_t day, int window, int score)
{
    const auto before = [](const Projection& p, std::int64_t d) { return p.day < d; };
    const auto begin = std::lower_bound(projections.begin(), projections.end(), day - window, before);
    const auto end = std::lower_bound(begin, projections.end(), day + window + 1, before);
    Cluster cluster{day, score, 0, {begin, end}};
    bool seen[kProjectionMethods] = {};
    for (const Projection& p : cluster.projections)
        cluster.methods += !std::exchange(seen[static_cast<int>(p.method)], true);
    return cluster;
}

} // namespace

std::vector<Cluster> FindClusters(const std::vector<Projection>& projections, int window, std::int64_t first,
                                  std::int64_t last)
{
    std::vector<Cluster> clusters;
    if (projections.empty())
        return clusters;
    const std::int64_t lo = std::max(first, projections.front().day - window) - window;
    const std::int64_t hi = std::min(last, projections.back().day + window) + window;
    if (lo > hi)
        return clusters;
    const std::vector<int> counts = SwingsPerWindow(projections, window, lo, hi);
    for (std::int64_t day = lo + window; day <= hi - window; ++day)
        if (StandsOut(counts, static_cast<std::size_t>(day - lo), window))
            clusters.push_back(ClusterOn(projections, day, window, counts[static_cast<std::size_t>(day - lo)]));
    std::sort(clusters.begin(), clusters.end(), [](const Cluster& a, const Cluster& b) {
        return std::make_tuple(-a.score, -a.methods, a.day) < std::make_tuple(-b.score, -b.methods, b.day);
    });
    return clusters;
}
