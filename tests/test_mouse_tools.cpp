// The mouse tools, notes, handle drags and chart properties driven through
// the chart window as a user drives them: presses, moves and releases on the
// viewport at zoom 0.75 in a small, scrolled window, with the real note and
// properties dialogs answered from queued calls. Every point is a chart point
// taken to the window through the view's own mapping.

#include "BaseDraw.h"
#include "ChartPropertyDialog.h"
#include "CommandIds.h"
#include "CommentsDialog.h"
#include "ModalDialog.h"
#include "Rotula2View.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <vector>

namespace {

void ClickButton(QWidget& dialog, const char* name)
{
    QTest::mouseClick(dialog.findChild<QPushButton*>(name), Qt::LeftButton);
}

void TypeInto(QWidget& dialog, const char* name, const QString& text)
{
    auto* edit = dialog.findChild<QLineEdit*>(name);
    edit->clear();
    QTest::keyClicks(edit, text);
}

// A chart window that counts its paints and context menus, keeps its
// messages (such as a missing city list) and lets a test answer the note
// dialog instead of the real one.
class MouseView : public CRotula2View {
public:
    int paints = 0;
    int contextMenus = 0;
    QStringList messages;
    std::vector<Comments> notesOffered; // what each note dialog opened with
    std::function<bool(Comments&)> noteDialog; // none: the real dialog

protected:
    void ShowMessage(QMessageBox::Icon, const QString& text) override { messages << text; }
    void ShowContextMenu(const QPoint&) override { ++contextMenus; }
    bool EditComment(Comments& note) override
    {
        notesOffered.push_back(note);
        return noteDialog ? noteDialog(note) : CRotula2View::EditComment(note);
    }
    void drawContents(QPainter& painter, double scale) override
    {
        ++paints;
        CRotula2View::drawContents(painter, scale);
    }
};

struct Kind {
    int command;
    const char* name; // the chart's name, the properties dialog's title
    int lastCellOf12; // the highest cell number with 12 rings
};

const Kind kKinds[] = {
    {Cmd::KindSquareOfNine, "Square Of Nine", 625}, {Cmd::KindHexagon, "Hexagon", 468}, {Cmd::KindWheel, "Wheel", 288}};

class MouseTools : public testing::TestWithParam<Kind> {
protected:
    void SetUp() override
    {
        view.resize(760, 560);
        view.InitialUpdate({1920, 1080});
        view.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
        view.OnCommand(GetParam().command);
        view.setZoom(0.75f);
        ASSERT_TRUE(Frame({Chart().m_rcChart.Center()}));
        // The canvas is larger than the window, and the window scrolled into it.
        ASSERT_GT(view.horizontalScrollBar()->value(), 0);
        ASSERT_GT(view.verticalScrollBar()->value(), 0);
        QCoreApplication::processEvents();
        ASSERT_FALSE(view.IsModified());
    }

    CBaseDraw& Chart() { return *view.CurrentChart(); }

    // Paints, so that the chart lays out its cells, handles and note boxes.
    void Layout() { view.viewport()->repaint(); }

    // Scrolls so that the points, in chart units, lie in the middle of the
    // window; false when they do not all fit.
    [[nodiscard]] bool Frame(const std::vector<Point>& points)
    {
        Layout();
        int left = points[0].x, right = left, top = points[0].y, bottom = top;
        for (const Point& p : points) {
            left = std::min(left, p.x);
            right = std::max(right, p.x);
            top = std::min(top, p.y);
            bottom = std::max(bottom, p.y);
        }
        const QPoint offset
            = view.toWindow({(left + right) / 2, (top + bottom) / 2}) - view.viewport()->rect().center();
        view.horizontalScrollBar()->setValue(view.horizontalScrollBar()->value() + offset.x());
        view.verticalScrollBar()->setValue(view.verticalScrollBar()->value() + offset.y());
        Layout();
        const QRect inner = view.viewport()->rect().adjusted(2, 2, -2, -2);
        return std::all_of(
            points.begin(), points.end(), [&](const Point& p) { return inner.contains(view.toWindow(p)); });
    }

    // The window pixel for p: one that the view maps back to exactly p where
    // the zoom leaves one (at 0.75 a pixel spans one or two chart units).
    QPoint Pixel(Point p)
    {
        const QPoint near = view.toWindow(p);
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (view.toChart(near + QPoint(dx, dy)) == p)
                    return near + QPoint(dx, dy);
        return near;
    }

    Point CentreOf(int cell) { return Chart().GetCellCenter(cell); }

    // Presses at the first point, moves through the others and releases at
    // the last, all framed in the window first.
    void Drag(const std::vector<Point>& path)
    {
        ASSERT_TRUE(Frame(path));
        QTest::mousePress(view.viewport(), Qt::LeftButton, {}, Pixel(path.front()));
        for (size_t i = 1; i < path.size(); ++i)
            QTest::mouseMove(view.viewport(), Pixel(path[i]));
        QTest::mouseRelease(view.viewport(), Qt::LeftButton, {}, Pixel(path.back()));
    }
    void DragCells(int from, int to) { Drag({CentreOf(from), CentreOf(to)}); }

    void Click(Point at, Qt::MouseButton button = Qt::LeftButton)
    {
        ASSERT_TRUE(Frame({at}));
        QTest::mouseClick(view.viewport(), button, {}, Pixel(at));
    }
    void ClickCell(int cell, Qt::MouseButton button = Qt::LeftButton) { Click(CentreOf(cell), button); }

    // A double click as the window system delivers it: the second press
    // arrives as the double click.
    void DoubleClick(Point at)
    {
        ASSERT_TRUE(Frame({at}));
        const QPoint p = Pixel(at);
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, p);
        QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, p);
        QTest::mouseRelease(view.viewport(), Qt::LeftButton, {}, p);
    }

    // Selects mouse tool 1 to 8 through its command, as its button does.
    void UseTool(int tool)
    {
        if (Selected() != tool)
            view.OnCommand(Cmd::ToolLine + tool - 1);
        ASSERT_EQ(Selected(), tool);
    }
    int Selected() const
    {
        for (int tool = 1; tool <= 8; ++tool)
            if (view.QueryCommand(Cmd::ToolLine + tool - 1).checked)
                return tool;
        return 0;
    }

    // Saves the set, so that what is shown now counts as unchanged.
    void SaveNow()
    {
        ASSERT_TRUE(view.SaveFile(dir.filePath("set.rtl")));
        ASSERT_FALSE(view.IsModified());
    }

    // Lets queued paints happen, then forgets them.
    void Settle()
    {
        QCoreApplication::processEvents();
        view.paints = 0;
    }
    // How many paints the events queued since the last Settle bring.
    int PaintsNow()
    {
        QCoreApplication::processEvents();
        return view.paints;
    }

    // Two different cells near the centre.
    static constexpr int kCellA = 2;
    static constexpr int kCellB = 5;

    QTemporaryDir dir;
    MouseView view;
};

TEST_P(MouseTools, LinesNeedTwoCellsAndFillsOneAndAFillIsNeverReplaced)
{
    UseTool(1);
    ClickCell(kCellA);
    EXPECT_TRUE(Chart().m_Lines.empty());
    EXPECT_FALSE(Chart().m_bDrawingLine);

    UseTool(7);
    DragCells(kCellA, kCellB);
    EXPECT_TRUE(Chart().m_FillCells.empty());
    EXPECT_FALSE(view.IsModified());

    view.SetPaletteColor(MakeColor(255, 0, 0));
    view.SetLineNumber(3);
    ClickCell(kCellA);
    ASSERT_EQ(Chart().m_FillCells.size(), 1u);
    EXPECT_EQ(Chart().m_FillCells.at(kCellA), (Cell_Style {3, MakeColor(255, 0, 0), true, true}));
    EXPECT_TRUE(view.IsModified());

    // The other fill tool, another colour: the circle stays as it was.
    view.SetPaletteColor(MakeColor(0, 0, 255));
    UseTool(8);
    ClickCell(kCellA);
    EXPECT_EQ(Chart().m_FillCells.size(), 1u);
    EXPECT_EQ(Chart().m_FillCells.at(kCellA), (Cell_Style {3, MakeColor(255, 0, 0), true, true}));
    ClickCell(kCellB);
    EXPECT_FALSE(Chart().m_FillCells.at(kCellB).m_bCircle);
    EXPECT_EQ(Chart().m_FillCells.at(kCellB).m_crColor, MakeColor(0, 0, 255));
}

TEST_P(MouseTools, TwoLinesUnderOneKeyGoWithOneRightClickOnEitherEnd)
{
    UseTool(1);
    DragCells(kCellA, kCellB);
    DragCells(kCellA, kCellB);
    const std::string key = std::to_string(kCellA) + "/" + std::to_string(kCellB);
    EXPECT_EQ(Chart().m_Lines.count(key), 2u);
    EXPECT_TRUE(view.IsModified());

    ASSERT_TRUE(Frame({CentreOf(kCellB)}));
    Settle();
    QTest::mouseClick(view.viewport(), Qt::RightButton, {}, Pixel(CentreOf(kCellB)));
    EXPECT_GT(PaintsNow(), 0);
    EXPECT_TRUE(Chart().m_Lines.empty());
    EXPECT_EQ(view.contextMenus, 0);
    EXPECT_FALSE(view.IsModified()); // back to the set as it was
}

TEST_P(MouseTools, RightClicksRemoveFillThenTangentThenLineThenOpenTheMenu)
{
    UseTool(2);
    DragCells(kCellA, kCellB);
    UseTool(6);
    ClickCell(kCellA);
    UseTool(8);
    ClickCell(kCellA);
    ASSERT_EQ(Chart().m_FillCells.count(kCellA), 1u);
    ASSERT_EQ(Chart().m_TangentCells.count(kCellA), 1u);
    ASSERT_EQ(Chart().m_Lines.size(), 1u);
    EXPECT_TRUE(Chart().m_Lines.begin()->second.m_bArrow);

    ClickCell(kCellA, Qt::RightButton);
    EXPECT_TRUE(Chart().m_FillCells.empty());
    EXPECT_EQ(Chart().m_TangentCells.size(), 1u);
    ClickCell(kCellA, Qt::RightButton);
    EXPECT_TRUE(Chart().m_TangentCells.empty());
    EXPECT_EQ(Chart().m_Lines.size(), 1u);
    EXPECT_EQ(view.contextMenus, 0);
    EXPECT_TRUE(view.IsModified());
    ClickCell(kCellA, Qt::RightButton);
    EXPECT_TRUE(Chart().m_Lines.empty());
    EXPECT_EQ(view.contextMenus, 0);

    // Nothing left to remove: the menu, and no repaint.
    ASSERT_TRUE(Frame({CentreOf(kCellA)}));
    Settle();
    QTest::mouseClick(view.viewport(), Qt::RightButton, {}, Pixel(CentreOf(kCellA)));
    EXPECT_EQ(PaintsNow(), 0);
    EXPECT_EQ(view.contextMenus, 1);
    EXPECT_FALSE(view.IsModified());
}

TEST_P(MouseTools, LeavingTheChartCancelsALineDrag)
{
    // Two neighbouring cells at the left edge, and a point just outside the chart.
    Layout();
    const Rect rc = Chart().m_rcChart;
    const Point outside {rc.left - 20, rc.Center().y};
    int first = 0, second = 0;
    for (int x = rc.left; x < rc.Center().x && !second; ++x) {
        const int cell = Chart().HitTest(x, outside.y);
        if (cell > 0 && !first)
            first = cell;
        else if (cell > 0 && cell != first)
            second = cell;
    }
    ASSERT_GT(second, 0);

    UseTool(1);
    Drag({CentreOf(first), CentreOf(second), outside, CentreOf(second)});
    EXPECT_TRUE(Chart().m_Lines.empty());
    EXPECT_FALSE(Chart().m_bDrawingLine);
    EXPECT_FALSE(view.IsModified());

    Drag({CentreOf(first), CentreOf(second)});
    EXPECT_EQ(Chart().m_Lines.count(std::to_string(first) + "/" + std::to_string(second)), 1u);
    EXPECT_TRUE(view.IsModified());
}

TEST_P(MouseTools, ACancelledNoteStoresNothingAndDisarmsTheTool)
{
    view.noteDialog = [](Comments& note) {
        note.m_strText = "never stored";
        return false;
    };
    UseTool(7);
    view.OnCommand(Cmd::PlaceNote);
    ClickCell(kCellA);
    EXPECT_EQ(view.notesOffered.size(), 1u);
    EXPECT_TRUE(Chart().m_Comments.empty());
    EXPECT_TRUE(Chart().m_FillCells.empty()); // the armed note took the press
    EXPECT_FALSE(Chart().m_bPlaceComment);
    EXPECT_FALSE(view.IsModified());

    ClickCell(kCellA);
    EXPECT_EQ(view.notesOffered.size(), 1u);
    EXPECT_EQ(Chart().m_FillCells.size(), 1u);
}

TEST_P(MouseTools, EachNewNoteStartsFromTheDefaults)
{
    // The first note takes another font and colours in the real dialog.
    WhenModal<CCommentsDlg>([](CCommentsDlg& d) {
        d.SetChoosers(
            [](const QFont&, QWidget*) {
                QFont font(QStringLiteral("DejaVu Serif"));
                font.setPixelSize(30);
                font.setBold(true);
                return std::optional<QFont>(font);
            },
            [](const QColor&, const QString&, QWidget*) { return std::optional<QColor>(QColor(0, 128, 0)); });
        ClickButton(d, "font");
        ClickButton(d, "textColor");
        ClickButton(d, "backColor");
        QTest::keyClicks(d.findChild<QPlainTextEdit*>("text"), "first");
        ClickButton(d, "ok");
    });
    view.OnCommand(Cmd::PlaceNote);
    ClickCell(kCellA);
    ASSERT_EQ(Chart().m_Comments.count(kCellA), 1u);
    const Comments& first = Chart().m_Comments.find(kCellA)->second;
    EXPECT_EQ(first.m_nHeight, -30);
    EXPECT_EQ(first.m_crBack, MakeColor(0, 128, 0));
    EXPECT_TRUE(view.IsModified());

    WhenModal<CCommentsDlg>([](CCommentsDlg& d) {
        auto* text = d.findChild<QPlainTextEdit*>("text");
        EXPECT_TRUE(text->toPlainText().isEmpty());
        EXPECT_EQ(text->palette().color(QPalette::Base), QColor(255, 255, 0));
        EXPECT_EQ(text->palette().color(QPalette::Text), QColor(0, 0, 0));
        EXPECT_EQ(d.Note().m_nHeight, 16);
        EXPECT_EQ(d.Note().m_nWeight, 400);
        QTest::keyClicks(text, "second");
        ClickButton(d, "ok");
    });
    view.OnCommand(Cmd::PlaceNote);
    ClickCell(kCellB);
    ASSERT_EQ(view.notesOffered.size(), 2u);
    for (const Comments& offered : view.notesOffered) {
        EXPECT_EQ(offered.m_nHeight, 16);
        EXPECT_EQ(offered.m_crText, Colors::Black);
        EXPECT_EQ(offered.m_crBack, Colors::Yellow);
        EXPECT_TRUE(offered.m_strText.empty());
    }
    ASSERT_EQ(Chart().m_Comments.count(kCellB), 1u);
    const Comments& second = Chart().m_Comments.find(kCellB)->second;
    EXPECT_EQ(second.m_strText, "second");
    EXPECT_EQ(second.m_nHeight, 16);
    EXPECT_EQ(second.m_crBack, Colors::Yellow);
}

TEST_P(MouseTools, ANoteOfTwoLinesIsPlacedEditedByDoubleClickAndRemoved)
{
    WhenModal<CCommentsDlg>([](CCommentsDlg& d) {
        auto* text = d.findChild<QPlainTextEdit*>("text");
        QTest::keyClicks(text, "high 2012");
        QTest::keyClick(text, Qt::Key_Return);
        QTest::keyClicks(text, "target 3.5");
        ClickButton(d, "ok");
    });
    view.OnCommand(Cmd::PlaceNote);
    ClickCell(kCellA);
    ASSERT_EQ(Chart().m_Comments.size(), 1u);
    Comments& note = Chart().m_Comments.begin()->second;
    EXPECT_EQ(note.m_strText, "high 2012\ntarget 3.5");
    EXPECT_TRUE(view.IsModified());
    SaveNow();

    // Drawn right of and below its cell, two lines high at any zoom.
    Layout();
    const Rect box = note.m_rcBox;
    ASSERT_FALSE(box.IsEmpty());
    EXPECT_GT(box.Center().x, CentreOf(kCellA).x);
    EXPECT_GT(box.Center().y, CentreOf(kCellA).y);
    EXPECT_GE(box.Height() * view.zoom(), 2 * 14);

    WhenModal<CCommentsDlg>([](CCommentsDlg& d) {
        auto* text = d.findChild<QPlainTextEdit*>("text");
        EXPECT_EQ(text->toPlainText(), "high 2012\ntarget 3.5");
        text->selectAll();
        QTest::keyClicks(text, "low 2013");
        ClickButton(d, "ok");
    });
    DoubleClick(box.Center());
    ASSERT_EQ(Chart().m_Comments.size(), 1u);
    EXPECT_EQ(Chart().m_Comments.begin()->second.m_strText, "low 2013");
    EXPECT_TRUE(Chart().m_Lines.empty());
    EXPECT_TRUE(view.IsModified());

    Layout();
    Click(Chart().m_Comments.begin()->second.m_rcBox.Center(), Qt::RightButton);
    EXPECT_TRUE(Chart().m_Comments.empty());
    EXPECT_EQ(view.contextMenus, 0);
}

// The triangle's handle dragged straight above, below and left of the
// centre. At 0.75 a pixel can span two chart units, so the point straight
// above the centre may have no pixel of its own; at 1.25 every unit has one.
TEST_P(MouseTools, TheTriangleTurnsToWhereItsHandleIsDropped)
{
    view.setZoom(1.25f);
    view.OnCommand(Cmd::Triangle);
    SaveNow();
    struct Drop {
        Point offset;
        float angle;
    };
    // The first drop pulls the handle in from the chart's edge, so that the
    // others fit the window with the centre.
    for (const Drop& drop :
        {Drop {{400, 0}, 0.0f}, Drop {{0, -200}, 90.0f}, Drop {{0, 150}, 270.0f}, Drop {{-250, 0}, 180.0f}}) {
        Layout();
        const Point centre = Chart().m_rcChart.Center();
        const Point target {centre.x + drop.offset.x, centre.y + drop.offset.y};
        const Point handle = Chart().m_rcTriangleHandle.Center();
        ASSERT_TRUE(Frame({handle, target})) << drop.angle;
        ASSERT_EQ(view.toChart(Pixel(target)), target);
        Drag({handle, target});
        EXPECT_FLOAT_EQ(Chart().m_fTriangleAngle, drop.angle);
        EXPECT_FLOAT_EQ(Chart().m_fTriangleRadius, std::max(std::abs(drop.offset.x), std::abs(drop.offset.y)));
        EXPECT_FALSE(Chart().m_bDragTriangle);
        EXPECT_TRUE(Chart().m_Lines.empty() && Chart().m_FillCells.empty());
        EXPECT_TRUE(view.IsModified());
        // Drawn again with its handle where it was dropped.
        Layout();
        const Point moved = Chart().m_rcTriangleHandle.Center();
        EXPECT_LE(std::abs(moved.x - target.x) + std::abs(moved.y - target.y), 2) << drop.angle;
    }
}

// The ring's handle is the label of day 0, right of the ring. On the square
// charts it lies beyond the canvas, where no scrolling reaches; it shows when
// the window is larger than the canvas, which is then drawn centred.
TEST_P(MouseTools, ADoubleClickOnTheCalendarHandleReversesTheRing)
{
    view.resize(1100, 1000);
    view.setZoom(0.5f);
    view.OnCommand(Cmd::CalendarRing);
    SaveNow();
    Layout();
    ASSERT_EQ(view.horizontalScrollBar()->maximum(), 0);
    ASSERT_GT(view.toWindow({0, 0}).x(), 0);
    const Rect handle = Chart().m_rcCalendarHandle;
    ASSERT_FALSE(handle.IsEmpty());
    DoubleClick(handle.Center());
    EXPECT_EQ(Chart().m_bCalendarForward, 0);
    EXPECT_FLOAT_EQ(Chart().m_fCalendarAngle, 0.0f); // presses without a move turn nothing
    EXPECT_FALSE(Chart().m_bDragCalendarRing);
    EXPECT_TRUE(view.IsModified());

    Layout();
    DoubleClick(Chart().m_rcCalendarHandle.Center());
    EXPECT_EQ(Chart().m_bCalendarForward, 1);
    EXPECT_FALSE(view.IsModified());
}

TEST_P(MouseTools, ChartPropertiesRefuseTwoRingsAndTakeTwelve)
{
    // Cancel changes nothing and draws nothing again.
    const int rings = Chart().GetRings();
    Settle();
    WhenModal<CChartProperty>([](CChartProperty& d) {
        TypeInto(d, "rings", "12");
        ClickButton(d, "cancel");
    });
    view.OnCommand(Cmd::ChartProperties);
    EXPECT_EQ(PaintsNow(), 0);
    EXPECT_EQ(Chart().GetRings(), rings);
    EXPECT_FALSE(view.IsModified());

    Settle();
    QStringList messages;
    const QString title = QString::fromLatin1(GetParam().name);
    WhenModal<CChartProperty>([&messages, title](CChartProperty& d) {
        d.SetMessageHook([&messages](const QString& m) { messages << m; });
        EXPECT_EQ(d.windowTitle(), title);
        TypeInto(d, "rings", "2");
        ClickButton(d, "ok");
        EXPECT_TRUE(d.isVisible());
        TypeInto(d, "rings", "12");
        TypeInto(d, "step", "0.25");
        ClickButton(d, "ok");
    });
    view.OnCommand(Cmd::ChartProperties);
    EXPECT_GT(PaintsNow(), 0);
    EXPECT_EQ(messages, QStringList {"Enter an integer between 3 and 40."});
    EXPECT_EQ(Chart().GetRings(), 12);
    EXPECT_FLOAT_EQ(Chart().m_fPriceStep, 0.25f);
    EXPECT_EQ(Chart().m_nNaturalDecimals, 2);
    EXPECT_TRUE(view.IsModified());

    // The mouse finds the cells of the new layout.
    UseTool(8);
    ClickCell(GetParam().lastCellOf12);
    EXPECT_EQ(Chart().m_FillCells.count(GetParam().lastCellOf12), 1u);
}

INSTANTIATE_TEST_SUITE_P(Charts, MouseTools, testing::ValuesIn(kKinds), [](const testing::TestParamInfo<Kind>& info) {
    std::string name = info.param.name;
    name.erase(std::remove(name.begin(), name.end(), ' '), name.end());
    return name;
});

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
