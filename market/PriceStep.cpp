#include "PriceStep.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

// A product of a mantissa and a power of ten as the decimal it names (0.3,
// not 0.30000000000000004).
double Decimal(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.12g", value);
    return std::strtod(text, nullptr);
}

} // namespace

std::optional<double> ProposedPriceStep(double start, double high, long long cells)
{
    if (cells < 2 || !std::isfinite(start) || !std::isfinite(high) || high <= start)
        return std::nullopt;
    const double least = (high - start) / static_cast<double>(cells - 1);
    if (!std::isfinite(least) || least <= 0)
        return std::nullopt;
    const double power = std::pow(10.0, std::floor(std::log10(least)));
    // Ten closes the list for a logarithm that fell just short of a whole power.
    for (const double mantissa : {1.0, 2.0, 2.5, 5.0, 10.0}) {
        const double step = Decimal(mantissa * power);
        if (step >= least)
            return step;
    }
    return Decimal(10 * power);
}
