#pragma once

#include "Swing.h"

#include <cstddef>
#include <optional>
#include <utility>
#include <vector>

class CBaseDraw;
class CDrawSurface;
struct ChartKind;

// A market's swings marked over a painted chart: each swing's price cell in
// a ring of its own colour (warm for highs, cool for lows) with its day in
// small type, optionally its date cell in a dotted ring of the same colour,
// and a tick of that colour on the calendar ring where the chart shows one.
// The master chart's cells stand at no angle and no day: price cells only.
// Display state: nothing of it goes into a chart or its history.
class CSwingMarks {
public:
    void SetSwings(std::vector<Swing> swings) { m_swings = std::move(swings); }
    void ShowDateCells(bool show) { m_dateCells = show; }
    const std::vector<Swing>& Swings() const { return m_swings; }

    // Draws the marks over chart, laid out as kind, in lines of the same
    // width on the screen at any zoom; a swing whose price or day lies off
    // the chart has no mark there.
    void Draw(CBaseDraw& chart, const ChartKind& kind, CDrawSurface& dc) const;

    // The latest swing whose price cell is cell, as the marks place it on
    // chart: a click on its ring chooses it.
    std::optional<std::size_t> SwingAtCell(CBaseDraw& chart, const ChartKind& kind, int cell) const;

private:
    std::vector<Swing> m_swings;
    bool m_dateCells = false;
};
