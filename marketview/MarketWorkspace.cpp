#include "MarketWorkspace.h"

#include "BarTime.h"
#include "BarZone.h"
#include "BaseDraw.h"
#include "ChartDocument.h"
#include "ChartKinds.h"
#include "LocalMidnight.h"
#include "MarketDialogs.h"
#include "MarketSettings.h"
#include "PaneWidget.h"
#include "PivotTargets.h"
#include "PriceLevels.h"
#include "PriceStep.h"
#include "SkyEventMarks.h"
#include "SkyMotion.h"
#include "SwingPanel.h"
#include "WhenPanel.h"

#include <QAction>
#include <QInputDialog>
#include <QActionGroup>
#include <QMainWindow>
#include <QMenu>
#include <QMessageBox>
#include <QSettings>

#include <algorithm>

namespace {

const char* const kPaneShownKey = "market/paneShown";
const char* const kSwingListShownKey = "market/swingListShown";
const char* const kWhenShownKey = "market/whenShown";

QString Text(const std::string& s) { return QString::fromStdString(s); }

constexpr double kDaySeconds = 86400;

} // namespace

CMarketWorkspace::CMarketWorkspace(CChartDocument& document, QMainWindow& frame, const CityList& cities)
    : QObject(&frame)
    , m_doc(document)
    , m_frame(frame)
    , m_dialogs(new CMarketDialogs(m_session, &frame))
    , m_cities(cities)
{
    BuildDocks(frame);
    Connect();
    InstrumentChanged();
}

CMarketWorkspace::~CMarketWorkspace() = default;

void CMarketWorkspace::BuildDocks(QMainWindow& frame)
{
    m_pane = new CPaneWidget;
    m_paneDock = new QDockWidget(tr("价格"), &frame);
    m_paneDock->setObjectName("paneDock");
    m_paneDock->setWidget(m_pane);
    frame.addDockWidget(Qt::BottomDockWidgetArea, m_paneDock);
    const QSettings settings;
    m_paneDock->setVisible(settings.value(kPaneShownKey).toBool());
    if (settings.value(kSwingListShownKey).toBool())
        SwingPanel().show();
    if (settings.value(kWhenShownKey).toBool())
        WhenPanel().show();
}

CSwingPanel& CMarketWorkspace::SwingPanel()
{
    if (!m_swingPanel) {
        m_swingPanel = new CSwingPanel(m_session, &m_frame);
        m_swingPanel->hide();
        m_frame.addDockWidget(Qt::RightDockWidgetArea, m_swingPanel);
        connect(m_swingPanel, &CSwingPanel::swingChosen, this, &CMarketWorkspace::ChooseSwing);
        connect(m_swingPanel, &CSwingPanel::startRequested, this, &CMarketWorkspace::StartAtChosenSwing);
        connect(m_swingPanel, &QDockWidget::visibilityChanged, this, &CMarketWorkspace::stateChanged);
        if (m_chosen)
            m_swingPanel->SelectSwing(*m_chosen);
    }
    return *m_swingPanel;
}

bool CMarketWorkspace::SwingListShown() const { return m_swingPanel && m_swingPanel->isVisible(); }

CWhenPanel& CMarketWorkspace::WhenPanel()
{
    if (!m_whenPanel) {
        m_whenPanel = new CWhenPanel(m_session, m_doc, m_cities, &m_frame);
        m_whenPanel->hide();
        m_frame.addDockWidget(Qt::RightDockWidgetArea, m_whenPanel);
        connect(m_whenPanel, &QDockWidget::visibilityChanged, this, &CMarketWorkspace::stateChanged);
        ConnectWhen();
    }
    return *m_whenPanel;
}

void CMarketWorkspace::ConnectWhen()
{
    connect(m_whenPanel, &CWhenPanel::clustersShown, this, &CMarketWorkspace::ShowClusters);
    connect(m_whenPanel, &CWhenPanel::eventsShown, this, &CMarketWorkspace::ShowEvents);
    connect(m_whenPanel, &CWhenPanel::clusterChosen, this, &CMarketWorkspace::CentrePane);
}

void CMarketWorkspace::ShowClusters(const std::vector<Cluster>& clusters, int window)
{
    m_clusters = clusters;
    m_pane->SetClusters(clusters, window);
    GiveTicksToDocument();
}

// Events stand on the pane at the exchange's clock of the instrument's zone.
void CMarketWorkspace::ShowEvents(const std::vector<SkyEvent>& events)
{
    m_events = events;
    std::optional<CBarZone> zone;
    if (m_session.HasInstrument())
        if (Result<CBarZone> found = CBarZone::Find(m_session.Instrument()->zone); found.Ok())
            zone = found.Value();
    m_pane->SetEvents(events, zone ? &*zone : nullptr);
    GiveTicksToDocument();
}

void CMarketWorkspace::GiveTicksToDocument()
{
    std::vector<DateTick> ticks;
    for (const Cluster& cluster : m_clusters)
        ticks.push_back({cluster.day, cluster.score});
    for (const SkyEvent& event : m_events)
        ticks.push_back({SkyEventMarks::DayOf(event), 0});
    m_doc.SetDateTicks(std::move(ticks));
}

void CMarketWorkspace::CentrePane(std::int64_t day)
{
    const auto [first, last] = m_pane->Span();
    const double middle = static_cast<double>(day) * kDaySeconds + kDaySeconds / 2;
    m_pane->SetSpan(middle - (last - first) / 2, middle + (last - first) / 2);
}

bool CMarketWorkspace::WhenShown() const { return m_whenPanel && m_whenPanel->isVisible(); }

void CMarketWorkspace::Connect()
{
    connect(&m_session, &CMarketSession::instrumentChanged, this, &CMarketWorkspace::InstrumentChanged);
    connect(&m_session, &CMarketSession::swingsChanged, this, &CMarketWorkspace::SwingsChanged);
    connect(&m_doc, &CChartDocument::marksChanged, this, &CMarketWorkspace::TargetsChanged);
    connect(&m_doc, &CChartDocument::fileChanged, this, &CMarketWorkspace::FileChanged);
    connect(&m_doc, &CChartDocument::swingPressed, this, &CMarketWorkspace::ChooseSwing);
    connect(m_pane, &CPaneWidget::swingClicked, this, &CMarketWorkspace::ChooseSwing);
    connect(m_pane, &CPaneWidget::readoutChanged, this, &CMarketWorkspace::readoutChanged);
    connect(m_pane, &CPaneWidget::viewChanged, this, &CMarketWorkspace::StoreFileSettings);
    connect(m_dialogs, &CMarketDialogs::instrumentChosen, this, &CMarketWorkspace::Choose);
    // The first instrument imported is the one the charts are read against.
    connect(m_dialogs, &CMarketDialogs::imported, this, [this](const QString& symbol) {
        if (!m_session.HasInstrument())
            Choose(symbol);
    });
    connect(m_paneDock, &QDockWidget::visibilityChanged, this, &CMarketWorkspace::stateChanged);
}

void CMarketWorkspace::Import() { m_dialogs->Import(); }

void CMarketWorkspace::Library() { m_dialogs->Library(); }

void CMarketWorkspace::FillInstrumentMenu(QMenu& menu)
{
    menu.clear();
    auto* group = new QActionGroup(&menu);
    const std::string current = m_session.HasInstrument() ? m_session.Instrument()->symbol : std::string();
    QAction* none = menu.addAction(tr("无"));
    none->setCheckable(true);
    none->setChecked(current.empty());
    group->addAction(none);
    connect(none, &QAction::triggered, this, [this] {
        m_session.Clear();
        StoreFileSettings();
    });
    const Result<std::unique_ptr<CMarketStore>> store = CMarketStore::Open(m_session.StorePath());
    const auto instruments = store.Ok() ? store.Value()->Instruments() : Failure{store.Message()};
    if (!instruments.Ok()) {
        menu.addAction(Text(instruments.Message()))->setEnabled(false);
        return;
    }
    for (const CMarketStore::Instrument& instrument : instruments.Value()) {
        QString text = Text(instrument.symbol) + (instrument.name.empty() ? QString() : "  " + Text(instrument.name));
        QAction* action = menu.addAction(text.replace('&', QStringLiteral("&&")));
        action->setCheckable(true);
        action->setChecked(instrument.symbol == current);
        group->addAction(action);
        const QString symbol = Text(instrument.symbol);
        connect(action, &QAction::triggered, this, [this, symbol] { Choose(symbol); });
    }
}

void CMarketWorkspace::Choose(const QString& symbol)
{
    const Result<void> chosen = m_session.Choose(symbol.toStdString());
    if (!chosen.Ok())
        Warn(Text(chosen.Message()));
    else
        StoreFileSettings();
}

void CMarketWorkspace::InstrumentChanged()
{
    m_pane->SetSeries(m_session.Series());
    m_chosen.reset();
    m_tradingDays.reset();
    if (m_session.HasInstrument()) {
        m_tradingDays.emplace(BarDays(*m_session.Series()), std::vector<std::int64_t>());
    }
    UpdatePlanetLevels();
    emit stateChanged();
}

void CMarketWorkspace::SwingsChanged()
{
    m_pane->SetSwings(m_session.Swings());
    m_doc.SetSwings(m_marksShown ? m_session.Swings() : std::vector<Swing>());
    m_chosen.reset();
    StoreFileSettings();
    emit stateChanged();
}

void CMarketWorkspace::TargetsChanged() { m_pane->SetTargets(m_doc.Marks().Targets()); }

void CMarketWorkspace::ShowSwingMarks(bool show)
{
    m_marksShown = show;
    m_doc.SetSwings(show ? m_session.Swings() : std::vector<Swing>());
    emit stateChanged();
}

void CMarketWorkspace::ShowDateCells(bool show)
{
    m_dateCells = show;
    m_doc.ShowSwingDateCells(show);
    emit stateChanged();
}

void CMarketWorkspace::FlipPane() { m_paneDock->setVisible(!m_paneDock->isVisible()); }

void CMarketWorkspace::FlipSwingList() { SwingPanel().setVisible(!SwingListShown()); }

void CMarketWorkspace::FlipWhen() { WhenPanel().setVisible(!WhenShown()); }

void CMarketWorkspace::ChooseSwing(int index)
{
    const std::vector<Swing>& swings = m_session.Swings();
    if (index < 0 || index >= static_cast<int>(swings.size()))
        return;
    m_chosen = index;
    if (m_swingPanel)
        m_swingPanel->SelectSwing(index);
    CellQuery query;
    query.by = CellQuery::By::Price;
    query.price = swings[static_cast<std::size_t>(index)].price;
    const Result<int> pivot = m_doc.MakePivot(query);
    if (pivot.Ok())
        emit pivotChosen();
    else
        emit message(Text(pivot.Message()));
    emit stateChanged();
}

void CMarketWorkspace::StartAtChosenSwing()
{
    if (!m_chosen || *m_chosen >= static_cast<int>(m_session.Swings().size()))
        return;
    const Swing& swing = m_session.Swings()[static_cast<std::size_t>(*m_chosen)];
    const std::optional<std::int64_t> midnight = LocalMidnight(BarTime::Text(swing.time, false));
    if (!midnight) {
        Warn(tr("这个摆动的日期超出了图表的日历。"));
        return;
    }
    m_doc.StartAt(swing.price, *midnight);
}

void CMarketWorkspace::ProposePriceStep()
{
    const std::shared_ptr<const BarSeries> series = m_session.Series();
    if (series->bars.empty())
        return;
    const CBaseDraw& chart = m_doc.Chart();
    const auto highest = std::max_element(series->bars.begin(), series->bars.end(),
                                          [](const Bar& a, const Bar& b) { return a.high < b.high; });
    const auto lowest = std::min_element(series->bars.begin(), series->bars.end(),
                                         [](const Bar& a, const Bar& b) { return a.low < b.low; });
    const long long cells = m_doc.Kind().cellCount(chart.LayoutRings());
    const double start = chart.m_fStartPrice;
    const std::optional<double> step = ProposedPriceStep(start, highest->high, cells);
    if (!step) {
        Warn(tr("最高价 %1 不高于本图的起始价 %2：没有可建议的步长。")
                 .arg(highest->high, 0, 'g', 15)
                 .arg(start, 0, 'g', 15));
        return;
    }
    QString text = tr("价格步长 %1 使本图 %2 个单元格从起始价 %3 到 %4，包含 %5 的最高价 %6。")
                       .arg(*step, 0, 'g', 12)
                       .arg(cells)
                       .arg(start, 0, 'g', 15)
                       .arg(start + *step * static_cast<double>(cells - 1), 0, 'g', 12)
                       .arg(Text(m_session.Instrument()->symbol))
                       .arg(highest->high, 0, 'g', 15);
    if (lowest->low < start)
        text += '\n' + tr("低于起始价的价格（最低 %1）不在图上：可先对最低的摆动用 以此为起点。").arg(lowest->low, 0, 'g', 15);
    if (QMessageBox::question(&m_frame, tr("建议价格步长"), text + "\n\n" + tr("采用这个步长吗？")) == QMessageBox::Yes)
        m_doc.SetPriceStep(*step);
}

// A file opened again shows its market as it was left; a file without
// settings (a new one, or one saved under another name) keeps what is shown
// and remembers it.
void CMarketWorkspace::FileChanged(const QString& path)
{
    const std::optional<MarketFileSettings> kept = MarketSettings::Load(path);
    if (!kept) {
        StoreFileSettings();
        return;
    }
    m_restoring = true;
    m_session.SetMethod(kept->method);
    const bool chosen = kept->symbol.empty() || m_session.Choose(kept->symbol).Ok();
    if (kept->symbol.empty())
        m_session.Clear();
    m_pane->SetStyle(kept->style);
    m_pane->SetLog(kept->log);
    if (chosen && kept->span)
        m_pane->SetSpan(kept->span->first, kept->span->second);
    m_restoring = false;
    if (!chosen)
        emit message(tr("这个图表文件的品种 %1 已不在行情库中。").arg(Text(kept->symbol)));
}

void CMarketWorkspace::StoreFileSettings() const
{
    if (m_restoring)
        return;
    MarketFileSettings file;
    file.symbol = m_session.HasInstrument() ? m_session.Instrument()->symbol : std::string();
    file.method = m_session.Method();
    if (m_session.HasInstrument())
        file.span = m_pane->Span();
    file.style = m_pane->Style();
    file.log = m_pane->IsLog();
    MarketSettings::Store(m_doc.Path(), file);
}

std::optional<long long> CMarketWorkspace::TradingDaysBetween(std::int64_t from, std::int64_t to) const
{
    if (!m_tradingDays)
        return std::nullopt;
    return m_tradingDays->Between(from, to);
}

void CMarketWorkspace::FlipPlanetLevels()
{
    if (m_planetScale > 0) {
        m_planetScale = 0;
    } else {
        bool ok = false;
        const double scale = QInputDialog::getDouble(&m_frame, tr("行星价格线"), tr("每度的价格（经度 × 比例）："), 1, 1e-6,
                                                     1e9, 6, &ok);
        if (!ok)
            return;
        m_planetScale = scale;
    }
    UpdatePlanetLevels();
    emit stateChanged();
}

// The sky at the last bar's day, midnight UT: the lines stand for the
// market's latest prices.
void CMarketWorkspace::UpdatePlanetLevels()
{
    std::vector<PlanetLongitude> planets;
    const auto& bars = m_session.Series()->bars;
    if (m_planetScale > 0 && !bars.empty()) {
        SkyMotion sky(m_ephemeris, false);
        const double day = static_cast<double>(BarDayNumber(bars.back().time)) + kUnixEpochJulianDay;
        for (int body = 0; body < kBodyCount; ++body)
            planets.push_back({SkyEventMarks::BodyName(body), sky.Longitude(body, day)});
    }
    m_pane->SetPlanetLevels(std::move(planets), m_planetScale);
}

void CMarketWorkspace::SaveLayout() const
{
    QSettings settings;
    settings.setValue(kPaneShownKey, m_paneDock->isVisible());
    settings.setValue(kSwingListShownKey, SwingListShown());
    settings.setValue(kWhenShownKey, WhenShown());
}

void CMarketWorkspace::Warn(const QString& text) const { QMessageBox::warning(&m_frame, tr("行情"), text); }
