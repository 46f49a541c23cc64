#include "AngleStats.h"

#include "BarTime.h"
#include "Swings.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

bool SameDay(std::int64_t a, std::int64_t b) { return BarDayNumber(a) == BarDayNumber(b); }

Result<Swing> OriginOf(const std::vector<Swing>& swings, const AngleStatsOptions& o)
{
    const Swing* origin = nullptr;
    for (const Swing& s : swings) {
        if (!s.confirmed)
            continue;
        const bool better = o.origin == AngleStatsOptions::Origin::LowestLow
            ? s.kind == Swing::Kind::Low && (!origin || s.price < origin->price)
            : o.origin == AngleStatsOptions::Origin::HighestHigh
            ? s.kind == Swing::Kind::High && (!origin || s.price > origin->price)
            : !origin && SameDay(s.time, o.originDay);
        origin = better ? &s : origin;
    }
    if (origin)
        return *origin;
    switch (o.origin) {
    case AngleStatsOptions::Origin::LowestLow: return Failure{"no confirmed swing low to measure from"};
    case AngleStatsOptions::Origin::HighestHigh: return Failure{"no confirmed swing high to measure from"};
    case AngleStatsOptions::Origin::Day: break;
    }
    return Failure{"no confirmed swing on " + BarTime::Text(o.originDay, false) + " to measure from"};
}

// The distance of an angle from the origin's harmonics, where both exist.
std::optional<double> DistanceOf(const std::optional<double>& angle, const std::optional<double>& origin,
                                 double harmonic)
{
    if (!angle || !origin)
        return std::nullopt;
    return HarmonicDistance(*angle, *origin, harmonic);
}

// Counts of cases with an angle and hits among them.
struct Count {
    long long cases = 0;
    long long hits = 0;

    // Counts one case, and says whether it is a hit.
    std::optional<bool> Add(const std::optional<double>& distance, double orb)
    {
        if (!distance)
            return std::nullopt;
        ++cases;
        const bool hit = *distance <= orb;
        hits += hit ? 1 : 0;
        return hit;
    }
    double Rate() const { return cases > 0 ? static_cast<double>(hits) / cases : kNaN; }
};

AngleTally TallyOf(const Count& swings, const Count& baseline)
{
    AngleTally tally;
    tally.swings = swings.cases;
    tally.hits = swings.hits;
    tally.rate = swings.Rate();
    tally.baselineRate = baseline.Rate();
    tally.baselineCases = baseline.cases;
    tally.pValue = BinomialUpperTail(swings.cases, swings.hits, tally.baselineRate);
    return tally;
}

// The baseline's price and date counts over random bars of the series.
std::pair<Count, Count> Baseline(const BarSeries& series, CSwingCells& cells, const SwingCell& origin,
                                 const AngleStatsOptions& o)
{
    std::pair<Count, Count> counts;
    const std::uint64_t n = series.bars.size();
    std::mt19937_64 random(o.seed);
    for (long long k = 0; n > 0 && k < o.samples; ++k) {
        const Bar& bar = series.bars[random() % n];
        const bool high = (random() >> 63) != 0;
        const double price = o.onCloses ? bar.close : high ? bar.high : bar.low;
        const SwingCell cell = cells.Of(price, bar.time);
        counts.first.Add(DistanceOf(cell.priceAngle, origin.priceAngle, o.harmonic), o.orb);
        counts.second.Add(DistanceOf(cell.dateAngle, origin.dateAngle, o.harmonic), o.orb);
    }
    return counts;
}

} // namespace

double HarmonicDistance(double a, double b, double harmonic)
{
    const double r = std::fmod(std::fabs(a - b), harmonic);
    return std::min(r, harmonic - r);
}

double BinomialUpperTail(long long n, long long k, double p)
{
    if (k <= 0)
        return 1.0;
    if (std::isnan(p))
        return kNaN;
    if (p >= 1.0)
        return 1.0;
    if (k > n || p <= 0.0)
        return 0.0;
    const double logP = std::log(p);
    const double logQ = std::log1p(-p);
    const double logN = std::lgamma(static_cast<double>(n) + 1.0);
    const auto logTerm = [&](long long j) {
        const double jd = static_cast<double>(j);
        const double rest = static_cast<double>(n - j);
        return logN - std::lgamma(jd + 1.0) - std::lgamma(rest + 1.0) + jd * logP + rest * logQ;
    };
    double largest = -HUGE_VAL;
    for (long long j = k; j <= n; ++j)
        largest = std::max(largest, logTerm(j));
    double sum = 0.0;
    for (long long j = k; j <= n; ++j)
        sum += std::exp(logTerm(j) - largest);
    return std::min(1.0, std::exp(largest + std::log(sum)));
}

Result<AngleStats> MeasureAngles(const BarSeries& series, const std::vector<Swing>& swings, CSwingCells& cells,
                                 const AngleStatsOptions& o)
{
    const Result<Swing> origin = OriginOf(swings, o);
    if (!origin.Ok())
        return Failure{origin.Message()};
    AngleStats stats;
    stats.origin = origin.Value();
    stats.originCell = cells.Of(stats.origin);
    Count price;
    Count date;
    for (const Swing& s : swings) {
        if (!s.confirmed || (s.index == stats.origin.index && s.kind == stats.origin.kind))
            continue;
        AngleRow row;
        row.swing = s;
        row.cell = cells.Of(s);
        row.priceDistance = DistanceOf(row.cell.priceAngle, stats.originCell.priceAngle, o.harmonic);
        row.priceHit = price.Add(row.priceDistance, o.orb);
        row.dateDistance = DistanceOf(row.cell.dateAngle, stats.originCell.dateAngle, o.harmonic);
        row.dateHit = date.Add(row.dateDistance, o.orb);
        stats.rows.push_back(row);
    }
    const auto [priceBaseline, dateBaseline] = Baseline(series, cells, stats.originCell, o);
    stats.price = TallyOf(price, priceBaseline);
    stats.date = TallyOf(date, dateBaseline);
    return stats;
}
