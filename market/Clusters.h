#pragma once

#include "Projections.h"

#include <cstdint>
#include <vector>

// A day on which projections from several swings agree.
struct Cluster {
    std::int64_t day = 0; // from 1970-01-01
    int score = 0;        // distinct swings among its projections
    int methods = 0;      // distinct methods among them
    std::vector<Projection> projections; // those within the window of day, as given
};

// The clusters of projections (sorted by day, as ProjectDates gives them)
// on the days first..last. A day D's window is D - window .. D + window. D
// is a cluster when its window holds projections of two swings or more and
// no day of that window holds more swings in its own window, nor as many
// before D (the earliest of equal neighbours stands for them). With window
// 0 that is every day on which two swings' projections fall. Near the ends
// the neighbours' windows reach 2 window days beyond first and last: the
// projections should cover them. Listed by score, then methods (most
// first), then day.
std::vector<Cluster> FindClusters(const std::vector<Projection>& projections, int window, std::int64_t first,
                                  std::int64_t last);
