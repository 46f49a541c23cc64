// User lines and arrow heads, notes, the triangle, the four-square cross, the
// divisions star, the rubber-band line and the handle angle; the solar-term
// label table and the calendar and angle rings around a chart rectangle.

#include "CalendarLabels.h"
#include "GridChart.h"

#include <gtest/gtest.h>

#include <climits>
#include <tuple>

namespace {

using Kind = SurfaceOp::Kind;

struct Segment {
    Point from, to;
    Pen pen;
};

// The logged lines equal the expected ones, in order.
void ExpectLines(const CRecordingSurface& dc, const std::vector<Segment>& expected)
{
    const auto lines = OpsOfKind(dc, Kind::LineTo);
    ASSERT_EQ(lines.size(), expected.size());
    for (size_t i = 0; i < lines.size(); ++i)
        EXPECT_EQ(std::tie(lines[i].from, lines[i].to, lines[i].pen),
            std::tie(expected[i].from, expected[i].to, expected[i].pen)) << i;
}

const Pen kPen;
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
    std::tie(chart.m_bShowCalendarRing, chart.m_bShowAngleRing, chart.m_bCalendarForward, chart.m_bAngleForward,
        chart.m_fCalendarAngle)
        = std::make_tuple(c.calendar, c.angleRing, c.calendarForward, c.angleForward, c.calendarAngle);
    chart.m_rcChart = {100, 100, 500, 500}; // the rings' square: centre (300, 300)
    chart.DrawOuterRings(dc);
    return dc;
}

} // namespace

// Barbs 20 back and 10 aside; the direction held in single precision can
// cost a barb one unit.
TEST(Annotations, ArrowBarbsAKeysLinesNoteBoxesAndTheLineBeingDragged)
{
    const struct {
        Point from, to, barb1, barb2;
    } cases[] = {{{0, 0}, {100, 0}, {81, -10}, {80, 9}}, {{0, 100}, {0, 0}, {-10, 19}, {9, 20}},
        {{50, 50}, {10, 50}, {30, 60}, {30, 40}}, {{100, 100}, {0, 0}, {7, 21}, {21, 7}}};
    CGridChart chart;
    CRecordingSurface dc;
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "to " << c.to.x << ", " << c.to.y);
        dc.Clear();
        chart.DrawArrowLine(c.from.x, c.from.y, c.to.x, c.to.y, dc);
        ExpectLines(dc, {{c.from, c.to, kPen}, {c.to, c.barb1, kPen}, {c.barb2, c.to, kPen}});
    }

    // Every line of a key, with its width over the zoom.
    chart.m_Lines.emplace("1/12", CLine{3, Colors::Blue, false, 1, 12});
    chart.m_Lines.emplace("1/12", CLine{1, Colors::Green, true, 1, 12});
    dc.Clear();
    chart.DrawLines(dc);
    // 3 / 0.6f in double is 4.9999998: width 4.
    const Pen blue{PenStyle::Solid, 4, Colors::Blue}, green{PenStyle::Solid, 1, Colors::Green};
    ExpectLines(dc, {{{20, 20}, {60, 60}, blue}, {{20, 20}, {60, 60}, green}, {{60, 60}, {53, 39}, green},
                     {{39, 53}, {60, 60}, green}});
    ExpectSurfaceRestored(dc);

    chart.m_fZoom = 0.0f; // damaged file: the width saturates
    dc.Clear();
    chart.DrawLines(dc);
    EXPECT_EQ(dc.Ops().at(1).pen.width, INT_MAX);

    // A note's box sits right of and below its cell, with the font over the zoom.
    chart.m_fZoom = 0.5f;
    chart.m_Comments.emplace(12, Comments{"Top", Colors::Yellow, 16, 0, 0, 0, "", {}, Colors::Red}); // centre (60, 60)
    dc.Clear();
    chart.DrawComments(dc);
    // Font 32: "Top" measures 48 x 32, boxed with one unit around (80, 80).
    const Rect box{55, 63, 105, 97};
    EXPECT_EQ(chart.m_Comments.begin()->second.m_rcBox, box);
    const auto& ops = dc.Ops();
    ASSERT_EQ(ops.size(), 4u);
    EXPECT_EQ(std::make_tuple(ops[1].kind, ops[1].color, ops[2].kind, ops[2].rect, ops[2].color, ops[2].font.height,
                  ops[3].kind, ops[3].color, ops[3].color2),
        std::make_tuple(Kind::FillSolidRect, Colors::Yellow, Kind::Text, box, Colors::Red, 32, Kind::Draw3dRect,
            Colors::White, Colors::Black));
    ExpectSurfaceRestored(dc);
    EXPECT_EQ(dc.TextColor(), Colors::Red); // left as the note's colour

    // The line being dragged is drawn only during a line drag with a line tool.
    chart.m_crLineColor = Colors::Green;
    const auto draw = [&](MouseTool tool, int drawing) {
        chart.m_nTool = tool;
        chart.m_bDrawingLine = drawing;
        dc.Clear();
        chart.DrawDraggedLine(dc, {20, 20}, {100, 20}, 3);
        return OpsOfKind(dc, Kind::LineTo).size();
    };
    EXPECT_EQ(draw(MouseTool::Line, 1), 1u);
    ExpectLines(dc, {{{20, 20}, {100, 20}, {PenStyle::Solid, 3, Colors::Green}}});
    EXPECT_EQ(draw(MouseTool::Arrow, 1), 3u); // with the arrow head
    EXPECT_EQ(draw(MouseTool::Tangent, 1), 0u);
    EXPECT_EQ(draw(MouseTool::Line, 0), 0u);
    ExpectSurfaceRestored(dc);
}

TEST(Overlays, TriangleSquaresAndDivisionsTheirRadiiPensAndHandles)
{
    CGridChart chart;
    chart.m_bShowTriangle = 1;
    chart.UpdateLayout();
    CRecordingSurface dc;
    chart.DrawSquaresAndTriangle(dc);
    const Pen solid{PenStyle::Solid, 1, Colors::Red}, dot{PenStyle::Dot, 1, Colors::Red};
    const Point o{200, 200}, v0{400, 199}, v1{99, 26}, v2{100, 373};
    ExpectLines(dc, {{o, v0, dot}, {v0, v1, solid}, {o, v1, dot}, {v1, v2, solid}, {o, v2, dot}, {v2, v0, solid}});
    EXPECT_EQ(chart.m_rcTriangleHandle, (Rect{395, 194, 405, 204}));
    EXPECT_EQ(OpsOfKind(dc, Kind::FillRect).at(0).brush, Brush::Solid(Colors::Red));
    ExpectSurfaceRestored(dc);

    // Equal radii are reset by every layout, shown or not; unequal ones are kept.
    chart.m_bShowTriangle = 0;
    chart.m_fTriangleRadius = chart.m_fSquaresRadius = 150.0f;
    chart.UpdateLayout();
    EXPECT_EQ(chart.m_fSquaresRadius, 200.0f);
    chart.m_fTriangleRadius = 120.0f;
    chart.UpdateLayout();
    EXPECT_EQ(chart.m_fTriangleRadius, 120.0f);
    dc.Clear();
    chart.DrawSquaresAndTriangle(dc);
    EXPECT_TRUE(dc.Ops().empty());

    // The four squares: thin solid sides, a blue handle.
    chart.m_bShowSquares = 1;
    chart.m_fTriangleRadius = chart.m_fSquaresRadius = 200.0f;
    chart.DrawSquaresAndTriangle(dc);
    const auto lines = OpsOfKind(dc, Kind::LineTo);
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(std::tie(lines[1].to, lines[1].pen, lines[2].pen),
        std::make_tuple(Point{199, 0}, Pen{PenStyle::Solid, 0, Colors::Blue}, Pen{PenStyle::Dot, 1, Colors::Blue}));
    EXPECT_EQ(OpsOfKind(dc, Kind::FillRect).at(0).brush, Brush::Solid(Colors::Blue));

    chart.m_bShowTriangle = 1; // a damaged file: the handle saturates
    chart.m_fTriangleRadius = 1e30f;
    chart.DrawSquaresAndTriangle(dc);
    EXPECT_EQ(std::tie(chart.m_rcTriangleHandle.left, chart.m_rcTriangleHandle.right),
        std::make_tuple(INT_MAX - 5, INT_MAX));

    // The divisions star takes the outer radius once and colours its spokes by index.
    chart.m_bShowDivisions = 1;
    chart.UpdateLayout();
    chart.m_fOuterRadius = 100.0f;
    chart.UpdateLayout();
    dc.Clear();
    chart.DrawDivisions(dc);
    EXPECT_EQ(chart.m_fDivisionsRadius, 250.0f); // kept once set
    const auto spokes = OpsOfKind(dc, Kind::LineTo);
    ASSERT_EQ(spokes.size(), 16u);
    const Point ends[] = {{450, 199}, {430, 104}, {376, 23}, {295, -30}, {199, -50}};
    for (size_t i = 0; i < std::size(ends); ++i)
        EXPECT_EQ(std::tie(spokes[i].from, spokes[i].to), std::make_tuple(Point{200, 200}, ends[i])) << i;
    // Red every 90 degrees, blue on the 45-degree lines, dotted grey between.
    const char* colours = "RGBGRGBGRGBGRGBG";
    const Pen red{PenStyle::Solid, 0, Colors::Red}, blue{PenStyle::Solid, 0, Colors::Blue};
    const Pen grey{PenStyle::Dot, 0, Colors::Grey};
    for (size_t i = 0; i < spokes.size(); ++i)
        EXPECT_EQ(spokes[i].pen, colours[i] == 'R' ? red : colours[i] == 'B' ? blue : grey) << i;
    EXPECT_EQ(chart.m_rcDivisionsHandle, (Rect{445, 194, 455, 204}));
    ExpectSurfaceRestored(dc);

    // Counts of damaged files: no star, and no handle to drag.
    for (int count : {0, -3, INT_MAX}) {
        chart.m_nDivisions = count;
        dc.Clear();
        chart.DrawDivisions(dc);
        EXPECT_TRUE(dc.Ops().empty()) << count;
        EXPECT_TRUE(chart.m_rcDivisionsHandle.IsEmpty()) << count;
    }
}

TEST(AngleFromCenter, IsCounterClockwiseFromTheRight)
{
    const struct { Point pt; float angle, distance; } cases[] = {
        {{200, 150}, 90, 50},  {{200, 260}, 270, 60},           {{100, 200}, 180, 100},
        {{230, 200}, 0, 30},   {{203, 196}, 53.130104f, 5},     {{210, 210}, 315, 14.142136f},
        {{200, 200}, 0, 0},    {{10000200, 201}, 0, 1e7f}, // 360 - 6e-6 rounds to 360: wrapped
    };
    for (const auto& c : cases) {
        float distance = -1;
        EXPECT_FLOAT_EQ(CBaseDraw::AngleFromCenter(c.pt, {200, 200}, distance), c.angle) << c.pt.x << "," << c.pt.y;
        EXPECT_FLOAT_EQ(distance, c.distance);
    }
}

TEST(OuterRings, TermsAlternateWithDayMarksLabelsSitOnTheirAnchorsTicksPensAndHandles)
{
    EXPECT_EQ(CalendarLabel(365), "3.21");
    EXPECT_EQ(CalendarLabel(-1), "");
    bool term = true;
    for (int key = 0; key < 365; ++key) {
        const std::string_view text = CalendarLabel(key);
        if (text.empty())
            continue;
        EXPECT_EQ(text.find('.') != std::string_view::npos, term) << key;
        term = !term;
    }

    // Worked examples, each label centred on its anchor.
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

    // Both rings: the calendar's ticks and pens, the circles and the handles.
    CGridChart chart;
    const CRecordingSurface dc = DrawRings(chart, cases[std::size(cases) - 1]);
    const auto ticks = OpsOfKind(dc, SurfaceOp::Kind::LineTo);
    ASSERT_EQ(ticks.size(), 365u + 360u);
    const struct { int day; Point from, to; Pen pen; } expected[] = {
        {0, {510, 299}, {540, 299}, kBlue}, // long tick; y 299 from theta in single precision
        {1, {509, 296}, {524, 296}, {PenStyle::Solid, 0, Colors::DarkRed}},
        {10, {506, 264}, {521, 261}, kBlue}, // short tick
        {15, {503, 246}, {532, 238}, kBlue},
    };
    for (const auto& e : expected)
        EXPECT_EQ(std::tie(ticks[e.day].from, ticks[e.day].to, ticks[e.day].pen), std::tie(e.from, e.to, e.pen))
            << e.day;
    EXPECT_EQ(ticks[366].pen, (Pen{PenStyle::Solid, 0, Colors::Green}));
    const auto circles = OpsOfKind(dc, SurfaceOp::Kind::Ellipse);
    ASSERT_EQ(circles.size(), 2u);
    EXPECT_EQ(std::tie(circles[0].rect, circles[1].rect),
        std::make_tuple(Rect{90, 90, 510, 510}, Rect{30, 30, 570, 570}));
    EXPECT_TRUE(circles[1].brush.hollow);
    // "3.21" measures 40 x 20: the grey handle has one unit around it.
    EXPECT_EQ(chart.m_rcCalendarHandle, (Rect{529, 288, 571, 310}));
    const auto fills = OpsOfKind(dc, SurfaceOp::Kind::FillRect);
    ASSERT_EQ(fills.size(), 2u);
    EXPECT_EQ(std::tie(fills[0].rect, fills[1].rect), std::tie(chart.m_rcCalendarHandle, chart.m_rcAngleHandle));
    EXPECT_EQ(fills[0].brush, Brush::Solid(Colors::LightGrey));
    EXPECT_EQ(std::make_pair(dc.CurrentPen(), dc.CurrentBrush()), std::make_pair(Pen{}, Brush{}));
    EXPECT_TRUE(DrawRings(chart, {"", false, false, 1, 1, 0, "", {}}).Ops().empty());
}
