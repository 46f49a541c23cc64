#include "PaneView.h"

#include "PaneColumns.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kPriceMargin = 0.05;

} // namespace

void CPaneView::SetTimes(double first, double last)
{
    m_first = first;
    m_last = std::max(last, first + kMinSpan);
}

void CPaneView::SetPrices(double low, double high)
{
    if (!(high > low)) {
        // One price alone still needs a span to place it in the middle.
        const double half = low != 0 ? std::abs(low) * kPriceMargin : 1;
        high = low + half;
        low -= half;
    }
    m_low = low;
    m_high = high;
}

double CPaneView::PriceScale(double price) const { return IsLog() ? std::log(price) : price; }

double CPaneView::ScaledPrice(double value) const { return IsLog() ? std::exp(value) : value; }

double CPaneView::XOfTime(double time) const
{
    return m_rc.left + (time - m_first) / (m_last - m_first) * m_rc.Width();
}

double CPaneView::TimeOfX(double x) const
{
    return m_first + (x - m_rc.left) / m_rc.Width() * (m_last - m_first);
}

double CPaneView::YOfPrice(double price) const
{
    const double top = PriceScale(m_high);
    const double bottom = PriceScale(m_low);
    return m_rc.top + (top - PriceScale(price)) / (top - bottom) * m_rc.Height();
}

double CPaneView::PriceOfY(double y) const
{
    const double top = PriceScale(m_high);
    const double bottom = PriceScale(m_low);
    return ScaledPrice(top - (y - m_rc.top) / m_rc.Height() * (top - bottom));
}

double CPaneView::Slot(const BarSeries& series)
{
    if (series.bars.size() < 2)
        return kMinSpan;
    const double first = static_cast<double>(series.bars.front().time);
    const double last = static_cast<double>(series.bars.back().time);
    return (last - first) / static_cast<double>(series.bars.size() - 1);
}

std::optional<std::size_t> CPaneView::SwingAt(const std::vector<Swing>& swings, double x, double y,
                                              double reach) const
{
    std::optional<std::size_t> nearest;
    double best = reach * reach;
    for (std::size_t i = 0; i < swings.size(); ++i) {
        const double t = static_cast<double>(swings[i].time);
        if (t < m_first || t >= m_last)
            continue;
        const double dx = XOfTime(t) - x;
        const double dy = YOfPrice(swings[i].price) - y;
        if (dx * dx + dy * dy <= best) {
            best = dx * dx + dy * dy;
            nearest = i;
        }
    }
    return nearest;
}

void CPaneView::ShowAll(const CPaneColumns& columns)
{
    const BarSeries& series = columns.Series();
    if (series.bars.empty())
        return;
    // Each bar stands in the middle of its slot, so that the first and the
    // last fall inside the rectangle.
    const double slot = Slot(series);
    SetTimes(static_cast<double>(series.bars.front().time) - slot / 2,
             static_cast<double>(series.bars.back().time) + slot / 2);
    FitPrices(columns);
}

void CPaneView::FitPrices(const CPaneColumns& columns)
{
    const std::size_t first = columns.FirstAt(m_first);
    const std::size_t last = columns.FirstAt(std::nextafter(m_last, HUGE_VAL));
    if (first >= last)
        return;
    const PaneColumn bars = columns.Reduce(first, last);
    // The margin is taken on the axis's own scale, so a log pane keeps it
    // equal at both ends.
    const bool log = m_log && bars.low > 0;
    const double a = log ? std::log(bars.low) : bars.low;
    const double b = log ? std::log(bars.high) : bars.high;
    const double margin = (b - a) * kPriceMargin;
    SetPrices(log ? std::exp(a - margin) : a - margin, log ? std::exp(b + margin) : b + margin);
}
void CPaneView::ZoomAbout(double x, double factor)
{
    if (!(factor > 0))
        return;
    const double anchor = TimeOfX(x);
    const double span = std::max((m_last - m_first) / factor, kMinSpan);
    const double share = (x - m_rc.left) / m_rc.Width();
    m_first = anchor - share * span;
    m_last = m_first + span;
}

void CPaneView::Pan(double dx)
{
    const double shift = dx / m_rc.Width() * (m_last - m_first);
    m_first -= shift;
    m_last -= shift;
}
