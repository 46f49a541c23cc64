// The main window under a long run of seeded random input, every window that
// would wait for the user answered at once. After each event the window's state
// must hang together; every 500 events undoing every step must give back the set
// the history began with, redoing them all the set before, and the set saved,
// read back and opened must come back equal. QUADRIX_SOAK_SEED and
// QUADRIX_SOAK_EVENTS replay or lengthen a run.

#include "BaseDraw.h"
#include "ChartFile.h"
#include "ChartHistory.h"
#include "ChartPropertyDialog.h"
#include "ChartSet.h"
#include "ChartSetJson.h"
#include "CommandIds.h"
#include "CommandTable.h"
#include "CommentsDialog.h"
#include "MainFrame.h"
#include "PaletteToolBar.h"
#include "Rotula2App.h"
#include "ChartDocument.h"
#include "DocumentDialogs.h"
#include "Rotula2View.h"
#include "VersionCheck.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdlib>
#include <fstream>
#include <functional>
#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace {

constexpr int kRoundTripEvery = 500;
// Commands that build a dialog of Qt's own or a window of their own: each
// comes up a few times, the others many.
const std::set<int> kHeavy = {Cmd::FileOpen, Cmd::FileSaveAs, Cmd::Print, Cmd::PrintPreview, Cmd::Exit,
    Cmd::Astrology, Cmd::DegreeCalculator, Cmd::TimeCalculator, Cmd::CheckVersion, Cmd::About, Cmd::PlanetMoment};

unsigned EnvironmentNumber(const char* name, unsigned fallback)
{
    const char* text = std::getenv(name);
    return text && *text ? static_cast<unsigned>(std::strtoul(text, nullptr, 10)) : fallback;
}

// One random source for the events and the answers, so that a seed replays a whole run.
struct Dice {
    std::mt19937 rng;
    int Below(int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); }
    bool Chance(int percent) { return Below(100) < percent; }
    template <class T>
    const T& Pick(const std::vector<T>& items) { return items[static_cast<std::size_t>(Below(int(items.size())))]; }
};

// Answers every dialog and menu as soon as its own event loop runs. Warnings
// shown to the user are kept: the run has no reason for any.
class DialogAnswerer : public QObject {
public:
    DialogAnswerer(Dice& dice, const QTemporaryDir& folder) : m_dice(dice), m_folder(folder) {}
    QStringList warnings;

protected:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        auto* window = event->type() == QEvent::Show && object->isWidgetType() ? static_cast<QWidget*>(object) : nullptr;
        if (window && window->isWindow() && (qobject_cast<QDialog*>(window) || qobject_cast<QMenu*>(window)))
            QMetaObject::invokeMethod(this, [this, target = QPointer<QWidget>(window)] {
                if (target && target->isVisible())
                    Answer(*target);
            }, Qt::QueuedConnection);
        return false;
    }

private:
    void Answer(QWidget& window)
    {
        if (auto* box = qobject_cast<QMessageBox*>(&window))
            AnswerBox(*box);
        else if (auto* note = qobject_cast<CCommentsDlg*>(&window))
            AnswerNote(*note);
        else if (auto* properties = qobject_cast<CChartProperty*>(&window))
            AnswerProperties(*properties);
        else if (auto* files = qobject_cast<QFileDialog*>(&window))
            AnswerFiles(*files);
        else if (auto* menu = qobject_cast<QMenu*>(&window))
            AnswerMenu(*menu);
        else
            window.close(); // About, printing, colours, fonts and the tool dialogs
    }

    void AnswerBox(QMessageBox& box)
    {
        QAbstractButton* button = nullptr;
        if (qobject_cast<QFileDialog*>(box.parentWidget()))
            button = box.button(QMessageBox::Yes); // replace a file chosen in Save As
        else if (box.button(QMessageBox::Discard))
            button = box.button(m_dice.Pick<QMessageBox::StandardButton>(
                {QMessageBox::Save, QMessageBox::Discard, QMessageBox::Discard, QMessageBox::Cancel}));
        else if (box.icon() == QMessageBox::Warning && !qobject_cast<CChartProperty*>(box.parentWidget()))
            warnings << box.text(); // the properties dialog refusing a value is no warning of the run's
        if (!button)
            button = box.button(QMessageBox::Ok);
        button ? button->click() : box.reject();
    }

    void AnswerNote(CCommentsDlg& note)
    {
        static const std::vector<QString> pieces = {"a", " ", "note", "\n", "中文", "價格", "x y", "12.5"};
        QString text;
        for (int i = m_dice.Below(5); i > 0; --i)
            text += m_dice.Pick(pieces);
        note.findChild<QPlainTextEdit*>("text")->setPlainText(text);
        m_dice.Chance(75) ? note.accept() : note.reject();
    }

    // Values a user types, some of them refused; the numbers are ones a
    // chart file keeps exactly.
    void AnswerProperties(CChartProperty& properties)
    {
        const auto type = [&](const char* name, const std::vector<QString>& texts) {
            properties.findChild<QLineEdit*>(name)->setText(m_dice.Pick(texts));
        };
        type("rings", {"3", "5", "8", "12", "2", "41", "x"});
        type("timeStep", {"1", "7", "-2", "30", "z"});
        type("start", {"1", "0.5", "-3", "1000", "abc"});
        type("step", {"1", "0.25", "2", "1e3"});
        type("startDate", {"2012-03-05", "1999-12-31", "2012/10/01", "2012-02-30", "12-3-5"});
        properties.findChild<QPushButton*>("ok")->click();
        if (properties.isVisible())
            properties.reject(); // a value was refused and its message answered
    }

    void AnswerFiles(QFileDialog& files)
    {
        if (m_dice.Chance(25))
            return files.reject();
        // Exports go to files of their own kind, beside the chart files.
        const QString suffix = files.nameFilters().join(' ').contains("*.rtl") ? "rtl" : files.defaultSuffix();
        const QString name = QString("saved-%1.%2").arg(m_dice.Below(3)).arg(suffix);
        if (files.acceptMode() == QFileDialog::AcceptSave || QFile::exists(m_folder.filePath(name)))
            files.selectFile(m_folder.filePath(name));
        else
            files.selectFile(m_folder.filePath("soak.rtl"));
        static_cast<QDialog&>(files).accept(); // the file dialog's own checks run
        if (files.isVisible())
            files.reject();
    }

    void AnswerMenu(QMenu& menu)
    {
        const QList<QAction*> entries = menu.actions();
        if (!entries.isEmpty() && !m_dice.Chance(50)) {
            menu.setActiveAction(entries[m_dice.Below(static_cast<int>(entries.size()))]);
            QTest::keyClick(&menu, Qt::Key_Return);
        }
        if (menu.isVisible())
            menu.close();
    }

    Dice& m_dice;
    const QTemporaryDir& m_folder;
};

// The charts of a set without the zoom, which is no step of the history, and
// the overlay radii, which each paint lays out afresh.
nlohmann::json StepData(const CChartSet& set)
{
    nlohmann::json charts = nlohmann::json::parse(ChartSetJson::ToText(set.Slots()));
    for (auto& chart : charts)
        if (chart.is_object())
            for (const char* key : {"m_fZoom", "m_fSquaresRadius", "m_fTriangleRadius", "m_fDivisionsRadius"})
                chart.erase(key);
    return charts;
}

class Soak : public testing::Test {
protected:
    Soak() : m_dice {std::mt19937(m_seed)}, m_answerer(m_dice, m_folder) {}

    void SetUp() override
    {
        ASSERT_TRUE(m_folder.isValid());
        m_check.SetAsk([](const QString&) { return false; });
        m_check.SetOpenPage([](const QUrl&) {});
        m_frame = std::make_unique<CMainFrame>(m_check);
        m_frame->Palette()->SetColorChooser([this](const QColor&, QWidget*) {
            return m_dice.Chance(80) ? QColor::fromRgb(static_cast<QRgb>(m_dice.Below(1 << 24))) : QColor();
        });
        for (const CommandTable::Command& command : CommandTable::Commands())
            (kHeavy.count(command.id) ? m_heavyCommands : m_lightCommands).push_back(command.id);
        qApp->installEventFilter(&m_answerer);
        m_frame->resize(640, 480);
        m_frame->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(m_frame.get()));
    }

    void TearDown() override
    {
        qApp->removeEventFilter(&m_answerer);
        m_frame->SetSaveQuestion([] { return true; });
    }

    CRotula2View& View() const { return *m_frame->View(); }
    QWidget& Viewport() const { return *View().viewport(); }

    // One random event; returns what it was, for the failure messages.
    std::string Event()
    {
        const int roll = m_dice.Below(100);
        const std::pair<int, std::function<std::string()>> events[] = {
            {23, [&] { return Command(m_dice.Pick(m_lightCommands)); }},
            {24, [&] { return Command(m_dice.Pick(m_heavyCommands)); }},
            {30, [&] { return Command(m_dice.Pick<int>({Cmd::KindSquareOfNine, Cmd::KindHexagon, Cmd::KindSquareOfFour,
                                                         Cmd::KindWheel, Cmd::KindMasterChart})); }},
            {34, [&] { return Command(m_dice.Pick<int>(
                           {Cmd::ToolLine, Cmd::ToolArrow, Cmd::ToolTangent, Cmd::ToolCircle, Cmd::ToolSquare})); }},
            {37, [&] { return Command(m_dice.Chance(50) ? Cmd::ZoomIn : Cmd::ZoomOut); }},
            {41, [&] {
                 const QPoint at = Somewhere();
                 const int delta = m_dice.Pick<int>({120, -120, 60, -60, 240});
                 const Qt::KeyboardModifiers keys = m_dice.Chance(75) ? Qt::ControlModifier : Qt::NoModifier;
                 QWheelEvent wheel(at, Viewport().mapToGlobal(at), {}, {0, delta}, m_buttons, keys, {}, false);
                 QCoreApplication::sendEvent(&Viewport(), &wheel);
                 return "wheel " + std::to_string(delta) + (keys ? " with Ctrl" : "");
             }},
            {43, [&] { // a swatch, or the custom colour after them
                 const int index = m_dice.Below(CPaletteToolBar::SwatchCount + 1);
                 CPaletteToolBar& bar = *m_frame->Palette();
                 (index < CPaletteToolBar::SwatchCount ? bar.SwatchAction(index) : bar.CustomAction())->trigger();
                 return "palette " + std::to_string(index);
             }},
            {58, [&] { return Press(m_dice.Chance(85) ? Qt::LeftButton : Qt::RightButton); }},
            {76, [&] {
                 m_at = m_dice.Chance(30) ? m_at + QPoint(m_dice.Below(41) - 20, m_dice.Below(41) - 20) : Somewhere();
                 return Mouse(QEvent::MouseMove, m_at, Qt::NoButton);
             }},
            {88, [&] { return Release(); }},
            {92, [&] { // as the window system delivers one: the second press arrives as the double click
                 m_at = Somewhere();
                 Press(Qt::LeftButton);
                 Release();
                 m_buttons |= Qt::LeftButton;
                 const std::string what = Mouse(QEvent::MouseButtonDblClick, m_at, Qt::LeftButton);
                 Release();
                 return "double click, " + what;
             }},
            // As when input pauses, with one more paint as when another window uncovers this one.
            {97, [&] {
                 Viewport().update();
                 QCoreApplication::processEvents();
                 return std::string("paint");
             }},
            {99, [&] {
                 for (QScrollBar* bar : {View().horizontalScrollBar(), View().verticalScrollBar()})
                     bar->setValue(bar->minimum() + m_dice.Below(bar->maximum() - bar->minimum() + 1));
                 return std::string("scroll");
             }},
            {100, [&] {
                 m_frame->resize(400 + m_dice.Below(600), 300 + m_dice.Below(400));
                 return std::string("resize");
             }},
        };
        for (const auto& [below, event] : events)
            if (roll < below)
                return event();
        return {};
    }

    std::string Command(int id)
    {
        ++m_triggered[id];
        m_frame->Action(id)->trigger();
        if (!m_frame->isVisible())
            m_frame->show(); // Exit with the save question answered
        return "command " + std::to_string(id);
    }

    // Over a cell of the current chart, or anywhere in and around the window.
    QPoint Somewhere()
    {
        if (m_dice.Chance(70))
            return View().toWindow(View().CurrentChart()->GetCellCenter(1 + m_dice.Below(300)));
        const QRect around = Viewport().rect().adjusted(-40, -40, 40, 40);
        return {around.left() + m_dice.Below(around.width()), around.top() + m_dice.Below(around.height())};
    }

    std::string Mouse(QEvent::Type type, QPoint at, Qt::MouseButton button)
    {
        static const Qt::KeyboardModifier keys[10] = {Qt::ShiftModifier, Qt::ControlModifier}; // the rest none
        QMouseEvent event(type, at, Viewport().mapToGlobal(at), button, m_buttons, keys[m_dice.Below(10)]);
        QCoreApplication::sendEvent(&Viewport(), &event);
        return "mouse " + std::to_string(type) + " button " + std::to_string(button) + " at "
            + std::to_string(at.x()) + "," + std::to_string(at.y());
    }

    std::string Press(Qt::MouseButton button)
    {
        m_buttons |= button;
        m_at = Somewhere();
        const std::string what = Mouse(QEvent::MouseButtonPress, m_at, button);
        if (button == Qt::RightButton)
            Release(Qt::RightButton);
        return what;
    }

    std::string Release(Qt::MouseButton button = Qt::LeftButton)
    {
        m_buttons &= ~button;
        return Mouse(QEvent::MouseButtonRelease, m_at, button);
    }

    void ExpectConsistent(const std::string& after)
    {
        const CChartSet& set = m_frame->Document().Charts();
        ASSERT_NE(set.Current(), nullptr) << after;
        ASSERT_EQ(set.Current(), set.Chart(set.Kind())) << after;
        const CommandTable::Context context = m_frame->CommandContext();
        for (const CommandTable::Command& command : CommandTable::Commands()) {
            const QAction& action = *m_frame->Action(command.id);
            ASSERT_EQ(action.isChecked(), command.checked && command.checked(context)) << command.id << " " << after;
            ASSERT_EQ(action.isEnabled(), !command.enabled || command.enabled(context)) << command.id << " " << after;
        }
        ASSERT_EQ(m_frame->isWindowModified(), m_frame->Document().IsModified()) << after;
    }

    // The set while the history holds no step; whether it has since dropped steps.
    void NoteHistoryStart()
    {
        const int steps = m_frame->Document().UndoStack().count();
        if (steps == 0)
            m_start = StepData(m_frame->Document().Charts());
        m_stepsDropped = steps > 0 && (m_stepsDropped || steps >= CChartHistory::kLimit);
    }

    // A history that holds every step since New or Open undoes to there and redoes back.
    void UndoAndRedoEverything()
    {
        if (m_buttons & Qt::LeftButton)
            Release(); // a drag in progress becomes its step
        NoteHistoryStart();
        if (m_stepsDropped)
            return;
        const int steps = m_frame->Document().UndoStack().index();
        const std::pair<nlohmann::json, int> ends[] = {{m_start, Cmd::EditUndo}, {StepData(m_frame->Document().Charts()), Cmd::EditRedo}};
        for (const auto& [state, command] : ends) {
            for (int i = 0; i < steps; ++i)
                m_frame->Action(command)->trigger();
            // A kind shown since may have joined.
            const nlohmann::json now = StepData(m_frame->Document().Charts());
            for (const auto& [kind, chart] : state.items())
                ASSERT_TRUE(chart.is_null() || now[kind] == chart) << kind << " after " << command;
        }
        ++m_undoChecks;
    }

    // A save that cannot be written and an open of a damaged file fail and
    // say so; that they leave the set as it was is the disk fault test's.
    void RoundTrip()
    {
        QCoreApplication::processEvents();
        const QString path = m_folder.filePath("soak.rtl");
        ASSERT_TRUE(m_frame->Dialogs().SaveFile(path));
        const std::string saved = ChartSetJson::ToText(m_frame->Document().Charts().Slots());
        const nlohmann::json savedData = StepData(m_frame->Document().Charts());
        EXPECT_FALSE(m_frame->isWindowModified());

        const Result<CChartSlots> back = ChartFile::Load(path.toStdString());
        ASSERT_TRUE(back.Ok()) << back.Message();
        ASSERT_EQ(ChartSetJson::ToText(back.Value()), saved);

        ASSERT_TRUE(m_frame->Dialogs().OpenFile(path));
        ASSERT_EQ(StepData(m_frame->Document().Charts()), savedData);
        EXPECT_FALSE(m_frame->Document().IsModified());

        const QStringList warnings = m_answerer.warnings;
        std::ofstream(m_folder.filePath("damaged.rtl").toStdString()) << "22 serialization::archive 9 0 1";
        EXPECT_FALSE(m_frame->Dialogs().OpenFile(m_folder.filePath("damaged.rtl")));
        EXPECT_FALSE(m_frame->Dialogs().SaveFile(m_folder.filePath("no/such/folder.rtl")));
        ASSERT_EQ(m_answerer.warnings.size(), warnings.size() + 2);
        EXPECT_TRUE(m_answerer.warnings[warnings.size()].startsWith("Failed to open document."));
        EXPECT_TRUE(m_answerer.warnings[warnings.size() + 1].startsWith("Failed to save document."));
        m_answerer.warnings = warnings;
    }

    const unsigned m_seed = EnvironmentNumber("QUADRIX_SOAK_SEED", 20120305);
    const int m_events = static_cast<int>(EnvironmentNumber("QUADRIX_SOAK_EVENTS", 10000));
    QTemporaryDir m_folder;
    Dice m_dice;
    DialogAnswerer m_answerer;
    CVersionCheck m_check;
    std::unique_ptr<CMainFrame> m_frame;
    std::vector<int> m_lightCommands;
    std::vector<int> m_heavyCommands;
    std::map<int, int> m_triggered;
    nlohmann::json m_start; // the set as the history began
    bool m_stepsDropped = false;
    int m_undoChecks = 0;
    Qt::MouseButtons m_buttons;
    QPoint m_at;
};

TEST_F(Soak, TenThousandRandomEventsOnTheMainWindow)
{
    RecordProperty("seed", static_cast<int>(m_seed));
    for (int i = 1; i <= m_events; ++i) {
        NoteHistoryStart();
        const std::string what = Event();
        ASSERT_NO_FATAL_FAILURE(ExpectConsistent("event " + std::to_string(i) + ": " + what))
            << "seed " << m_seed;
        if (i % kRoundTripEvery == 0) {
            ASSERT_NO_FATAL_FAILURE(UndoAndRedoEverything()) << "after event " << i << ", seed " << m_seed;
            ASSERT_NO_FATAL_FAILURE(RoundTrip()) << "after event " << i << ", seed " << m_seed;
        }
    }
    EXPECT_GT(m_undoChecks, m_events / kRoundTripEvery / 2);
    QCoreApplication::processEvents();
    EXPECT_TRUE(m_answerer.warnings.isEmpty()) << m_answerer.warnings.join("\n").toStdString();
    for (const CommandTable::Command& command : CommandTable::Commands())
        EXPECT_GT(m_triggered[command.id], 0) << "command " << command.id << " never came up";
}

} // namespace

// The settings and the market store go to a folder of the run's own, not
// the user's.
int main(int argc, char** argv)
{
    const QTemporaryDir home;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home.path());
    qputenv("QUADRIX_STORE", QFile::encodeName(home.filePath("market.sqlite")));
    QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    CRotula2App app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
