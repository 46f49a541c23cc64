#include "PlanetRing.h"

#include "BaseDraw.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace PlanetRing {

const char* const kSymbols[kBodyCount]
    = {"\u2609", "\u263D", "\u263F", "\u2640", "\u2642", "\u2643", "\u2644", "\u2645", "\u2646", "\u2647"};
const char* const kFallbacks[kBodyCount] = {"Su", "Mo", "Me", "Ve", "Ma", "Ju", "Sa", "Ur", "Ne", "Pl"};
// 0x00BBGGRR: orange, slate, teal, green, red, purple, brown, azure, blue, plum.
const Color kColors[kBodyCount]
    = {0x0080F0, 0x907050, 0x808000, 0x00A000, 0x0000D0, 0x800080, 0x204080, 0xC0A000, 0xD00000, 0x6000A0};

namespace {

constexpr double kDegreesPerRadian = 180.0 / CBaseDraw::kPi;

double Normalized(double degrees)
{
    const double a = std::fmod(degrees, 360.0);
    return a < 0.0 ? a + 360.0 : a;
}

// Marks sorted round the ring, unrolled from the widest gap so that no group
// straddles the cut.
std::vector<int> OrderFromWidestGap(const std::vector<double>& angles, std::vector<double>& unrolled)
{
    std::vector<int> order(angles.size());
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [&](int a, int b) { return angles[a] < angles[b]; });
    std::size_t start = 0;
    double widest = -1.0;
    for (std::size_t k = 0; k < order.size(); ++k) {
        const double next = k + 1 < order.size() ? angles[order[k + 1]] : angles[order[0]] + 360.0;
        if (next - angles[order[k]] > widest) {
            widest = next - angles[order[k]];
            start = (k + 1) % order.size();
        }
    }
    std::rotate(order.begin(), order.begin() + static_cast<std::ptrdiff_t>(start), order.end());
    unrolled.clear();
    for (int i : order)
        unrolled.push_back(unrolled.empty() || angles[i] >= unrolled.front() ? angles[i] : angles[i] + 360.0);
    return order;
}

// A run of neighbouring marks whose labels stand side by side.
struct Group {
    std::size_t first = 0;
    std::size_t last = 0;
    double start = 0.0; // the first label's angle
};

} // namespace

float ScreenAngle(double longitude, float rotation, bool forward)
{
    const double figure = Normalized(longitude);
    return static_cast<float>((forward ? figure : 360.0 - figure) + rotation);
}

std::vector<double> FanOut(const std::vector<double>& angles, std::vector<double> spans)
{
    std::vector<double> placed(angles.size());
    if (angles.empty())
        return placed;
    const double total = std::accumulate(spans.begin(), spans.end(), 0.0);
    if (total > 360.0)
        for (double& s : spans)
            s *= 360.0 / total;
    std::vector<double> a;
    const std::vector<int> order = OrderFromWidestGap(angles, a);
    // offset[k]: label k's distance from its group's first label.
    std::vector<double> offset(order.size(), 0.0);
    const auto gapAfter = [&](std::size_t k) { return (spans[order[k]] + spans[order[k + 1]]) / 2.0; };
    std::vector<Group> groups;
    for (std::size_t k = 0; k < order.size(); ++k) {
        groups.push_back({k, k, a[k]});
        // Merge while the new group's first label would overlap the previous group's last.
        while (groups.size() > 1) {
            Group& prev = groups[groups.size() - 2];
            const Group& cur = groups.back();
            const double prevLast = prev.start + offset[prev.last];
            if (cur.start - prevLast >= gapAfter(prev.last))
                break;
            double sum = 0.0;
            for (std::size_t j = prev.first; j <= cur.last; ++j) {
                offset[j] = j == prev.first ? 0.0 : offset[j - 1] + gapAfter(j - 1);
                sum += a[j] - offset[j];
            }
            prev.last = cur.last;
            prev.start = sum / static_cast<double>(prev.last - prev.first + 1);
            groups.pop_back();
        }
    }
    for (const Group& g : groups)
        for (std::size_t k = g.first; k <= g.last; ++k)
            placed[order[k]] = Normalized(g.start + offset[k]);
    return placed;
}

std::array<Rect, kBodyCount> Draw(CDrawSurface& dc, Point c, Band band, float rotation, bool forward,
                                  const Longitudes& longitudes)
{
    std::array<Rect, kBodyCount> boxes {};
    std::vector<int> bodies;
    std::vector<double> angles, spans;
    std::vector<std::string> texts;
    std::vector<Rect> sizes;
    int extent = 0; // the largest half side of a symbol's box
    for (int body = 0; body < kBodyCount; ++body) {
        if (!std::isfinite(longitudes[body]))
            continue;
        const std::string text = dc.HasGlyphs(kSymbols[body]) ? kSymbols[body] : kFallbacks[body];
        const Rect size = CBaseDraw::TextBoxAt(dc, text, {0, 0});
        extent = std::max({extent, size.Width() / 2, size.Height() / 2});
        bodies.push_back(body);
        angles.push_back(ScreenAngle(longitudes[body], rotation, forward));
        texts.push_back(text);
        sizes.push_back(size);
    }
    const int tickEnd = band.radius + band.side * kTick;
    const int labelRadius = tickEnd + band.side * (kLeader + kLabelGap + extent);
    for (const Rect& size : sizes)
        spans.push_back((std::max(size.Width(), size.Height()) + kLabelGap) * kDegreesPerRadian
                        / std::max(labelRadius, 1));
    const std::vector<double> labels = FanOut(angles, spans);

    const Pen oldPen = dc.CurrentPen();
    const Color oldText = dc.TextColor();
    for (std::size_t k = 0; k < bodies.size(); ++k) {
        const float alpha = static_cast<float>(angles[k]);
        // The fanned angle is taken the short way from the tick's.
        const float beta = static_cast<float>(angles[k] + std::remainder(labels[k] - angles[k], 360.0));
        dc.SelectPen({PenStyle::Solid, 0, kColors[bodies[k]]});
        const Point from = CBaseDraw::RingPoint(c, alpha, band.radius);
        const Point to = CBaseDraw::RingPoint(c, alpha, tickEnd);
        const Point lead = CBaseDraw::RingPoint(c, beta, tickEnd + band.side * kLeader);
        dc.MoveTo(from.x, from.y);
        dc.LineTo(to.x, to.y);
        dc.LineTo(lead.x, lead.y);
        const Point anchor = CBaseDraw::RingPoint(c, beta, labelRadius);
        Rect box = CBaseDraw::TextBoxAt(dc, texts[k], anchor);
        boxes[static_cast<std::size_t>(bodies[k])] = box;
        dc.SetTextColor(kColors[bodies[k]]);
        dc.DrawText(texts[k], box, TextFlags::Center | TextFlags::VCenter | TextFlags::NoPrefix);
    }
    dc.SetTextColor(oldText);
    dc.SelectPen(oldPen);
    return boxes;
}

void DrawCaption(CDrawSurface& dc, const std::string& caption)
{
    if (caption.empty())
        return;
    Rect measured;
    dc.DrawText(caption, measured, TextFlags::CalcRect | TextFlags::NoPrefix);
    Rect box {kCaptionMargin, kCaptionMargin, kCaptionMargin + measured.Width(), kCaptionMargin + measured.Height()};
    dc.DrawText(caption, box, TextFlags::NoPrefix);
}

} // namespace PlanetRing
