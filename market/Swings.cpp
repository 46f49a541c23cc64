#include "Swings.h"

#include "BarTime.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>

namespace {

// The prices a method sees of each bar: the high and low, or the close as both.
struct Sides {
    const std::vector<Bar>& bars;
    bool onCloses = false;

    double High(std::size_t i) const { return onCloses ? bars[i].close : bars[i].high; }
    double Low(std::size_t i) const { return onCloses ? bars[i].close : bars[i].low; }
};

Swing SwingAt(const Sides& s, std::size_t i, Swing::Kind kind, bool confirmed)
{
    Swing swing;
    swing.time = s.bars[i].time;
    swing.price = kind == Swing::Kind::High ? s.High(i) : s.Low(i);
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

std::vector<Swing> ZigZag(const Sides& s, const Turn& turn)
{
    std::vector<Swing> swings;
    const std::size_t n = s.bars.size();
    enum class Trend { None, Down, Up } trend = Trend::None;
    std::size_t h = 0; // before the first swing: the highest high and the lowest low, earliest on ties
    std::size_t l = 0;
    std::size_t t = 0; // once trending: the extreme tracked
    const auto turnAt = [&](std::size_t at, Swing::Kind kind, std::size_t i) {
        swings.push_back(SwingAt(s, at, kind, true));
        trend = kind == Swing::Kind::High ? Trend::Down : Trend::Up;
        t = i;
    };
    for (std::size_t i = 1; i < n; ++i) {
        switch (trend) {
        case Trend::None: {
            const bool down = turn.Down(s.Low(i), s.High(h));
            const bool up = turn.Up(s.High(i), s.Low(l));
            // Both at once: the earlier bar turned first; one bar both ways counts as the high.
            if (down && (!up || h <= l))
                turnAt(h, Swing::Kind::High, i);
            else if (up)
                turnAt(l, Swing::Kind::Low, i);
            else {
                h = s.High(i) > s.High(h) ? i : h;
                l = s.Low(i) < s.Low(l) ? i : l;
            }
            break;
        }
        case Trend::Down:
            if (s.Low(i) < s.Low(t))
                t = i;
            else if (turn.Up(s.High(i), s.Low(t)))
                turnAt(t, Swing::Kind::Low, i);
            break;
        case Trend::Up:
            if (s.High(i) > s.High(t))
                t = i;
            else if (turn.Down(s.Low(i), s.High(t)))
                turnAt(t, Swing::Kind::High, i);
            break;
        }
    }
    if (trend != Trend::None)
        swings.push_back(SwingAt(s, t, trend == Trend::Down ? Swing::Kind::Low : Swing::Kind::High, false));
    return swings;
}

// How a swing of one kind stands out: highs above, lows below.
struct Highs {
    static double Furthest(double a, double b) { return std::max(a, b); }
    static bool Beyond(double a, double b) { return a > b; }
};
struct Lows {
    static double Furthest(double a, double b) { return std::min(a, b); }
    static bool Beyond(double a, double b) { return a < b; }
};

// best[a]: the furthest price of bars a .. a + width - 1, for a + width <=
// bars. Blocks of width, each with its furthest from every bar to the
// block's end; a window spans the end of one block and the start of the next,
// whose running furthest goes along with the window's end, so every bar costs
// three comparisons, not width, and one array.
template <class Side>
std::vector<double> WindowBest(const std::vector<double>& price, std::size_t width)
{
    const std::size_t n = price.size();
    if (width == 0 || width > n)
        return {};
    std::vector<double> best(n); // first from the block's end, then the window's best
    for (std::size_t block = 0; block < n; block += width) {
        const std::size_t end = std::min(block + width, n);
        best[end - 1] = price[end - 1];
        for (std::size_t i = end - 1; i-- > block;)
            best[i] = Side::Furthest(best[i + 1], price[i]);
    }
    best.resize(n - width + 1);
    double fromStart = price[width - 1];
    for (std::size_t a = 0, e = width - 1; a < best.size(); ++a, ++e) {
        fromStart = e % width == 0 ? price[e] : Side::Furthest(fromStart, price[e]);
        best[a] = Side::Furthest(best[a], fromStart);
    }
    return best;
}

// Whether a bar's price stands out of its neighbours: strictly beyond the
// left bars before it, not behind the right bars after it.
template <class Side>
class PivotTest {
public:
    PivotTest(const std::vector<double>& price, std::size_t left, std::size_t right)
        : m_price(price), m_left(left), m_right(right), m_before(WindowBest<Side>(price, left))
        , m_after(right == left ? std::vector<double>() : WindowBest<Side>(price, right))
    {
    }
    // For left <= i < bars - right.
    bool Stands(std::size_t i) const
    {
        const double price = m_price[i];
        const std::vector<double>& after = m_right == m_left ? m_before : m_after;
        // Both sides always tested, so that the loop over a million bars does not branch on each.
        const bool aboveLeft = m_left == 0 || Side::Beyond(price, m_before[i - m_left]);
        const bool notBelowRight = m_right == 0 || !Side::Beyond(after[i + 1], price);
        return aboveLeft & notBelowRight;
    }

private:
    const std::vector<double>& m_price;
    std::size_t m_left;
    std::size_t m_right;
    std::vector<double> m_before;
    std::vector<double> m_after;
};

std::vector<Swing> Pivots(const Sides& s, int left, int right)
{
    std::vector<Swing> swings;
    const std::size_t n = s.bars.size();
    if (left < 0 || right < 0 || n < static_cast<std::size_t>(left) + static_cast<std::size_t>(right) + 1)
        return swings;
    const auto l = static_cast<std::size_t>(left);
    const auto r = static_cast<std::size_t>(right);
    // Each side once in a plain array: the windows read every price several
    // times, and a bar's price among its other fields costs a cache line each.
    std::vector<double> highs(n);
    std::vector<double> lows(n);
    for (std::size_t i = 0; i < n; ++i) {
        highs[i] = s.High(i);
        lows[i] = s.Low(i);
    }
    const PivotTest<Highs> highTest(highs, l, r);
    const PivotTest<Lows> lowTest(lows, l, r);
    for (std::size_t i = l; i + r < n; ++i) {
        if (highTest.Stands(i))
            swings.push_back(SwingAt(s, i, Swing::Kind::High, true));
        if (lowTest.Stands(i))
            swings.push_back(SwingAt(s, i, Swing::Kind::Low, true));
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
    const Sides sides{series.bars, method.onCloses};
    std::vector<Swing> swings = method.by == SwingMethod::By::Pivots ? Pivots(sides, method.left, method.right)
                                                                     : ZigZag(sides, Turn(method));
    FillMoves(swings);
    return swings;
}

std::vector<std::int64_t> BarDays(const BarSeries& series)
{
    std::vector<std::int64_t> days;
    days.reserve(series.bars.size());
    for (const Bar& bar : series.bars)
        days.push_back(BarDayNumber(bar.time));
    return days;
}
