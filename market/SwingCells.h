#pragma once

#include "Swing.h"

#include <cstdint>
#include <optional>
#include <unordered_map>
#include <vector>

class CBaseDraw;
struct ChartKind;

// Where a swing stands on a chart: the cell of its price and the first cell
// of its day, each with its angle about the chart's centre. Any of them may
// be missing: a price beyond the chart's prices, a day off its calendar, a
// kind whose cells stand at no angles (the master chart), the centre cell's
// angle.
struct SwingCell {
    std::optional<int> priceCell;
    std::optional<double> priceAngle;
    std::optional<int> dateCell;
    std::optional<double> dateAngle;
};

// Places prices and bar days on one chart (laid out, as find and targets
// need it), finding cells as find does and their angles as the cell facts
// give them. It remembers the cells of days and the angles of cells, since
// a baseline asks for the same ones many times.
class CSwingCells {
public:
    CSwingCells(CBaseDraw& chart, const ChartKind& kind);

    SwingCell Of(const Swing& swing) { return Of(swing.price, swing.time); }
    // A price and the day of a bar time (see Bar).
    SwingCell Of(double price, std::int64_t time);
    // Whether the chart's cells stand at angles at all.
    bool HasAngles() const { return m_hasAngles; }

private:
    std::optional<int> PriceCell(double price);
    std::optional<int> DateCell(std::int64_t day);
    std::optional<double> Angle(const std::optional<int>& cell);

    CBaseDraw& m_chart;
    const ChartKind& m_kind;
    bool m_hasAngles;
    std::unordered_map<std::int64_t, std::optional<int>> m_dayCells;
    std::unordered_map<int, std::optional<double>> m_angles;
};
