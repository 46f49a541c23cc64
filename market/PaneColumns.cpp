#include "PaneColumns.h"

#include "PaneView.h"

#include <algorithm>

CPaneColumns::CPaneColumns(const BarSeries& series)
    : m_series(series), m_size(series.bars.size()), m_highs(2 * m_size), m_lows(2 * m_size)
{
    for (std::size_t i = 0; i < m_size; ++i) {
        m_highs[m_size + i] = series.bars[i].high;
        m_lows[m_size + i] = series.bars[i].low;
    }
    for (std::size_t i = m_size; i-- > 1;) {
        m_highs[i] = std::max(m_highs[2 * i], m_highs[2 * i + 1]);
        m_lows[i] = std::min(m_lows[2 * i], m_lows[2 * i + 1]);
    }
}

std::size_t CPaneColumns::FirstAt(double time) const
{
    const auto& bars = m_series.bars;
    const auto it = std::lower_bound(bars.begin(), bars.end(), time,
                                     [](const Bar& bar, double t) { return static_cast<double>(bar.time) < t; });
    return static_cast<std::size_t>(it - bars.begin());
}

PaneColumn CPaneColumns::Reduce(std::size_t first, std::size_t last) const
{
    PaneColumn column;
    column.bars = last - first;
    column.open = m_series.bars[first].open;
    column.close = m_series.bars[last - 1].close;
    column.high = m_highs[m_size + first];
    column.low = m_lows[m_size + first];
    // Bottom-up over the half-open range of leaves.
    for (std::size_t l = first + m_size, r = last + m_size; l < r; l /= 2, r /= 2) {
        if (l & 1) {
            column.high = std::max(column.high, m_highs[l]);
            column.low = std::min(column.low, m_lows[l]);
            ++l;
        }
        if (r & 1) {
            --r;
            column.high = std::max(column.high, m_highs[r]);
            column.low = std::min(column.low, m_lows[r]);
        }
    }
    return column;
}

std::vector<PaneColumn> CPaneColumns::Columns(const CPaneView& view) const
{
    const Rect& rc = view.GetRect();
    std::vector<PaneColumn> columns(static_cast<std::size_t>(std::max(rc.Width(), 0)));
    std::size_t first = FirstAt(view.TimeOfX(rc.left));
    for (std::size_t c = 0; c < columns.size() && first < m_size; ++c) {
        const std::size_t last = FirstAt(view.TimeOfX(rc.left + static_cast<double>(c) + 1));
        if (last > first)
            columns[c] = Reduce(first, last);
        first = std::max(first, last);
    }
    return columns;
}
