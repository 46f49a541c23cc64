// The calendar label table and the calendar and angle rings drawn around a
// chart rectangle: positions of ticks and labels, handles, pens, directions.

#include "CalendarLabels.h"
#include "GridChart.h"

#include <gtest/gtest.h>

namespace {

const Rect kR{100, 100, 500, 500}; // centre (300, 300)

Point Centre(const Rect& rc) { return rc.Center(); }

// Draws the rings with a 20-unit font, so labels measure 10 units a character.
class OuterRings : public ::testing::Test {
protected:
    void SetUp() override
    {
        BuildCalendarLabels();
        Font font;
        font.height = 20;
        dc.SelectFont(font);
    }
    void TearDown() override { ClearCalendarLabels(); }

    // The centre of the box of the first label with this text.
    Point LabelCentre(const std::string& text) const
    {
        for (const SurfaceOp& op : OpsOfKind(dc, SurfaceOp::Kind::Text))
            if (op.text == text)
                return Centre(op.rect);
        ADD_FAILURE() << "no label " << text;
        return {};
    }

    CGridChart chart;
    CRecordingSurface dc;
};

} // namespace

TEST(CalendarLabels, TableHoldsTermsAlternatingWithDayMarks)
{
    BuildCalendarLabels();
    BuildCalendarLabels(); // rebuilding does not duplicate
    ASSERT_EQ(g_CalendarLabels.size(), 49u);
    EXPECT_EQ(CalendarLabel(92), "6.21");
    EXPECT_EQ(CalendarLabel(365), "3.21");
    EXPECT_EQ(CalendarLabel(344), "28");
    EXPECT_EQ(CalendarLabel(1), "");
    // Solar terms ("m.d") and day marks alternate from key 0 to key 359.
    bool term = true;
    for (const auto& [key, text] : g_CalendarLabels) {
        if (key == 365)
            break;
        EXPECT_EQ(text.find('.') != std::string::npos, term) << key;
        term = !term;
    }
    ClearCalendarLabels();
    EXPECT_TRUE(g_CalendarLabels.empty());
    EXPECT_EQ(CalendarLabel(0), "");
}

struct CalendarDayCase {
    const char* name;
    int day;
    Point tickFrom, tickTo;
    const char* text;
    Point labelCentre;
};

class CalendarDays : public OuterRings, public ::testing::WithParamInterface<CalendarDayCase> {};

TEST_P(CalendarDays, TickAndLabelLieWhereTheWorkedExampleSays)
{
    const CalendarDayCase& c = GetParam();
    chart.m_bShowCalendarRing = true;
    chart.DrawOuterRings(kR, dc);
    const auto ticks = OpsOfKind(dc, SurfaceOp::Kind::LineTo);
    ASSERT_EQ(ticks.size(), 365u);
    EXPECT_EQ(ticks[c.day].from, c.tickFrom);
    EXPECT_EQ(ticks[c.day].to, c.tickTo);
    EXPECT_EQ(ticks[c.day].pen, (Pen{PenStyle::Solid, 0, Colors::Blue}));
    EXPECT_EQ(LabelCentre(c.text), c.labelCentre);
}

INSTANTIATE_TEST_SUITE_P(
    WorkedExamples, CalendarDays,
    ::testing::Values(CalendarDayCase{"Day0LongTickOneAboveTheAxis", 0, {510, 299}, {540, 299}, "3.21", {550, 299}},
                      CalendarDayCase{"Day10ShortTick", 10, {506, 264}, {521, 261}, "31", {531, 259}},
                      CalendarDayCase{"Day15LongTick", 15, {503, 246}, {532, 238}, "4.5", {541, 236}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(OuterRings, CalendarHandleIsTheGreyBoxOfDayZero)
{
    chart.m_bShowCalendarRing = true;
    chart.DrawOuterRings(kR, dc);
    const auto ellipses = OpsOfKind(dc, SurfaceOp::Kind::Ellipse);
    ASSERT_EQ(ellipses.size(), 1u);
    EXPECT_EQ(ellipses[0].rect, (Rect{90, 90, 510, 510}));
    EXPECT_TRUE(ellipses[0].brush.hollow);
    const Rect handle{550 - 21, 299 - 11, 550 + 21, 299 + 11}; // "3.21": 40 x 20
    EXPECT_EQ(chart.m_rcCalendarHandle, handle);
    const auto fills = OpsOfKind(dc, SurfaceOp::Kind::FillRect);
    ASSERT_EQ(fills.size(), 1u);
    EXPECT_EQ(fills[0].rect, handle);
    EXPECT_EQ(fills[0].brush, Brush::Solid(Colors::LightGrey));
    EXPECT_EQ(OpsOfKind(dc, SurfaceOp::Kind::LineTo)[1].pen, (Pen{PenStyle::Solid, 0, Colors::DarkRed}));
    // The surface is left as it was found.
    EXPECT_EQ(dc.CurrentPen(), Pen{});
    EXPECT_EQ(dc.CurrentBrush(), Brush{});
}

TEST_F(OuterRings, ReversedCalendarRunsClockwise)
{
    chart.m_bShowCalendarRing = true;
    chart.m_bCalendarForward = 0;
    chart.DrawOuterRings(kR, dc);
    EXPECT_EQ(LabelCentre("3.21"), (Point{550, 299})); // key 365 stays at the right
    EXPECT_EQ(LabelCentre("6.21"), (Point{296, 549})); // d = 273, almost straight down
}

TEST_F(OuterRings, RotationBy90PutsTheHandleAtTheTop)
{
    chart.m_bShowCalendarRing = true;
    chart.m_fCalendarAngle = 90.0f;
    chart.DrawOuterRings(kR, dc);
    EXPECT_EQ(Centre(chart.m_rcCalendarHandle), (Point{300, 50}));
}

TEST_F(OuterRings, EmptyTableDrawsShortTicksAndNoHandle)
{
    ClearCalendarLabels();
    chart.m_bShowCalendarRing = true;
    chart.DrawOuterRings(kR, dc);
    const auto ticks = OpsOfKind(dc, SurfaceOp::Kind::LineTo);
    ASSERT_EQ(ticks.size(), 365u);
    for (const SurfaceOp& tick : ticks)
        ASSERT_EQ(tick.pen.color, Colors::DarkRed);
    EXPECT_EQ(ticks[0].to, (Point{525, 299}));
    EXPECT_TRUE(OpsOfKind(dc, SurfaceOp::Kind::Text).empty());
    EXPECT_TRUE(chart.m_rcCalendarHandle.IsEmpty());
}

TEST_F(OuterRings, AngleRingAloneLies10OutsideAndLabels360AtTheRight)
{
    chart.m_bShowAngleRing = true;
    chart.DrawOuterRings(kR, dc);
    const auto ellipses = OpsOfKind(dc, SurfaceOp::Kind::Ellipse);
    ASSERT_EQ(ellipses.size(), 1u);
    EXPECT_EQ(ellipses[0].rect, (Rect{90, 90, 510, 510}));
    EXPECT_EQ(OpsOfKind(dc, SurfaceOp::Kind::LineTo).size(), 360u);
    EXPECT_EQ(OpsOfKind(dc, SurfaceOp::Kind::Text).size(), 36u);
    EXPECT_EQ(Centre(chart.m_rcAngleHandle), (Point{550, 299}));
    EXPECT_EQ(LabelCentre("360"), (Point{550, 299}));
    EXPECT_EQ(LabelCentre("90"), (Point{300, 50}));
    EXPECT_EQ(OpsOfKind(dc, SurfaceOp::Kind::LineTo)[1].pen, (Pen{PenStyle::Solid, 0, Colors::Green}));
}

TEST_F(OuterRings, ReversedAngleRingShows270AtTheTop)
{
    chart.m_bShowAngleRing = true;
    chart.m_bAngleForward = 0;
    chart.DrawOuterRings(kR, dc);
    EXPECT_EQ(LabelCentre("270"), (Point{300, 50}));
    EXPECT_EQ(LabelCentre("360"), (Point{550, 299})); // 360 - 0
}

TEST_F(OuterRings, BothRingsPutTheAngleCircle70OutsideR)
{
    chart.m_bShowCalendarRing = true;
    chart.m_bShowAngleRing = true;
    chart.DrawOuterRings(kR, dc);
    const auto ellipses = OpsOfKind(dc, SurfaceOp::Kind::Ellipse);
    ASSERT_EQ(ellipses.size(), 2u);
    EXPECT_EQ(ellipses[1].rect, (Rect{30, 30, 570, 570}));
    EXPECT_EQ(Centre(chart.m_rcAngleHandle), (Point{610, 299})); // r 270 + 40
}

TEST_F(OuterRings, NothingShownDrawsNothing)
{
    chart.DrawOuterRings(kR, dc);
    EXPECT_TRUE(dc.Ops().empty());
}
