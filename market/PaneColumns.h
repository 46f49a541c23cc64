#pragma once

#include "Bar.h"

#include <cstddef>
#include <vector>

class CPaneView;

// What one pixel column of the pane shows: the bars whose times fall in it,
// reduced to the highest high, the lowest low, the first bar's open and the
// last bar's close. A column no bar falls in is empty.
struct PaneColumn {
    double high = 0;
    double low = 0;
    double open = 0;
    double close = 0;
    std::size_t bars = 0;

    bool Empty() const { return bars == 0; }
};

// A series ready to be drawn column by column: the highs and lows kept in a
// tree of ranges, built once in O(bars), so that a paint costs
// O(columns log bars) whatever the number of bars it covers. A pan or zoom
// rebuilds nothing. The series must outlive it and stay unchanged.
class CPaneColumns {
public:
    explicit CPaneColumns(const BarSeries& series);

    const BarSeries& Series() const { return m_series; }
    // One column per pixel of the view's rectangle, left to right.
    std::vector<PaneColumn> Columns(const CPaneView& view) const;
    // The first bar at or after time (the bar count when none).
    std::size_t FirstAt(double time) const;
    // The bars from first up to last (first < last <= the bar count) as one
    // column, in the log of their number.
    PaneColumn Reduce(std::size_t first, std::size_t last) const;

private:
    // FirstAt searched from bar from on (at or before the answer): a
    // gallop, so that neighbouring columns cost the log of their own bars.
    std::size_t FirstAtFrom(double time, std::size_t from) const;

    const BarSeries& m_series;
    std::size_t m_size = 0;
    // The bars' times alone, packed for the searches.
    std::vector<double> m_times;
    // Each node's highest high and lowest low side by side, as a query reads
    // them together: leaves at [size, 2 size), each inner node the extremes
    // of its two children.
    struct Extremes {
        double high;
        double low;
    };
    std::vector<Extremes> m_tree;
};
