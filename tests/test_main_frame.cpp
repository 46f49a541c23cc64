// The main window driven offscreen. That every button shows the view's state
// after any command is the soak's check. The settings go to a folder of the
// run's own.

#include "BaseDraw.h"
#include "CommandIds.h"
#include "FileSettings.h"
#include "FlyoutToolButton.h"
#include "MainFrame.h"
#include "PaletteToolBar.h"
#include "Rotula2App.h"
#include "ChartDocument.h"
#include "DocumentDialogs.h"
#include "Rotula2View.h"
#include "TargetPanel.h"
#include "VersionCheck.h"

#include <QAction>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QGlyphRun>
#include <QLibraryInfo>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QRawFont>
#include <QScrollBar>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextLayout>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include <memory>

namespace {

bool Renders(const QIcon& icon, QSize size)
{
    const QImage alpha = icon.pixmap(size).toImage().convertToFormat(QImage::Format_Alpha8);
    QImage blank(alpha.size(), QImage::Format_Alpha8);
    blank.fill(0);
    return alpha != blank;
}

// Clicks OK in the next message box once it shows, keeping its text.
void AnswerNextBox(QString& text)
{
    QTimer::singleShot(0, qApp, [&text] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        text = box->text();
        box->button(QMessageBox::Ok)->click();
    });
}

} // namespace

class TestMainFrame : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void controlsReachTheirCommandsAndTheChart();
    void buttonsShowTheCurrentChart();
    void filesTitleRecentDropsAndClosing();
    void versionCheck();
    void texts();

private:
    QAction* action(int id) const { return m_frame->Action(id); }

    CVersionCheck m_check;
    std::unique_ptr<CMainFrame> m_frame;
};

void TestMainFrame::init()
{
    m_check = CVersionCheck();
    m_check.SetAsk([](const QString& message) {
        qFatal("unexpected question: %s", qPrintable(message));
        return false;
    });
    m_frame = std::make_unique<CMainFrame>(m_check);
}

void TestMainFrame::cleanup()
{
    m_frame->SetSaveQuestion([] { return true; });
    m_frame.reset();
}

// Without copying the command table: every entry reaches a command, every
// button shows what it is, and the toolbars share one row. Then the palette,
// the line flyout and the target dock, each as the user meets it.
void TestMainFrame::controlsReachTheirCommandsAndTheChart()
{
    QStringList titles;
    for (QAction* entry : m_frame->menuBar()->actions()) {
        titles << entry->text();
        for (const QAction* a : entry->menu()->actions())
            QVERIFY2(a->isSeparator() || (!a->text().isEmpty() && a == action(a->data().toInt())),
                     qPrintable(a->text()));
    }
    QCOMPARE(titles, (QStringList {"文件", "编辑", "视图", "工具", "行情", "帮助"}));

    m_frame->resize(1920, 1000);
    m_frame->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_frame.get()));
    const QStringList order {
        "standardToolBar", "chartToolBar", "displayToolBar", "drawingToolBar", "paletteToolBar", "lineToolBar"};
    int right = -1;
    for (const QString& name : order) {
        auto* bar = m_frame->findChild<QToolBar*>(name);
        QVERIFY2(bar, qPrintable(name));
        QCOMPARE(m_frame->toolBarArea(bar), Qt::TopToolBarArea);
        QCOMPARE(bar->y(), m_frame->findChild<QToolBar*>(order.front())->y());
        QVERIFY2(bar->x() > right, qPrintable(name));
        right = bar->geometry().right();
        if (order.indexOf(name) >= 4)
            continue; // the palette and the line flyout are no commands of the table
        QCOMPARE(bar->iconSize(), QSize(16, 15));
        for (const QAction* a : bar->actions()) {
            if (a->isSeparator())
                continue;
            QVERIFY2(a == action(a->data().toInt()), qPrintable(a->toolTip()));
            QVERIFY2(!a->toolTip().isEmpty(), qPrintable(a->text()));
            QVERIFY2(Renders(a->icon(), QSize(16, 15)), qPrintable(a->toolTip()));
        }
    }
    QVERIFY(right < 1920);

    // The fit leaves nothing to scroll, and only just.
    CRotula2View* view = m_frame->View();
    const auto scrollRange = [view] { return view->horizontalScrollBar()->maximum() + view->verticalScrollBar()->maximum(); };
    action(Cmd::ZoomToFit)->trigger();
    QCOMPARE(scrollRange(), 0);
    view->setZoom(view->zoom() + 0.001f);
    QVERIFY(scrollRange() > 0);
    action(Cmd::ZoomActualSize)->trigger();
    QCOMPARE(view->zoom(), 1.0f);

    // The period and digit buttons show a menu arrow and drop their lists
    // at one click on the button itself.
    const auto* display = m_frame->findChild<QToolBar*>("displayToolBar");
    for (const auto& [button, entries] : {std::pair {Cmd::PeriodMenu, 3}, std::pair {Cmd::DigitsMenu, 6}}) {
        auto* toolButton = qobject_cast<QToolButton*>(display->widgetForAction(action(button)));
        QVERIFY(toolButton && toolButton->menu());
        QCOMPARE(toolButton->popupMode(), QToolButton::MenuButtonPopup);
        QCOMPARE(toolButton->menu()->actions().size(), entries);
        QSignalSpy shown(toolButton->menu(), &QMenu::aboutToShow);
        QTimer::singleShot(0, toolButton->menu(), &QMenu::close);
        QTest::mouseClick(toolButton, Qt::LeftButton, {}, QPoint(4, toolButton->height() / 2));
        QCOMPARE(shown.count(), 1);
    }

    // The colour and width that a press hands to the chart are what the palette
    // and the flyout show: grey and line 1 before any choice. The flyout shows
    // the entry last taken; a cancelled custom colour keeps the selection before it.
    CBaseDraw* chart = m_frame->View()->CurrentChart();
    const QPoint centre = m_frame->View()->toWindow(chart->m_rcChart.Center());
    const auto clickChart = [&] { QTest::mouseClick(m_frame->View()->viewport(), Qt::LeftButton, {}, centre); };
    clickChart();
    QCOMPARE(chart->m_crLineColor, MakeColor(128, 128, 128));
    QCOMPARE(chart->m_nLineWidth, 1);
    QCOMPARE(m_frame->Palette()->CurrentIndex(), CPaletteToolBar::NoSelection);

    CFlyoutToolButton* flyout = m_frame->LineFlyout();
    QCOMPARE(flyout->iconSize(), QSize(32, 15));
    QCOMPARE(flyout->Flyout()->actions(),
             (QList<QAction*> {action(Cmd::Line1), action(Cmd::Line2), action(Cmd::Line3), action(Cmd::Line4)}));
    QTest::mouseClick(flyout, Qt::LeftButton);
    QVERIFY(flyout->Flyout()->isVisible());
    QSignalSpy chosen(flyout, &CFlyoutToolButton::currentIndexChanged);
    action(Cmd::Line4)->trigger();
    QVERIFY(!flyout->Flyout()->isVisible());
    QCOMPARE(flyout->CurrentIndex(), 3);
    QCOMPARE(chosen.count(), 1);
    QCOMPARE(flyout->icon().cacheKey(), action(Cmd::Line4)->icon().cacheKey());
    QVERIFY(Renders(flyout->icon(), QSize(32, 15)));

    CPaletteToolBar* palette = m_frame->Palette();
    palette->SwatchAction(2)->trigger();
    action(Cmd::Line3)->trigger();
    clickChart();
    QCOMPARE(chart->m_crLineColor, MakeColor(255, 0, 0));
    QCOMPARE(chart->m_nLineWidth, 3);

    QColor answer(10, 20, 30), offered;
    palette->SetColorChooser([&](const QColor& initial, QWidget*) { return offered = initial, answer; });
    palette->CustomAction()->trigger();
    QCOMPARE(offered, QColor(Qt::black));
    QVERIFY(palette->CustomAction()->isChecked() && !palette->SwatchAction(2)->isChecked());
    clickChart();
    QCOMPARE(chart->m_crLineColor, MakeColor(10, 20, 30));
    palette->SwatchAction(5)->trigger();
    answer = QColor();
    palette->CustomAction()->trigger();
    QCOMPARE(palette->CurrentIndex(), 5);
    QVERIFY(!palette->CustomAction()->isChecked() && palette->SwatchAction(5)->isChecked());
    QCOMPARE(palette->CustomColor(), QColor(10, 20, 30));

    // The dock takes room from the view as the tool is chosen; the cell the user
    // then clicks must still be where it was.
    m_frame->resize(1500, 900);
    view->setZoom(1.65f); // narrower than the view, wider than what the dock leaves of it
    const int cell = 40;
    const auto where = [&] {
        return view->viewport()->mapTo(m_frame.get(), view->toWindow(view->CurrentChart()->GetCellCenter(cell)));
    };
    view->viewport()->repaint();
    const QPoint before = where();
    action(Cmd::ToolTarget)->trigger();
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    QVERIFY(m_frame->Targets()->isVisible());
    QVERIFY(view->width() < 1400);
    QCOMPARE(where(), before);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->viewport()->mapFrom(m_frame.get(), before));
    QCOMPARE(m_frame->Document().Marks().Pivot(), cell);
    QCoreApplication::processEvents(); // the panel fills with the pivot's rows
    QCOMPARE(where(), before);
    QEvent leave(QEvent::Leave); // the pointer goes to the panel: the chart back where the scroll bars reach it
    QCoreApplication::sendEvent(view->viewport(), &leave);
    QVERIFY(where().x() < before.x());

    m_frame->Targets()->close(); // and opened again
    QCoreApplication::processEvents();
    const QPoint again = where();
    action(Cmd::ToolTarget)->trigger();
    action(Cmd::ToolTarget)->trigger();
    QCoreApplication::processEvents();
    QCOMPARE(where(), again);
}

// Pressed buttons follow the current chart's switches, tool and choices,
// also across a kind switch; a flip the chart refuses stays unpressed.
void TestMainFrame::buttonsShowTheCurrentChart()
{
    struct Step {
        int trigger;
        std::vector<int> pressed;
        std::vector<int> released;
    } const steps[] = {
        {Cmd::ToolCircle, {Cmd::ToolCircle, Cmd::KindSquareOfNine, Cmd::Digits2}, {Cmd::ToolLine}},
        {Cmd::KindHexagon, {Cmd::KindHexagon}, {Cmd::KindSquareOfNine, Cmd::ToolCircle}},
        {Cmd::KindSquareOfNine, {Cmd::ToolCircle}, {Cmd::KindHexagon}},
        {Cmd::ShowPrice, {Cmd::ShowPrice}, {}},
        {Cmd::TimeStandard, {Cmd::TimeStandard, Cmd::ShowN}, {Cmd::ShowPrice}},
        {Cmd::Digits3, {Cmd::Digits3}, {Cmd::Digits2}},
        {Cmd::PeriodWeek, {Cmd::PeriodWeek}, {Cmd::PeriodDay}},
        // The planets are the window's: they stay on whichever kind shows.
        {Cmd::Planets, {Cmd::Planets}, {}},
        {Cmd::KindWheel, {Cmd::Planets}, {}},
        {Cmd::Planets, {}, {Cmd::Planets}},
        // Exported PDFs carry the caption unless told otherwise, pictures only when told.
        {Cmd::ExportCaptionPng, {Cmd::ExportCaptionPng, Cmd::ExportCaptionPdf}, {Cmd::ExportCaptionSvg}},
    };
    for (const Step& step : steps) {
        action(step.trigger)->trigger();
        for (int id : step.pressed)
            QVERIFY2(action(id)->isChecked(), qPrintable(QString("%1 after %2").arg(id).arg(step.trigger)));
        for (int id : step.released)
            QVERIFY2(!action(id)->isChecked(), qPrintable(QString("%1 after %2").arg(id).arg(step.trigger)));
    }
    QVERIFY(!action(Cmd::Line2)->isCheckable());
    QVERIFY(!action(Cmd::About)->isCheckable());
    action(Cmd::KindMasterChart)->trigger();
    QVERIFY(!action(Cmd::Planets)->isEnabled()); // no angle ring to stand on
    m_frame->View()->setZoom(8.0f);
    QVERIFY(!action(Cmd::ZoomIn)->isEnabled());
    QVERIFY(action(Cmd::ZoomOut)->isEnabled());
}

// Opened and saved files name the window and head the recent files, which
// a new window reads back; a vanished one is dropped with a message. One
// dropped chart file is taken and opened once the drop is over; other drops
// are refused. Closing with unsaved work asks first.
void TestMainFrame::filesTitleRecentDropsAndClosing()
{
    const QTemporaryDir folder;
    const auto recent = [this] {
        QStringList texts;
        for (const QAction* a : m_frame->RecentFilesMenu()->actions())
            texts << a->text();
        return texts;
    };
    const QString a = folder.filePath("a.rtl"), b = folder.filePath("b&.rtl");
    QVERIFY(!action(Cmd::RecentFiles)->isEnabled());
    QVERIFY(QFileInfo(FileSettings::DialogFolder()).isDir()); // no documents folder: home
    QVERIFY(m_frame->Dialogs().SaveFile(a));
    QCOMPARE(FileSettings::DialogFolder(), folder.path());
    QCOMPARE(m_frame->windowTitle(), QString("a.rtl[*] - Quadrix 2012"));
    QVERIFY(m_frame->Dialogs().SaveFile(b));
    QVERIFY(m_frame->Dialogs().OpenFile(a));
    QCOMPARE(m_frame->windowTitle(), QString("a.rtl[*] - Quadrix 2012"));
    QVERIFY(action(Cmd::RecentFiles)->isEnabled());
    const QStringList entries {"&1 " + a, "&2 " + QString(b).replace("&", "&&")};
    QCOMPARE(recent(), entries);

    m_frame->SetSaveQuestion([] { return true; });
    m_frame = std::make_unique<CMainFrame>(m_check);
    QCOMPARE(m_frame->windowTitle(), QString("Quadrix 2012[*]"));
    QCOMPARE(recent(), entries);
    m_frame->RecentFilesMenu()->actions().at(1)->trigger();
    QCOMPARE(m_frame->Document().Path(), b);
    QCOMPARE(recent().front(), "&1 " + QString(b).replace("&", "&&"));

    QVERIFY(QFile::remove(a));
    QString message;
    AnswerNextBox(message);
    m_frame->RecentFilesMenu()->actions().at(1)->trigger();
    QCOMPARE(message, "文件不存在：" + a);
    QCOMPARE(m_frame->RecentFilesMenu()->actions().size(), 1);
    QCOMPARE(QSettings().value("files/recent").toStringList(), QStringList {b});

    const QString chart = folder.filePath("drop.RTL");
    QVERIFY(m_frame->Dialogs().SaveFile(chart));
    action(Cmd::FileNew)->trigger();
    const QList<QList<QUrl>> refused {
        {QUrl::fromLocalFile(folder.filePath("notes.txt"))}, {QUrl("https://example.org/a.rtl")},
        {QUrl::fromLocalFile(chart), QUrl::fromLocalFile(chart)}};
    QMimeData data;
    const auto entered = [&](const QList<QUrl>& urls) {
        data.setUrls(urls);
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(m_frame.get(), &enter);
        return enter.isAccepted();
    };
    for (const QList<QUrl>& urls : refused)
        QVERIFY(!entered(urls));
    QVERIFY(entered({QUrl::fromLocalFile(chart)}));
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(m_frame.get(), &drop);
    QVERIFY(drop.isAccepted());
    QTRY_COMPARE(m_frame->Document().Path(), chart);

    m_frame->show();
    int questions = 0;
    bool answer = false;
    m_frame->SetSaveQuestion([&] { return ++questions, answer; });
    action(Cmd::CalendarRing)->trigger();
    QVERIFY(!m_frame->close());
    answer = true;
    action(Cmd::Exit)->trigger();
    QVERIFY(!m_frame->isVisible());
    QCOMPARE(questions, 2);
}

// The menu command reaches the check; equal versions say so and only OK
// opens the page; a newer release opens it at once, the exit asks. Versions
// compare part by part by value.
void TestMainFrame::versionCheck()
{
    QStringList asked;
    QList<QUrl> opened;
    bool ok = false;
    m_check.SetAsk([&](const QString& message) { return asked << message, ok; });
    m_check.SetOpenPage([&](const QUrl& page) { opened << page; });
    action(Cmd::CheckVersion)->trigger();
    QCOMPARE(asked, QStringList {"Current version is up to date."});
    QVERIFY(opened.isEmpty());
    ok = true;
    m_check.Check();
    QCOMPARE(opened.size(), 1);
    QCOMPARE(opened.front().scheme(), QString("https"));
    m_check.CheckAtExit();
    QCOMPARE(asked.size(), 2);

    m_check.SetVersions("2012.01.01", "2013.02.01");
    m_check.Check();
    QCOMPARE(asked.size(), 2);
    QCOMPARE(opened.size(), 2);
    ok = false;
    m_check.CheckAtExit();
    QCOMPARE(asked.back(), QString("Current version is out of date, push OK to get the newer version."));
    QCOMPARE(opened.size(), 2);
    ok = true;
    m_check.CheckAtExit();
    QCOMPARE(opened.size(), 3);

    const struct {
        const char *a, *b;
        int order;
    } rows[] = {{"2012.01.01", "2012.01.01", 0}, {"2012.1.1", "2012.01.01", 0}, // leading zeros
        {"2012.01", "2012.01.00", 0}, {"", "0", 0},                              // missing parts are 0
        {"2012.10.01", "2012.9.01", 1}, {"2012.01.b", "2012.01.a", 1},           // by value, text parts
        {"99999999999999999999", "99999999999999999998", 1}};                    // beyond 64 bits
    const auto sign = [](int c) { return (c > 0) - (c < 0); };
    for (const auto& row : rows) {
        QCOMPARE(sign(CompareVersions(row.a, row.b)), row.order);
        QCOMPARE(sign(CompareVersions(row.b, row.a)), -row.order);
    }
}

// Undo and redo name the step they would take. The menu bar's font draws
// Chinese in the Chinese shapes of the CJK fonts, which needs a Chinese
// locale. English, chosen for the next start, gives English menus, commands,
// status texts of the Qt-free code and Qt's own buttons.
void TestMainFrame::texts()
{
    action(Cmd::ShowTime)->trigger();
    QCOMPARE(action(Cmd::EditUndo)->text(), QString("撤销 显示【时间】"));
    action(Cmd::EditUndo)->trigger();
    QCOMPARE(action(Cmd::EditRedo)->text(), QString("重做 显示【时间】"));
    QCOMPARE(action(Cmd::EditRedo)->shortcuts(), QKeySequence::listFromString("Ctrl+Y; Ctrl+Shift+Z"));

    QTextLayout layout(QString("文件 File"), m_frame->menuBar()->font());
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    QStringList faces;
    for (const QGlyphRun& run : layout.glyphRuns())
        faces << run.rawFont().familyName();
    faces.sort();
    QCOMPARE(faces, (QStringList {"DejaVu Sans", "Noto Sans CJK SC"}));

    const auto buttons = [] {
        QMessageBox box(QMessageBox::Question, "", "", QMessageBox::Ok | QMessageBox::Discard);
        return QString(box.button(QMessageBox::Ok)->text() + box.button(QMessageBox::Discard)->text());
    };
    QString note;
    AnswerNextBox(note);
    action(Cmd::LanguageEnglish)->trigger();
    QVERIFY(note.contains("next start"));
    QCOMPARE(CInterfaceLanguage::Stored(), Language::English);
    QVERIFY(action(Cmd::LanguageEnglish)->isChecked() && !action(Cmd::LanguageChinese)->isChecked());

    // English for this run only: the menu shows the language in effect and
    // is found under a name in either language.
    CInterfaceLanguage::Store(Language::Chinese);
    auto& app = static_cast<CRotula2App&>(*qApp);
    app.UseLanguage(Language::English);
    CMainFrame frame(m_check);
    QStringList shown;
    for (QAction* entry : frame.menuBar()->actions())
        shown << entry->text().remove('&');
    const bool englishShown = frame.Action(Cmd::LanguageEnglish)->isChecked();
    const bool chineseShown = frame.Action(Cmd::LanguageChinese)->isChecked();
    frame.Action(Cmd::ShowTime)->trigger();
    shown << frame.Action(Cmd::LanguageMenu)->text() << frame.Action(Cmd::EditUndo)->text()
          << QString::fromStdString(frame.View()->Status().zoom).left(5) << buttons().remove('&');
    frame.SetSaveQuestion([] { return true; });
    app.UseLanguage(Language::Chinese);
    QCOMPARE(shown, (QStringList {"File", "Edit", "View", "Tools", "Market", "Help", "语言 / Language", "Undo Show Time", "Zoom ",
                         "OKDiscard"}));
    QVERIFY(englishShown && !chineseShown);

    if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_zh_CN.qm"))
        QSKIP("no Chinese translation of Qt installed");
    QCOMPARE(buttons(), QString("确定丢弃"));
}

int main(int argc, char** argv)
{
    CRotula2App app(argc, argv);
    const QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    // The user's own choice of language must not reach the tests.
    app.UseLanguage(Language::Chinese);
    TestMainFrame test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_main_frame.moc"
