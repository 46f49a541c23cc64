// The chart window driven as the menus, toolbars and mouse drive it; the
// display rules and what the chart does with each press are tested on the chart.

#include "AstrologyReport.h"
#include "BaseDraw.h"
#include "CellFacts.h"
#include "CellTable.h"
#include "ChartKinds.h"
#include "ChartFile.h"
#include "ChartDocument.h"
#include "ChartPrinter.h"
#include "ChartSet.h"
#include "ChartSetJson.h"
#include "DocumentDialogs.h"
#include "DrawWheel.h"
#include "CommentsDialog.h"
#include "FileSettings.h"
#include "ModalDialog.h"
#include "PivotTargets.h"
#include "PictureRegion.h"
#include "PrintLayoutDialog.h"
#include "Rotula2View.h"
#include "TargetPanel.h"
#include "TargetTable.h"
#include "WallChart.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QComboBox>
#include <QDate>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QImage>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QRadioButton>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSpinBox>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>

#include <algorithm>
#include <functional>
#include <optional>
#include <tuple>

#include <gtest/gtest.h>

namespace {

// The document's questions answered from a script, its messages recorded;
// the properties dialog confirms 7 rings.
class ScriptedDialogs : public CDocumentDialogs {
public:
    using CDocumentDialogs::CDocumentDialogs;
    QStringList openPaths;
    QStringList savePaths;
    QMessageBox::StandardButton saveAnswer = QMessageBox::Cancel;
    int saveQuestions = 0;
    QStringList messages;
    std::optional<CellQuery> findQuery;

protected:
    QString AskOpenPath() override { return openPaths.isEmpty() ? QString() : openPaths.takeFirst(); }
    QString AskSavePath() override { return savePaths.isEmpty() ? QString() : savePaths.takeFirst(); }
    QString AskExportPath(const QString&, const QStringList&) override { return AskSavePath(); }
    QMessageBox::StandardButton AskSaveChanges() override { return ++saveQuestions, saveAnswer; }
    void ShowMessage(QMessageBox::Icon, const QString& text) override { messages << text; }
    std::optional<CellQuery> AskFindQuery() override { return findQuery; }
    bool EditChartProperties(CBaseDraw& chart) override { return chart.SetRings(7), true; }
};

// A chart window that counts its paints and context menus.
class ScriptedView : public CRotula2View {
public:
    using CRotula2View::CRotula2View;
    int contextMenus = 0;
    int paints = 0;
    // The note dialog answered with this text when set.
    std::optional<std::string> noteText;
    bool EditComment(Comments& note) override
    {
        return noteText ? (note.m_strText = *noteText, true) : CRotula2View::EditComment(note);
    }

protected:
    void ShowContextMenu(const QPoint&) override { ++contextMenus; }
    void drawContents(QPainter& p, double scale) override { ++paints, CRotula2View::drawContents(p, scale); }
};

class ChartView : public testing::Test {
protected:
    void SetUp() override
    {
        // At the default zoom 0.6 the 1890-unit canvas takes 1134 pixels: it fits, centred.
        view.resize(1200, 1200);
        view.InitialUpdate({1920, 1080});
        view.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
        Settle();
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

    CBaseDraw& Chart() { return *view.CurrentChart(); }

    // Clicks the centre of cell n of the current chart, laid out by a paint.
    void ClickCell(int n, Qt::MouseButton button = Qt::LeftButton)
    {
        view.viewport()->repaint();
        QTest::mouseClick(view.viewport(), button, {}, view.toWindow(Chart().GetCellCenter(n)));
    }

    std::string SetBytes() { return ChartFile::ToBytes(doc.Charts().Slots()).Value(); }
    // Presses at a, moves to b and releases there, in window coordinates of chart points.
    void Drag(Point a, Point b)
    {
        QTest::mousePress(view.viewport(), Qt::LeftButton, {}, view.toWindow(a));
        QTest::mouseMove(view.viewport(), view.toWindow(b));
        QTest::mouseRelease(view.viewport(), Qt::LeftButton, {}, view.toWindow(b));
    }
    // As the window system delivers a double click.
    void DoubleClick(Point at)
    {
        const QPoint p = view.toWindow(at);
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, p);
        QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, p);
        QTest::mouseRelease(view.viewport(), Qt::LeftButton, {}, p);
    }

    QString TempPath(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
    QByteArray Bytes(const char* name) const
    {
        QFile file(TempPath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir dir;
    CChartDocument doc;
    ScriptedView view {doc};
    ScriptedDialogs dialogs {doc, view};
};

// The chart's rules say whether the picture changed; only then does the window
// repaint. A right click removes one mark and repaints; with nothing to remove
// it opens the menu and repaints nothing.
TEST_F(ChartView, RepaintsOnlyWhenThePictureChanged)
{
    doc.FlipSwitch(DisplaySwitch::Price); // refused: the only label on
    EXPECT_EQ(PaintsNow(), 0);
    doc.ChoosePeriod(Period::Week); // time labels hidden
    doc.ChooseTool(MouseTool::Circle);
    EXPECT_EQ(PaintsNow(), 0);
    doc.FlipSwitch(DisplaySwitch::Time);
    EXPECT_GT(PaintsNow(), 0);

    ClickCell(6);
    const QPoint cell = view.toWindow(Chart().GetCellCenter(6));
    for (const int menus : {0, 1}) {
        Settle();
        QTest::mouseClick(view.viewport(), Qt::RightButton, {}, cell);
        EXPECT_EQ(PaintsNow() > 0, menus == 0);
        EXPECT_EQ(view.contextMenus, menus);
    }
}

// Each chart keeps its own switches and marks.
TEST_F(ChartView, EachKindKeepsItsOwnChartWithItsMarksAndSwitches)
{
    doc.SwitchKind(kHexagon);
    CBaseDraw* hexagon = view.CurrentChart();
    doc.ChooseTool(MouseTool::Circle);
    ClickCell(5);
    ASSERT_EQ(hexagon->m_FillCells.count(5), 1u);
    doc.FlipSwitch(DisplaySwitch::Triangle);

    doc.SwitchKind(kSquareOfNine);
    EXPECT_FALSE(DisplaySwitches::IsOn(Chart(), DisplaySwitch::Triangle));
    doc.ClearDrawings(); // clears the Square of Nine only
    doc.SwitchKind(kHexagon);
    EXPECT_EQ(view.CurrentChart(), hexagon);
    EXPECT_EQ(hexagon->m_FillCells.count(5), 1u);
    EXPECT_TRUE(DisplaySwitches::IsOn(Chart(), DisplaySwitch::Triangle));

    hexagon->m_Comments.emplace(5, Comments{});
    doc.ClearDrawings();
    EXPECT_TRUE(hexagon->m_FillCells.empty());
    EXPECT_TRUE(hexagon->m_Comments.empty());
}

// The chart's zoom, which sizes its labels and goes into its file, follows
// the view's. Zooming keeps the chart point at the window centre there,
// Ctrl+wheel the one under the pointer (three forward notches of 40 zoom in
// once; without Ctrl the wheel scrolls); New shows the fresh chart centred.
TEST_F(ChartView, ZoomFollowsTheChartAndKeepsTheCentreOrThePointer)
{
    view.zoomIn();
    EXPECT_EQ(Chart().m_fZoom, 0.618f);
    view.setZoom(0.6f);
    view.zoomOut();
    EXPECT_EQ(view.zoom(), 0.5f);
    doc.SwitchKind(kWheel); // a new chart's zoom
    EXPECT_EQ(view.zoom(), 0.6f);
    doc.SwitchKind(kSquareOfNine);
    EXPECT_EQ(view.zoom(), 0.5f);

    view.resize(1000, 700); // the 1134-pixel chart no longer fits
    const QSize client = view.viewport()->size();
    const QPoint centre(client.width() / 2, client.height() / 2);
    view.setZoom(1.0f);
    view.horizontalScrollBar()->setValue(500);
    view.verticalScrollBar()->setValue(400);
    const Point before = view.toChart(centre);
    view.zoomIn();
    ASSERT_EQ(view.zoom(), 1.1f);
    EXPECT_LE((view.toWindow(before) - centre).manhattanLength(), 2);

    const QPoint at(300, 450);
    const Point under = view.toChart(at);
    const auto turn = [&](int delta, Qt::KeyboardModifiers keys) {
        QWheelEvent wheel(at, view.viewport()->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, keys,
                          Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(view.viewport(), &wheel);
    };
    for (int notch = 0; notch < 3; ++notch)
        turn(40, Qt::ControlModifier);
    EXPECT_EQ(view.zoom(), 1.25f);
    EXPECT_EQ(view.toChart(at), under);
    turn(120, Qt::NoModifier); // scrolls instead
    EXPECT_EQ(view.zoom(), 1.25f);

    view.horizontalScrollBar()->setValue(0);
    view.verticalScrollBar()->setValue(view.verticalScrollBar()->maximum());
    dialogs.NewDocument();
    EXPECT_LE((view.toWindow({945, 945}) - centre).manhattanLength(), 2); // of the 1890-unit canvas
}

// Values no dialog gives are painted within bounds and saved back as held, but
// for what a chart shown holds as shown: the zoom in range, switches as 0 or 1.
// Cells smaller than a unit on the view's canvas would draw nothing: a wheel of
// many rings gets the canvas its cells need, and the next kind the view's again.
TEST_F(ChartView, AFileWithStrangeValuesOpensPaintsAndSavesThemBack)
{
    const Result<CChartSlots> odd = ChartSetJson::FromText(R"({"nine": {"m_nDecimals": 9, "m_fZoom": 100},
        "hexagon": {"m_nRings": 2000000000, "m_bShowSquares": 2}, "four": {"m_bShowSquares": 2},
        "wheel": {"m_nRings": 1000}})");
    const std::string path = TempPath("odd.rtl").toStdString();
    ASSERT_TRUE(odd.Ok() && ChartFile::Save(odd.Value(), path).Ok()) << odd.Message();
    ASSERT_TRUE(dialogs.OpenFile(QString::fromStdString(path)));
    EXPECT_FALSE(doc.IsModified());
    doc.SwitchKind(kWheel);
    const Rect wheel = Chart().m_rcChart, area = view.chartArea();
    EXPECT_EQ(static_cast<CDrawWheel&>(Chart()).m_nRingSize, 1);
    EXPECT_GT(view.CanvasSize().cx, 1890);
    EXPECT_TRUE(area.left <= wheel.left && area.top <= wheel.top && wheel.right <= area.right
                && wheel.bottom <= area.bottom);
    doc.SwitchKind(kSquareOfNine);
    EXPECT_EQ(view.CanvasSize().cx, 1890);
    doc.SwitchKind(kHexagon);
    view.viewport()->repaint();
    ASSERT_TRUE(dialogs.SaveFile(QString::fromStdString(path)));

    const Result<CChartSlots> back = ChartFile::Load(path);
    ASSERT_TRUE(back.Ok());
    EXPECT_EQ(back.Value().Chart(kSquareOfNine)->m_nDecimals, 9);
    EXPECT_EQ(back.Value().Chart(kSquareOfNine)->m_fZoom, 20.0f);
    EXPECT_EQ(back.Value().Chart(kHexagon)->m_nRings, 2000000000);
    EXPECT_EQ(back.Value().Chart(kHexagon)->m_bShowSquares, 1);
    EXPECT_EQ(back.Value().Chart(kSquareOfFour)->m_bShowSquares, 2); // never shown
}

// Unsaved work is never dropped without asking, and what was saved opens as it was.
TEST_F(ChartView, UnsavedWorkIsAskedAboutAndSavedWorkOpensAsItWas)
{
    doc.SwitchKind(kHexagon); // looking is no work
    view.zoomIn();
    EXPECT_FALSE(doc.IsModified());
    doc.ChooseTool(MouseTool::Circle);
    ClickCell(2);
    doc.SwitchKind(kSquareOfNine);
    doc.FlipSwitch(DisplaySwitch::Time);
    EXPECT_TRUE(doc.IsModified());
    CBaseDraw* nine = view.CurrentChart();

    dialogs.NewDocument(); // answered Cancel
    dialogs.openPaths = {TempPath("never-asked.rtl")};
    dialogs.OpenDocument();
    EXPECT_EQ(dialogs.saveQuestions, 2);
    EXPECT_EQ(view.CurrentChart(), nine);
    EXPECT_EQ(dialogs.openPaths.size(), 1);

    const QString path = TempPath("kept.rtl");
    const std::string saved = SetBytes();
    dialogs.saveAnswer = QMessageBox::Save;
    dialogs.savePaths = {path};
    dialogs.NewDocument();
    EXPECT_EQ(doc.Charts().Chart(kHexagon), nullptr);
    dialogs.openPaths = {path};
    dialogs.OpenDocument();
    EXPECT_EQ(SetBytes(), saved);
    EXPECT_FALSE(doc.IsModified());

    // A change undone by hand leaves nothing unsaved.
    doc.FlipSwitch(DisplaySwitch::AngleRing);
    EXPECT_TRUE(doc.IsModified());
    doc.FlipSwitch(DisplaySwitch::AngleRing);
    EXPECT_FALSE(doc.IsModified());

    doc.FlipSwitch(DisplaySwitch::AngleRing);
    dialogs.SaveDocument(); // to the file opened, without asking
    EXPECT_FALSE(doc.IsModified());
    doc.FlipSwitch(DisplaySwitch::AngleRing);
    dialogs.saveAnswer = QMessageBox::Discard;
    EXPECT_TRUE(dialogs.MaybeSave());
    EXPECT_EQ(dialogs.saveQuestions, 4);
    EXPECT_TRUE(dialogs.messages.isEmpty()) << dialogs.messages.join('\n').toStdString();
}

// The window's picture is the command line's for the same chart file; its
// cell table is the core's; a failed export says so.
TEST_F(ChartView, ExportsWriteWhatTheCommandLineAndTheCoreWrite)
{
    doc.SwitchKind(kWheel);
    doc.ChooseTool(MouseTool::Circle);
    ClickCell(30);
    const QString rtl = TempPath("set.rtl"), cli = TempPath("cli.png");
    dialogs.savePaths = {rtl, TempPath("window.png"), TempPath("cells.csv"), TempPath("no/such/folder.png")};
    dialogs.SaveDocument();
    dialogs.ExportPicture();
    dialogs.ExportCellTable();
    dialogs.ExportPicture();
    ASSERT_EQ(QProcess::execute(QStringLiteral(QUADRIX_CLI),
                  {"render", "--file", rtl, "--kind", "wheel", "--canvas", "1890", "--out", cli}), 0);
    EXPECT_FALSE(Bytes("window.png").isEmpty());
    EXPECT_EQ(Bytes("window.png"), Bytes("cli.png"));
    EXPECT_EQ(Bytes("cells.csv").toStdString(), CellTable::Csv(Chart(), *FindChartKind(kWheel), CellTable::Headers::Interface));
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].contains("folder.png")) << dialogs.messages[0].toStdString();
}

// The outer rings and their labels reach past the canvas: Fit shows them
// whole, the scroll range reaches them and an export holds them, without the
// handles, which are for the mouse. A printed page holds the round picture
// fitted to the printable area and centred.
TEST_F(ChartView, FitScrollingExportAndPrintCoverAllThePictureHolds)
{
    for (const DisplaySwitch on : {DisplaySwitch::CalendarRing, DisplaySwitch::AngleRing, DisplaySwitch::Triangle})
        doc.FlipSwitch(on);
    const auto inkOnEdge = [&](const char* edge) {
        const QImage image = view.viewport()->grab().toImage();
        const bool vertical = edge[0] == 'l' || edge[0] == 'r';
        const int fixed = edge[0] == 'l' || edge[0] == 't' ? 0 : (vertical ? image.width() : image.height()) - 1;
        for (int i = 0; i < (vertical ? image.height() : image.width()); ++i)
            if (qGray(image.pixel(vertical ? fixed : i, vertical ? i : fixed)) < 160) // a handle's grey may end there
                return true;
        return false;
    };
    view.zoomToFit();
    for (const char* edge : {"left", "top", "right", "bottom"})
        EXPECT_FALSE(inkOnEdge(edge)) << edge;
    view.setZoom(1.0f);
    view.horizontalScrollBar()->setValue(0);
    EXPECT_FALSE(inkOnEdge("left"));
    view.horizontalScrollBar()->setValue(view.horizontalScrollBar()->maximum());
    EXPECT_FALSE(inkOnEdge("right"));

    view.setZoom(0.6f);
    dialogs.savePaths = {TempPath("rings.png")};
    dialogs.ExportPicture();
    const QImage png(TempPath("rings.png"));
    const Rect area = view.chartArea();
    EXPECT_LT(area.left, 0);
    EXPECT_EQ(png.size(), QSize(qRound(area.Width() * 0.6), qRound(area.Height() * 0.6)));
    const auto pixel = [&](Point p) { return png.pixelColor(qRound((p.x - area.left) * 0.6), qRound((p.y - area.top) * 0.6)); };
    view.viewport()->repaint(); // places the handles
    const Rect ring = Chart().m_rcAngleHandle, triangle = Chart().m_rcTriangleHandle;
    EXPECT_NE(pixel({ring.left + 3, ring.top + 3}), QColor(192, 192, 192));
    EXPECT_NE(pixel({triangle.left + 3, triangle.top + 3}), QColor(Qt::red));
    // The hand shows over a handle until the pointer leaves it; neither move repaints.
    Settle();
    QTest::mouseMove(view.viewport(), view.toWindow(triangle.Center()));
    EXPECT_EQ(view.viewport()->cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseMove(view.viewport(), view.toWindow(Chart().GetCellCenter(1)));
    EXPECT_EQ(view.viewport()->cursor().shape(), Qt::ArrowCursor);
    EXPECT_EQ(PaintsNow(), 0);

    const QRect printable(25, 25, 800, 1050);
    QImage page(850, 1100, QImage::Format_RGB32);
    page.fill(Qt::white);
    {
        QPainter painter(&page);
        CChartPrinter::PaintPage(painter, printable, Chart(), view.CanvasSize());
    }
    QRect ink;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (qGray(page.pixel(x, y)) < 200)
                ink |= QRect(x, y, 1, 1);
    // Round with labels at the sides: cut at the sides, it would be taller than wide.
    EXPECT_GT(ink.width(), 760);
    EXPECT_LE(ink.height(), ink.width());
    EXPECT_NEAR(ink.center().x(), printable.center().x(), 5);
    EXPECT_NEAR(ink.center().y(), printable.center().y(), 5);

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(TempPath("chart.pdf"));
    EXPECT_TRUE(CChartPrinter::PrintTo(printer, Chart(), view.CanvasSize()));
    EXPECT_GT(QFile(TempPath("chart.pdf")).size(), 1000);
    printer.setOutputFileName(TempPath("no/such/folder/chart.pdf"));
    EXPECT_FALSE(CChartPrinter::PrintTo(printer, Chart(), view.CanvasSize()));
}

// A 25-ring Square of Nine as a wall chart: the layout dialog counts its pages
// as its fields change and refuses sizes that give none; the printer takes
// the grid's paper whole and gets every page, the preview too.
TEST_F(ChartView, AWallChartIsLaidOutPrintedAndPreviewedPageByPage)
{
    doc.SwitchKind(kSquareOfNine);
    Chart().SetRings(25);
    const Rect region = PictureRegion(Chart(), view.CanvasSize(), 1.0);
    const double pitch = CellPitch(Chart());
    PrintLayout start;
    start.fit = PrintLayout::Fit::Pages;
    CPrintLayoutDialog dialog(start, region, pitch, 6.5, nullptr);
    const auto count = [&] { return dialog.findChild<QLabel*>("pageCount")->text(); };
    QPushButton* ok = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    EXPECT_EQ(count(), QStringLiteral("共 4 页"));
    dialog.findChild<QCheckBox*>("overview")->setChecked(true);
    EXPECT_EQ(count(), QStringLiteral("共 5 页"));
    dialog.findChild<QSpinBox*>("rows")->setValue(3);
    EXPECT_EQ(count(), QStringLiteral("共 7 页"));
    dialog.findChild<QRadioButton*>("byCell")->setChecked(true);
    EXPECT_DOUBLE_EQ(dialog.findChild<QDoubleSpinBox*>("cellMm")->value(), 6.5);
    EXPECT_TRUE(ok->isEnabled());
    for (const auto& [field, mm] : {std::pair("cellMm", 300.0), std::pair("overlap", 95.0)}) {
        auto* box = dialog.findChild<QDoubleSpinBox*>(field);
        const double kept = box->value();
        box->setValue(mm);
        EXPECT_FALSE(ok->isEnabled()) << field;
        EXPECT_TRUE(count().contains("must") || count().contains("more than")) << count().toStdString();
        box->setValue(kept);
        EXPECT_TRUE(ok->isEnabled()) << field;
    }
    dialog.findChild<QRadioButton*>("onePage")->setChecked(true);
    EXPECT_EQ(count(), QStringLiteral("共 1 页"));
    EXPECT_FALSE(dialog.findChild<QComboBox*>("paper")->isEnabled());

    // Remembered for the next print as confirmed.
    PrintLayout chosen = dialog.Layout();
    chosen.paper = "Letter";
    FileSettings::StorePrintLayout(chosen);
    const PrintLayout kept = FileSettings::LoadPrintLayout();
    EXPECT_EQ(std::tie(kept.fit, kept.cellMm, kept.columns, kept.rows, kept.paper, kept.landscape, kept.overlapMm,
                       kept.overview, kept.caption),
              std::tie(chosen.fit, chosen.cellMm, chosen.columns, chosen.rows, chosen.paper, chosen.landscape,
                       chosen.overlapMm, chosen.overview, chosen.caption));

    // One printer for every job, as the window keeps its own: each takes its
    // grid's paper and orientation, in full, and the page range chosen.
    PrintLayout sideways = start;
    sideways.paper = "A3";
    sideways.landscape = true;
    struct Job {
        const char* file;
        const PrintLayout& layout;
        int from, to, pages;
        double widthMm, heightMm;
        const char* size; // as pdfinfo gives it
    } const jobs[] = {
        {"a3.pdf", sideways, 0, 0, 4, 420, 297, "1191 x 842 pts (A3)"},
        {"a4.pdf", start, 0, 0, 4, 210, 297, "595 x 842 pts (A4)"},
        {"two.pdf", start, 2, 3, 2, 210, 297, "(A4)"},
    };
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const double dotsPerMm = printer.resolution() / 25.4;
    QProcess pdfinfo;
    for (const Job& job : jobs) {
        printer.setOutputFileName(TempPath(job.file));
        printer.setFromTo(job.from, job.to);
        ASSERT_TRUE(CChartPrinter::PrintTo(printer, {ChartPicture(Chart()), job.layout.Grid(region, pitch).Value(), false, {}}));
        // The painter covers the whole sheet, where the marks lie (to Qt's whole points).
        EXPECT_NEAR(printer.width(), job.widthMm * dotsPerMm, dotsPerMm) << job.file;
        EXPECT_NEAR(printer.height(), job.heightMm * dotsPerMm, dotsPerMm) << job.file;
        pdfinfo.start("pdfinfo", {TempPath(job.file)});
        if (!pdfinfo.waitForFinished() || pdfinfo.exitCode() != 0)
            continue; // Poppler's tools are not installed
        const QString info = QString::fromUtf8(pdfinfo.readAllStandardOutput());
        EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+%1\\n").arg(job.pages)))) << job.file;
        EXPECT_TRUE(info.contains(job.size)) << info.toStdString();
    }

    // 打印预览 through both dialogs, which start with the layout kept above (2 x 3
    // on Letter): the wall chart's every page with the overview, on its
    // whole sheet; a one-page preview next has its margins again.
    const auto preview = [&](const char* fit, const std::function<void(QPrintPreviewDialog&)>& look) {
        WhenModal<CPrintLayoutDialog>([&](CPrintLayoutDialog& layout) {
            layout.findChild<QRadioButton*>(fit)->setChecked(true);
            WhenModal<QPrintPreviewDialog>([&](QPrintPreviewDialog& shown) {
                look(shown);
                shown.reject();
            });
            layout.accept();
        });
        dialogs.PreviewChart();
    };
    const auto everyPage = [](QPrintPreviewDialog& shown) {
        EXPECT_EQ(shown.findChild<QPrintPreviewWidget*>()->pageCount(), 7);
        EXPECT_TRUE(shown.printer()->fullPage());
        EXPECT_EQ(shown.printer()->pageLayout().pageSize().id(), QPageSize::Letter);
    };
    preview("byPages", everyPage);
    preview("onePage", [](QPrintPreviewDialog& shown) {
        EXPECT_EQ(shown.findChild<QPrintPreviewWidget*>()->pageCount(), 1);
        EXPECT_FALSE(shown.printer()->fullPage());
        EXPECT_GT(shown.printer()->pageLayout().margins().left(), 0);
        shown.printer()->setFromTo(1, 1); // as a one-page print leaves it
    });
    preview("byPages", everyPage);
}

// A note of two lines typed into the real dialog, which a double click as the
// window system delivers it opens again with the note's text.
TEST_F(ChartView, ANoteIsPlacedAndOpenedAgainByDoubleClick)
{
    WhenModal<CCommentsDlg>([](CCommentsDlg& d) {
        auto* text = d.findChild<QPlainTextEdit*>("text");
        QTest::keyClicks(text, "high 2012");
        QTest::keyClick(text, Qt::Key_Return);
        QTest::keyClicks(text, "target 3.5");
        QTest::mouseClick(d.findChild<QPushButton*>("ok"), Qt::LeftButton);
    });
    doc.PlaceNote();
    ClickCell(5);
    ASSERT_EQ(Chart().m_Comments.size(), 1u);
    EXPECT_EQ(Chart().m_Comments.begin()->second.m_strText, "high 2012\ntarget 3.5");

    WhenModal<CCommentsDlg>([](CCommentsDlg& d) {
        auto* text = d.findChild<QPlainTextEdit*>("text");
        EXPECT_EQ(text->toPlainText(), "high 2012\ntarget 3.5");
        QTest::keyClicks(text, " and more");
        QTest::mouseClick(d.findChild<QPushButton*>("cancel"), Qt::LeftButton);
    });
    view.viewport()->repaint();
    const int steps = doc.UndoStack().count();
    DoubleClick(Chart().m_Comments.begin()->second.m_rcBox.Center());
    EXPECT_TRUE(Chart().m_Lines.empty());
    EXPECT_EQ(Chart().m_Comments.begin()->second.m_strText, "high 2012\ntarget 3.5");
    EXPECT_EQ(doc.UndoStack().count(), steps);
}

// The status bar names the cell under the pointer as its label does, and a
// move that changes no picture paints nothing.
TEST_F(ChartView, TheStatusFollowsThePointerWithoutRepainting)
{
    const struct {
        int kind;
        Point at;
        const char* cell;
    } cases[] = {
        {kSquareOfNine, {945, 945}, "单元格 1　价格 100.00　日期 2012-03-05　环 0　角度 0.0°"},
        {kSquareOfNine, {60, 1830}, "单元格 441　价格 210.00　日期 2013-05-19　环 10　角度 225.0°"},
        {kSquareOfNine, {20, 945}, ""}, // left of the grid, which the hit test takes for its first column
        {kSquareOfFour, {700, 700}, "单元格 24　价格 105.75　日期 2012-03-28　环 2　角度 135.0°"},
        {kHexagon, {1200, 800}, "单元格 63　价格 115.50　日期 2012-05-06　环 5　角度 36.8°"},
        {kWheel, {945, 400}, "单元格 223　价格 155.50　日期 2012-10-13　环 10　角度 97.5°"},
        {kWheel, {945, 945}, ""}, // the hub
        {kMasterChart, {700, 200}, "单元格 21　价格 105.00　日期 2012-03-25　环 9　角度 159.7°"},
        {kMasterChart, {700, 30}, ""}, // above the table
    };
    for (const auto& c : cases) {
        doc.SwitchKind(c.kind);
        Chart().m_tStartTime = 1330876800; // 2012-03-05 in Shanghai
        Chart().m_fStartPrice = 100.0f;
        Chart().m_fPriceStep = 0.25f;
        Chart().m_nNaturalDecimals = 2;
        view.viewport()->repaint();
        Settle();
        QTest::mouseMove(view.viewport(), view.toWindow(c.at));
        EXPECT_EQ(view.Status().cell, c.cell) << c.kind << " at " << c.at.x << "," << c.at.y;
        EXPECT_EQ(PaintsNow(), 0);
    }
    EXPECT_EQ(view.Status().zoom, "缩放 60%");
    view.zoomIn();
    EXPECT_EQ(view.Status().zoom, "缩放 61.8%");
}

// Every change to what the file keeps is one step, named for what was done:
// undone it gives the bytes from before, and the saved state's clean mark,
// redone those from after. The set opened holds a fill on 20, a line 30-40,
// a note on 12, the triangle and the calendar ring.
TEST_F(ChartView, EveryStoredChangeIsOneNamedStepThatUndoesAndRedoesToTheBytes)
{
    const Result<CChartSlots> known = ChartSetJson::FromText(R"({"nine": {"m_FillCells": [{"cell": 20}],
        "m_Lines": [{"key": "30/40", "m_nStartCell": 30, "m_nEndCell": 40}], "m_bShowTriangle": 1,
        "m_Comments": [{"cell": 12, "m_strText": "note", "m_nHeight": 16}], "m_bShowCalendarRing": true}})");
    const QString path = TempPath("known.rtl");
    ASSERT_TRUE(known.Ok() && ChartFile::Save(known.Value(), path.toStdString()).Ok()) << known.Message();

    const auto cell = [this](int n) { return Chart().GetCellCenter(n); };
    const auto note = [this] { return Chart().m_Comments.begin()->second.m_rcBox.Center(); };
    const std::pair<const char*, std::function<void()>> rows[] = {
        {"画线", [&] { doc.ChooseTool(MouseTool::Line); Drag(cell(2), cell(9)); }},
        {"画箭头", [&] { doc.ChooseTool(MouseTool::Arrow); Drag(cell(2), cell(9)); }},
        {"填充单元格", [&] { doc.ChooseTool(MouseTool::Square); ClickCell(3); }},
        {"切线标记", [&] { doc.ChooseTool(MouseTool::Tangent); ClickCell(4); }},
        {"删除标记", [&] { ClickCell(20, Qt::RightButton); }},
        {"删除画线", [&] { ClickCell(40, Qt::RightButton); }},
        {"添加注释", [&] { doc.PlaceNote(); ClickCell(5); }},
        {"编辑注释", [&] { DoubleClick(note()); }},
        {"删除注释", [&] { QTest::mouseClick(view.viewport(), Qt::RightButton, {}, view.toWindow(note())); }},
        {"清除所有画线", [&] { doc.ClearDrawings(); }},
        {"拖动叠加图", [&] { Drag(Chart().m_rcTriangleHandle.Center(), cell(60)); }},
        {"拖动外环", [&] { Drag(Chart().m_rcCalendarHandle.Center(), cell(60)); }},
        {"反转外环", [&] { DoubleClick(Chart().m_rcCalendarHandle.Center()); }},
        {"图表属性", [&] { dialogs.EditProperties(); }},
        {"显示【时间】", [&] { doc.FlipSwitch(DisplaySwitch::Time); }},
        {"8分", [&] { doc.FlipSwitch(DisplaySwitch::Divisions); }}, // its first paint sizes the star
        {"小数位数", [&] { doc.ChooseDecimals(0); }},
    };
    const auto shown = [this] { return view.viewport()->repaint(), SetBytes(); };
    view.noteText = "edited";
    for (const auto& [name, change] : rows) {
        ASSERT_TRUE(dialogs.OpenFile(path));
        const std::string before = shown();
        change();
        const std::string after = shown();
        ASSERT_NE(after, before) << name;
        EXPECT_EQ(doc.UndoStack().undoText().toStdString(), name);
        doc.Undo();
        EXPECT_EQ(shown(), before) << name;
        EXPECT_FALSE(doc.UndoStack().canUndo()) << name << ": more than one step";
        EXPECT_FALSE(doc.IsModified()) << name;
        doc.Redo();
        EXPECT_EQ(shown(), after) << name;
        EXPECT_TRUE(doc.IsModified()) << name;
    }

    // A zoom or a look at another kind is no step; an undo shows its step's chart.
    view.zoomIn();
    doc.ChoosePeriod(Period::Month);
    doc.SwitchKind(kHexagon);
    doc.Undo();
    EXPECT_EQ(doc.Charts().Kind(), kSquareOfNine);
    EXPECT_FALSE(doc.UndoStack().canUndo());
    dialogs.saveAnswer = QMessageBox::Discard; // the hexagon looked at during the step joined the set
    dialogs.NewDocument();
    EXPECT_FALSE(doc.UndoStack().canRedo());
}

// The document needs no window, and says what each edit changed.
TEST(ChartDocument, EditsRecordTheirOwnStepsAndSayWhatChanged)
{
    CChartDocument alone;
    QSignalSpy switches(&alone, &CChartDocument::switchesChanged);
    QSignalSpy parameters(&alone, &CChartDocument::parametersChanged);
    QSignalSpy annotations(&alone, &CChartDocument::annotationsChanged);
    QSignalSpy modified(&alone, &CChartDocument::modifiedChanged);
    alone.FlipSwitch(DisplaySwitch::Time);
    alone.ClearDrawings(); // nothing to clear: no step
    alone.EditChart("rings", [](CBaseDraw& chart) { return chart.SetRings(5), true; });
    EXPECT_EQ(switches.count(), 1);
    EXPECT_EQ(parameters.count(), 1);
    EXPECT_EQ(annotations.count(), 0);
    EXPECT_EQ(alone.UndoStack().count(), 2);
    EXPECT_EQ(modified.count(), 1);
    alone.Undo();
    alone.Undo();
    EXPECT_FALSE(alone.IsModified());
    EXPECT_EQ(modified.count(), 2);
}

// What a paint would settle (the overlays' radii, a star shown for the first
// time) is settled without one: a set never shown saves as a shown one.
TEST_F(ChartView, ASetNeverShownSavesAsAShownOne)
{
    CChartDocument unseen;
    unseen.SetViewGeometry(view.CanvasSize(), view.ChartRect());
    for (CChartDocument* d : {&doc, &unseen}) {
        for (const int kind : {kSquareOfNine, kHexagon}) {
            d->SwitchKind(kind);
            d->Chart().m_tStartTime = 0;
            d->Chart().m_fZoom = 1;
        }
        d->FlipSwitch(DisplaySwitch::Divisions);
    }
    view.viewport()->repaint();
    ASSERT_TRUE(unseen.Save(TempPath("unseen.rtl")).Ok() && doc.Save(TempPath("shown.rtl")).Ok());
    EXPECT_NE(Chart().m_fDivisionsRadius, 0.0f);
    EXPECT_EQ(Bytes("unseen.rtl"), Bytes("shown.rtl"));
}

} // namespace

// Found cells, pivots and targets are marks of the window only: no file
// bytes, no step of the history.
TEST_F(ChartView, FindAndTheTargetToolMarkCellsAndStoreNothing)
{
    view.setZoom(4.0f);
    const std::string bytes = SetBytes();
    const auto ringPixels = [this] {
        const QImage shown = view.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const auto* first = reinterpret_cast<const QRgb*>(shown.constBits());
        return std::count(first, first + shown.width() * shown.height(), qRgb(255, 140, 0));
    };
    EXPECT_EQ(ringPixels(), 0);
    dialogs.findQuery = CellQuery{CellQuery::By::Number, 0, 0, 441};
    dialogs.Find();
    EXPECT_EQ(doc.Marks().Found(), 441);
    EXPECT_GT(ringPixels(), 100);
    // The status bar says what was found, its day with the year.
    const QString found = QString::fromStdString(view.Status().found);
    EXPECT_TRUE(QRegularExpression("^找到：单元格 441　价格 \\S+　日期 \\d{4}-\\d\\d-\\d\\d　").match(found).hasMatch())
        << found.toStdString();

    dialogs.findQuery->number = 442;
    dialogs.Find();
    EXPECT_EQ(doc.Marks().Found(), 441);
    ASSERT_EQ(dialogs.messages.size(), 1);
    EXPECT_TRUE(dialogs.messages[0].contains(QStringLiteral("442"))) << dialogs.messages[0].toStdString();
    EXPECT_EQ(SetBytes(), bytes);
    EXPECT_FALSE(doc.UndoStack().canUndo());
    EXPECT_EQ(view.Status().found, found.toStdString());
    doc.ClearMarks();
    EXPECT_EQ(view.Status().found, "");

    // The target tool's pivot fills the panel with the core's rows until cleared.
    CTargetPanel panel(doc, dialogs);
    QTableWidget& table = *panel.Table();
    const auto expectCoreRows = [&](const std::vector<double>& angles) {
        const std::vector<Target> core = TargetsOf(Chart(), *FindChartKind(doc.Charts().Kind()), 2, angles, 1);
        ASSERT_EQ(table.rowCount(), static_cast<int>(core.size()));
        for (int row = 0; row < table.rowCount(); ++row)
            for (int column = 0; column < table.columnCount(); ++column)
                EXPECT_EQ(table.item(row, column)->text().toStdString(),
                          TargetTable::Fields(core[static_cast<size_t>(row)])[static_cast<size_t>(column)]);
    };
    EXPECT_TRUE(dialogs.Context().pivot.empty());
    doc.ChooseTool(MouseTool::Target);
    ClickCell(2);
    expectCoreRows(DefaultTargetAngles());
    EXPECT_EQ(SetBytes(), bytes);
    // A printed page's caption names the pivot as the panel does, the
    // instrument the window gives and today.
    dialogs.SetInstrument([] { return std::string("IDX Index"); });
    const CaptionContext context = dialogs.Context();
    EXPECT_EQ("支点: " + QString::fromStdString(context.pivot), panel.findChild<QLabel*>("pivot")->text());
    EXPECT_TRUE(context.pivot.rfind("编号 2, ", 0) == 0) << context.pivot;
    EXPECT_EQ(context.instrument, "IDX Index");
    EXPECT_EQ(context.printedOn, QDate::currentDate().toString(Qt::ISODate).toStdString());
    EXPECT_FALSE(doc.UndoStack().canUndo());

    // A bad list keeps the rows; a change of the chart's parameters recomputes them.
    auto* angles = panel.findChild<QLineEdit*>("angles");
    angles->setText("90, 720");
    emit angles->editingFinished();
    expectCoreRows(DefaultTargetAngles());
    angles->setText("90");
    emit angles->editingFinished();
    doc.EditChart("start", [](CBaseDraw& chart) { return chart.m_fStartPrice = 100, true; });
    expectCoreRows({90});
    // A day counter adds 交易日: here counting calendar days, so it repeats 天数
    // on every dated row.
    panel.SetDayCounter([](std::int64_t from, std::int64_t to) { return std::optional<long long>(to - from); });
    ASSERT_EQ(table.columnCount(), 11);
    EXPECT_EQ(table.horizontalHeaderItem(10)->text(), QStringLiteral("交易日"));
    int counted = 0;
    for (int row = 0; row < table.rowCount(); ++row) {
        const QString days = table.item(row, 8)->text().isEmpty() ? QString() : table.item(row, 9)->text();
        EXPECT_EQ(table.item(row, 10)->text(), days);
        counted += !days.isEmpty();
    }
    EXPECT_GT(counted, 0);
    panel.SetDayCounter({});
    EXPECT_EQ(table.columnCount(), 10);

    dialogs.savePaths = {TempPath("targets.csv"), TempPath("targets.ics")};
    panel.findChild<QPushButton*>("exportCsv")->click();
    EXPECT_EQ(Bytes("targets.csv").toStdString(), *doc.Marks().Csv());
    // Targets past the calendar's last year have no date: a message, no empty calendar.
    doc.EditChart("step", [](CBaseDraw& chart) { return chart.m_nTimeStep = 1000000, true; });
    panel.findChild<QPushButton*>("exportCalendar")->click();
    EXPECT_EQ(dialogs.messages.size(), 2); // the failed find's and this one
    EXPECT_FALSE(QFile::exists(TempPath("targets.ics")));

    panel.findChild<QPushButton*>("clear")->click();
    EXPECT_EQ(doc.Marks().Pivot(), 0);
    EXPECT_EQ(table.rowCount(), 0);
    ClickCell(2);
    doc.SwitchKind(kWheel);
    EXPECT_EQ(table.rowCount(), 0);
    doc.SwitchKind(kMasterChart);
    EXPECT_FALSE(doc.TargetToolOn());
}

TEST_F(ChartView, ThePlanetRingIsTheWindowsComputedOnceAndNeverStored)
{
    FileSettings::StorePlanets({});
    const CityInfo beijing {"Beijing", "China", -480, 39.9, 116.4, "Asia/Shanghai"};
    const CityList cities {{{"Zurich", "Switzerland", -60, 47.38, 8.55, "Europe/Zurich"}, beijing}, 0, {}};
    const Ephemeris analytic({"/nonexistent"});
    dialogs.StartPlanets(cities, analytic);
    const PlanetMoment moment {"2024-03-20 12:00:00", "Beijing"};
    const Longitudes expected = AstrologyReport::ComputeSky(moment.date, &beijing, analytic).longitudes;
    dialogs.SetPlanetMoment(moment);
    dialogs.FlipPlanets();
    for (int kind : {kSquareOfNine, kWheel}) {
        doc.SwitchKind(kind);
        view.viewport()->repaint();
        ASSERT_EQ(Chart().m_Planets, expected) << kind;
    }
    const std::string bytes = SetBytes();
    for (int flip = 0; flip < 2; ++flip) { // off and on again
        dialogs.FlipPlanets();
        view.viewport()->repaint();
        EXPECT_EQ(SetBytes(), bytes);
    }
    EXPECT_FALSE(doc.UndoStack().canUndo());
    EXPECT_FALSE(doc.IsModified());
    EXPECT_TRUE(FileSettings::LoadPlanets().on);
    EXPECT_EQ(FileSettings::LoadPlanets().moment, moment);

    EXPECT_EQ(Chart().m_PlanetCaption, "Planets 2024-03-20 12:00:00, Beijing");
    EXPECT_EQ(Chart().m_rcPlanetMarks[1], Rect {}); // no ring to stand on
    doc.FlipSwitch(DisplaySwitch::AngleRing);
    view.viewport()->repaint();
    const Rect mark = Chart().m_rcPlanetMarks[1];
    QTest::mouseMove(view.viewport(), view.toWindow(mark.Center()));
    EXPECT_EQ(view.Status().cell, AstrologyReport::DescribeBody(1, expected[1]));

    // New starts with nothing over the chart; the moment stays for the next time.
    dialogs.saveAnswer = QMessageBox::Discard;
    dialogs.NewDocument();
    EXPECT_FALSE(doc.Planets().IsOn());
    EXPECT_FALSE(FileSettings::LoadPlanets().on);
    EXPECT_EQ(FileSettings::LoadPlanets().moment, moment);
    dialogs.FlipPlanets();

    // Beyond the analytic ephemeris' range: one message and no ring, at any paint.
    dialogs.SetPlanetMoment({"5000-1-1", "Beijing"});
    view.viewport()->repaint();
    view.viewport()->repaint();
    EXPECT_EQ(dialogs.messages.size(), 1);
    EXPECT_FALSE(doc.Planets().IsOn());
    EXPECT_FALSE(Chart().m_Planets);
    EXPECT_FALSE(FileSettings::LoadPlanets().on);

    // "Now" stays the time the ring was turned on across a restart.
    FileSettings::StorePlanets({true, {"", "Beijing"}, moment.date});
    CChartDocument restarted;
    CDocumentDialogs(restarted, view).StartPlanets(cities, analytic);
    EXPECT_EQ(restarted.Planets().Sky(), expected);
    EXPECT_EQ(restarted.Planets().Caption(), "Planets 2024-03-20 12:00:00, Beijing");
}
