#include "DrawSquareOfNine.h"
#include "OrvoSQ9.h"
#include "RecordingSurface.h"

#include <gtest/gtest.h>

#include <ctime>
#include <limits>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

using Grid = std::vector<std::vector<int>>;
constexpr int kIntMax = std::numeric_limits<int>::max();
constexpr int kIntMin = std::numeric_limits<int>::min();

std::unique_ptr<CDrawSquareOfNine> MakeChart(int rings, Rect client = {0, 0, 600, 500})
{
    auto chart = std::make_unique<CDrawSquareOfNine>();
    chart->SetRings(rings);
    chart->m_rcClient = client;
    return chart;
}

std::vector<SurfaceOp> Paint(CBaseDraw& chart)
{
    CRecordingSurface dc;
    chart.Draw(dc);
    return dc.Ops();
}

std::vector<SurfaceOp> OpsOf(const std::vector<SurfaceOp>& ops, SurfaceOp::Kind kind)
{
    std::vector<SurfaceOp> out;
    for (const SurfaceOp& op : ops)
        if (op.kind == kind)
            out.push_back(op);
    return out;
}

// Labels by cell number: they are written from the highest number down to 1.
std::map<int, SurfaceOp> LabelsByNumber(const std::vector<SurfaceOp>& ops, int firstNumber)
{
    std::map<int, SurfaceOp> labels;
    int n = firstNumber;
    for (const SurfaceOp& op : OpsOf(ops, SurfaceOp::Kind::Text))
        labels[n--] = op;
    return labels;
}

struct NumberingCase {
    const char* name;
    int rings;
    bool clockwise;
    Grid grid;
};

const NumberingCase kNumbering[] = {
    {"OneRingCounterClockwise", 1, false, {{5, 4, 3}, {6, 1, 2}, {7, 8, 9}}},
    {"OneRingClockwise", 1, true, {{3, 4, 5}, {2, 1, 6}, {9, 8, 7}}},
    {"TwoRingsCounterClockwise", 2, false,
     {{17, 16, 15, 14, 13}, {18, 5, 4, 3, 12}, {19, 6, 1, 2, 11}, {20, 7, 8, 9, 10}, {21, 22, 23, 24, 25}}},
    {"TwoRingsClockwise", 2, true,
     {{13, 14, 15, 16, 17}, {12, 3, 4, 5, 18}, {11, 2, 1, 6, 19}, {10, 9, 8, 7, 20}, {25, 24, 23, 22, 21}}},
};

class Numbering : public testing::TestWithParam<NumberingCase> {};

TEST_P(Numbering, MatchesTableBothWays)
{
    const NumberingCase& c = GetParam();
    const int c0 = c.rings + 1;
    for (int row = 1; row <= 2 * c.rings + 1; ++row) {
        for (int col = 1; col <= 2 * c.rings + 1; ++col) {
            const int n = c.grid[row - 1][col - 1];
            EXPECT_EQ(CDrawSquareOfNine::NumberAt(row, col, c0, c.clockwise), n) << row << "," << col;
            int r = 0, k = 0;
            CDrawSquareOfNine::PositionOf(n, c0, c.clockwise, r, k);
            EXPECT_EQ(Point({r, k}), Point({row, col})) << n;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Tables, Numbering, testing::ValuesIn(kNumbering),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(NumberingOffGrid, ContinuesTheSpiralAndStaysInvertible)
{
    for (bool clockwise : {false, true}) {
        for (int c0 : {1, 3, 11}) {
            for (int row = c0 - 30; row <= c0 + 30; ++row) {
                for (int col = c0 - 30; col <= c0 + 30; ++col) {
                    const int n = CDrawSquareOfNine::NumberAt(row, col, c0, clockwise);
                    // The same cell of a grid with five more rings around it.
                    ASSERT_EQ(n, CDrawSquareOfNine::NumberAt(row + 5, col + 5, c0 + 5, clockwise));
                    int r = 0, k = 0;
                    CDrawSquareOfNine::PositionOf(n, c0, clockwise, r, k);
                    ASSERT_EQ(Point({r, k}), Point({row, col}));
                }
            }
        }
    }
    // Two rings, counter-clockwise: ring 3 starts right of 25 and has 37 top-left.
    EXPECT_EQ(CDrawSquareOfNine::NumberAt(5, 6, 3, false), 26);
    EXPECT_EQ(CDrawSquareOfNine::NumberAt(0, 0, 3, false), 37);
}

TEST(NumberingOffGrid, SaturatesInsteadOfOverflowing)
{
    EXPECT_EQ(CDrawSquareOfNine::NumberAt(kIntMin, kIntMax, 11, true), kIntMax);
    EXPECT_EQ(CDrawSquareOfNine::NumberAt(0, 0, kIntMin, false), kIntMax);
    int row = 0, col = 0;
    CDrawSquareOfNine::PositionOf(kIntMax, 11, true, row, col);
    EXPECT_EQ(CDrawSquareOfNine::NumberAt(row, col, 11, true), kIntMax);
    CDrawSquareOfNine::PositionOf(kIntMax, kIntMax, true, row, col); // clamped, no overflow
    CDrawSquareOfNine::PositionOf(kIntMin, 11, false, row, col);
    EXPECT_EQ(Point({row, col}), Point({11, 11}));
}

TEST(SquareOfNine, ConstructionAndRingConvention)
{
    CDrawSquareOfNine chart;
    EXPECT_TRUE(chart.m_bClockwise);
    EXPECT_EQ(chart.GetName(), "Square Of Nine");
    EXPECT_EQ(chart.SetRings(10), 11);
    EXPECT_EQ(chart.GetRings(), 10);
    EXPECT_EQ(chart.SetRings(kIntMax), kIntMax);
    chart.m_nRings = kIntMin;
    EXPECT_EQ(chart.GetRings(), kIntMin);
}

TEST(SquareOfNine, HitTestAndCellCenterRoundTripOnEveryCell)
{
    for (bool clockwise : {false, true}) {
        for (int rings : {1, 10, 40}) {
            auto chart = MakeChart(rings, {0, 0, 1000, 900});
            chart->m_bClockwise = clockwise;
            chart->m_bShowPrice = false;
            Paint(*chart);
            const int cells = 2 * rings + 1;
            for (int n = 1; n <= cells * cells; ++n) {
                const Point c = chart->GetCellCenter(n);
                ASSERT_TRUE(chart->m_rcGrid.Contains(c)) << n;
                ASSERT_EQ(chart->HitTest(c.x, c.y), n) << rings << " rings, cell " << n;
            }
            // The last number lies in a bottom corner: left when clockwise.
            const Point last = chart->GetCellCenter(cells * cells);
            const Rect& g = chart->m_rcGrid;
            EXPECT_EQ(last, Point({clockwise ? g.left + chart->m_nCellWidth / 2
                                             : g.right - chart->m_nCellWidth + chart->m_nCellWidth / 2,
                                   g.bottom - chart->m_nCellHeight + chart->m_nCellHeight / 2}));
        }
    }
}

struct LayoutCase {
    const char* name;
    Rect client;
    bool calendar;
    bool angle;
    Rect grid;
    int cellWidth;
    int cellHeight;
};

const LayoutCase kLayouts[] = {
    {"Client600x500", {0, 0, 600, 500}, false, false, {0, 0, 600, 500}, 120, 100},
    {"RemaindersDropped", {10, 20, 617, 523}, false, false, {10, 20, 615, 520}, 121, 100},
    {"CalendarRingShrinksBy170", {0, 0, 1000, 800}, true, false, {170, 170, 830, 630}, 132, 92},
    {"AngleRingShrinksBy170", {0, 0, 1000, 800}, false, true, {170, 170, 830, 630}, 132, 92},
    {"BothRingsShrinkBy220", {0, 0, 1000, 800}, true, true, {220, 220, 780, 580}, 112, 72},
};

class Layout : public testing::TestWithParam<LayoutCase> {};

TEST_P(Layout, CutsTheClientIntoEqualCells)
{
    const LayoutCase& c = GetParam();
    auto chart = MakeChart(2, c.client);
    chart->m_bShowCalendarRing = c.calendar;
    chart->m_bShowAngleRing = c.angle;
    Paint(*chart);
    EXPECT_EQ(chart->m_nCells, 5);
    EXPECT_EQ(chart->m_rcGrid, c.grid);
    EXPECT_EQ(chart->m_rcChart, c.grid);
    EXPECT_EQ(chart->m_nCellWidth, c.cellWidth);
    EXPECT_EQ(chart->m_nCellHeight, c.cellHeight);
}

INSTANTIATE_TEST_SUITE_P(Examples, Layout, testing::ValuesIn(kLayouts),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SquareOfNine, OuterRadiusIsHeightTimes0707)
{
    auto chart = MakeChart(2);
    Paint(*chart);
    EXPECT_FLOAT_EQ(chart->GetOuterRadius(), 353.5f);
}

TEST(SquareOfNineLabels, NumbersAndColoursFromOutsideIn)
{
    auto chart = MakeChart(2);
    chart->m_bShowPrice = false;
    chart->m_bShowN = true;
    const std::vector<SurfaceOp> ops = Paint(*chart);
    const std::map<int, SurfaceOp> labels = LabelsByNumber(ops, 25);
    ASSERT_EQ(labels.size(), 25u);
    ASSERT_EQ(labels.begin()->first, 1);
    const std::set<int> red = {13, 3, 1, 7, 21, 17, 5, 9, 25};
    const std::set<int> blue = {15, 4, 8, 23, 11, 2, 6, 19};
    for (const auto& [n, op] : labels) {
        EXPECT_EQ(op.text, std::to_string(n));
        const Color expected = red.count(n) ? Colors::Red : blue.count(n) ? Colors::Blue : Colors::Black;
        EXPECT_EQ(op.color, expected) << n;
        EXPECT_EQ(op.font, chart->LabelFont());
        EXPECT_EQ(op.bkMode, BkMode::Transparent);
        EXPECT_EQ((op.rect.left + op.rect.right) / 2, chart->GetCellCenter(n).x);
    }
}

TEST(SquareOfNineLabels, TimeStandardDayTexts)
{
    auto chart = MakeChart(14, {0, 0, 1200, 1200}); // 841 cells
    chart->m_bShowPrice = false;
    chart->m_bTimeStandard = true;
    chart->m_bShowN = true;
    std::map<int, SurfaceOp> labels = LabelsByNumber(Paint(*chart), 841);
    EXPECT_EQ(labels[1].text, "1/1\n1");
    EXPECT_EQ(labels[60].text, "3/1\n60");
    EXPECT_EQ(labels[730].text, "12/31\n730");
    EXPECT_EQ(labels[731].text, "731");

    chart->m_bShowN = false;
    const std::vector<SurfaceOp> ops = Paint(*chart);
    EXPECT_EQ(OpsOf(ops, SurfaceOp::Kind::Text).size(), 730u);
    labels = LabelsByNumber(ops, 730);
    EXPECT_EQ(labels[60].text, "3/1");
}

TEST(SquareOfNineLabels, YearShownOnFirstLabelAndOnEachChange)
{
    std::tm start{};
    start.tm_year = 2011 - 1900;
    start.tm_mon = 11;
    start.tm_mday = 30;
    start.tm_isdst = -1;
    auto chart = MakeChart(2);
    chart->m_tStartTime = std::mktime(&start);
    chart->m_bShowPrice = false;
    chart->m_bShowTime = true;
    std::map<int, SurfaceOp> labels = LabelsByNumber(Paint(*chart), 25);
    EXPECT_EQ(labels[25].text, "12/1/23");
    EXPECT_EQ(labels[4].text, "1/2");
    EXPECT_EQ(labels[3].text, "1/1");
    EXPECT_EQ(labels[2].text, "11/12/31");
    EXPECT_EQ(labels[1].text, "12/30");

    const std::map<int, SurfaceOp> again = LabelsByNumber(Paint(*chart), 25);
    for (const auto& [n, op] : labels)
        EXPECT_EQ(again.at(n).text, op.text) << n;
}

TEST(OrvoSQ9, DayTextsOfACommonYearTwice)
{
    const std::map<int, std::string> examples = {
        {1, "1/1"},    {31, "1/31"},   {32, "2/1"},    {59, "2/28"}, {60, "3/1"}, {365, "12/31"},
        {366, "1/1"},  {730, "12/31"}, {731, ""},      {0, ""},      {-5, ""},    {kIntMax, ""}};
    for (const auto& [n, text] : examples)
        EXPECT_EQ(OrvoSQ9::Instance().DayText(n), text) << n;
    EXPECT_EQ(&OrvoSQ9::Instance(), &OrvoSQ9::Instance());
}

TEST(SquareOfNinePaint, BackgroundRingsAlternateFromLightYellowOutside)
{
    for (int rings : {1, 2, 3}) {
        auto chart = MakeChart(rings, {0, 0, 700, 700});
        const std::vector<SurfaceOp> fills = OpsOf(Paint(*chart), SurfaceOp::Kind::FillRect);
        ASSERT_GE(fills.size(), static_cast<size_t>(rings + 1));
        Rect rc = chart->m_rcGrid;
        for (int i = 0; i <= rings; ++i) {
            EXPECT_EQ(fills[i].rect, rc) << rings << " rings, inset " << i;
            EXPECT_EQ(fills[i].brush.color, i % 2 ? Colors::White : Colors::LightYellow);
            rc.Deflate(chart->m_nCellWidth, chart->m_nCellHeight);
        }
    }
}

TEST(SquareOfNinePaint, GridLinesThenLabelsAndStateRestored)
{
    auto chart = MakeChart(2);
    CRecordingSurface dc;
    chart->Draw(dc);
    const std::vector<SurfaceOp> lines = OpsOf(dc.Ops(), SurfaceOp::Kind::LineTo);
    ASSERT_EQ(lines.size(), 12u);
    for (const SurfaceOp& op : lines)
        EXPECT_EQ(op.pen, (Pen{PenStyle::Solid, 1, Colors::LightGrey}));
    EXPECT_EQ(lines[1].from, Point({0, 0}));
    EXPECT_EQ(lines[1].to, Point({0, 500}));
    EXPECT_EQ(lines[11].from, Point({600, 0}));
    EXPECT_EQ(dc.CurrentFont(), Font{});
    EXPECT_EQ(dc.CurrentPen(), Pen{});
    EXPECT_EQ(dc.BackgroundMode(), BkMode::Opaque);
}

struct TangentCase {
    const char* name;
    int row;
    int col;
    Point downFrom, downTo, upFrom, upTo;
};

// A 5 x 5 grid of 120 x 100 cells.
const TangentCase kTangents[] = {
    {"CentreDrawsBothFullDiagonals", 3, 3, {0, 0}, {600, 500}, {0, 500}, {600, 0}},
    {"AboveBothDiagonals", 1, 2, {120, 0}, {600, 400}, {0, 200}, {240, 0}},
    {"RightOfBothDiagonals", 4, 5, {120, 0}, {600, 400}, {360, 500}, {600, 300}},
    {"BelowMainDiagonal", 4, 1, {0, 300}, {240, 500}, {0, 400}, {480, 0}},
};

class TangentMark : public testing::TestWithParam<TangentCase> {};

TEST_P(TangentMark, DrawsBothDiagonalsAcrossTheGridAndFillsTheCell)
{
    const TangentCase& c = GetParam();
    auto chart = MakeChart(2);
    const int n = CDrawSquareOfNine::NumberAt(c.row, c.col, 3, true);
    chart->m_TangentCells[n] = Cell_Style{4, Colors::Green, true, true};
    const std::vector<SurfaceOp> ops = Paint(*chart);
    std::vector<SurfaceOp> lines;
    for (const SurfaceOp& op : OpsOf(ops, SurfaceOp::Kind::LineTo))
        if (op.pen == Pen{PenStyle::Solid, 4, Colors::Green})
            lines.push_back(op);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].from, c.downFrom);
    EXPECT_EQ(lines[0].to, c.downTo);
    EXPECT_EQ(lines[1].from, c.upFrom);
    EXPECT_EQ(lines[1].to, c.upTo);
    const SurfaceOp fill = OpsOf(ops, SurfaceOp::Kind::FillRect).back();
    const int left = (c.col - 1) * 120, top = (c.row - 1) * 100;
    EXPECT_EQ(fill.rect, Rect({left, top, left + 120, top + 100}));
    EXPECT_EQ(fill.brush.color, Colors::Green);
}

INSTANTIATE_TEST_SUITE_P(FiveByFive, TangentMark, testing::ValuesIn(kTangents),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SquareOfNinePaint, FillsOutsideTheGridAreKeptButNotDrawn)
{
    auto chart = MakeChart(2, {0, 0, 700, 700});
    chart->m_FillCells[1] = Cell_Style{1, Colors::Blue, true, true};
    chart->m_FillCells[2] = Cell_Style{1, Colors::Red, false, true};
    chart->m_FillCells[30] = Cell_Style{1, Colors::Green, true, true};
    std::vector<SurfaceOp> ops = Paint(*chart);
    std::vector<SurfaceOp> circles = OpsOf(ops, SurfaceOp::Kind::FillEllipse);
    ASSERT_EQ(circles.size(), 1u);
    EXPECT_EQ(circles[0].rect, Rect({280, 280, 420, 420}));
    EXPECT_EQ(OpsOf(ops, SurfaceOp::Kind::FillRect).back().rect, Rect({140, 280, 280, 420}));
    EXPECT_EQ(chart->m_FillCells.size(), 3u);

    chart->SetRings(3);
    circles = OpsOf(Paint(*chart), SurfaceOp::Kind::FillEllipse);
    ASSERT_EQ(circles.size(), 2u);
    EXPECT_EQ(circles[1].brush.color, Colors::Green);
}

TEST(SquareOfNineRobustness, GeometryBeforeTheFirstLayout)
{
    CDrawSquareOfNine chart;
    EXPECT_EQ(chart.HitTest(100, 100), 1);
    EXPECT_EQ(chart.GetCellCenter(7), Point({0, 0}));
    chart.SetRings(10);
    EXPECT_EQ(chart.HitTest(kIntMin, kIntMax), 1);
    EXPECT_EQ(chart.GetCellCenter(kIntMax), Point({0, 0}));
}

struct DamagedCase {
    const char* name;
    int storedRings; // m_nRings as a file holds it
    Rect client;
};

const DamagedCase kDamaged[] = {
    {"NoRings", 0, {0, 0, 600, 500}},
    {"NegativeRings", -7, {0, 0, 600, 500}},
    {"LowestRings", kIntMin, {0, 0, 600, 500}},
    {"HighestRings", kIntMax, {0, 0, 600, 500}},
    {"CellsBelowOneUnit", 252, {0, 0, 600, 500}},
    {"EmptyClient", 11, {0, 0, 0, 0}},
    {"InvertedClient", 11, {600, 500, 0, 0}},
    {"WholeIntRangeClient", 11, {kIntMin, kIntMin, kIntMax, kIntMax}},
};

class DamagedChart : public testing::TestWithParam<DamagedCase> {};

TEST_P(DamagedChart, DrawsNothingAndAnswersHarmlessly)
{
    const DamagedCase& c = GetParam();
    auto chart = MakeChart(10, c.client);
    chart->m_nRings = c.storedRings;
    chart->m_TangentCells[1] = Cell_Style{};
    chart->m_FillCells[1] = Cell_Style{};
    EXPECT_TRUE(Paint(*chart).empty());
    EXPECT_TRUE(chart->m_rcChart.IsEmpty());
    EXPECT_EQ(chart->HitTest(300, 250), 1);
    chart->GetCellCenter(kIntMax);
    chart->GetCellCenter(kIntMin);
}

INSTANTIATE_TEST_SUITE_P(Files, DamagedChart, testing::ValuesIn(kDamaged),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SquareOfNineRobustness, SingleCellAndExtremeZoomStillDraw)
{
    auto chart = MakeChart(0);
    chart->m_fZoom = 0.0f;
    chart->m_bShowPrice = false;
    chart->m_bShowN = true;
    const std::vector<SurfaceOp> texts = OpsOf(Paint(*chart), SurfaceOp::Kind::Text);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, "1");
    EXPECT_EQ(texts[0].color, Colors::Red);
    EXPECT_EQ(chart->m_rcGrid, Rect({0, 0, 600, 500}));
}

TEST(SquareOfNineRobustness, PointsFarOutsideGiveSaturatedNumbers)
{
    auto chart = MakeChart(10);
    chart->m_bClockwise = false; // the last int then lies right of the grid
    Paint(*chart);
    EXPECT_EQ(chart->HitTest(kIntMax, kIntMin), kIntMax);
    const Point far = chart->GetCellCenter(kIntMax);
    EXPECT_EQ(chart->HitTest(far.x, far.y), kIntMax);
    EXPECT_EQ(chart->GetCellCenter(kIntMin), chart->GetCellCenter(1));
}

} // namespace
