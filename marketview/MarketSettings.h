#pragma once

#include "PanePainter.h"
#include "Swings.h"

#include <QString>

#include <optional>
#include <string>
#include <utility>

// What a chart file's window showed of the market: the instrument, the
// swing method and the pane's span, style and price axis. Kept in the
// application's settings under the chart file's path, never in the chart
// file, whose bytes stay as they are.
struct MarketFileSettings {
    std::string symbol;
    SwingMethod method;
    std::optional<std::pair<double, double>> span; // the pane's first and last time
    PaneStyle style = PaneStyle::Candles;
    bool log = false;
};

namespace MarketSettings {

// The settings of the files used last are kept, the oldest forgotten.
constexpr int kMaxFiles = 100;

// Nothing for a file never stored, or for a new chart set (empty path).
std::optional<MarketFileSettings> Load(const QString& chartFile);
void Store(const QString& chartFile, const MarketFileSettings& settings);

} // namespace MarketSettings
