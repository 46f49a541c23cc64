// The Hexagon chart: layout, cell centres and hit test with their
// single-precision roundings, label order and colours, fills, paint order,
// and damaged charts.

#include "DrawHexagon.h"
#include "GridChart.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <limits>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

using Kind = SurfaceOp::Kind;

// Centre (400, 300) and cell size 40 with three rings.
const Rect kExampleClient{280, 180, 520, 420};
// The chart rectangle of the view on a 1920 x 1080 desktop.
const Rect kDesktopClient{50, 50, 1840, 1840};

std::unique_ptr<CDrawHexagon> PaintedChart(int rings, Rect client = kExampleClient, CRecordingSurface* dc = nullptr)
{
    auto chart = std::make_unique<CDrawHexagon>();
    chart->SetRings(rings);
    chart->m_rcClient = client;
    CRecordingSurface own;
    chart->Draw(dc ? *dc : own);
    return chart;
}

// The labels of a pass showing only N, in drawing order.
std::vector<SurfaceOp> NumberLabels(int rings)
{
    CRecordingSurface dc;
    auto chart = std::make_unique<CDrawHexagon>();
    chart->SetRings(rings);
    chart->m_rcClient = kExampleClient;
    chart->m_bShowPrice = false;
    chart->m_bShowN = true;
    chart->Draw(dc);
    return OpsOfKind(dc, Kind::Text);
}

struct CentreCase {
    int n;
    Point centre;
};

class HexagonCellCenter : public testing::TestWithParam<CentreCase> {};

TEST_P(HexagonCellCenter, WorkedExample)
{
    EXPECT_EQ(PaintedChart(3)->GetCellCenter(GetParam().n), GetParam().centre);
}

// 409, not 410: pi = 3.1415926 and the single-precision cosine of 300 degrees.
INSTANTIATE_TEST_SUITE_P(Centre400x300Size40, HexagonCellCenter,
    testing::Values(CentreCase{1, {409, 282}}, CentreCase{6, {420, 300}}, CentreCase{7, {444, 273}},
        CentreCase{17, {445, 325}}, CentreCase{18, {460, 300}}, CentreCase{36, {500, 300}}));

struct HitCase {
    const char* name;
    Point p;
    int n;
};

class HexagonHitTest : public testing::TestWithParam<HitCase> {};

TEST_P(HexagonHitTest, Example)
{
    EXPECT_EQ(PaintedChart(3)->HitTest(GetParam().p.x, GetParam().p.y), GetParam().n);
}

INSTANTIATE_TEST_SUITE_P(Centre400x300Size40, HexagonHitTest,
    testing::Values(HitCase{"JustAboveTheRightAxis", {460, 299}, 18}, HitCase{"EdgeMiddle", {445, 325}, 17},
        HitCase{"StraightAbove", {400, 240}, 9}, HitCase{"LeftAxis", {340, 300}, 12},
        HitCase{"BeyondTheLastRing", {520, 300}, 0}, HitCase{"Centre", {400, 300}, 1},
        HitCase{"InsideTheCircleOutsideTheHexagon", {400, 185}, 0},
        HitCase{"BeyondACornerStaysOnTheRing", {435, 299}, 6}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Hexagon, HitTestFindsEveryCellAtItsCentre)
{
    for (const Rect& client : {kDesktopClient, Rect{0, 0, 1000, 900}}) {
        for (int rings : {1, 11, 40}) {
            auto chart = PaintedChart(rings, client);
            for (int n = 1; n <= 3 * rings * (rings + 1); ++n) {
                const Point c = chart->GetCellCenter(n);
                ASSERT_EQ(chart->HitTest(c.x, c.y), n) << rings << " rings, cell size " << chart->m_nCellSize;
            }
        }
    }
}

TEST(Hexagon, PointInTriangleCountsTheBoundaryEitherOrientation)
{
    const Point a{0, 0}, b{10, 0}, c{0, 10};
    for (const Point q : {Point{2, 2}, Point{5, 0}, Point{5, 5}, Point{0, 0}}) {
        EXPECT_TRUE(CDrawHexagon::PointInTriangle(a, b, c, q));
        EXPECT_TRUE(CDrawHexagon::PointInTriangle(b, a, c, q));
    }
    for (const Point q : {Point{6, 5}, Point{-1, 2}, Point{3, -1}}) {
        EXPECT_FALSE(CDrawHexagon::PointInTriangle(a, b, c, q));
        EXPECT_FALSE(CDrawHexagon::PointInTriangle(c, b, a, q));
    }
}

TEST(Hexagon, LayoutFromTheHeightLessTheOuterRingMargin)
{
    auto chart = PaintedChart(3);
    EXPECT_EQ(chart->GetName(), "Hexagon");
    EXPECT_EQ(chart->m_nDivisions, 12);
    EXPECT_EQ(chart->m_rcChart, Rect({290, 190, 510, 410}));
    EXPECT_EQ(chart->GetOuterRadius(), 110.0f);
    chart->m_bShowCalendarRing = true;
    CRecordingSurface dc;
    chart->Draw(dc);
    EXPECT_EQ(chart->m_nCellSize, 23); // 140 / 6
    EXPECT_EQ(chart->m_rcChart, Rect({341, 241, 459, 359}));
    EXPECT_EQ(OpsOfKind(dc, Kind::Ellipse).front().rect, Rect({331, 231, 469, 369}));
}

TEST(HexagonLabels, OneRingShowsSixRedCorners)
{
    const std::vector<SurfaceOp> labels = NumberLabels(1);
    ASSERT_EQ(labels.size(), 6u);
    auto chart = PaintedChart(1);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(labels[i].text, std::to_string(6 - i));
        EXPECT_EQ(labels[i].color, Colors::Red);
        EXPECT_EQ(labels[i].rect.Center(), chart->GetCellCenter(6 - i));
    }
}

TEST(HexagonLabels, SecondRingDownFromEighteenWithBlueEdgeMiddles)
{
    const std::vector<SurfaceOp> labels = NumberLabels(2);
    ASSERT_EQ(labels.size(), 18u);
    const std::set<int> red = {1, 2, 3, 4, 5, 6, 18, 16, 14, 12, 10, 8};
    const std::set<int> blue = {17, 15, 13, 11, 9, 7};
    const int order[] = {6, 5, 4, 3, 2, 1, 18, 17, 16, 15, 14, 13, 12, 11, 10, 9, 8, 7};
    for (size_t i = 0; i < labels.size(); ++i) {
        const int n = order[i];
        EXPECT_EQ(labels[i].text, std::to_string(n));
        EXPECT_EQ(labels[i].color, red.count(n) ? Colors::Red : blue.count(n) ? Colors::Blue : Colors::Black) << n;
    }
    // Plain positions are black again after a coloured one: 35 after the red 36.
    const SurfaceOp after = NumberLabels(3)[19];
    EXPECT_EQ(after.text, "35");
    EXPECT_EQ(after.color, Colors::Black);
}

TEST(HexagonLabels, EachRingBetweenItsInnerAndOuterBoundary)
{
    CRecordingSurface dc;
    PaintedChart(2, kExampleClient, &dc);
    std::string kinds;
    for (const SurfaceOp& op : dc.Ops())
        if (op.kind == Kind::Text || op.kind == Kind::LineTo)
            kinds += op.kind == Kind::Text ? 'T' : 'L';
    EXPECT_EQ(kinds, std::string(6, 'T') + std::string(6, 'L') + std::string(12, 'T') + std::string(6, 'L'));
}

TEST(HexagonLabels, FontTruncatesOneOverTheZoom)
{
    for (const auto& [zoom, height] : {std::pair{0.6f, 23}, std::pair{0.8f, 17}}) {
        auto chart = std::make_unique<CDrawHexagon>();
        chart->SetRings(1);
        chart->m_rcClient = kExampleClient;
        chart->m_fZoom = zoom;
        CRecordingSurface dc;
        chart->Draw(dc);
        EXPECT_EQ(OpsOfKind(dc, Kind::Text).front().font.height, height) << zoom;
        EXPECT_EQ(dc.CurrentFont(), Font{});
    }
}

TEST(HexagonLabels, AllOffStillDrawsTheRingsAndOuterRings)
{
    auto chart = std::make_unique<CDrawHexagon>();
    chart->SetRings(3);
    chart->m_rcClient = kExampleClient;
    chart->m_bShowPrice = false;
    chart->m_bShowAngleRing = true;
    CRecordingSurface dc;
    chart->Draw(dc);
    const std::vector<SurfaceOp> texts = OpsOfKind(dc, Kind::Text);
    ASSERT_EQ(texts.size(), 36u); // the angle ring's figures only
    EXPECT_EQ(texts[0].text, "360");
    const std::vector<SurfaceOp> lines = OpsOfKind(dc, Kind::LineTo);
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(), [](const SurfaceOp& op) { return op.pen == Pen{}; }), 18);
}

TEST(HexagonPaint, FillsCoverTheHexagonsOwnCells)
{
    auto chart = std::make_unique<CDrawHexagon>();
    chart->SetRings(8); // 216 cells, more than the wheel's 24 per ring
    chart->m_rcClient = kDesktopClient;
    chart->m_FillCells[0] = Cell_Style{};
    chart->m_FillCells[200] = Cell_Style{1, Colors::Green, true};
    chart->m_FillCells[216] = Cell_Style{1, Colors::Blue, false};
    chart->m_FillCells[217] = Cell_Style{};
    CRecordingSurface dc;
    chart->Draw(dc);
    const std::vector<SurfaceOp> circles = OpsOfKind(dc, Kind::FillEllipse);
    const std::vector<SurfaceOp> squares = OpsOfKind(dc, Kind::FillRect);
    ASSERT_EQ(circles.size(), 1u);
    ASSERT_EQ(squares.size(), 1u);
    const Point c = chart->GetCellCenter(200);
    EXPECT_EQ(circles[0].rect, Rect({c.x - 20, c.y - 20, c.x + 20, c.y + 20}));
    EXPECT_EQ(circles[0].brush.color, Colors::Green);
    EXPECT_EQ(squares[0].rect.Center(), chart->GetCellCenter(216));
}

// Index of the first operation of that kind drawn with that pen.
long FirstIndex(const std::vector<SurfaceOp>& ops, Kind kind, const Pen& pen)
{
    const auto it
        = std::find_if(ops.begin(), ops.end(), [&](const SurfaceOp& op) { return op.kind == kind && op.pen == pen; });
    return it == ops.end() ? -1 : it - ops.begin();
}

TEST(HexagonPaint, StepsPaintInOrderAndRestoreTheSurface)
{
    constexpr Color kDragColour = 0x123456;
    auto chart = std::make_unique<CDrawHexagon>();
    chart->SetRings(2);
    chart->m_rcClient = kExampleClient;
    chart->m_bShowDivisions = 1;
    chart->m_FillCells[3] = Cell_Style{};
    chart->m_Lines.emplace("1/18", CLine{1, Colors::DarkRed, false, 1, 18});
    chart->m_bDrawingLine = 1;
    chart->m_nTool = 1;
    chart->m_nLineStartCell = 2;
    chart->m_nLineEndCell = 9;
    chart->m_nLineWidth = 3;
    chart->m_crLineColor = kDragColour;
    chart->m_bShowTriangle = 1;
    chart->m_bShowCalendarRing = true;
    CRecordingSurface dc;
    chart->Draw(dc);
    const std::vector<SurfaceOp>& ops = dc.Ops();
    const long drag = FirstIndex(ops, Kind::LineTo, {PenStyle::Solid, 3, kDragColour}); // not divided by the zoom
    const long steps[] = {FirstIndex(ops, Kind::LineTo, {PenStyle::Solid, 0, Colors::Red}),
        FirstIndex(ops, Kind::FillEllipse, Pen{}), FirstIndex(ops, Kind::LineTo, {PenStyle::Solid, 1, Colors::DarkRed}),
        drag, FirstIndex(ops, Kind::LineTo, {PenStyle::Dot, 1, Colors::Red}), FirstIndex(ops, Kind::Text, Pen{}),
        FirstIndex(ops, Kind::Ellipse, Pen{})};
    EXPECT_GE(steps[0], 0);
    for (size_t i = 1; i < std::size(steps); ++i)
        EXPECT_LT(steps[i - 1], steps[i]) << "step " << i;
    EXPECT_EQ(ops[drag].from, chart->GetCellCenter(2));
    EXPECT_EQ(dc.CurrentFont(), Font{});
    EXPECT_EQ(dc.CurrentPen(), Pen{});
    EXPECT_EQ(dc.BackgroundMode(), BkMode::Opaque);
}

TEST(HexagonRobustness, DamagedChartsDrawNothingAndAnswerHarmlessly)
{
    constexpr int kIntMax = std::numeric_limits<int>::max();
    constexpr int kIntMin = std::numeric_limits<int>::min();
    const std::pair<int, Rect> cases[] = {{0, kExampleClient}, {-3, kExampleClient}, {kIntMax, kExampleClient},
        {26755, {0, 0, 100000, 100000}}, {121, kExampleClient}, {3, {520, 420, 280, 180}},
        {3, {kIntMin, kIntMin, kIntMax, kIntMax}}};
    for (const auto& [rings, client] : cases) {
        auto chart = std::make_unique<CDrawHexagon>();
        chart->m_rcClient = client;
        EXPECT_EQ(chart->HitTest(10, 10), 0); // before the first Draw
        EXPECT_EQ(chart->GetCellCenter(7), Point({0, 0}));
        chart->m_nRings = rings;
        chart->m_FillCells[1] = Cell_Style{};
        CRecordingSurface dc;
        chart->Draw(dc);
        EXPECT_TRUE(dc.Ops().empty()) << rings;
        EXPECT_EQ(chart->HitTest(kIntMin, kIntMax), 0);
        EXPECT_EQ(chart->HitTest(0, 0), 0);
    }
    auto chart = PaintedChart(3);
    EXPECT_EQ(chart->GetCellCenter(0), Point({400, 300}));
    chart->GetCellCenter(kIntMax);
    chart->m_nRings = kIntMax; // changed after the layout: rings beyond the drawn ones still count
    EXPECT_EQ(chart->HitTest(780, 300), 330);
}

} // namespace
