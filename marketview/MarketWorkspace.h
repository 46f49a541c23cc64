#pragma once

#include "Clusters.h"
#include "Ephemeris.h"
#include "MarketSession.h"
#include "SkyEventSearch.h"
#include "TradingDays.h"

#include <QObject>
#include <QString>

#include <optional>

class CChartDocument;
class CMarketDialogs;
class CPaneWidget;
class CSwingPanel;
class CWhenPanel;
class QDockWidget;
class QMainWindow;
class QMenu;
struct CityList;

// The market beside the charts of one window: the session's instrument in
// the price pane (a dock under the chart) and the swing list (a dock beside
// it), its swings marked on the charts, a swing chosen anywhere made the
// pivot of the targets, the store's dialogs, and what a chart file showed of
// it restored when the file is opened again.
class CMarketWorkspace : public QObject {
    Q_OBJECT

public:
    // cities is the list the tool dialogs load, for the sky's local times;
    // it outlives the workspace.
    CMarketWorkspace(CChartDocument& document, QMainWindow& frame, const CityList& cities);
    ~CMarketWorkspace() override;

    CMarketSession& Session() { return m_session; }
    CMarketDialogs& Dialogs() const { return *m_dialogs; }
    CPaneWidget* Pane() const { return m_pane; }
    QDockWidget* PaneDock() const { return m_paneDock; }
    // The swing list, built on first use: at start-up its widgets would
    // cost a fifth of the time to the first paint.
    CSwingPanel& SwingPanel();
    bool SwingListShown() const;
    // The 时间 dock, built on first use like the swing list.
    CWhenPanel& WhenPanel();
    bool WhenShown() const;

    // 导入行情… and 行情库….
    void Import();
    void Library();
    // Fills the 本图品种 submenu with the store's instruments as it opens.
    void FillInstrumentMenu(QMenu& menu);
    // Reads symbol's bars as the chart's instrument; a failure is a warning.
    void Choose(const QString& symbol);

    bool SwingMarksShown() const { return m_marksShown; }
    void ShowSwingMarks(bool show);
    bool DateCellsShown() const { return m_dateCells; }
    void ShowDateCells(bool show);
    void FlipPane();
    void FlipSwingList();
    void FlipWhen();

    // Makes swing index the chosen one and its price (a high's high, a low's
    // low) the pivot of the targets.
    void ChooseSwing(int index);
    const std::optional<int>& ChosenSwing() const { return m_chosen; }
    // 以此为起点: the current chart starts at the chosen swing's price and day.
    void StartAtChosenSwing();
    // 建议价格步长…: a step that puts the instrument's prices from the
    // chart's start price up to its highest high on the chart's cells.
    void ProposePriceStep();

    // The planets' longitudes at the pane's last bar as its price lines,
    // asking the scale; off again when on.
    void FlipPlanetLevels();
    bool PlanetLevelsShown() const { return m_planetScale > 0; }

    // Trading days between two days (from 1970-01-01) by the instrument's
    // bars, then weekdays; none without an instrument.
    std::optional<long long> TradingDaysBetween(std::int64_t from, std::int64_t to) const;

    // Keeps which docks are shown for the next start.
    void SaveLayout() const;

signals:
    // The status bar's text for the bar under the pointer in the pane, or empty.
    void readoutChanged(const QString& text);
    // The pivot came from a swing: the targets panel should show.
    void pivotChosen();
    // A short note for the status bar (a swing's price off the chart).
    void message(const QString& text);
    // Commands' enabled and checked states may have changed.
    void stateChanged();

private:
    void BuildDocks(QMainWindow& frame);
    void Connect();
    void InstrumentChanged();
    void SwingsChanged();
    void TargetsChanged();
    void FileChanged(const QString& path);
    void StoreFileSettings() const;
    void ConnectWhen();
    // The clusters and events the 时间 dock shows, on the pane and the ring.
    void ShowClusters(const std::vector<Cluster>& clusters, int window);
    void ShowEvents(const std::vector<SkyEvent>& events);
    void GiveTicksToDocument();
    // The pane centred on day, its span kept.
    void CentrePane(std::int64_t day);
    void UpdatePlanetLevels();
    void Warn(const QString& text) const;

    CChartDocument& m_doc;
    QMainWindow& m_frame;
    CMarketSession m_session;
    CMarketDialogs* m_dialogs = nullptr;
    CPaneWidget* m_pane = nullptr;
    QDockWidget* m_paneDock = nullptr;
    CSwingPanel* m_swingPanel = nullptr;
    const CityList& m_cities;
    CWhenPanel* m_whenPanel = nullptr;
    std::vector<Cluster> m_clusters;
    std::vector<SkyEvent> m_events;
    std::optional<CTradingDays> m_tradingDays; // of the session's instrument
    Ephemeris m_ephemeris;
    double m_planetScale = 0; // 0 while the planets' lines are off
    bool m_marksShown = true;
    bool m_dateCells = false;
    std::optional<int> m_chosen;
    // While a file's settings are being restored nothing is stored.
    bool m_restoring = false;
};
