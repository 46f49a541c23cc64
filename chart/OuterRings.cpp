// The calendar ring (365 days from 21 March, solar terms and month marks),
// the angle ring (a protractor) and the planet ring drawn around a chart.

#include "BaseDraw.h"

#include "CalendarLabels.h"
#include "ChartMath.h"
#include "PlanetRing.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace {

constexpr int kLongTick = 30;   // solar terms and the angle ring's figures
constexpr int kShortTick = 15;  // day marks and plain days or degrees
constexpr int kLabelGap = 10;   // from the end of a tick to the centre of its label
constexpr int kCalendarGap = 10; // from the rings' square to the calendar ring
constexpr int kDaysInYear = 365;

// Screen angle of the calendar ring's tick d (0 at the ring's handle).
float CalendarAlpha(const CBaseDraw& chart, int d)
{
    return static_cast<float>(d * 360) / static_cast<float>(kDaysInYear) + chart.m_fCalendarAngle;
}

// Days after 21 March of a common year, which the ring's ticks count.
int DaysAfterEquinox(int month, int day)
{
    static constexpr int kDaysBeforeMonth[] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
    const auto dayOfYear = [](int m, int d) { return kDaysBeforeMonth[m - 1] + (m == 2 ? std::min(d, 28) : d); };
    return (dayOfYear(month, day) - dayOfYear(3, 21) + kDaysInYear) % kDaysInYear;
}

// Draws a tick of the given length outwards from radius r at alpha and, when
// text is given, its label in a box just beyond. With handle set the label's
// box becomes the ring's handle: stored and, where the surface draws handles,
// filled light grey under the text.
void DrawTick(CDrawSurface& dc, Point c, float alpha, int r, int length, const std::string& text,
              Rect* handle = nullptr)
{
    const Point from = CBaseDraw::RingPoint(c, alpha, r);
    const Point to = CBaseDraw::RingPoint(c, alpha, r + length);
    dc.MoveTo(from.x, from.y);
    dc.LineTo(to.x, to.y);
    if (text.empty())
        return;
    const Rect box = CBaseDraw::TextBoxAt(dc, text, CBaseDraw::RingPoint(c, alpha, r + length + kLabelGap));
    if (handle) {
        *handle = box;
        if (dc.DrawsHandles())
            dc.FillRect(box, Brush::Solid(Colors::LightGrey));
    }
    Rect textBox = box;
    dc.DrawText(text, textBox, TextFlags::Center | TextFlags::VCenter | TextFlags::NoPrefix);
}

// The calendar ring on the circle inscribed in rc: a dark red tick per day, blue
// ticks with labels on the days the label table names.
void DrawCalendarRing(CBaseDraw& chart, CDrawSurface& dc, Point c, const Rect& rc)
{
    dc.Ellipse(rc);
    const Pen darkRed{PenStyle::Solid, 0, Colors::DarkRed};
    const Pen blue{PenStyle::Solid, 0, Colors::Blue};
    const Pen oldPen = dc.SelectPen(darkRed);
    const int r0 = rc.Height() / 2;
    bool longTick = true;
    for (int d = 0; d < kDaysInYear; ++d) {
        const float alpha = CalendarAlpha(chart, d);
        const std::string text(CalendarLabel(chart.m_bCalendarForward ? d : kDaysInYear - d));
        if (text.empty()) {
            DrawTick(dc, c, alpha, r0, kShortTick, text);
            continue;
        }
        // Labelled days alternate between long and short ticks.
        dc.SelectPen(blue);
        DrawTick(dc, c, alpha, r0, longTick ? kLongTick : kShortTick, text,
                 d == 0 ? &chart.m_rcCalendarHandle : nullptr);
        longTick = !longTick;
        dc.SelectPen(darkRed);
    }
    dc.SelectPen(oldPen);
}

// The angle ring on the circle inscribed in rc: a green tick per degree, a blue
// long tick with its figure every 10 degrees.
void DrawAngleRing(CBaseDraw& chart, CDrawSurface& dc, Point c, const Rect& rc)
{
    dc.Ellipse(rc);
    const Pen green{PenStyle::Solid, 0, Colors::Green};
    const Pen blue{PenStyle::Solid, 0, Colors::Blue};
    const Pen oldPen = dc.SelectPen(green);
    const int r = rc.Height() / 2;
    for (int g = 0; g < 360; ++g) {
        const float alpha = static_cast<float>(g) + chart.m_fAngleRingAngle;
        if (g % 10 != 0) {
            DrawTick(dc, c, alpha, r, kShortTick, {});
            continue;
        }
        const int figure = chart.m_bAngleForward ? (g == 0 ? 360 : g) : 360 - g;
        dc.SelectPen(blue);
        DrawTick(dc, c, alpha, r, kLongTick, std::to_string(figure),
                 g == 0 ? &chart.m_rcAngleHandle : nullptr);
        dc.SelectPen(green);
    }
    dc.SelectPen(oldPen);
}

// Where the planet marks go: beyond the angle ring's figures, else inside
// the calendar ring; with neither ring they would stand on no scale.
PlanetRing::Band PlanetBand(CDrawSurface& dc, const Rect& angleRing, bool angle)
{
    const int r = angleRing.Height() / 2;
    if (angle) {
        const Rect figure = CBaseDraw::TextBoxAt(dc, "360", {0, 0});
        return {r + kLongTick + kLabelGap + std::max(figure.Width(), figure.Height()) / 2, 1};
    }
    return {r - 60, -1};
}

} // namespace

// Point at screen angle alpha and radius rho about c. Theta, its cosine and
// sine are held in single precision and the sums truncated: that puts day 0
// at y = cy - 1, not cy.
Point CBaseDraw::RingPoint(Point c, float alpha, int rho)
{
    const float theta = static_cast<float>(kTwoPi - alpha * kPi / 180.0);
    const float cosT = static_cast<float>(std::cos(static_cast<double>(theta)));
    const float sinT = static_cast<float>(std::sin(static_cast<double>(theta)));
    const float r = static_cast<float>(rho);
    return {TruncToInt(static_cast<float>(c.x) + r * cosT), TruncToInt(static_cast<float>(c.y) + r * sinT)};
}

// Draws the rings that are switched on around rc with the font and text colour
// the chart's label pass left selected; circles are outlines only.
void CBaseDraw::DrawOuterRings(CDrawSurface& dc)
{
    m_rcPlanetMarks = {};
    if (!m_bShowCalendarRing && !m_bShowAngleRing)
        return;
    const Brush oldBrush = dc.SelectBrush(Brush::Hollow());
    Rect rc = OuterRingsRect();
    const Point c = rc.Center();
    rc.Inflate(kCalendarGap);
    if (m_bShowCalendarRing) {
        DrawCalendarRing(*this, dc, c, rc);
        rc.Inflate(60); // the angle ring goes outside the calendar labels
    }
    if (m_bShowAngleRing)
        DrawAngleRing(*this, dc, c, rc);
    if (m_Planets) {
        m_rcPlanetMarks = PlanetRing::Draw(dc, c, PlanetBand(dc, rc, m_bShowAngleRing), m_fAngleRingAngle,
                                           m_bAngleForward != 0, *m_Planets);
        PlanetRing::DrawCaption(dc, m_PlanetCaption);
    }
    dc.SelectBrush(oldBrush);
}

Rect CBaseDraw::OuterRingsRect() const { return m_rcChart; }

std::optional<Point> CBaseDraw::CalendarRingPoint(int month, int day, int outward)
{
    if (!m_bShowCalendarRing)
        return std::nullopt;
    ChartRect(); // brings the layout up to date
    const Rect rc = OuterRingsRect();
    const int key = DaysAfterEquinox(month, day);
    // The labels count days backwards from the handle when the ring runs backwards.
    const int d = m_bCalendarForward ? key : (kDaysInYear - key) % kDaysInYear;
    return RingPoint(rc.Center(), CalendarAlpha(*this, d), rc.Height() / 2 + kCalendarGap + outward);
}

int CBaseDraw::PlanetAt(Point pt) const
{
    for (int i = 0; m_Planets && i < kBodyCount; ++i)
        if (m_rcPlanetMarks[i].Contains(pt))
            return i;
    return -1;
}
