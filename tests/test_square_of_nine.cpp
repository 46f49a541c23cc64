#include "DrawSquareOfNine.h"
#include "GridChart.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace {

using Kind = SurfaceOp::Kind;

auto Make(int rings, Rect client = {0, 0, 600, 500}) { return MakeChart<CDrawSquareOfNine>(rings, client); }

// Labels by cell number: they are written from the highest number down.
std::map<int, SurfaceOp> PaintLabels(CBaseDraw& chart, int highest)
{
    std::map<int, SurfaceOp> labels;
    for (const SurfaceOp& op : OpsOfKind(PaintOnce(chart), Kind::Text))
        labels[highest--] = op;
    return labels;
}

// Clockwise numbering is the mirror image of anticlockwise; off the grid the
// spiral continues and stays invertible.
TEST(Numbering, TwoRingsBothWaysAndBeyond)
{
    const int anticlockwise[5][5] = {{17, 16, 15, 14, 13}, {18, 5, 4, 3, 12}, {19, 6, 1, 2, 11}, {20, 7, 8, 9, 10},
        {21, 22, 23, 24, 25}};
    for (int row = 1; row <= 5; ++row)
        for (int col = 1; col <= 5; ++col) {
            EXPECT_EQ(CDrawSquareOfNine::NumberAt(row, col, 3, false), anticlockwise[row - 1][col - 1]);
            EXPECT_EQ(CDrawSquareOfNine::NumberAt(row, 6 - col, 3, true), anticlockwise[row - 1][col - 1]);
        }
    for (bool clockwise : {false, true})
        for (int c0 : {1, 3, 11})
            for (int row = c0 - 30; row <= c0 + 30; ++row)
                for (int col = c0 - 30; col <= c0 + 30; ++col) {
                    const int n = CDrawSquareOfNine::NumberAt(row, col, c0, clockwise);
                    // The same cell of a grid with five more rings around it.
                    ASSERT_EQ(n, CDrawSquareOfNine::NumberAt(row + 5, col + 5, c0 + 5, clockwise));
                    int r = 0, k = 0;
                    CDrawSquareOfNine::PositionOf(n, c0, clockwise, r, k);
                    ASSERT_EQ(Point({r, k}), Point({row, col}));
                }
    // Two rings, counter-clockwise: ring 3 starts right of 25 and has 37 top-left.
    EXPECT_EQ(CDrawSquareOfNine::NumberAt(5, 6, 3, false), 26);
    EXPECT_EQ(CDrawSquareOfNine::NumberAt(0, 0, 3, false), 37);
}

TEST(SquareOfNineLayout, CutsTheClientIntoEqualCellsInsideTheOuterRings)
{
    // Client, calendar ring, angle ring, grid and cell width and height.
    const std::tuple<Rect, bool, bool, Rect, int, int> cases[] = {
        {{0, 0, 600, 500}, false, false, {0, 0, 600, 500}, 120, 100},
        {{10, 20, 617, 523}, false, false, {10, 20, 615, 520}, 121, 100}, // remainders dropped
        {{0, 0, 1000, 800}, true, false, {170, 170, 830, 630}, 132, 92},
        {{0, 0, 1000, 800}, false, true, {170, 170, 830, 630}, 132, 92},
        {{0, 0, 1000, 800}, true, true, {220, 220, 780, 580}, 112, 72},
    };
    for (const auto& [client, calendar, angle, grid, cellWidth, cellHeight] : cases) {
        auto chart = Make(2, client);
        std::tie(chart->m_bShowCalendarRing, chart->m_bShowAngleRing) = std::make_tuple(calendar, angle);
        chart->UpdateLayout();
        EXPECT_EQ(std::tie(chart->m_rcGrid, chart->m_rcChart, chart->m_nCellWidth, chart->m_nCellHeight),
            std::tie(grid, grid, cellWidth, cellHeight)) << client.right;
    }
}

TEST(SquareOfNineLabels, NumbersAndColoursFromOutsideInAndYearsShownOnChange)
{
    auto chart = Make(2);
    chart->m_bShowPrice = false;
    chart->m_bShowN = true;
    const std::map<int, SurfaceOp> labels = PaintLabels(*chart, 25);
    ASSERT_EQ(labels.size(), 25u);
    const std::set<int> red = {13, 3, 1, 7, 21, 17, 5, 9, 25};
    const std::set<int> blue = {15, 4, 8, 23, 11, 2, 6, 19};
    for (const auto& [n, op] : labels) {
        const Color colour = red.count(n) ? Colors::Red : blue.count(n) ? Colors::Blue : Colors::Black;
        const int middle = (op.rect.left + op.rect.right) / 2, centre = chart->GetCellCenter(n).x;
        EXPECT_EQ(std::tie(op.text, op.color, op.font, op.bkMode, middle),
            std::make_tuple(std::to_string(n), colour, chart->LabelFont(), BkMode::Transparent, centre)) << n;
    }

    // Dates show the year on the first label and on each change; each paint
    // starts the year over, so every paint shows the same labels.
    chart->m_tStartTime = LocalMidnight(2011, 12, 30);
    chart->m_bShowN = false;
    chart->m_bShowTime = true;
    for (int paint = 0; paint < 2; ++paint) {
        const std::map<int, SurfaceOp> dated = PaintLabels(*chart, 25);
        const std::map<int, std::string> expected
            = {{25, "12/1/23"}, {4, "1/2"}, {3, "1/1"}, {2, "11/12/31"}, {1, "12/30"}};
        for (const auto& [n, text] : expected)
            EXPECT_EQ(dated.at(n).text, text) << "paint " << paint;
    }
}

// Day texts of a common year, twice over the first 730 cells.
TEST(SquareOfNineLabels, TimeStandardDayTexts)
{
    auto chart = Make(14, {0, 0, 1200, 1200}); // 841 cells
    chart->m_bShowPrice = false;
    chart->m_bTimeStandard = true;
    chart->m_bShowN = true;
    std::map<int, SurfaceOp> labels = PaintLabels(*chart, 841);
    EXPECT_EQ(labels[60].text, "3/1\n60");
    EXPECT_EQ(labels[731].text, "731");
    chart->m_bShowN = false;
    labels = PaintLabels(*chart, 730); // cells beyond 730 stay empty
    EXPECT_EQ(labels.begin()->first, 1);
    const std::map<int, std::string> days = {{1, "1/1"}, {31, "1/31"}, {32, "2/1"}, {59, "2/28"}, {60, "3/1"},
        {365, "12/31"}, {366, "1/1"}, {730, "12/31"}};
    for (const auto& [n, text] : days)
        EXPECT_EQ(labels.at(n).text, text) << n;
}

TEST(SquareOfNinePaint, BackgroundRingsAlternateFromLightYellowOutside)
{
    for (int rings : {1, 2, 3}) {
        auto chart = Make(rings, {0, 0, 700, 700});
        const std::vector<SurfaceOp> fills = OpsOfKind(PaintOnce(*chart), Kind::FillRect);
        ASSERT_EQ(fills.size(), static_cast<size_t>(rings + 1));
        Rect rc = chart->m_rcGrid;
        for (int i = 0; i <= rings; ++i) {
            EXPECT_EQ(fills[i].rect, rc) << rings << " rings, inset " << i;
            EXPECT_EQ(fills[i].brush.color, i % 2 ? Colors::White : Colors::LightYellow);
            rc.Deflate(chart->m_nCellWidth, chart->m_nCellHeight);
        }
    }
}

// The outer rings surround the circle through the grid's corners.
TEST(SquareOfNinePaint, StepsPaintInOrderAndRestoreTheSurfaceAndOuterRingsSurroundTheGrid)
{
    constexpr Color kDragColour = 0x123456;
    auto chart = Make(2, {0, 0, 1000, 800});
    chart->m_TangentCells[7] = Cell_Style{4, Colors::Green};
    chart->m_FillCells[3] = Cell_Style{1, Colors::Blue};
    chart->m_Lines.emplace("1/25", CLine{1, Colors::DarkRed, false, 1, 25});
    chart->m_bShowTriangle = 1;
    DragLine(*chart, 2, 9, 1, kDragColour);
    chart->m_bShowCalendarRing = true;
    chart->m_bShowDivisions = 1;
    const CRecordingSurface dc = PaintOnce(*chart);
    const auto& ops = dc.Ops();
    const int steps[] = {FirstIndex(ops, Kind::FillRect), FirstIndex(ops, Kind::LineTo, Colors::LightGrey),
        FirstIndex(ops, Kind::LineTo, Colors::Green), FirstIndex(ops, Kind::FillEllipse),
        FirstIndex(ops, Kind::LineTo, Colors::DarkRed), FirstIndex(ops, Kind::LineTo, Colors::Red),
        FirstIndex(ops, Kind::LineTo, kDragColour), FirstIndex(ops, Kind::Text), FirstIndex(ops, Kind::Ellipse)};
    EXPECT_EQ(steps[0], 0);
    for (size_t i = 1; i < std::size(steps); ++i)
        EXPECT_LT(steps[i - 1], steps[i]) << "step " << i;
    ExpectSurfaceRestored(dc);

    // Grid (170, 170, 830, 630) grown by trunc(1.414 * 230 - 230) = 95, less
    // 10; the calendar circle lies 10 outside that.
    EXPECT_EQ(OpsOfKind(dc, Kind::Ellipse).at(0).rect, Rect({75, 75, 925, 725}));
    // The divisions star reaches 0.707 of the grid's height, 325 of 460; its
    // first spoke is the first thin red line.
    const auto spoke = std::find_if(ops.begin(), ops.end(),
        [](const SurfaceOp& op) { return op.kind == Kind::LineTo && op.pen == Pen{PenStyle::Solid, 0, Colors::Red}; });
    ASSERT_NE(spoke, ops.end());
    EXPECT_EQ(std::tie(spoke->from, spoke->to), std::make_tuple(Point{500, 400}, Point{825, 399}));
}

// A 5 x 5 grid of 120 x 100 cells; the first mark is in the centre cell.
TEST(SquareOfNinePaint, TangentMarksDrawBothDiagonalsAcrossTheGridAndFillTheCell)
{
    // The marked cell's row and column, then the ends of the two diagonals.
    const std::tuple<int, int, Point, Point, Point, Point> cases[] = {
        {3, 3, {0, 0}, {600, 500}, {0, 500}, {600, 0}},
        {1, 2, {120, 0}, {600, 400}, {0, 200}, {240, 0}},
        {4, 5, {120, 0}, {600, 400}, {360, 500}, {600, 300}},
        {4, 1, {0, 300}, {240, 500}, {0, 400}, {480, 0}},
    };
    for (const auto& [row, col, downFrom, downTo, upFrom, upTo] : cases) {
        auto chart = Make(2);
        chart->m_TangentCells[CDrawSquareOfNine::NumberAt(row, col, 3, true)] = Cell_Style{4, Colors::Green};
        const CRecordingSurface dc = PaintOnce(*chart);
        const std::vector<SurfaceOp>& ops = dc.Ops();
        const int first = FirstIndex(ops, Kind::LineTo, Colors::Green);
        ASSERT_GE(first, 0);
        EXPECT_EQ(ops[first].pen, (Pen{PenStyle::Solid, 4, Colors::Green}));
        // The second diagonal after the move to its start.
        EXPECT_EQ((std::vector<Point>{ops[first].from, ops[first].to, ops[first + 2].from, ops[first + 2].to}),
            (std::vector<Point>{downFrom, downTo, upFrom, upTo})) << row << ", " << col;
        const int left = (col - 1) * 120, top = (row - 1) * 100;
        EXPECT_EQ(std::tie(ops[first + 3].rect, ops[first + 3].brush.color),
            std::make_tuple(Rect{left, top, left + 120, top + 100}, Colors::Green));
    }
}

// Cells of 140: the line being dragged joins the centres of 1 and 25.
TEST(SquareOfNinePaint, FillsOutsideTheGridAreKeptButNotDrawnAndTheDraggedLineHasZoomedWidth)
{
    auto chart = Make(2, {0, 0, 700, 700});
    chart->m_FillCells[1] = Cell_Style{1, Colors::Blue, true};
    chart->m_FillCells[2] = Cell_Style{1, Colors::Red, false};
    chart->m_FillCells[30] = Cell_Style{1, Colors::Green, true};
    DragLine(*chart, 1, 25, 3, Colors::Blue);
    CRecordingSurface dc = PaintOnce(*chart);
    std::vector<SurfaceOp> circles = OpsOfKind(dc, Kind::FillEllipse);
    ASSERT_EQ(circles.size(), 1u);
    EXPECT_EQ(circles[0].rect, Rect({280, 280, 420, 420}));
    EXPECT_EQ(OpsOfKind(dc, Kind::FillRect).back().rect, Rect({140, 280, 280, 420}));
    const std::vector<SurfaceOp> lines = OpsOfKind(dc, Kind::LineTo);
    ASSERT_EQ(lines.size(), 13u); // after the twelve grid lines
    // 3 / 0.6f rounds to 5 in single precision (4.99... in double).
    EXPECT_EQ(std::tie(lines[12].from, lines[12].to, lines[12].pen),
        std::make_tuple(Point{350, 350}, Point{70, 630}, Pen{PenStyle::Solid, 5, Colors::Blue}));
    chart->SetRings(3);
    circles = OpsOfKind(PaintOnce(*chart), Kind::FillEllipse);
    ASSERT_EQ(circles.size(), 2u);
    EXPECT_EQ(circles[1].brush.color, Colors::Green);
}

// Ring counts, zooms and numbers that a damaged file or view can produce.
TEST(SquareOfNineRobustness, DamagedValuesAnswerAndDraw)
{
    auto chart = Make(400); // cells under one unit: every point is cell 1
    EXPECT_EQ(chart->HitTest(100, 100), 1);
    EXPECT_EQ(chart->HitTest(INT_MIN, INT_MAX), 1);
    EXPECT_EQ(chart->GetCellCenter(7), Point({0, 0}));

    // Numbers beyond int saturate; the largest int lies right of the grid.
    chart->SetRings(10);
    chart->m_bClockwise = false;
    EXPECT_EQ(chart->HitTest(INT_MAX, INT_MIN), INT_MAX);
    const Point far = chart->GetCellCenter(INT_MAX);
    EXPECT_EQ(chart->HitTest(far.x, far.y), INT_MAX);
    EXPECT_EQ(chart->GetCellCenter(INT_MIN), chart->GetCellCenter(1));
    EXPECT_EQ(CDrawSquareOfNine::NumberAt(0, 0, INT_MIN, false), INT_MAX);
    EXPECT_EQ(chart->SetRings(INT_MAX), INT_MAX);

    // A single cell at zoom 0 still draws, its font of a defined height.
    chart->SetRings(0);
    chart->m_fZoom = 0.0f;
    chart->m_bShowPrice = false;
    chart->m_bShowN = true;
    const std::vector<SurfaceOp> texts = OpsOfKind(PaintOnce(*chart), Kind::Text);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(std::tie(texts[0].text, texts[0].color), std::make_tuple("1", Colors::Red));
    EXPECT_GT(texts[0].font.height, 0);
}

} // namespace
