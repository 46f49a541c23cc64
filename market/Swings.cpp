#include "Swings.h"

#include "BarTime.h"

#include <cmath>
#include <cstddef>
#include <deque>
#include <limits>

namespace {

// The prices a method sees of each bar: the high and low, or the close as both.
struct Sides {
    std::vector<double> highs;
    std::vector<double> lows;
};

Sides SidesOf(const BarSeries& series, bool onCloses)
{
    Sides sides;
    sides.highs.reserve(series.bars.size());
    sides.lows.reserve(series.bars.size());
    for (const Bar& bar : series.bars) {
        sides.highs.push_back(onCloses ? bar.close : bar.high);
        sides.lows.push_back(onCloses ? bar.close : bar.low);
    }
    return sides;
}

Swing SwingAt(const BarSeries& series, const Sides& sides, std::size_t i, Swing::Kind kind, bool confirmed)
{
    Swing swing;
    swing.time = series.bars[i].time;
    swing.price = kind == Swing::Kind::High ? sides.highs[i] : sides.lows[i];
    swing.kind = kind;
    swing.index = static_cast<long long>(i);
    swing.confirmed = confirmed;
    return swing;
}

// Whether a price came far enough against the trend to turn it. Prices are
// decimals read from text: a move of exactly the size in decimal (99 from
// 90 by 10%) may miss by a rounding in binary, so the level is met within
// a few parts in 10^12 of it.
class Turn {
public:
    explicit Turn(const SwingMethod& method)
        : m_method(method)
    {
    }
    // Whether low lies the size or more below high.
    bool Down(double low, double high) const { return Reaches(high - Size(high), low, -1.0); }
    // Whether high lies the size or more above low.
    bool Up(double high, double low) const { return Reaches(low + Size(low), high, 1.0); }

private:
    double Size(double from) const
    {
        // Of the price's size, so that below zero a fall still lowers the level.
        return m_method.by == SwingMethod::By::Percent ? std::fabs(from) * m_method.percent / 100.0 : m_method.amount;
    }
    static bool Reaches(double level, double price, double way)
    {
        constexpr double kSlack = 4e-12;
        return way * (price - level) >= -kSlack * std::fabs(level);
    }

    const SwingMethod& m_method;
};

std::vector<Swing> ZigZag(const BarSeries& series, const Sides& s, const Turn& turn)
{
    std::vector<Swing> swings;
    const std::size_t n = series.bars.size();
    enum class Trend { None, Down, Up } trend = Trend::None;
    std::size_t h = 0; // before the first swing: the highest high and the lowest low, earliest on ties
    std::size_t l = 0;
    std::size_t t = 0; // once trending: the extreme tracked
    const auto turnAt = [&](std::size_t at, Swing::Kind kind, std::size_t i) {
        swings.push_back(SwingAt(series, s, at, kind, true));
        trend = kind == Swing::Kind::High ? Trend::Down : Trend::Up;
        t = i;
    };
    for (std::size_t i = 1; i < n; ++i) {
        switch (trend) {
        case Trend::None: {
            const bool down = turn.Down(s.lows[i], s.highs[h]);
            const bool up = turn.Up(s.highs[i], s.lows[l]);
            // Both at once: the earlier bar turned first; one bar both ways counts as the high.
            if (down && (!up || h <= l))
                turnAt(h, Swing::Kind::High, i);
            else if (up)
                turnAt(l, Swing::Kind::Low, i);
            else {
                h = s.highs[i] > s.highs[h] ? i : h;
                l = s.lows[i] < s.lows[l] ? i : l;
            }
            break;
        }
        case Trend::Down:
            if (s.lows[i] < s.lows[t])
                t = i;
            else if (turn.Up(s.highs[i], s.lows[t]))
                turnAt(t, Swing::Kind::Low, i);
            break;
        case Trend::Up:
            if (s.highs[i] > s.highs[t])
                t = i;
            else if (turn.Down(s.lows[i], s.highs[t]))
                turnAt(t, Swing::Kind::High, i);
            break;
        }
    }
    if (trend != Trend::None)
        swings.push_back(SwingAt(series, s, t, trend == Trend::Down ? Swing::Kind::Low : Swing::Kind::High, false));
    return swings;
}

// Orders prices the way a swing of one kind stands out: higher for highs,
// lower for lows.
struct Beyond {
    bool high = true;
    bool operator()(double a, double b) const { return high ? a > b : a < b; }
};

// best[i]: the furthest of values[i - width + 1 .. i] (a monotonic queue, so
// that wide pivots cost no more than narrow ones); meaningful from
// i = width - 1 on.
std::vector<double> WindowBest(const std::vector<double>& values, int width, Beyond beyond)
{
    std::vector<double> best(values.size(), 0.0);
    std::deque<std::size_t> queue;
    for (std::size_t i = 0; i < values.size(); ++i) {
        while (!queue.empty() && !beyond(values[queue.back()], values[i]))
            queue.pop_back();
        queue.push_back(i);
        if (queue.front() + static_cast<std::size_t>(width) <= i)
            queue.pop_front();
        best[i] = values[queue.front()];
    }
    return best;
}

// Whether a bar's price stands out of its neighbours: strictly beyond the
// left bars, not behind the right ones.
class PivotTest {
public:
    PivotTest(const std::vector<double>& values, int left, int right, Beyond beyond)
        : m_values(values), m_left(left), m_right(right), m_beyond(beyond)
    {
        if (left > 0)
            m_leftBest = WindowBest(values, left, beyond);
        if (right > 0)
            m_rightBest = right == left ? m_leftBest : WindowBest(values, right, beyond);
    }
    // For left <= i < size - right.
    bool Stands(std::size_t i) const
    {
        return (m_left == 0 || m_beyond(m_values[i], m_leftBest[i - 1])) &&
            (m_right == 0 || !m_beyond(m_rightBest[i + m_right], m_values[i]));
    }

private:
    const std::vector<double>& m_values;
    int m_left;
    int m_right;
    Beyond m_beyond;
    std::vector<double> m_leftBest;
    std::vector<double> m_rightBest;
};

std::vector<Swing> Pivots(const BarSeries& series, const Sides& s, int left, int right)
{
    std::vector<Swing> swings;
    const std::size_t n = series.bars.size();
    if (left < 0 || right < 0 || n < static_cast<std::size_t>(left) + right + 1)
        return swings;
    const PivotTest highs(s.highs, left, right, Beyond{true});
    const PivotTest lows(s.lows, left, right, Beyond{false});
    for (std::size_t i = left; i + right < n; ++i) {
        if (highs.Stands(i))
            swings.push_back(SwingAt(series, s, i, Swing::Kind::High, true));
        if (lows.Stands(i))
            swings.push_back(SwingAt(series, s, i, Swing::Kind::Low, true));
    }
    return swings;
}

void FillMoves(std::vector<Swing>& swings)
{
    for (std::size_t k = 1; k < swings.size(); ++k) {
        Swing& swing = swings[k];
        const Swing& before = swings[k - 1];
        swing.move = swing.price - before.price;
        swing.movePercent = before.price != 0.0 ? swing.move / std::fabs(before.price) * 100.0
                                                : std::numeric_limits<double>::quiet_NaN();
        swing.bars = swing.index - before.index;
        swing.days = BarDayNumber(swing.time) - BarDayNumber(before.time);
    }
}

} // namespace

std::int64_t BarDayNumber(std::int64_t time)
{
    return time / BarTime::kSecondsPerDay - (time % BarTime::kSecondsPerDay < 0 ? 1 : 0);
}

std::vector<Swing> FindSwings(const BarSeries& series, const SwingMethod& method)
{
    const Sides sides = SidesOf(series, method.onCloses);
    std::vector<Swing> swings = method.by == SwingMethod::By::Pivots
        ? Pivots(series, sides, method.left, method.right)
        : ZigZag(series, sides, Turn(method));
    FillMoves(swings);
    return swings;
}
