#include "PaneColumns.h"

#include "PaneView.h"

#include <algorithm>

CPaneColumns::CPaneColumns(const BarSeries& series)
    : m_series(series), m_size(series.bars.size()), m_times(m_size), m_tree(2 * m_size)
{
    for (std::size_t i = 0; i < m_size; ++i) {
        m_times[i] = static_cast<double>(series.bars[i].time);
        m_tree[m_size + i] = {series.bars[i].high, series.bars[i].low};
    }
    for (std::size_t i = m_size; i-- > 1;)
        m_tree[i] = {std::max(m_tree[2 * i].high, m_tree[2 * i + 1].high),
                     std::min(m_tree[2 * i].low, m_tree[2 * i + 1].low)};
}

std::size_t CPaneColumns::FirstAt(double time) const
{
    return static_cast<std::size_t>(std::lower_bound(m_times.begin(), m_times.end(), time) - m_times.begin());
}

std::size_t CPaneColumns::FirstAtFrom(double time, std::size_t from) const
{
    std::size_t step = 1;
    std::size_t high = from;
    while (high < m_size && m_times[high] < time) {
        from = high;
        high += step;
        step *= 2;
    }
    high = std::min(high, m_size);
    const auto begin = m_times.begin();
    return static_cast<std::size_t>(std::lower_bound(begin + static_cast<std::ptrdiff_t>(from),
                                                     begin + static_cast<std::ptrdiff_t>(high), time) - begin);
}

PaneColumn CPaneColumns::Reduce(std::size_t first, std::size_t last) const
{
    PaneColumn column;
    column.bars = last - first;
    column.open = m_series.bars[first].open;
    column.close = m_series.bars[last - 1].close;
    column.high = m_tree[m_size + first].high;
    column.low = m_tree[m_size + first].low;
    const auto take = [&column](const Extremes& e) {
        column.high = std::max(column.high, e.high);
        column.low = std::min(column.low, e.low);
    };
    // Bottom-up over the half-open range of leaves.
    for (std::size_t l = first + m_size, r = last + m_size; l < r; l /= 2, r /= 2) {
        if (l & 1)
            take(m_tree[l++]);
        if (r & 1)
            take(m_tree[--r]);
    }
    return column;
}

std::vector<PaneColumn> CPaneColumns::Columns(const CPaneView& view) const
{
    const Rect& rc = view.GetRect();
    std::vector<PaneColumn> columns(static_cast<std::size_t>(std::max(rc.Width(), 0)));
    std::size_t first = FirstAt(view.TimeOfX(rc.left));
    for (std::size_t c = 0; c < columns.size() && first < m_size; ++c) {
        const std::size_t last = FirstAtFrom(view.TimeOfX(rc.left + static_cast<double>(c) + 1), first);
        if (last > first)
            columns[c] = Reduce(first, last);
        first = std::max(first, last);
    }
    return columns;
}
