#include "SkyEventTab.h"

#include "DockControls.h"
#include "Ephemeris.h"
#include "LocalToUniversal.h"
#include "SkyEventTableModel.h"
#include "SkyMotion.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableView>
#include <QThread>
#include <QVBoxLayout>

#include <algorithm>
#include <ctime>
#include <iterator>

namespace {

using DockControls::DateField;
using DockControls::Row;

constexpr int kMoon = 1;
constexpr int kBodiesPerRow = 5;
constexpr int kDefaultRangeDays = 365;
// Shorter ranges take a fraction of a second: they are searched at once.
constexpr int kSynchronousDays = 5 * 366;
const QDate kEpoch(1970, 1, 1);

double JulianDay(const QDate& date) { return kUnixEpochJulianDay + static_cast<double>(kEpoch.daysTo(date)); }

} // namespace

// One search and what it found; the worker fills it, the tab reads it once
// the worker has finished.
struct CSkyEventTab::Search {
    SkyQuery query;
    bool heliocentric = false;
    std::vector<SkyEvent> events;
    std::string error;
    bool analytic = false;

    // The library keeps its state per thread, so the search sets it up in
    // the thread it runs in; SkyMotion holds the library while it lives.
    void Run()
    {
        const Ephemeris ephemeris;
        SkyMotion sky(ephemeris, heliocentric);
        events = SkyEventSearch(sky).Find(query);
        error = sky.Error();
        analytic = sky.Analytic();
    }
};

CSkyEventTab::CSkyEventTab(const CityList& cities, QWidget* parent)
    : QWidget(parent)
    , m_cities(cities)
    , m_model(new CSkyEventTableModel(this))
    , m_busy(new QProgressBar)
    , m_note(new QLabel)
    , m_table(new QTableView)
{
    m_table->setObjectName("events");
    m_table->setModel(m_model);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_note->setObjectName("eventNote");
    m_note->setWordWrap(true);
    m_busy->setRange(0, 0);
    m_busy->setTextVisible(false);
    m_busy->hide();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(BuildRange());
    layout->addWidget(BuildBodies());
    layout->addWidget(BuildAspects());
    layout->addWidget(m_note);
    layout->addWidget(m_busy);
    layout->addWidget(m_table, 1);
    layout->addWidget(BuildButtons());
    FillPlaces();
}

CSkyEventTab::~CSkyEventTab()
{
    if (m_worker)
        m_worker->wait();
}

QWidget* CSkyEventTab::BuildRange()
{
    m_from = DateField(QDate::currentDate(), "eventsFrom");
    m_to = DateField(QDate::currentDate().addDays(kDefaultRangeDays), "eventsTo");
    m_helio = new QCheckBox(tr("日心"));
    m_helio->setObjectName("helio");
    m_place = new QComboBox;
    m_place->setObjectName("place");
    m_place->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    connect(m_helio, &QCheckBox::toggled, this, [this](bool helio) {
        // Seen from the sun, the sun is the centre and the moon goes with the earth.
        m_bodies[0]->setEnabled(!helio);
        m_bodies[kMoon]->setEnabled(!helio);
    });
    connect(m_place, qOverload<int>(&QComboBox::currentIndexChanged), this,
            [this] { m_model->SetEvents(m_events, Clock()); });
    auto* box = new QWidget;
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Row({new QLabel(tr("日期范围")), m_from, new QLabel(tr("至")), m_to, m_helio}));
    layout->addWidget(Row({new QLabel(tr("地点")), m_place}));
    return box;
}

QWidget* CSkyEventTab::BuildBodies()
{
    auto* box = new QWidget;
    auto* layout = new QGridLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    for (int body = 0; body < kBodyCount; ++body) {
        auto* check = new QCheckBox(CSkyEventTableModel::BodyName(body));
        check->setObjectName(QString("body_") + kBodyKeys[body]);
        check->setChecked(body != kMoon);
        layout->addWidget(check, body / kBodiesPerRow, body % kBodiesPerRow);
        m_bodies.push_back(check);
    }
    return box;
}

QWidget* CSkyEventTab::BuildAspects()
{
    auto* box = new QWidget;
    auto* layout = new QHBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(tr("相位")));
    for (const int angle : kAllAspects) {
        auto* check = new QCheckBox(QString("%1°").arg(angle));
        check->setObjectName(QString("aspect_%1").arg(angle));
        check->setChecked(std::find(std::begin(kMajorAspects), std::end(kMajorAspects), angle) !=
                          std::end(kMajorAspects));
        layout->addWidget(check);
        m_aspects.push_back(check);
    }
    layout->addStretch();
    return box;
}

QWidget* CSkyEventTab::BuildButtons()
{
    m_find = new QPushButton(tr("查找"));
    m_find->setObjectName("find");
    connect(m_find, &QPushButton::clicked, this, &CSkyEventTab::Find);
    return TextExport::ButtonRow(m_find, [this](TextExport::Format format) { AskExport(format); });
}

void CSkyEventTab::showEvent(QShowEvent* event)
{
    if (m_place->count() != static_cast<int>(m_cities.cities.size()))
        FillPlaces();
    QWidget::showEvent(event);
}

void CSkyEventTab::FillPlaces()
{
    const QSignalBlocker quiet(m_place);
    m_place->clear();
    for (const CityInfo& city : m_cities.cities)
        m_place->addItem(QString::fromStdString(city.Name));
    if (m_cities.selected >= 0 && m_cities.selected < m_place->count())
        m_place->setCurrentIndex(m_cities.selected);
    m_model->SetEvents(m_events, Clock());
}

// Without a city the times are the computer's.
SkyClock CSkyEventTab::Clock() const
{
    const int index = m_place->currentIndex();
    if (index < 0 || index >= static_cast<int>(m_cities.cities.size()))
        return {std::nullopt, {}, LocalToUniversal::ComputerZone()};
    const CityInfo& city = m_cities.cities[static_cast<std::size_t>(index)];
    return {city.Bias, city.Zone, LocalToUniversal::ComputerZone()};
}

bool CSkyEventTab::ReadQuery(SkyQuery& query, QString& error) const
{
    if (m_to->date() < m_from->date()) {
        error = tr("结束日期早于开始日期。");
        return false;
    }
    query.from = JulianDay(m_from->date());
    // To the end of the last day, as quadrix-cli events --to takes a date.
    query.to = JulianDay(m_to->date()) + 86399.0 / 86400.0;
    for (int body = 0; body < kBodyCount; ++body)
        if (m_bodies[static_cast<std::size_t>(body)]->isChecked() && m_bodies[static_cast<std::size_t>(body)]->isEnabled())
            query.bodies.push_back(body);
    for (std::size_t i = 0; i < m_aspects.size(); ++i)
        if (m_aspects[i]->isChecked())
            query.aspects.push_back(kAllAspects[i]);
    if (query.bodies.empty()) {
        error = tr("请至少选择一个天体。");
        return false;
    }
    return true;
}

void CSkyEventTab::Find()
{
    if (Busy())
        return;
    auto search = std::make_shared<Search>();
    QString error;
    if (!ReadQuery(search->query, error)) {
        m_note->setText(error);
        return;
    }
    search->heliocentric = m_helio->isChecked();
    if (m_from->date().daysTo(m_to->date()) <= kSynchronousDays) {
        search->Run();
        Finished(*search);
        return;
    }
    m_worker.reset(QThread::create([search] { search->Run(); }));
    connect(m_worker.get(), &QThread::finished, this, [this, search] {
        m_worker->wait(); // finished comes just before the thread ends
        m_worker.reset();
        ShowBusy(false);
        Finished(*search);
    });
    ShowBusy(true);
    m_worker->start();
}

void CSkyEventTab::ShowBusy(bool busy)
{
    m_busy->setVisible(busy);
    m_find->setEnabled(!busy);
    if (busy)
        m_note->setText(tr("正在查找…"));
}

void CSkyEventTab::Finished(const Search& search)
{
    m_events = search.events;
    m_model->SetEvents(m_events, Clock());
    QString note = search.error.empty() ? tr("共 %1 个事件。").arg(m_events.size())
                                        : QString::fromStdString(search.error);
    if (search.analytic)
        note += QLatin1Char(' ') + tr("此范围有一部分超出星历数据文件的年份（%1），由程序库的解析模型计算。")
                                       .arg(QString::fromStdString(Ephemeris().DataCoverage()));
    m_note->setText(note);
    emit eventsShown(m_events);
}

std::string CSkyEventTab::Bytes(TextExport::Format format) const
{
    if (format == TextExport::Format::Csv)
        return SkyEventTable::Csv(m_events, Clock());
    return SkyEventTable::Ics(m_events, Clock(), static_cast<std::int64_t>(std::time(nullptr)));
}

Result<void> CSkyEventTab::Export(TextExport::Format format, const QString& path) const
{
    return TextExport::Write(path, Bytes(format));
}

void CSkyEventTab::AskExport(TextExport::Format format) { TextExport::AskAndWrite(this, format, Bytes(format)); }
