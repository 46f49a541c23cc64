#include "DrawMasterChart.h"
#include "GridChart.h"

#include <gtest/gtest.h>

#include <limits>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

using Kind = SurfaceOp::Kind;
constexpr int kIntMax = std::numeric_limits<int>::max();
constexpr int kIntMin = std::numeric_limits<int>::min();

const Rect kClient{0, 0, 1000, 700};

// Labels are written from 1 up, column by column.
TEST(MasterChart, NumbersRunUpEachColumnWithColouredDiagonalsAndMiddles)
{
    // Size, the numbers row by row from the top, the red and the blue ones.
    const std::tuple<int, std::vector<std::vector<int>>, std::set<int>, std::set<int>> tables[] = {
        {3, {{3, 6, 9}, {2, 5, 8}, {1, 4, 7}}, {1, 5, 9, 3, 7}, {2, 4, 6, 8}},
        {4, {{4, 8, 12, 16}, {3, 7, 11, 15}, {2, 6, 10, 14}, {1, 5, 9, 13}}, {1, 6, 11, 16, 4, 7, 10, 13},
            {2, 3, 5, 8, 9, 12, 14, 15}}};
    for (const auto& [size, rows, red, blue] : tables) {
        CDrawMasterChart chart;
        chart.m_bShowPrice = false;
        chart.m_bShowN = true;
        const std::vector<SurfaceOp> texts = OpsOfKind(PaintWith(chart, size, kClient), Kind::Text);
        ASSERT_EQ(texts.size(), static_cast<size_t>(size * size));
        for (int row = 0; row < size; ++row)
            for (int col = 0; col < size; ++col) {
                const int n = rows[row][col];
                const Point centre{chart.m_rcTable.left + 60 * col + 30, 40 * row + 20};
                EXPECT_EQ(chart.GetCellCenter(n), centre) << n;
                const Color colour = red.count(n) ? Colors::Red : blue.count(n) ? Colors::Blue : Colors::Black;
                EXPECT_EQ(std::tie(texts[n - 1].text, texts[n - 1].rect, texts[n - 1].color),
                    std::make_tuple(std::to_string(n), Rect{centre.x - 30, centre.y - 12, centre.x + 30, centre.y + 12},
                        colour)) << n;
            }
    }
}

// Table (410, 0, 590, 120). Overlays, outer rings and tangent marks do not
// belong to this chart; fills beyond 1 ... 9 stay stored but undrawn.
TEST(MasterChart, AnnotationsGoUnderLabelsAndGridLines)
{
    constexpr Color kDragColour = 0x123456;
    CDrawMasterChart chart;
    for (int n : {0, 10})
        chart.m_FillCells[n] = Cell_Style{1, Colors::Green};
    chart.m_FillCells[5] = Cell_Style{1, Colors::Blue, true};
    chart.m_FillCells[9] = Cell_Style{1, Colors::Red, false};
    chart.m_TangentCells[5] = Cell_Style{4, Colors::Green};
    chart.m_Lines.emplace("1/9", CLine{1, Colors::DarkRed, false, 1, 9});
    chart.m_bShowTriangle = chart.m_bShowSquares = chart.m_bShowDivisions = 1;
    chart.m_bShowCalendarRing = true;
    DragLine(chart, 1, 9, 3, kDragColour);
    const CRecordingSurface dc = PaintWith(chart, 3, {0, 0, 1000, 1000});
    const std::vector<SurfaceOp>& ops = dc.Ops();

    const int drag = FirstIndex(ops, Kind::LineTo, kDragColour);
    ASSERT_EQ(drag, 1);
    // 3 / 0.6f is 5 in single precision.
    EXPECT_EQ(std::tie(ops[drag].pen.width, ops[drag].from, ops[drag].to),
        std::make_tuple(5, Point{440, 100}, Point{560, 20}));
    EXPECT_EQ(std::make_pair(ops[2].kind, ops[2].rect), std::make_pair(Kind::FillEllipse, Rect({470, 40, 530, 80})));
    EXPECT_EQ(std::make_pair(ops[3].kind, ops[3].rect), std::make_pair(Kind::FillRect, Rect({530, 0, 590, 40})));
    EXPECT_EQ(FirstIndex(ops, Kind::LineTo, Colors::DarkRed), 5);
    EXPECT_EQ(ops[6].kind, Kind::Measure); // the first label
    EXPECT_EQ(OpsOfKind(dc, Kind::FillRect).size() + OpsOfKind(dc, Kind::FillEllipse).size(), 2u);
    EXPECT_TRUE(OpsOfKind(dc, Kind::Ellipse).empty());
    EXPECT_EQ(OpsOfKind(dc, Kind::LineTo).size(), 2u + 8u); // two lines, 4 + 4 grid lines
    ExpectSurfaceRestored(dc);
    EXPECT_EQ(dc.TextColor(), Colors::Black);
}

// Each cell's grid lines follow its label, with the surface's own pen. Labels
// run from 1 up, so the first carries the year: its 69 units of text spill
// evenly from its 40-unit cell (40, 40, 100, 80).
TEST(MasterChart, GridLinesInTheirOrderAndLabelsSpillingFromTheirCells)
{
    CDrawMasterChart chart;
    chart.m_tStartTime = LocalMidnight(2011, 12, 30);
    chart.m_bShowTime = chart.m_bShowN = true;
    std::string sequence;
    std::vector<std::pair<Point, Point>> lines;
    const CRecordingSurface dc = PaintWith(chart, 2, {0, 0, 200, 0});
    for (const SurfaceOp& op : dc.Ops()) {
        if (op.kind == Kind::Text)
            sequence += 'T';
        if (op.kind == Kind::LineTo && op.pen == Pen{}) {
            sequence += 'L';
            lines.emplace_back(op.from, op.to);
        }
    }
    EXPECT_EQ(sequence, "TLLTLLLTTL");
    const std::vector<std::pair<Point, Point>> expected = {{{40, 80}, {160, 80}}, {{40, 40}, {160, 40}},
        {{40, 0}, {160, 0}}, {{40, 80}, {40, 0}}, {{100, 80}, {100, 0}}, {{160, 80}, {160, 0}}};
    EXPECT_EQ(lines, expected);
    const SurfaceOp first = OpsOfKind(dc, Kind::Text).at(0);
    EXPECT_EQ(std::tie(first.text, first.rect), std::make_tuple("1\n11/12/30\n1", Rect{40, 26, 100, 94}));
    EXPECT_EQ(OpsOfKind(dc, Kind::Measure).at(0).result, 69);
}

// A table size no paint takes leaves the surface and the last layout as they
// were; the geometry then still answers, saturating at int's ends.
TEST(MasterChart, CentresTheTableHangsItFromTheTopAndKeepsItForAnUndrawnSize)
{
    CDrawMasterChart chart;
    LayOut(chart, 12, kClient);
    EXPECT_EQ(chart.m_rcTable, Rect({140, 0, 860, 480}));

    const CRecordingSurface dc = PaintWith(chart, CDrawMasterChart::kMaxTableSize + 1, kClient);
    EXPECT_TRUE(dc.Ops().empty());
    ExpectSurfaceRestored(dc);
    EXPECT_EQ(chart.m_rcChart, Rect({140, 0, 860, 480}));
    EXPECT_EQ(chart.HitTest(500, 100), 0);

    // Each half truncated towards zero: (-101 + 0) / 2 - 60 / 2.
    LayOut(chart, 1, {-101, 10, 0, 0});
    EXPECT_EQ(chart.m_rcTable, Rect({-80, 10, -20, 50}));
    LayOut(chart, 1, kClient);
    EXPECT_EQ(chart.GetCellCenter(kIntMax).x, kIntMax);
    EXPECT_EQ(chart.GetCellCenter(kIntMin).x, kIntMin);
    chart.SetRings(CDrawMasterChart::kMaxTableSize); // not drawn: a million labels
    EXPECT_EQ(chart.HitTest(kIntMax, kIntMin), kIntMax);
    EXPECT_EQ(chart.HitTest(kIntMin, kIntMax), kIntMin);
}

} // namespace
