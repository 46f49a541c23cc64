// The solar-term label table and the calendar and angle rings around a chart
// rectangle: ticks, label boxes, handles, pens, directions and rotation.

#include "CalendarLabels.h"
#include "GridChart.h"

#include <gtest/gtest.h>

namespace {

const Rect kR{100, 100, 500, 500}; // centre (300, 300)
const Pen kBlue{PenStyle::Solid, 0, Colors::Blue};

struct RingCase {
    const char* name;
    bool calendar, angleRing;
    int calendarForward, angleForward;
    float calendarAngle;
    const char* text; // the first label with this text ...
    Point centre;     // ... is boxed around this point
};

// Draws the rings of a case with a 20-unit font: labels measure 10 units a character.
CRecordingSurface DrawRings(CGridChart& chart, const RingCase& c)
{
    CRecordingSurface dc;
    Font font;
    font.height = 20;
    dc.SelectFont(font);
    chart.m_bShowCalendarRing = c.calendar;
    chart.m_bShowAngleRing = c.angleRing;
    chart.m_bCalendarForward = c.calendarForward;
    chart.m_bAngleForward = c.angleForward;
    chart.m_fCalendarAngle = c.calendarAngle;
    chart.DrawOuterRings(kR, dc);
    return dc;
}

} // namespace

TEST(CalendarLabels, TermsAlternateWithDayMarks)
{
    EXPECT_EQ(CalendarLabel(92), "6.21");
    EXPECT_EQ(CalendarLabel(365), "3.21");
    EXPECT_EQ(CalendarLabel(1), "");
    EXPECT_EQ(CalendarLabel(-1), "");
    bool term = true;
    for (int key = 0; key < 365; ++key) {
        const std::string_view text = CalendarLabel(key);
        if (text.empty())
            continue;
        EXPECT_EQ(text.find('.') != std::string_view::npos, term) << key;
        term = !term;
    }
}

TEST(OuterRingLabels, WorkedExamplesAreCentredOnTheirAnchors)
{
    const RingCase cases[] = {{"day 0", true, false, 1, 1, 0, "3.21", {550, 299}},
        {"day 10", true, false, 1, 1, 0, "31", {531, 259}}, {"day 15", true, false, 1, 1, 0, "4.5", {541, 236}},
        {"reversed: summer solstice down", true, false, 0, 1, 0, "6.21", {296, 549}},
        {"rotated by 90", true, false, 1, 1, 90, "3.21", {300, 50}},
        {"angle ring alone", false, true, 1, 1, 0, "360", {550, 299}},
        {"angle 90 at the top", false, true, 1, 1, 0, "90", {300, 50}},
        {"reversed: angle 270 at the top", false, true, 1, 0, 0, "270", {300, 50}},
        {"both rings", true, true, 1, 1, 0, "360", {610, 299}}};
    for (const RingCase& c : cases) {
        CGridChart chart;
        const auto texts = OpsOfKind(DrawRings(chart, c), SurfaceOp::Kind::Text);
        const auto it = std::find_if(texts.begin(), texts.end(), [&](const SurfaceOp& op) { return op.text == c.text; });
        ASSERT_NE(it, texts.end()) << c.name;
        EXPECT_EQ(it->rect.Center(), c.centre) << c.name;
    }
}

TEST(OuterRings, CalendarTicksPensAndHandle)
{
    CGridChart chart;
    const CRecordingSurface dc = DrawRings(chart, {"", true, true, 1, 1, 0, "", {}});
    const auto ticks = OpsOfKind(dc, SurfaceOp::Kind::LineTo);
    ASSERT_EQ(ticks.size(), 365u + 360u);
    const struct { int day; Point from, to; Pen pen; } expected[] = {
        {0, {510, 299}, {540, 299}, kBlue}, // long tick; y 299 from theta in single precision
        {1, {509, 296}, {524, 296}, {PenStyle::Solid, 0, Colors::DarkRed}},
        {10, {506, 264}, {521, 261}, kBlue}, // short tick
        {15, {503, 246}, {532, 238}, kBlue},
    };
    for (const auto& e : expected) {
        EXPECT_EQ(ticks[e.day].from, e.from) << e.day;
        EXPECT_EQ(ticks[e.day].to, e.to) << e.day;
        EXPECT_EQ(ticks[e.day].pen, e.pen) << e.day;
    }
    EXPECT_EQ(ticks[366].pen, (Pen{PenStyle::Solid, 0, Colors::Green}));
    const auto circles = OpsOfKind(dc, SurfaceOp::Kind::Ellipse);
    ASSERT_EQ(circles.size(), 2u);
    EXPECT_EQ(circles[0].rect, (Rect{90, 90, 510, 510}));
    EXPECT_EQ(circles[1].rect, (Rect{30, 30, 570, 570}));
    EXPECT_TRUE(circles[1].brush.hollow);
    // "3.21" measures 40 x 20: the grey handle has one unit around it.
    EXPECT_EQ(chart.m_rcCalendarHandle, (Rect{529, 288, 571, 310}));
    const auto fills = OpsOfKind(dc, SurfaceOp::Kind::FillRect);
    ASSERT_EQ(fills.size(), 2u);
    EXPECT_EQ(fills[0].rect, chart.m_rcCalendarHandle);
    EXPECT_EQ(fills[1].rect, chart.m_rcAngleHandle);
    EXPECT_EQ(fills[0].brush, Brush::Solid(Colors::LightGrey));
    EXPECT_EQ(dc.CurrentPen(), Pen{});
    EXPECT_EQ(dc.CurrentBrush(), Brush{});
    EXPECT_TRUE(DrawRings(chart, {"", false, false, 1, 1, 0, "", {}}).Ops().empty());
}
