// The mouse rules: line drags and what each tool stores, notes through the
// host's dialog, handle drags and double clicks, right-click removal.

#include "ChartHost.h"
#include "DrawHexagon.h"
#include "GridChart.h"

#include <gtest/gtest.h>

#include <functional>
#include <tuple>

namespace {

// Counts what the chart asks of its view; the note dialog is scripted.
class FakeHost : public CChartHost {
public:
    void InvalidateChart() override { ++invalidations; }
    void ShowHandCursor() override { ++handCursors; }
    bool EditComment(Comments& note) override
    {
        opened.push_back(note);
        return dialog && dialog(note);
    }

    int invalidations = 0;
    int handCursors = 0;
    std::vector<Comments> opened;           // the notes the dialog opened with
    std::function<bool(Comments&)> dialog;  // none: the user cancels
};

// Cells 1 (20, 20), 2 (60, 20) and 12 (60, 60) of the grid.
constexpr Point kCell1{20, 20}, kCell2{60, 20}, kCell12{60, 60};

class ChartMouse : public ::testing::Test {
protected:
    ChartMouse() { chart.m_pView = &host; }

    void Drag(MouseTool tool, Point from, Point to)
    {
        chart.m_nTool = tool;
        chart.OnLButtonDown(from.x, from.y);
        chart.OnMouseMove(to.x, to.y);
        chart.OnLButtonUp(to.x, to.y);
    }
    void Click(MouseTool tool, Point at) { Drag(tool, at, at); }

    FakeHost host;
    CGridChart chart;
};

} // namespace

// Lines need two different cells, fills one, and a fill is never replaced.
TEST_F(ChartMouse, EachToolStoresWhatItsCellsAllowAndRightClicksRemoveIt)
{
    chart.m_nLineWidth = 3;
    chart.m_crLineColor = Colors::Blue;
    Click(MouseTool::Line, kCell1);
    Drag(MouseTool::Arrow, kCell1, kCell12);
    ASSERT_EQ(chart.m_Lines.size(), 1u);
    EXPECT_EQ(chart.m_Lines.begin()->first, "1/12");
    EXPECT_EQ(chart.m_Lines.begin()->second, (CLine{3, Colors::Blue, true, 1, 12}));
    EXPECT_FALSE(chart.m_bDrawingLine);

    Drag(MouseTool::Circle, kCell1, kCell2);
    EXPECT_TRUE(chart.m_FillCells.empty());
    chart.m_crLineColor = Colors::Red;
    Click(MouseTool::Circle, kCell1);
    chart.m_crLineColor = Colors::Blue;
    Click(MouseTool::Square, kCell1);
    ASSERT_EQ(chart.m_FillCells.size(), 1u);
    EXPECT_EQ(chart.m_FillCells.at(1), (Cell_Style{3, Colors::Red, true, true}));
    Click(MouseTool::Square, kCell2);
    EXPECT_FALSE(chart.m_FillCells.at(2).m_bCircle);
    Click(MouseTool::Tangent, kCell2);
    EXPECT_EQ(chart.m_TangentCells.at(2), (Cell_Style{3, Colors::Blue, true, true}));
    Click(MouseTool::None, kCell12);
    EXPECT_EQ(chart.m_FillCells.size() + chart.m_TangentCells.size() + chart.m_Lines.size(), 4u);

    // Right clicks remove a cell's fill, then its tangent mark, then its lines, then notes.
    Drag(MouseTool::Line, kCell1, kCell12);
    Drag(MouseTool::Line, kCell1, kCell12); // same cells, same direction: kept beside the first
    Click(MouseTool::Tangent, kCell1);
    ASSERT_EQ(chart.m_Lines.size(), 3u);
    EXPECT_EQ(chart.OnRButtonDown(kCell1.x, kCell1.y), 1);
    EXPECT_TRUE(chart.m_FillCells.count(1) == 0 && chart.m_TangentCells.count(1) == 1);
    EXPECT_EQ(chart.OnRButtonDown(kCell1.x, kCell1.y), 1);
    EXPECT_EQ(chart.m_TangentCells.count(1), 0u);
    EXPECT_EQ(chart.OnRButtonDown(kCell12.x, kCell12.y), 1); // either end cell
    EXPECT_TRUE(chart.m_Lines.empty());
    EXPECT_EQ(chart.OnRButtonDown(kCell1.x, kCell1.y), 0);

    // A double click edits every note under the point, a right click removes them.
    Comments note;
    note.m_strText = "old";
    note.m_rcBox = {100, 100, 140, 120};
    chart.m_Comments.emplace(12, note);
    chart.m_Comments.emplace(12, note);
    host.dialog = [](Comments& edited) {
        edited.m_strText = "new";
        edited.m_rcBox = {};
        return true;
    };
    chart.OnLButtonDblClk(110, 110);
    ASSERT_EQ(host.opened.size(), 2u);
    EXPECT_EQ(chart.m_Comments.begin()->second.m_strText, "new");
    EXPECT_EQ(chart.m_Comments.begin()->second.m_rcBox, note.m_rcBox);
    EXPECT_EQ(chart.OnRButtonDown(110, 110), 1);
    EXPECT_TRUE(chart.m_Comments.empty());
}

// The line being dragged repaints when its end cell changes, back to the
// start too, and when leaving the chart takes it away; nothing else does.
TEST_F(ChartMouse, LeavingTheChartCancelsTheLineDrag)
{
    chart.OnMouseMove(kCell12.x, kCell12.y);
    chart.m_nTool = MouseTool::Circle;
    chart.OnLButtonDown(kCell1.x, kCell1.y);
    chart.OnMouseMove(kCell12.x, kCell12.y); // a fill shows no line
    EXPECT_EQ(host.invalidations, 0);
    chart.OnLButtonUp(kCell1.x, kCell1.y);
    host.invalidations = 0;
    chart.m_nTool = MouseTool::Line;
    chart.OnLButtonDown(kCell1.x, kCell1.y);
    EXPECT_EQ(chart.m_nLineEndCell, 1); // no stale end cell before the first move
    chart.OnMouseMove(kCell12.x, kCell12.y);
    EXPECT_EQ(chart.m_nLineEndCell, 12);
    for (const auto& [at, count] : {std::pair(Point{65, 65}, 1), {kCell1, 2}, {Point{500, 60}, 3}}) {
        chart.OnMouseMove(at.x, at.y);
        EXPECT_EQ(host.invalidations, count) << at.x;
    }
    chart.OnLButtonUp(kCell12.x, kCell12.y);
    EXPECT_TRUE(chart.m_Lines.empty());
    EXPECT_EQ(chart.OnLButtonDown(500, 60), 0); // outside: nothing starts
    EXPECT_FALSE(chart.m_bDrawingLine);
}

TEST_F(ChartMouse, NotesStartFromTheDialogDefaultsEachTimeAndDisarmTheTool)
{
    host.dialog = [](Comments& note) {
        note.m_strText = "buy";
        note.m_crBack = Colors::Green;
        return true;
    };
    for (int i = 0; i < 2; ++i) {
        chart.m_bPlaceComment = 1;
        EXPECT_EQ(chart.OnLButtonDown(kCell12.x, kCell12.y), 1);
        EXPECT_FALSE(chart.m_bPlaceComment);
    }
    ASSERT_EQ(host.opened.size(), 2u);
    for (const Comments& opened : host.opened)
        EXPECT_EQ(std::make_pair(opened, opened.m_nWeight),
            std::make_pair(Comments{"", Colors::Yellow, 16, 0, 0, 0, "", {}, Colors::Black}, 400));
    EXPECT_EQ(chart.m_Comments.count(12), 2u);
    EXPECT_FALSE(chart.m_bDrawingLine); // the press was used up by the note

    // Cancelled, or with no host to ask: nothing stored.
    host.dialog = nullptr;
    for (CChartHost* view : {static_cast<CChartHost*>(&host), static_cast<CChartHost*>(nullptr)}) {
        chart.m_pView = view;
        chart.m_bPlaceComment = 1;
        EXPECT_EQ(chart.AddComment(kCell1.x, kCell1.y), 1);
        EXPECT_FALSE(chart.m_bPlaceComment);
    }
    EXPECT_EQ(host.opened.size(), 3u);
    EXPECT_EQ(chart.m_Comments.size(), 2u);
    EXPECT_EQ(chart.AddComment(kCell1.x, kCell1.y), 0); // not armed
}

// On a new chart the triangle and the four squares share vertex 0: only
// the triangle is dragged, and nothing follows the pointer after the release.
TEST_F(ChartMouse, HandleDragsTurnTheirFigureAndDoubleClicksReverseRings)
{
    chart.m_bShowTriangle = chart.m_bShowSquares = 1;
    chart.m_rcTriangleHandle = chart.m_rcSquaresHandle = {395, 194, 405, 204};
    chart.OnLButtonDown(400, 199);
    EXPECT_TRUE(chart.m_bDragTriangle);
    EXPECT_GE(host.handCursors, 1);
    chart.OnMouseMove(200, 80); // straight above the centre (200, 200)
    chart.OnLButtonUp(200, 80);
    EXPECT_EQ(std::make_tuple(chart.m_fTriangleAngle, chart.m_fTriangleRadius, chart.m_bDrawingLine),
        std::make_tuple(90.0f, 120.0f, 0));
    chart.OnMouseMove(100, 200);
    EXPECT_EQ(std::make_pair(chart.m_fTriangleAngle, chart.m_fSquaresAngle), std::make_pair(90.0f, 0.0f));

    // A drag turns the ring shown without sizing it; a double click on its handle reverses it.
    chart.m_bShowTriangle = chart.m_bShowSquares = 0;
    chart.m_bShowCalendarRing = true;
    chart.m_rcCalendarHandle = {520, 190, 560, 210};
    chart.m_rcAngleHandle = {520, 190, 560, 210}; // hidden ring: not grabbed
    chart.OnLButtonDown(530, 200);
    chart.OnMouseMove(200, 330);
    EXPECT_EQ(std::make_pair(chart.m_fCalendarAngle, chart.m_fAngleRingAngle), std::make_pair(270.0f, 0.0f));
    chart.OnLButtonUp(200, 330);
    EXPECT_FALSE(chart.m_bDragCalendarRing || chart.m_bDragAngleRing);

    chart.m_rcAngleHandle = {580, 190, 620, 210};
    host.invalidations = 0;
    const auto forward = [this] { return std::make_pair(chart.m_bCalendarForward, chart.m_bAngleForward); };
    chart.OnLButtonDblClk(530, 200);
    EXPECT_EQ(forward(), std::make_pair(0, 1));
    chart.OnLButtonDblClk(600, 200);
    chart.OnLButtonDblClk(530, 200);
    EXPECT_EQ(forward(), std::make_pair(1, 0));
    EXPECT_EQ(host.invalidations, 3);
}

// The hexagon's bounding square holds points on no cell (HitTest 0): marks,
// lines and notes are not stored under 0.
TEST(ChartMouseRound, PointsOnNoCellStoreNothing)
{
    FakeHost host;
    CDrawHexagon chart;
    chart.m_pView = &host;
    LayOut(chart, 3, {280, 180, 520, 420});
    const Point corner{chart.m_rcChart.left + 1, chart.m_rcChart.top + 1};
    ASSERT_TRUE(chart.m_rcChart.Contains(corner) && chart.HitTest(corner.x, corner.y) == 0);

    for (MouseTool tool : {MouseTool::Line, MouseTool::Circle}) {
        chart.m_nTool = tool;
        chart.OnLButtonDown(400, 300);
        chart.OnLButtonUp(corner.x, corner.y);
        chart.OnLButtonDown(corner.x, corner.y);
        chart.OnLButtonUp(corner.x, corner.y);
    }
    EXPECT_TRUE(chart.m_Lines.empty() && chart.m_FillCells.empty());

    host.dialog = [](Comments&) { return true; };
    chart.m_bPlaceComment = 1;
    EXPECT_EQ(chart.OnLButtonDown(corner.x, corner.y), 1);
    EXPECT_TRUE(chart.m_Comments.empty());
    EXPECT_EQ(chart.m_bPlaceComment, 0);
}
