#include "PanePainter.h"

#include "BarTime.h"
#include "ChartMath.h"
#include "DecimalText.h"
#include "DrawSurface.h"
#include "PaneTicks.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <tuple>
#include <utility>

namespace {

constexpr Color kUp = MakeColor(0, 140, 60);
constexpr Color kDown = MakeColor(200, 30, 30);
constexpr Color kCloseLine = MakeColor(30, 80, 190);
constexpr Color kGrid = MakeColor(225, 225, 225);
constexpr Color kSwing = MakeColor(230, 120, 0);
constexpr Color kTarget = MakeColor(150, 50, 170);
constexpr Color kEvent = MakeColor(20, 110, 170);
constexpr Color kLevel = MakeColor(0, 140, 120);
constexpr Color kScore = MakeColor(160, 90, 10);
// A cluster's band runs from the palest at two swings to the darkest at
// kDarkestScore swings and more.
constexpr Color kPalestBand = MakeColor(255, 244, 222);
constexpr Color kDarkestBand = MakeColor(240, 190, 120);
constexpr int kDarkestScore = 6;
constexpr std::int64_t kDaySeconds = 86400;
// Below this many pixels apart a planet's price lines hide the bars.
constexpr int kLevelPixels = 4;
// Below this many pixels a bar, bars are drawn as their columns.
constexpr double kSparsePixels = 3;
constexpr int kLabelWidth = 140;
constexpr int kLabelHeight = 14;
// The spacing of ticks, in pixels, that keeps labels apart.
constexpr int kPriceTickPixels = 40;
constexpr int kDateTickPixels = 100;

std::string TargetText(const Target& t)
{
    char text[48];
    std::snprintf(text, sizeof text, "%g\xC2\xB0 %+d", t.theta, t.turns);
    return text;
}

Color BandColor(int score)
{
    return MixColor(kPalestBand, kDarkestBand, std::clamp((score - 2) / double(kDarkestScore - 2), 0.0, 1.0));
}

} // namespace

Rect CPanePainter::PlotRect(const Rect& pane)
{
    Rect rc = pane;
    rc.right = std::max(rc.left + 1, rc.right - kPriceAxisWidth);
    rc.bottom = std::max(rc.top + 1, rc.bottom - kDateAxisHeight);
    return rc;
}

int CPanePainter::X(double time) const { return static_cast<int>(std::floor(m_view.XOfTime(time))); }

// Prices beyond the span are held at the plot's edges, so that nothing is
// drawn over the axes.
int CPanePainter::Y(double price) const
{
    const Rect& rc = m_view.GetRect();
    const double y = std::floor(m_view.YOfPrice(price));
    return static_cast<int>(std::clamp(y, static_cast<double>(rc.top), static_cast<double>(rc.bottom - 1)));
}

void CPanePainter::UsePen(Color color)
{
    if (m_dc.CurrentPen().color != color || m_dc.CurrentPen().style != PenStyle::Solid)
        m_dc.SelectPen(Pen{PenStyle::Solid, 1, color});
}

void CPanePainter::Label(const std::string& text, int x, int y, unsigned flags)
{
    Rect rc{x, y - kLabelHeight / 2, x + kLabelWidth, y + kLabelHeight / 2};
    if (flags & TextFlags::Center) {
        rc.left = x - kLabelWidth / 2;
        rc.right = x + kLabelWidth / 2;
    }
    m_dc.DrawText(text, rc, flags | TextFlags::VCenter | TextFlags::NoPrefix);
}

void CPanePainter::Draw(const CPaneColumns& columns, PaneStyle style, const PaneOverlay& overlay)
{
    const Pen pen = m_dc.SelectPen(Pen{});
    const BkMode mode = m_dc.SetBkMode(BkMode::Transparent);
    Font labels;
    labels.height = -11;
    const Font font = m_dc.SelectFont(labels);
    // Bands lie under the grid and the bars, which show through them.
    DrawBands(overlay);
    DrawGrid();
    const Rect& rc = m_view.GetRect();
    const std::size_t bars = columns.FirstAt(m_view.LastTime()) - columns.FirstAt(m_view.FirstTime());
    if (rc.Width() >= kSparsePixels * static_cast<double>(bars))
        DrawSparse(columns, style);
    else if (style == PaneStyle::Line)
        DrawLine(columns.Columns(m_view));
    else
        DrawDense(columns.Columns(m_view), style);
    DrawScores(overlay);
    DrawLevels(overlay.planets, overlay.levelScale);
    DrawEvents(overlay.events);
    DrawTargets(overlay.targets);
    DrawSwings(overlay.swings, columns.Series().intraday);
    DrawFrame();
    m_dc.SelectFont(font);
    m_dc.SetBkMode(mode);
    m_dc.SelectPen(pen);
}

void CPanePainter::DrawGrid()
{
    const Rect& rc = m_view.GetRect();
    m_dc.SetTextColor(Colors::Black);
    UsePen(kGrid);
    for (const PaneTick& tick : PriceTicks(m_view.LowPrice(), m_view.HighPrice(),
                                           std::max(1, rc.Height() / kPriceTickPixels), m_view.IsLog())) {
        const int y = Y(tick.value);
        m_dc.MoveTo(rc.left, y);
        m_dc.LineTo(rc.right, y);
        Label(tick.label, rc.right + 4, y, 0);
    }
    for (const PaneTick& tick :
         DateTicks(m_view.FirstTime(), m_view.LastTime(), std::max(1, rc.Width() / kDateTickPixels))) {
        const int x = X(tick.value);
        m_dc.MoveTo(x, rc.top);
        m_dc.LineTo(x, rc.bottom);
        Label(tick.label, x, rc.bottom + kDateAxisHeight / 2, TextFlags::Center);
    }
}

// One vertical line a column, from its low to its high, coloured by the
// column's move; at a pixel a column, ticks and bodies would not show.
// Columns never overlap, so rising ones are drawn before falling ones: the
// pen changes twice, not at every turn of the market.
void CPanePainter::DrawDense(const std::vector<PaneColumn>& columns, PaneStyle style)
{
    const int left = m_view.GetRect().left;
    for (const bool rising : {true, false}) {
        UsePen(style == PaneStyle::Bars ? Colors::Black : rising ? kUp : kDown);
        for (std::size_t c = 0; c < columns.size(); ++c) {
            const PaneColumn& column = columns[c];
            if (column.Empty() || (style != PaneStyle::Bars && (column.close >= column.open) != rising))
                continue;
            const int x = left + static_cast<int>(c);
            m_dc.MoveTo(x, Y(column.high));
            m_dc.LineTo(x, Y(column.low) + 1);
        }
        if (style == PaneStyle::Bars)
            break;
    }
}

void CPanePainter::DrawLine(const std::vector<PaneColumn>& columns)
{
    UsePen(kCloseLine);
    const int left = m_view.GetRect().left;
    bool started = false;
    for (std::size_t c = 0; c < columns.size(); ++c) {
        if (columns[c].Empty())
            continue;
        const Point p{left + static_cast<int>(c), Y(columns[c].close)};
        started ? m_dc.LineTo(p.x, p.y) : m_dc.MoveTo(p.x, p.y);
        started = true;
    }
}

// The bars of the span and one beyond each end, so that the line runs to
// the edges and a bar half in view shows its half.
void CPanePainter::DrawSparse(const CPaneColumns& columns, PaneStyle style)
{
    const auto& bars = columns.Series().bars;
    const std::size_t first = columns.FirstAt(m_view.FirstTime());
    const std::size_t last = columns.FirstAt(m_view.LastTime());
    const double width = last > first ? m_view.GetRect().Width() / static_cast<double>(last - first) : 1;
    const std::size_t from = first > 0 ? first - 1 : 0;
    const std::size_t to = std::min(last + 1, bars.size());
    if (style == PaneStyle::Line)
        UsePen(kCloseLine);
    for (std::size_t i = from; i < to; ++i) {
        if (style != PaneStyle::Line)
            DrawBar(bars[i], width, style);
        else if (i > from)
            DrawClipped(static_cast<double>(bars[i - 1].time), bars[i - 1].close, static_cast<double>(bars[i].time),
                        bars[i].close);
    }
}

// A bar's wick, ticks and body, each cut to the plot's left and right edges.
void CPanePainter::DrawBar(const Bar& bar, double width, PaneStyle style)
{
    const Rect& rc = m_view.GetRect();
    const int x = X(static_cast<double>(bar.time));
    const int half = std::max(1, static_cast<int>(width * 0.35));
    const Color color = bar.close >= bar.open ? kUp : kDown;
    UsePen(style == PaneStyle::Bars ? Colors::Black : color);
    if (x >= rc.left && x < rc.right) {
        m_dc.MoveTo(x, Y(bar.high));
        m_dc.LineTo(x, Y(bar.low) + 1);
    }
    // The pixels [a, b) of row y that lie in the plot.
    const auto span = [&rc](int a, int b) { return std::make_pair(std::max(a, rc.left), std::min(b, rc.right)); };
    if (style == PaneStyle::Bars) {
        for (const auto& [a, b, y] : {std::make_tuple(x - half, x, Y(bar.open)), std::make_tuple(x, x + half + 1, Y(bar.close))}) {
            const auto [from, to] = span(a, b);
            if (from < to) {
                m_dc.MoveTo(from, y);
                m_dc.LineTo(to, y);
            }
        }
        return;
    }
    const auto [left, right] = span(x - half, x + half + 1);
    if (left < right)
        m_dc.FillSolidRect(Rect{left, Y(std::max(bar.open, bar.close)), right, Y(std::min(bar.open, bar.close)) + 1},
                           color);
}

// The line between two points of the pane (a time and a price each) cut to
// the plot's left and right edges, in pixels; prices beyond the span are
// held at the top and bottom edges.
void CPanePainter::DrawClipped(double t1, double p1, double t2, double p2)
{
    const Rect& rc = m_view.GetRect();
    double x1 = m_view.XOfTime(t1);
    double x2 = m_view.XOfTime(t2);
    double y1 = m_view.YOfPrice(p1);
    double y2 = m_view.YOfPrice(p2);
    if (x2 < rc.left || x1 >= rc.right || !(x2 > x1))
        return;
    const auto at = [&](double x) { return y1 + (y2 - y1) * (x - x1) / (x2 - x1); };
    if (x1 < rc.left) {
        y1 = at(rc.left);
        x1 = rc.left;
    }
    if (x2 >= rc.right) {
        y2 = at(rc.right - 1);
        x2 = rc.right - 1;
    }
    const auto y = [&](double v) { return static_cast<int>(std::clamp(std::floor(v), double(rc.top), double(rc.bottom - 1))); };
    m_dc.MoveTo(static_cast<int>(std::floor(x1)), y(y1));
    m_dc.LineTo(static_cast<int>(std::floor(x2)), y(y2));
}

void CPanePainter::DrawSwings(const std::vector<Swing>& swings, bool intraday)
{
    UsePen(kSwing);
    m_dc.SetTextColor(kSwing);
    for (std::size_t i = 0; i + 1 < swings.size(); ++i)
        DrawClipped(static_cast<double>(swings[i].time), swings[i].price, static_cast<double>(swings[i + 1].time),
                    swings[i + 1].price);
    for (const Swing& s : swings) {
        const double t = static_cast<double>(s.time);
        if (t < m_view.FirstTime() || t >= m_view.LastTime())
            continue;
        // Highs are labelled above their point, lows below.
        const int dy = s.kind == Swing::Kind::High ? -kLabelHeight : kLabelHeight;
        const std::string text = DecimalText::Text(s.price) + " " + BarTime::Text(s.time, intraday);
        PlaceLabel(text, {{X(t), Y(s.price) + dy}}, true);
    }
}

void CPanePainter::DrawTargets(const std::vector<Target>& targets)
{
    const Rect& rc = m_view.GetRect();
    m_dc.SelectPen(Pen{PenStyle::Dot, 1, kTarget});
    m_dc.SetTextColor(kTarget);
    for (const Target& t : targets) {
        // The float cell price as its shortest text reads, 382.04 not 382.0400085.
        const double price = ShortestDecimal(t.price);
        if (price >= m_view.LowPrice() && price <= m_view.HighPrice()) {
            const int y = static_cast<int>(std::floor(m_view.YOfPrice(price)));
            m_dc.MoveTo(rc.left, y);
            m_dc.LineTo(rc.right, y);
            const int above = y - kLabelHeight / 2;
            const int below = y + kLabelHeight / 2 + 1;
            PlaceLabel(TargetText(t) + " " + DecimalText::Text(price),
                       {{rc.left + 2, above}, {rc.left + 2, below}, {rc.right - 2, above}}, false);
        }
        const std::optional<std::int64_t> day = t.date.empty() ? std::nullopt : BarTime::Parse(t.date);
        if (day)
            DrawMoment(static_cast<double>(*day), TargetText(t), rc.top + kLabelHeight / 2, kLabelHeight);
    }
}

void CPanePainter::DrawMoment(double time, const std::string& label, int first, int step)
{
    if (time < m_view.FirstTime() || time >= m_view.LastTime())
        return;
    const Rect& rc = m_view.GetRect();
    const int x = X(time);
    m_dc.MoveTo(x, rc.top);
    m_dc.LineTo(x, rc.bottom);
    PlaceLabel(label, {{x + 2, first}, {x + 2, first + step}, {x + 2, first + 2 * step}, {x + 2, first + 3 * step}},
               false);
}

std::pair<int, int> CPanePainter::BandOf(const Cluster& cluster, int window) const
{
    const Rect& rc = m_view.GetRect();
    const double from = m_view.XOfTime(static_cast<double>((cluster.day - window) * kDaySeconds));
    const double to = m_view.XOfTime(static_cast<double>((cluster.day + window + 1) * kDaySeconds));
    if (to <= rc.left || from >= rc.right)
        return {0, 0};
    const int left = static_cast<int>(std::floor(std::max(from, double(rc.left))));
    const int right = static_cast<int>(std::floor(std::min(to, double(rc.right))));
    // A band narrower than a pixel still shows as one.
    return {left, std::max(right, std::min(left + 1, rc.right))};
}

void CPanePainter::DrawBands(const PaneOverlay& overlay)
{
    const Rect& rc = m_view.GetRect();
    for (const Cluster& cluster : overlay.clusters) {
        const auto [left, right] = BandOf(cluster, overlay.window);
        if (left < right)
            m_dc.FillSolidRect(Rect{left, rc.top, right, rc.bottom}, BandColor(cluster.score));
    }
}

// Strongest first, as FindClusters lists them, so that a crowded top row
// keeps the scores that matter most.
void CPanePainter::DrawScores(const PaneOverlay& overlay)
{
    const Rect& rc = m_view.GetRect();
    m_dc.SetTextColor(kScore);
    for (const Cluster& cluster : overlay.clusters) {
        const auto [left, right] = BandOf(cluster, overlay.window);
        if (left < right)
            PlaceLabel(std::to_string(cluster.score), {{(left + right) / 2, rc.top + kLabelHeight / 2}}, true);
    }
}

// Events are labelled from the bottom up, clear of the targets' dates and
// the clusters' scores at the top.
void CPanePainter::DrawEvents(const std::vector<PaneEvent>& events)
{
    const Rect& rc = m_view.GetRect();
    m_dc.SelectPen(Pen{PenStyle::Dot, 1, kEvent});
    m_dc.SetTextColor(kEvent);
    for (const PaneEvent& e : events)
        DrawMoment(static_cast<double>(e.time), e.label, rc.bottom - kLabelHeight / 2 - 1, -kLabelHeight);
}

void CPanePainter::DrawLevels(const std::vector<PlanetLongitude>& planets, double scale)
{
    if (planets.empty())
        return;
    const Rect& rc = m_view.GetRect();
    UsePen(kLevel);
    m_dc.SetTextColor(kLevel);
    const std::size_t limit = static_cast<std::size_t>(std::max(1, rc.Height() / kLevelPixels));
    for (const PriceLevel& level : PlanetPriceLevels(planets, scale, m_view.LowPrice(), m_view.HighPrice(), limit)) {
        const int y = Y(level.price);
        m_dc.MoveTo(rc.left, y);
        m_dc.LineTo(rc.right, y);
        PlaceLabel(level.label, {{rc.right - 2, y - kLabelHeight / 2}, {rc.right - 2, y + kLabelHeight / 2 + 1}},
                   false);
    }
}

// The label at the first of anchors (its left edge, or its middle when
// centred, and its middle height) where it overlaps no label placed before,
// so that lines and swings close together keep their labels apart; a label
// with no free place is left out, its line or point still drawn.
void CPanePainter::PlaceLabel(const std::string& text, std::initializer_list<Point> anchors, bool centred)
{
    Rect measured{0, 0, 0, 0};
    m_dc.DrawText(text, measured, TextFlags::CalcRect | TextFlags::NoPrefix);
    const int width = measured.Width();
    for (const Point& at : anchors) {
        Rect box = PlotBox(centred ? at.x - width / 2 : at.x, at.y, width);
        if (std::none_of(m_labels.begin(), m_labels.end(), [&](const Rect& r) { return Overlap(r, box); })) {
            m_labels.push_back(box);
            // On white, so that it reads over the bars and lines it lies on.
            const BkMode mode = m_dc.SetBkMode(BkMode::Opaque);
            const Color back = m_dc.SetBkColor(Colors::White);
            m_dc.DrawText(text, box, TextFlags::Center | TextFlags::VCenter | TextFlags::NoPrefix);
            m_dc.SetBkColor(back);
            m_dc.SetBkMode(mode);
            return;
        }
    }
}

// A label's box from left, centred on y, moved inside the plot and cut to
// it where the plot is smaller.
Rect CPanePainter::PlotBox(int left, int y, int width) const
{
    const Rect& rc = m_view.GetRect();
    const int height = std::min(kLabelHeight, rc.Height());
    const int top = std::clamp(y - kLabelHeight / 2, rc.top, rc.bottom - height);
    left = std::max(std::min(left, rc.right - width), rc.left);
    return Rect{left, top, std::min(left + width, rc.right), top + height};
}

bool CPanePainter::Overlap(const Rect& a, const Rect& b)
{
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

void CPanePainter::DrawFrame()
{
    const Rect& rc = m_view.GetRect();
    UsePen(Colors::Black);
    m_dc.MoveTo(rc.left, rc.top);
    m_dc.LineTo(rc.right, rc.top);
    m_dc.LineTo(rc.right, rc.bottom);
    m_dc.LineTo(rc.left, rc.bottom);
    m_dc.LineTo(rc.left, rc.top);
}
