#include "MainFrame.h"

#include "ChartDocument.h"
#include "ChartSet.h"
#include "CommandIds.h"
#include "DocumentDialogs.h"
#include "FileSettings.h"
#include "FlyoutToolButton.h"
#include "MarketSession.h"
#include "MarketWorkspace.h"
#include "PaletteToolBar.h"
#include "ProductInfo.h"
#include "ResourceIcon.h"
#include "Rotula2View.h"
#include "TargetPanel.h"
#include "ToolDialogs.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

namespace {

const QSize kButtonSize(16, 15);
const QSize kLineButtonSize(32, 15);
// How long a note of the market stays in the status bar.
constexpr int kMessageMilliseconds = 6000;

// A command's text with what it names now, as "撤销 画线".
QString Named(const CommandTable::Command& command, const QString& detail)
{
    const QString text = CommandTable::Translated(command.text);
    return detail.isEmpty() ? text : text + QLatin1Char(' ') + detail;
}

} // namespace

// The dock is asked for as the target tool is chosen, just before the user
// clicks a cell: while it opens, the chart keeps its place as the view narrows.
CTargetPanel* CMainFrame::Targets()
{
    if (!m_targets || !m_targets->isVisible())
        m_view->holdChartInPlace();
    if (!m_targets) {
        m_targets = new CTargetPanel(*m_doc, *m_dialogs, this);
        addDockWidget(Qt::RightDockWidgetArea, m_targets);
        giveDayCounter();
    }
    return m_targets;
}

CMainFrame::CMainFrame(CVersionCheck& versionCheck, QWidget* parent)
    : QMainWindow(parent)
    , m_versionCheck(versionCheck)
    , m_doc(new CChartDocument(this))
    , m_view(new CRotula2View(*m_doc, this))
    , m_dialogs(new CDocumentDialogs(*m_doc, *m_view, this))
    , m_tools(std::make_unique<CToolDialogs>(this))
    , m_market(new CMarketWorkspace(*m_doc, *this, m_tools->Cities()))
    , m_recent(FileSettings::LoadRecentFiles())
{
    setCentralWidget(m_view);
    setAcceptDrops(true);
    m_saveQuestion = [this] { return m_dialogs->MaybeSave(); };

    createActions();
    createSubMenus();
    createMenus();
    createToolBars();
    createRecentFilesMenu();
    createInstrumentMenu();

    loadCities();
    const QSize screenSize = screen()->size();
    m_view->InitialUpdate(Size {screenSize.width(), screenSize.height()});
    m_dialogs->StartPlanets(m_tools->Cities());
    onPaletteColor(m_palette->CurrentColor());
    onLineIndex(m_lineFlyout->CurrentIndex());
    // The toolbars and the title follow every change of the document and the zoom.
    for (auto changed : {&CChartDocument::kindChanged, &CChartDocument::parametersChanged,
                         &CChartDocument::switchesChanged, &CChartDocument::annotationsChanged,
                         &CChartDocument::planetsChanged, &CChartDocument::undoChanged})
        connect(m_doc, changed, this, &CMainFrame::updateActions);
    connect(m_doc, &CChartDocument::modifiedChanged, this, &CMainFrame::updateTitle);
    connect(m_view, &CZoomView::zoomChanged, this, &CMainFrame::updateActions);
    connect(m_doc, &CChartDocument::fileChanged, this, &CMainFrame::onFileUsed);
    updateActions();
    createStatusBar();
    connectMarket();
}

// The market's docks hide as the window goes, after its actions are gone.
CMainFrame::~CMainFrame() { disconnect(m_market, nullptr, this, nullptr); }

CommandTable::Context CMainFrame::CommandContext()
{
    return {*this, *m_doc, *m_dialogs, *m_view, *m_market, *m_tools, m_versionCheck};
}

QAction* CMainFrame::Action(int id) const
{
    const auto it = m_actions.find(id);
    return it == m_actions.end() ? nullptr : it->second;
}

void CMainFrame::createActions()
{
    for (const CommandTable::Command& command : CommandTable::Commands()) {
        auto* action = new QAction(CommandTable::Translated(command.text), this);
        const char* tip = *command.toolTip ? command.toolTip : command.text;
        action->setToolTip(CommandTable::Translated(tip));
        action->setData(command.id);
        if (*command.icon)
            action->setIcon(ResourceIcon(command.icon));
        if (*command.shortcut)
            action->setShortcuts(QKeySequence::listFromString(QString::fromUtf8(command.shortcut)));
        action->setCheckable(static_cast<bool>(command.checked));
        connect(action, &QAction::triggered, this, [this, &command] { onCommand(command); });
        m_actions.emplace(command.id, action);
    }
}

void CMainFrame::addCommands(QWidget* target, const std::vector<int>& ids)
{
    for (int id : ids) {
        if (id == CommandTable::Separator) {
            auto* separator = new QAction(target);
            separator->setSeparator(true);
            target->addAction(separator);
        } else {
            target->addAction(m_actions.at(id));
        }
    }
}

void CMainFrame::createMenus()
{
    for (const CommandTable::Group& group : CommandTable::Menus()) {
        QMenu* menu = menuBar()->addMenu(CommandTable::Translated(group.title));
        menu->setObjectName(QString::fromUtf8(group.name));
        addCommands(menu, group.ids);
    }
}

// The toolbars are added in order to the top area without breaks, so Qt lays
// them out left to right in one row.
void CMainFrame::createToolBars()
{
    for (const CommandTable::Group& group : CommandTable::ToolBars()) {
        QToolBar* bar = addToolBar(CommandTable::Translated(group.title));
        bar->setObjectName(QString::fromUtf8(group.name));
        bar->setIconSize(kButtonSize);
        addCommands(bar, group.ids);
        createDropDowns(bar);
    }
    createPaletteToolBar();
    createLineToolBar();
}

// Buttons whose command only opens a menu: they show the arrow of a menu
// button, and a click on either part shows the menu at once.
void CMainFrame::createDropDowns(QToolBar* bar)
{
    for (const CommandTable::DropDown& dropDown : CommandTable::DropDowns()) {
        QAction* button = m_actions.at(dropDown.buttonId);
        auto* toolButton = qobject_cast<QToolButton*>(bar->widgetForAction(button));
        if (!toolButton)
            continue;
        auto* menu = new QMenu(CommandTable::Translated(dropDown.menu.title), this);
        menu->setObjectName(QString::fromUtf8(dropDown.menu.name));
        addCommands(menu, dropDown.menu.ids);
        toolButton->setMenu(menu);
        toolButton->setPopupMode(QToolButton::MenuButtonPopup);
        connect(toolButton, &QToolButton::clicked, toolButton, &QToolButton::showMenu);
    }
}

void CMainFrame::createSubMenus()
{
    for (const CommandTable::DropDown& subMenu : CommandTable::SubMenus()) {
        auto* menu = new QMenu(CommandTable::Translated(subMenu.menu.title), this);
        menu->setObjectName(QString::fromUtf8(subMenu.menu.name));
        addCommands(menu, subMenu.menu.ids);
        m_actions.at(subMenu.buttonId)->setMenu(menu);
    }
}

void CMainFrame::createPaletteToolBar()
{
    m_palette = new CPaletteToolBar(tr("调色板"), this);
    m_palette->setObjectName("paletteToolBar");
    addToolBar(m_palette);
    connect(m_palette, &CPaletteToolBar::colorChanged, this, &CMainFrame::onPaletteColor);
}

void CMainFrame::createLineToolBar()
{
    QToolBar* bar = addToolBar(tr("线型"));
    bar->setObjectName("lineToolBar");
    bar->setIconSize(kLineButtonSize);

    m_lineFlyout = new CFlyoutToolButton(bar);
    m_lineFlyout->setIconSize(kLineButtonSize);
    m_lineFlyout->setToolTip(CommandTable::Translated(CommandTable::LineFlyoutToolTip));
    QList<QAction*> entries;
    for (int id : CommandTable::LineEntries())
        entries.append(m_actions.at(id));
    m_lineFlyout->SetEntries(entries);
    bar->addWidget(m_lineFlyout);
    connect(m_lineFlyout, &CFlyoutToolButton::currentIndexChanged, this, &CMainFrame::onLineIndex);
}

// The submenu of the table's recent-files row, filled from the list.
void CMainFrame::createRecentFilesMenu()
{
    m_recentMenu = new QMenu(this);
    m_recentMenu->setObjectName("recentFilesMenu");
    m_actions.at(Cmd::RecentFiles)->setMenu(m_recentMenu);
    updateRecentFilesMenu();
}

void CMainFrame::createInstrumentMenu()
{
    auto* menu = new QMenu(this);
    menu->setObjectName("instrumentMenu");
    m_actions.at(Cmd::MarketInstrument)->setMenu(menu);
    connect(menu, &QMenu::aboutToShow, this, [this, menu] { m_market->FillInstrumentMenu(*menu); });
}

void CMainFrame::connectMarket()
{
    m_dialogs->SetInstrument([this] { return m_market->Session().InstrumentTitle(); });
    connect(m_market, &CMarketWorkspace::stateChanged, this, &CMainFrame::updateActions);
    connect(&m_market->Session(), &CMarketSession::instrumentChanged, this, &CMainFrame::giveDayCounter);
    connect(m_market, &CMarketWorkspace::pivotChosen, this, [this] { Targets()->show(); });
    connect(m_market, &CMarketWorkspace::message, this, [this](const QString& text) {
        statusBar()->showMessage(text, kMessageMilliseconds);
    });
    // The pane's readout stands where the chart's cell does while the pointer is over the pane.
    connect(m_market, &CMarketWorkspace::readoutChanged, this, [this](const QString& text) {
        if (text.isEmpty())
            updateStatus();
        else
            m_cellStatus->setText(text);
    });
}

void CMainFrame::giveDayCounter()
{
    if (!m_targets)
        return;
    if (m_market->Session().HasInstrument())
        m_targets->SetDayCounter([this](std::int64_t from, std::int64_t to) { return m_market->TradingDaysBetween(from, to); });
    else
        m_targets->SetDayCounter({});
}

void CMainFrame::updateRecentFilesMenu()
{
    m_recentMenu->clear();
    int number = 0;
    for (const std::string& entry : m_recent.Entries()) {
        const QString path = QString::fromStdString(entry);
        QString text = QDir::toNativeSeparators(path);
        text.replace('&', QStringLiteral("&&"));
        QAction* action = m_recentMenu->addAction(QStringLiteral("&%1 %2").arg(++number).arg(text));
        connect(action, &QAction::triggered, this, [this, path] { onRecentFile(path); });
    }
}

void CMainFrame::recentFilesChanged()
{
    FileSettings::StoreRecentFiles(m_recent);
    updateRecentFilesMenu();
    updateActions();
}

// A file opened or saved heads the recent files, by its absolute path.
void CMainFrame::onFileUsed(const QString& path)
{
    if (path.isEmpty())
        return;
    m_recent.Add(QFileInfo(path).absoluteFilePath().toStdString());
    recentFilesChanged();
}

void CMainFrame::onRecentFile(const QString& path)
{
    if (QFileInfo::exists(path)) {
        m_dialogs->OpenDocumentAt(path);
        return;
    }
    m_recent.Remove(path.toStdString());
    recentFilesChanged();
    showWarning(tr("文件不存在：%1").arg(QDir::toNativeSeparators(path)));
}

// A city list that cannot be read leaves the astrology report without cities.
void CMainFrame::loadCities()
{
    const Result<void> cities = m_tools->LoadCities();
    if (!cities.Ok())
        showWarning(QString::fromStdString(cities.Message()));
}

// The translators are installed before any window is built, so a change
// waits for the next start; the note cannot know which language to use.
// Choosing the language in effect (one --lang gave) keeps it for later starts.
void CMainFrame::ChooseLanguage(Language language)
{
    m_language = language;
    CInterfaceLanguage::Store(language);
    if (language == CInterfaceLanguage::InEffect())
        return;
    QMessageBox box(QMessageBox::Information, QCoreApplication::applicationName(),
        QStringLiteral("重新启动 Quadrix 后界面使用所选的语言。\n"
                       "Quadrix uses the chosen language from its next start."),
        QMessageBox::Ok, this);
    box.exec();
}

void CMainFrame::showWarning(const QString& text)
{
    QMessageBox box(QMessageBox::Warning, QCoreApplication::applicationName(), text, QMessageBox::Ok, this);
    box.exec();
}

// Sets every pressed and enabled state from the rows' state functions.
// Checkable actions toggle themselves when clicked; this also undoes a toggle
// that the chart's rules refused.
void CMainFrame::updateActions()
{
    const CommandTable::Context context = CommandContext();
    for (const CommandTable::Command& command : CommandTable::Commands()) {
        QAction* action = m_actions.at(command.id);
        action->setEnabled(!command.enabled || command.enabled(context));
        action->setChecked(command.checked && command.checked(context));
        if (command.detail)
            action->setText(Named(command, command.detail(context)));
    }
    updateTitle();
}

// What 查找 found and the zoom stay at the right while the cell's text
// changes length.
void CMainFrame::createStatusBar()
{
    m_cellStatus = new QLabel(this);
    m_foundStatus = new QLabel(this);
    m_foundStatus->setObjectName("foundStatus");
    m_foundStatus->setContentsMargins(0, 0, m_foundStatus->fontMetrics().averageCharWidth() * 2, 0);
    m_zoomStatus = new QLabel(this);
    statusBar()->addWidget(m_cellStatus, 1);
    statusBar()->addPermanentWidget(m_foundStatus);
    statusBar()->addPermanentWidget(m_zoomStatus);
    connect(m_view, &CRotula2View::statusChanged, this, &CMainFrame::updateStatus);
    connect(m_view, &CZoomView::zoomChanged, this, &CMainFrame::updateStatus);
    connect(m_doc, &CChartDocument::marksChanged, this, &CMainFrame::updateStatus);
    connect(m_doc, &CChartDocument::kindChanged, this, &CMainFrame::updateStatus);
    updateStatus();
}

void CMainFrame::updateStatus()
{
    const PointerStatus status = m_view->Status();
    m_cellStatus->setText(QString::fromStdString(status.cell));
    m_foundStatus->setText(QString::fromStdString(status.found));
    m_zoomStatus->setText(QString::fromStdString(status.zoom));
}

void CMainFrame::updateTitle()
{
    const QString path = m_doc->Path();
    const QString product = QString::fromUtf8(Product::Title);
    setWindowFilePath(path);
    setWindowTitle(path.isEmpty() ? product + QStringLiteral("[*]")
                                  : QFileInfo(path).fileName() + QStringLiteral("[*] - ") + product);
    setWindowModified(m_doc->IsModified());
}

void CMainFrame::onCommand(const CommandTable::Command& command)
{
    if (command.run) {
        CommandTable::Context context = CommandContext();
        command.run(context);
    }
    updateActions();
}

void CMainFrame::onPaletteColor(const QColor& color)
{
    m_view->SetPaletteColor(MakeColor(color.red(), color.green(), color.blue()));
}

// The flyout counts entries from 0; the chart's line numbers start at 1.
void CMainFrame::onLineIndex(int index)
{
    m_view->SetLineNumber(index + 1);
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    if (m_saveQuestion()) {
        m_market->SaveLayout();
        event->accept();
    }
    else
        event->ignore();
}

QString CMainFrame::DroppedChartFile(const QMimeData& data)
{
    const QList<QUrl> urls = data.urls();
    if (urls.size() != 1 || !urls.front().isLocalFile())
        return QString();
    const QString path = urls.front().toLocalFile();
    return QFileInfo(path).suffix().compare(QStringLiteral("rtl"), Qt::CaseInsensitive) == 0 ? path : QString();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event)
{
    if (!DroppedChartFile(*event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

// The open waits until the drop is over, so that the save question does not
// hold up the program the file came from.
void CMainFrame::dropEvent(QDropEvent* event)
{
    const QString path = DroppedChartFile(*event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    QMetaObject::invokeMethod(this, [this, path] { m_dialogs->OpenDocumentAt(path); }, Qt::QueuedConnection);
}
