#pragma once

#include "Bar.h"
#include "Result.h"
#include "SwingCells.h"

#include <cstdint>
#include <optional>
#include <vector>

// How the angles of a market's swings are measured against one swing.
struct AngleStatsOptions {
    enum class Origin { LowestLow, HighestHigh, Day } origin = Origin::LowestLow;
    std::int64_t originDay = 0; // Origin::Day: a bar time of that day (see Bar)
    double harmonic = 45;       // degrees; hits lie near its multiples
    double orb = 3;             // degrees either side of a multiple
    long long samples = 10000;  // baseline samples
    std::uint64_t seed = 1;
    bool onCloses = false;      // the baseline samples closes, as the swings were found
};

// Hits among n cases against the rate the baseline gives.
struct AngleTally {
    long long swings = 0; // cases that have the angle
    long long hits = 0;
    double rate = 0;         // hits / swings; not a number when there are none
    double baselineRate = 0; // not a number when no sample had the angle
    long long baselineCases = 0; // samples that had the angle
    double pValue = 1;       // P(X >= hits), X binomial (swings, baselineRate)
};

// One swing beside the origin: how far its angles lie from the origin's
// plus a multiple of the harmonic; nothing where either has no such angle.
struct AngleRow {
    Swing swing;
    SwingCell cell;
    std::optional<double> priceDistance;
    std::optional<bool> priceHit;
    std::optional<double> dateDistance;
    std::optional<bool> dateHit;
};

struct AngleStats {
    Swing origin;
    SwingCell originCell;
    AngleTally price;
    AngleTally date;
    std::vector<AngleRow> rows;
};

// Measures every confirmed swing other than the origin against it, price
// angles and date angles apart, and the same measure over random bars of
// the series: each sample draws a bar (the draw modulo the bar count) and
// then a side (the high when the next draw's top bit is set, else the low),
// from std::mt19937_64 seeded with options.seed, so that a seed gives the
// same baseline everywhere. Fails where no swing is the origin.
Result<AngleStats> MeasureAngles(const BarSeries& series, const std::vector<Swing>& swings, CSwingCells& cells,
                                 const AngleStatsOptions& options);

// Distance in degrees from angle a - b to the nearest multiple of harmonic,
// a whole part of 360.
double HarmonicDistance(double a, double b, double harmonic);

// P(X >= k) for X binomial with n trials of probability p, summed in log
// space so that large n neither overflows nor underflows.
double BinomialUpperTail(long long n, long long k, double p);
