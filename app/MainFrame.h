#pragma once

#include "CommandTable.h"
#include "InterfaceLanguage.h"
#include "RecentFiles.h"

#include <QMainWindow>

#include <functional>
#include <map>
#include <memory>
#include <vector>

class CChartDocument;
class CDocumentDialogs;
class CFlyoutToolButton;
class CMarketWorkspace;
class CPaletteToolBar;
class CRotula2View;
class CTargetPanel;
class CToolDialogs;
class CVersionCheck;
class QAction;
class QColor;
class QLabel;
class QMenu;
class QMimeData;
class QToolBar;

// The main window: the chart view in the middle, the menu bar, six toolbars
// docked in one row at the top, the 目标 dock on the right and a status bar
// at the bottom; it owns the
// tool dialogs and the city list they use. Every action is built from a row of the command table
// and carries its id; a trigger runs the row's handler. The actions' pressed
// and enabled states and the title's modified mark follow the view's state
// through one update pass, and so do the title's file name and the recent
// files that the settings keep. A dropped chart file is opened.
class CMainFrame : public QMainWindow {
    Q_OBJECT

public:
    explicit CMainFrame(CVersionCheck& versionCheck, QWidget* parent = nullptr);
    ~CMainFrame() override;

    CChartDocument& Document() const { return *m_doc; }
    CDocumentDialogs& Dialogs() const { return *m_dialogs; }
    CRotula2View* View() const { return m_view; }
    CMarketWorkspace& Market() const { return *m_market; }
    // The 目标 dock, hidden until the target tool is first chosen.
    // The target panel, built on first use: at start-up its widgets would
    // cost a tenth of the time to the first paint. Asked for while hidden,
    // it holds the chart in place through the view's resize as it opens.
    CTargetPanel* Targets();
    // What the command table's handlers and state functions act on.
    CommandTable::Context CommandContext();
    // The action of a command id, or nullptr when there is none.
    QAction* Action(int id) const;
    CPaletteToolBar* Palette() const { return m_palette; }
    CFlyoutToolButton* LineFlyout() const { return m_lineFlyout; }
    const CRecentFiles& RecentFiles() const { return m_recent; }
    QMenu* RecentFilesMenu() const { return m_recentMenu; }
    // The language the 语言 menu shows: the one in effect until another is
    // chosen for the next start.
    Language ChosenLanguage() const { return m_language; }
    // Stores language for the next start and, when it is not the one in
    // effect, says so in both languages.
    void ChooseLanguage(Language language);

    // Replaces the question asked before the window closes (the view's offer
    // to save unsaved work); false keeps the window open. Tests use it so
    // that no modal dialog blocks.
    void SetSaveQuestion(std::function<bool()> question) { m_saveQuestion = std::move(question); }

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void createActions();
    void createMenus();
    void createToolBars();
    void createDropDowns(QToolBar* bar);
    void createSubMenus();
    void createPaletteToolBar();
    void createLineToolBar();
    void createRecentFilesMenu();
    // The 本图品种 submenu, filled from the store each time it opens.
    void createInstrumentMenu();
    // The market's notes and the pane's readout in the status bar.
    void connectMarket();
    // The targets count trading days by the chart's instrument while it has one.
    void giveDayCounter();
    void createStatusBar();
    // Adds the actions of ids to a menu or toolbar; Separator ids become separators.
    void addCommands(QWidget* target, const std::vector<int>& ids);

    // Reads the city list; a failure is shown as a warning.
    void loadCities();
    void showWarning(const QString& text);
    void updateActions();
    // The file name and the modified mark; the program's title alone for a new set.
    void updateTitle();
    // The cell under the pointer, the cell found and the zoom.
    void updateStatus();
    void updateRecentFilesMenu();
    // Stores the list and shows it in the submenu and its row's enabled state.
    void recentFilesChanged();
    // An opened or saved file goes to the top of the recent files.
    void onFileUsed(const QString& path);
    // A recent file that no longer exists is dropped from the list.
    void onRecentFile(const QString& path);
    // The one chart file a drop carries, or empty when it carries anything else.
    static QString DroppedChartFile(const QMimeData& data);
    void onCommand(const CommandTable::Command& command);
    void onPaletteColor(const QColor& color);
    void onLineIndex(int index);

    CVersionCheck& m_versionCheck;
    CChartDocument* m_doc = nullptr;
    CRotula2View* m_view = nullptr;
    CDocumentDialogs* m_dialogs = nullptr;
    CTargetPanel* m_targets = nullptr;
    std::unique_ptr<CToolDialogs> m_tools;
    CMarketWorkspace* m_market = nullptr;
    CPaletteToolBar* m_palette = nullptr;
    CFlyoutToolButton* m_lineFlyout = nullptr;
    std::map<int, QAction*> m_actions;
    CRecentFiles m_recent;
    QMenu* m_recentMenu = nullptr;
    std::function<bool()> m_saveQuestion;
    QLabel* m_cellStatus = nullptr;
    QLabel* m_foundStatus = nullptr;
    QLabel* m_zoomStatus = nullptr;
    Language m_language = CInterfaceLanguage::InEffect();
};
