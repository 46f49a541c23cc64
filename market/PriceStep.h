#pragma once

#include <optional>

// The price step that carries a chart's cells from its start price up to
// high: the smallest of 1, 2, 2.5 and 5 times a power of ten that is at
// least (high - start) / (cells - 1), so that cell labels stay round.
// Nothing when high is not above start, a value is not finite or the chart
// has fewer than two cells.
std::optional<double> ProposedPriceStep(double start, double high, long long cells);
