#pragma once

#include <cstddef>
#include <string>
#include <vector>

// A body's ecliptic longitude, named as the pane labels it.
struct PlanetLongitude {
    std::string name;
    double longitude = 0; // degrees
};

// A horizontal line of the pane at a price, with its label.
struct PriceLevel {
    double price = 0;
    std::string label;
};

// The planetary price lines within [low, high]: each longitude times scale
// plus every whole number of turns (360 times scale) that lands in the
// range, by planet, then price. A planet with more than limit lines in the
// range has none there: so many lines would hide the bars, not mark prices.
std::vector<PriceLevel> PlanetPriceLevels(const std::vector<PlanetLongitude>& planets, double scale, double low,
                                          double high, std::size_t limit);
