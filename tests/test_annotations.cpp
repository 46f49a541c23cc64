// Lines with arrow heads, text notes, the triangle, the four-square cross, the
// divisions star, the rubber-band line and the handle angle.

#include "GridChart.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

using Kind = SurfaceOp::Kind;

const Pen kRedSolid{PenStyle::Solid, 1, Colors::Red};
const Pen kRedDot{PenStyle::Dot, 1, Colors::Red};

// The surface's selections are back where they started.
void ExpectSurfaceRestored(const CRecordingSurface& dc)
{
    EXPECT_EQ(dc.CurrentPen(), Pen{});
    EXPECT_EQ(dc.CurrentBrush(), Brush{});
    EXPECT_EQ(dc.CurrentFont(), Font{});
}

} // namespace

struct ArrowCase {
    const char* name;
    Point from, to;
    Point barb1, barb2; // first barb drawn from the tip, second drawn back to it
};

class ArrowHeads : public ::testing::TestWithParam<ArrowCase> {};

// The barbs lie 20 back and 10 aside; the direction held in single precision
// can cost a barb one unit.
TEST_P(ArrowHeads, BarbsMeetAtTheEndPoint)
{
    const ArrowCase& c = GetParam();
    CGridChart chart;
    CRecordingSurface dc;
    chart.DrawArrowLine(c.from.x, c.from.y, c.to.x, c.to.y, dc);
    const auto lines = OpsOfKind(dc, Kind::LineTo);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].from, c.from);
    EXPECT_EQ(lines[0].to, c.to);
    EXPECT_EQ(lines[1].from, c.to);
    EXPECT_EQ(lines[1].to, c.barb1);
    EXPECT_EQ(lines[2].from, c.barb2);
    EXPECT_EQ(lines[2].to, c.to);
}

INSTANTIATE_TEST_SUITE_P(
    Directions, ArrowHeads,
    ::testing::Values(ArrowCase{"Right", {0, 0}, {100, 0}, {81, -10}, {80, 9}},
                      ArrowCase{"Up", {0, 100}, {0, 0}, {-10, 19}, {9, 20}},
                      ArrowCase{"Left", {50, 50}, {10, 50}, {30, 60}, {30, 40}},
                      ArrowCase{"DiagonalUpLeft", {100, 100}, {0, 0}, {7, 21}, {21, 7}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Lines, EveryLineOfAKeyIsDrawnWithItsZoomedPen)
{
    CGridChart chart;
    chart.m_Lines.emplace("1/12", CLine{3, Colors::Blue, false, 1, 12});
    chart.m_Lines.emplace("1/12", CLine{1, Colors::Green, true, 1, 12});
    CRecordingSurface dc;
    chart.DrawLines(dc);
    const auto lines = OpsOfKind(dc, Kind::LineTo);
    ASSERT_EQ(lines.size(), 4u); // a plain line, then a line with two barbs
    EXPECT_EQ(lines[0].from, (Point{20, 20}));
    EXPECT_EQ(lines[0].to, (Point{60, 60}));
    // 3 / 0.6f in double is 4.9999998: truncated to 4.
    EXPECT_EQ(lines[0].pen, (Pen{PenStyle::Solid, 4, Colors::Blue}));
    EXPECT_EQ(lines[1].pen, (Pen{PenStyle::Solid, 1, Colors::Green}));
    EXPECT_EQ(lines[1].to, (Point{60, 60}));
    ExpectSurfaceRestored(dc);
}

TEST(Lines, ZoomOfZeroSaturatesThePen)
{
    CGridChart chart;
    chart.m_fZoom = 0.0f;
    chart.m_Lines.emplace("1/2", CLine{2, 0, false, 1, 2});
    CRecordingSurface dc;
    chart.DrawLines(dc);
    EXPECT_EQ(OpsOfKind(dc, Kind::LineTo).at(0).pen.width, INT_MAX);
}

TEST(Notes, BoxSitsRightOfAndBelowTheCellWithAZoomedFont)
{
    CGridChart chart;
    chart.m_fZoom = 0.5f;
    Comments note;
    note.m_strText = "Top";
    note.m_nHeight = 16;
    note.m_nWeight = 700;
    note.m_strFace = "Serif";
    note.m_crBack = Colors::Yellow;
    note.m_crText = Colors::Red;
    chart.m_Comments.emplace(12, note); // centre (60, 60)
    CRecordingSurface dc;
    chart.DrawComments(dc);

    // Font 32 high: "Top" measures 48 x 32, boxed with one unit around (80, 80).
    const Rect box{80 - 25, 80 - 17, 80 + 25, 80 + 17};
    EXPECT_EQ(chart.m_Comments.begin()->second.m_rcBox, box);
    const auto fills = OpsOfKind(dc, Kind::FillSolidRect);
    ASSERT_EQ(fills.size(), 1u);
    EXPECT_EQ(fills[0].rect, box);
    EXPECT_EQ(fills[0].color, Colors::Yellow);
    const auto texts = OpsOfKind(dc, Kind::Text);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].rect, box);
    EXPECT_EQ(texts[0].color, Colors::Red);
    EXPECT_EQ(texts[0].font.height, 32);
    EXPECT_EQ(texts[0].font.weight, 700);
    EXPECT_EQ(texts[0].font.face, "Serif");
    const auto frames = OpsOfKind(dc, Kind::Draw3dRect);
    ASSERT_EQ(frames.size(), 1u);
    EXPECT_EQ(frames[0].color, Colors::White);
    EXPECT_EQ(frames[0].color2, Colors::Black);
    EXPECT_EQ(dc.CurrentFont(), Font{});
    EXPECT_EQ(dc.TextColor(), Colors::Red); // the text colour is left as the note's
}

TEST(Triangle, NewChartDrawsItWithHalfTheChartWidth)
{
    CGridChart chart;
    chart.m_bShowTriangle = 1;
    CRecordingSurface dc;
    chart.DrawSquaresAndTriangle(dc);
    EXPECT_EQ(chart.m_fTriangleRadius, 200.0f);
    EXPECT_EQ(chart.m_fSquaresRadius, 200.0f);

    const Point o{200, 200}, v0{400, 199}, v1{99, 26}, v2{100, 373};
    const struct { Point from, to; Pen pen; } expected[] = {
        {o, v0, kRedDot}, {v0, v1, kRedSolid}, {o, v1, kRedDot},
        {v1, v2, kRedSolid}, {o, v2, kRedDot}, {v2, v0, kRedSolid},
    };
    const auto lines = OpsOfKind(dc, Kind::LineTo);
    ASSERT_EQ(lines.size(), 6u);
    for (size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].from, expected[i].from) << i;
        EXPECT_EQ(lines[i].to, expected[i].to) << i;
        EXPECT_EQ(lines[i].pen, expected[i].pen) << i;
    }
    EXPECT_EQ(chart.m_rcTriangleHandle, (Rect{395, 194, 405, 204}));
    EXPECT_EQ(OpsOfKind(dc, Kind::FillRect).at(0).brush, Brush::Solid(Colors::Red));
    ExpectSurfaceRestored(dc);
}

TEST(Triangle, EqualRadiiAreResetEvenWhenHidden)
{
    CGridChart chart;
    CRecordingSurface dc;
    chart.m_fTriangleRadius = chart.m_fSquaresRadius = 150.0f;
    chart.DrawSquaresAndTriangle(dc);
    EXPECT_EQ(chart.m_fTriangleRadius, 200.0f);
    EXPECT_EQ(chart.m_fSquaresRadius, 200.0f);
    chart.m_fTriangleRadius = 120.0f;
    chart.DrawSquaresAndTriangle(dc);
    EXPECT_EQ(chart.m_fTriangleRadius, 120.0f);
    EXPECT_TRUE(dc.Ops().empty());
}

TEST(FourSquares, SolidThinSidesDottedCrossBlueHandle)
{
    CGridChart chart;
    chart.m_bShowSquares = 1;
    CRecordingSurface dc;
    chart.DrawSquaresAndTriangle(dc);
    const auto lines = OpsOfKind(dc, Kind::LineTo);
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[1].from, (Point{400, 199}));
    EXPECT_EQ(lines[1].to, (Point{199, 0}));
    EXPECT_EQ(lines[1].pen, (Pen{PenStyle::Solid, 0, Colors::Blue}));
    EXPECT_EQ(lines[2].pen, (Pen{PenStyle::Dot, 1, Colors::Blue}));
    EXPECT_EQ(lines[7].to, (Point{400, 199}));
    EXPECT_EQ(chart.m_rcSquaresHandle, (Rect{395, 194, 405, 204}));
    EXPECT_EQ(OpsOfKind(dc, Kind::FillRect).at(0).brush, Brush::Solid(Colors::Blue));
}

TEST(Divisions, RadiusComesFromTheOuterRadiusOnceAndPensFollowTheSpoke)
{
    CGridChart chart;
    chart.m_bShowDivisions = 1;
    CRecordingSurface dc;
    chart.DrawDivisions(dc);
    EXPECT_EQ(chart.m_fDivisionsRadius, 250.0f);
    chart.m_fOuterRadius = 100.0f;
    chart.DrawDivisions(dc);
    EXPECT_EQ(chart.m_fDivisionsRadius, 250.0f); // kept once set

    const auto lines = OpsOfKind(dc, Kind::LineTo);
    ASSERT_EQ(lines.size(), 32u);
    EXPECT_EQ(lines[0].to, (Point{450, 199}));
    EXPECT_EQ(lines[2].to, (Point{376, 23}));
    EXPECT_EQ(lines[0].pen, (Pen{PenStyle::Solid, 0, Colors::Red}));
    EXPECT_EQ(lines[1].pen, (Pen{PenStyle::Dot, 0, Colors::Grey}));
    EXPECT_EQ(lines[2].pen, (Pen{PenStyle::Solid, 0, Colors::Blue}));
    EXPECT_EQ(lines[4].pen.color, Colors::Red);
    EXPECT_EQ(chart.m_rcDivisionsHandle, (Rect{445, 194, 455, 204}));
    ExpectSurfaceRestored(dc);
}

TEST(Divisions, DamagedSpokeCountsDrawNoStar)
{
    for (int count : {0, -3, INT_MAX}) {
        CGridChart chart;
        chart.m_bShowDivisions = 1;
        chart.m_nDivisions = count;
        chart.m_rcDivisionsHandle = {1, 1, 11, 11};
        CRecordingSurface dc;
        chart.DrawDivisions(dc);
        EXPECT_TRUE(dc.Ops().empty()) << count;
        EXPECT_TRUE(chart.m_rcDivisionsHandle.IsEmpty()) << count;
    }
}

TEST(Overlays, HugeRadiusSaturatesInsteadOfOverflowing)
{
    CGridChart chart;
    chart.m_bShowTriangle = 1;
    chart.m_fTriangleRadius = 1e30f;
    CRecordingSurface dc;
    chart.DrawSquaresAndTriangle(dc);
    EXPECT_EQ(chart.m_rcTriangleHandle.right, INT_MAX);
    EXPECT_EQ(chart.m_rcTriangleHandle.left, INT_MAX - 5);
}

struct AngleCase {
    const char* name;
    Point pt;
    float angle, distance;
};

class HandleAngle : public ::testing::TestWithParam<AngleCase> {};

TEST_P(HandleAngle, IsCounterClockwiseFromTheRight)
{
    const AngleCase& c = GetParam();
    float distance = -1.0f;
    EXPECT_FLOAT_EQ(CBaseDraw::AngleFromCenter(c.pt, {200, 200}, distance), c.angle);
    EXPECT_FLOAT_EQ(distance, c.distance);
}

INSTANTIATE_TEST_SUITE_P(
    Directions, HandleAngle,
    ::testing::Values(AngleCase{"Above", {200, 150}, 90.0f, 50.0f}, AngleCase{"Below", {200, 260}, 270.0f, 60.0f},
                      AngleCase{"Left", {100, 200}, 180.0f, 100.0f}, AngleCase{"Right", {230, 200}, 0.0f, 30.0f},
                      AngleCase{"UpRight", {203, 196}, 53.130104f, 5.0f},
                      AngleCase{"DownRight", {210, 210}, 315.0f, 14.142136f},
                      AngleCase{"OnTheCentre", {200, 200}, 0.0f, 0.0f},
                      // 360 - 6e-6 rounds to 360 in single precision: wrapped to 0.
                      AngleCase{"FarJustBelowTheAxis", {10000200, 201}, 0.0f, 1e7f}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DraggedLine, DrawnOnlyDuringALineDragWithALineTool)
{
    CGridChart chart;
    chart.m_crLineColor = Colors::Green;
    CRecordingSurface dc;
    const auto drawnLines = [&](int tool, int drawing) {
        chart.m_nTool = tool;
        chart.m_bDrawingLine = drawing;
        dc.Clear();
        chart.DrawDraggedLine(dc, {20, 20}, {100, 20}, 3);
        return OpsOfKind(dc, Kind::LineTo);
    };
    const auto straight = drawnLines(1, 1);
    ASSERT_EQ(straight.size(), 1u);
    EXPECT_EQ(straight[0].pen, (Pen{PenStyle::Solid, 3, Colors::Green}));
    EXPECT_EQ(straight[0].to, (Point{100, 20}));
    EXPECT_EQ(drawnLines(2, 1).size(), 3u); // with the arrow head
    EXPECT_TRUE(drawnLines(6, 1).empty());
    EXPECT_TRUE(drawnLines(1, 0).empty());
    ExpectSurfaceRestored(dc);
}
