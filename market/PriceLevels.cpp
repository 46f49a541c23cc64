#include "PriceLevels.h"

#include <cmath>
#include <cstdio>

std::vector<PriceLevel> PlanetPriceLevels(const std::vector<PlanetLongitude>& planets, double scale, double low,
                                          double high, std::size_t limit)
{
    std::vector<PriceLevel> levels;
    if (!(scale > 0) || !(high >= low))
        return levels;
    const double turn = 360 * scale;
    for (const PlanetLongitude& planet : planets) {
        const double base = planet.longitude * scale;
        const double first = std::ceil((low - base) / turn);
        const double last = std::floor((high - base) / turn);
        if (last < first || last - first + 1 > static_cast<double>(limit))
            continue;
        char label[64];
        std::snprintf(label, sizeof label, "%s %.1f\xC2\xB0", planet.name.c_str(), planet.longitude);
        for (double k = first; k <= last; ++k)
            levels.push_back({base + k * turn, label});
    }
    return levels;
}
