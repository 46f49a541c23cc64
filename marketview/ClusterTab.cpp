#include "ClusterTab.h"

#include "BarTime.h"
#include "ChartDocument.h"
#include "ClusterTable.h"
#include "DockControls.h"
#include "DecimalText.h"
#include "FileDialogs.h"
#include "HolidayFile.h"
#include "MarketSession.h"
#include "PivotTargets.h"
#include "ProjectionCounts.h"
#include "Swings.h"
#include "TradingDays.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include <cmath>
#include <ctime>

namespace {

using DockControls::DateField;
using DockControls::Row;

// As quadrix-cli clusters takes them.
constexpr int kMaxWindow = 366;
constexpr int kDefaultRangeDays = 365;
constexpr int kMaxRangeDays = 1000 * 366;
constexpr double kMaxScale = 1e6;
constexpr int kScaleDecimals = 4;

const QDate kEpoch(1970, 1, 1);

std::int64_t DayOf(const QDate& date) { return kEpoch.daysTo(date); }

QString Text(const std::string& text) { return QString::fromStdString(text); }

QTableWidget* NewTable(const QString& name, const QStringList& titles)
{
    auto* table = new QTableWidget(0, static_cast<int>(titles.size()));
    table->setObjectName(name);
    table->setHorizontalHeaderLabels(titles);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

void SetRow(QTableWidget& table, int row, const QStringList& texts)
{
    for (int column = 0; column < texts.size(); ++column)
        table.setItem(row, column, new QTableWidgetItem(texts[column]));
}

// An empty note takes no room.
void ShowNote(QLabel& label, const QString& text)
{
    label.setText(text);
    label.setVisible(!text.isEmpty());
}

// A calendar holds at least one event.
QString NoCalendar() { return CClusterTab::tr("没有时间簇，无日历可写。"); }

} // namespace

CClusterTab::CClusterTab(CMarketSession& session, CChartDocument& document, QWidget* parent)
    : QWidget(parent)
    , m_session(session)
    , m_document(document)
    , m_note(new QLabel)
    , m_clusterTable(NewTable("clusters", {tr("日期"), tr("得分"), tr("方法数"), tr("摆动")}))
    , m_projectionTable(NewTable("projections", {tr("摆动"), tr("高/低"), tr("方法"), tr("天数"), tr("日期")}))
{
    m_note->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(BuildMethods());
    layout->addWidget(BuildOptions());
    layout->addWidget(BuildHolidays());
    layout->addWidget(m_note);
    layout->addWidget(m_clusterTable, 2);
    layout->addWidget(m_projectionTable, 1);
    layout->addWidget(BuildButtons());
    connect(m_clusterTable, &QTableWidget::currentCellChanged, this, [this](int row) { ShowProjections(row); });
    connect(m_clusterTable, &QTableWidget::cellClicked, this, [this](int row) {
        if (row >= 0 && row < static_cast<int>(m_clusters.size()))
            emit clusterChosen(m_clusters[static_cast<std::size_t>(row)].day);
    });
    // Projecting 200 swings takes a few hundredths of a second: the clusters
    // follow the swings and the chart at once.
    connect(&m_session, &CMarketSession::swingsChanged, this, &CClusterTab::Compute);
    connect(&m_document, &CChartDocument::kindChanged, this, &CClusterTab::Compute);
    connect(&m_document, &CChartDocument::parametersChanged, this, &CClusterTab::Compute);
    Compute();
}

QWidget* CClusterTab::BuildMethods()
{
    const QString names[kProjectionMethods] = {tr("日历日"), tr("交易日"), tr("图表目标"), tr("价格时间平方")};
    for (int m = 0; m < kProjectionMethods; ++m) {
        m_methods[m] = new QCheckBox(names[m]);
        m_methods[m]->setObjectName(QString("method_") + MethodName(static_cast<ProjectionMethod>(m)));
        m_methods[m]->setChecked(true);
    }
    QWidget* row = Row({m_methods, m_methods + kProjectionMethods});
    return row;
}

QWidget* CClusterTab::BuildOptions()
{
    const ProjectionOptions defaults;
    m_counts = new QLineEdit(Text(ProjectionCounts::Text(defaults.counts, defaults.wholeYears)));
    m_counts->setObjectName("counts");
    m_window = new QSpinBox;
    m_window->setObjectName("window");
    m_window->setRange(0, kMaxWindow);
    m_window->setValue(1);
    m_window->setSuffix(tr(" 天"));
    m_scale = new QDoubleSpinBox;
    m_scale->setObjectName("scale");
    m_scale->setDecimals(kScaleDecimals);
    m_scale->setRange(std::pow(10.0, -kScaleDecimals), kMaxScale);
    m_scale->setValue(defaults.scale);
    m_from = DateField(QDate::currentDate(), "from");
    m_to = DateField(QDate::currentDate().addDays(kDefaultRangeDays), "to");
    QWidget* range = Row({m_from, new QLabel(tr("至")), m_to});

    auto* box = new QWidget;
    auto* form = new QFormLayout(box);
    form->setContentsMargins(0, 0, 0, 0);
    form->addRow(tr("天数"), m_counts);
    form->addRow(tr("窗口 ±"), Row({m_window}));
    form->addRow(tr("日期范围"), range);
    form->addRow(tr("平方比例"), Row({m_scale}));
    return box;
}

QWidget* CClusterTab::BuildHolidays()
{
    m_holidayName = new QLabel(tr("无"));
    m_holidayName->setObjectName("holidayFile");
    m_holidayNote = new QLabel;
    m_holidayNote->setObjectName("holidayNote");
    m_holidayNote->setWordWrap(true);
    m_holidayNote->setStyleSheet("color: #b00020");
    m_holidayNote->hide();
    auto* choose = new QPushButton(tr("假日文件…"));
    auto* clear = new QPushButton(tr("清除"));
    connect(choose, &QPushButton::clicked, this, &CClusterTab::ChooseHolidays);
    connect(clear, &QPushButton::clicked, this, [this] { SetHolidayFile({}); });
    auto* box = new QWidget;
    auto* layout = new QGridLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(choose, 0, 0);
    layout->addWidget(m_holidayName, 0, 1);
    layout->addWidget(clear, 0, 2);
    layout->addWidget(m_holidayNote, 1, 0, 1, 3);
    layout->setColumnStretch(1, 1);
    return box;
}

QWidget* CClusterTab::BuildButtons()
{
    auto* compute = new QPushButton(tr("计算"));
    compute->setObjectName("compute");
    connect(compute, &QPushButton::clicked, this, &CClusterTab::Compute);
    return TextExport::ButtonRow(compute, [this](TextExport::Format format) { AskExport(format); });
}

void CClusterTab::SetHolidayFile(const QString& path)
{
    m_holidays.clear();
    m_holidayName->setText(tr("无"));
    ShowNote(*m_holidayNote, {});
    if (!path.isEmpty()) {
        Result<std::vector<std::int64_t>> read = HolidayFile::Read(FileDialogs::LocalPath(path));
        if (read.Ok()) {
            m_holidays = std::move(read.Value());
            m_holidayName->setText(QFileInfo(path).fileName());
        } else {
            ShowNote(*m_holidayNote, Text(read.Message()));
        }
    }
    Compute();
}

void CClusterTab::ChooseHolidays()
{
    QFileDialog dialog(this, tr("假日文件"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilters({tr("文本文件 (*.txt *.csv)"), tr("所有文件 (*)")});
    const QString path = FileDialogs::Ask(dialog);
    if (!path.isEmpty())
        SetHolidayFile(path);
}

bool CClusterTab::ReadOptions(ProjectionOptions& options, std::string& error) const
{
    for (int m = 0; m < kProjectionMethods; ++m)
        options.methods[m] = m_methods[m]->isChecked();
    std::string bad;
    if (!ProjectionCounts::Read(m_counts->text().toStdString(), options.counts, options.wholeYears, bad)) {
        error = tr("天数须为 1 到 %1 的整数或 years，“%2”不是").arg(ProjectionCounts::kMaxCount).arg(Text(bad)).toStdString();
        return false;
    }
    const std::int64_t from = DayOf(m_from->date());
    const std::int64_t to = DayOf(m_to->date());
    if (to < from || to - from > kMaxRangeDays) {
        error = tr("日期范围须为 0 到 %1 天").arg(kMaxRangeDays).toStdString();
        return false;
    }
    options.scale = m_scale->value();
    // A neighbour's window reaches two windows beyond the range.
    options.first = from - 2 * m_window->value();
    options.last = to + 2 * m_window->value();
    return true;
}

// The chart method needs a kind with angles; without one it is left out
// and the note says so.
std::vector<Projection> CClusterTab::Project(ProjectionOptions options, std::string& note) const
{
    const int chart = static_cast<int>(ProjectionMethod::Chart);
    if (options.methods[chart] && !HasAngles(m_document.Kind())) {
        options.methods[chart] = false;
        note = tr("当前图表没有角度，图表目标未计入。").toStdString();
    }
    const std::shared_ptr<const BarSeries> series = m_session.Series();
    const CTradingDays days(series ? BarDays(*series) : std::vector<std::int64_t>(), m_holidays);
    return ProjectDates(m_swings, options, days, m_document.Chart(), m_document.Kind());
}

void CClusterTab::Compute()
{
    m_clusters.clear();
    m_swings.clear();
    m_symbol.clear();
    ProjectionOptions options;
    std::string note;
    if (!m_session.HasInstrument()) {
        note = tr("没有品种：请先在行情菜单中选择本图品种。").toStdString();
    } else if (ReadOptions(options, note)) {
        m_symbol = m_session.Instrument()->symbol;
        for (const Swing& swing : m_session.Swings())
            if (swing.confirmed)
                m_swings.push_back(swing);
        m_shownWindow = m_window->value();
        m_clusters = FindClusters(Project(options, note), m_shownWindow, DayOf(m_from->date()), DayOf(m_to->date()));
        if (m_clusters.empty())
            note += tr("此范围内没有时间簇。").toStdString();
    }
    ShowNote(*m_note, Text(note));
    ShowClusters();
    emit clustersShown(m_clusters, m_shownWindow);
}

void CClusterTab::ShowClusters()
{
    m_clusterTable->setRowCount(0);
    m_clusterTable->setRowCount(static_cast<int>(m_clusters.size()));
    for (std::size_t i = 0; i < m_clusters.size(); ++i) {
        const Cluster& c = m_clusters[i];
        QStringList swings;
        for (const std::string& name : ClusterTable::SwingNames(c, m_swings))
            swings << Text(name);
        SetRow(*m_clusterTable, static_cast<int>(i),
               {Text(ClusterTable::DayText(c.day)), QString::number(c.score), QString::number(c.methods),
                swings.join(", ")});
    }
    ShowProjections(-1);
}

void CClusterTab::ShowProjections(int row)
{
    m_projectionTable->setRowCount(0);
    if (row < 0 || row >= static_cast<int>(m_clusters.size()))
        return;
    const QString methods[kProjectionMethods] = {tr("日历日"), tr("交易日"), tr("图表目标"), tr("价格时间平方")};
    const std::vector<Projection>& projections = m_clusters[static_cast<std::size_t>(row)].projections;
    m_projectionTable->setRowCount(static_cast<int>(projections.size()));
    for (std::size_t i = 0; i < projections.size(); ++i) {
        const Projection& p = projections[i];
        const Swing& s = m_swings[p.swing];
        SetRow(*m_projectionTable, static_cast<int>(i),
               {Text(BarTime::Text(s.time, false)), s.kind == Swing::Kind::High ? tr("高") : tr("低"),
                methods[static_cast<int>(p.method)], Text(DecimalText::Text(p.count)),
                Text(ClusterTable::DayText(p.day))});
    }
}

std::string CClusterTab::Bytes(TextExport::Format format) const
{
    if (format == TextExport::Format::Csv)
        return ClusterTable::Csv(m_clusters, m_swings);
    return ClusterTable::Ics(m_symbol, m_clusters, m_swings, static_cast<std::int64_t>(std::time(nullptr)))
        .value_or(std::string());
}

Result<void> CClusterTab::Export(TextExport::Format format, const QString& path) const
{
    if (format == TextExport::Format::Ics && m_clusters.empty())
        return Failure{NoCalendar().toStdString()};
    return TextExport::Write(path, Bytes(format));
}

void CClusterTab::AskExport(TextExport::Format format)
{
    if (format == TextExport::Format::Ics && m_clusters.empty())
        ShowNote(*m_note, NoCalendar());
    else
        TextExport::AskAndWrite(this, format, Bytes(format));
}
