#include "TargetPanel.h"

#include "BarTime.h"
#include "CellTable.h"
#include "PivotInput.h"
#include "ChartDocument.h"
#include "DocumentDialogs.h"
#include "Swings.h"
#include "TargetTable.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

// The file's columns but the cell's centre, which says nothing on screen.
constexpr int kShownColumns = 10;

static_assert(TargetCount(PivotInput::kMaxAngles, CTargetPanel::kMaxTurns) <= kMaxTargets);

QString Text(const std::string& s) { return QString::fromStdString(s); }

std::optional<std::int64_t> DayOf(const std::string& date)
{
    const std::optional<std::int64_t> time = date.empty() ? std::nullopt : BarTime::Parse(date);
    return time ? std::optional(BarDayNumber(*time)) : std::nullopt;
}

} // namespace

CTargetPanel::CTargetPanel(CChartDocument& document, CDocumentDialogs& dialogs, QWidget* parent)
    : QDockWidget(tr("目标"), parent)
    , m_doc(document)
    , m_dialogs(dialogs)
    , m_pivot(new QLabel)
    , m_angles(new QLineEdit(Text(PivotInput::AnglesText(document.Marks().Angles()))))
    , m_anglesError(new QLabel)
    , m_turns(new QSpinBox)
    , m_table(new QTableWidget(0, kShownColumns))
{
    setObjectName("targetPanel");
    m_angles->setObjectName("angles");
    m_turns->setObjectName("turns");
    m_pivot->setObjectName("pivot");
    m_table->setObjectName("targets");
    m_anglesError->setStyleSheet(QStringLiteral("color: #c00000"));
    m_turns->setRange(0, kMaxTurns);
    m_turns->setValue(document.Marks().Turns());
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->hide();

    auto* body = new QWidget;
    auto* layout = new QVBoxLayout(body);
    layout->addWidget(m_pivot);
    layout->addWidget(BuildControls());
    layout->addWidget(m_table, 1);
    layout->addWidget(BuildButtons());
    setWidget(body);

    connect(m_angles, &QLineEdit::editingFinished, this, &CTargetPanel::ReadAngles);
    connect(m_turns, qOverload<int>(&QSpinBox::valueChanged), &m_doc, &CChartDocument::SetTargetTurns);
    connect(&m_doc, &CChartDocument::marksChanged, this, &CTargetPanel::ShowMarks);
    ShowMarks();
}

QWidget* CTargetPanel::BuildControls()
{
    auto* controls = new QWidget;
    auto* form = new QFormLayout(controls);
    form->setContentsMargins(0, 0, 0, 0);
    form->addRow(tr("角度:"), m_angles);
    form->addRow(QString(), m_anglesError);
    form->addRow(tr("圈数 ±:"), m_turns);
    return controls;
}

QWidget* CTargetPanel::BuildButtons()
{
    auto* clear = new QPushButton(tr("清除"));
    m_exportCsv = new QPushButton(tr("导出 CSV..."));
    m_exportCalendar = new QPushButton(tr("导出日历..."));
    clear->setObjectName("clear");
    m_exportCsv->setObjectName("exportCsv");
    m_exportCalendar->setObjectName("exportCalendar");
    connect(clear, &QPushButton::clicked, &m_doc, &CChartDocument::ClearMarks);
    connect(m_exportCsv, &QPushButton::clicked, &m_dialogs, &CDocumentDialogs::ExportTargetTable);
    connect(m_exportCalendar, &QPushButton::clicked, &m_dialogs, &CDocumentDialogs::ExportTargetCalendar);

    auto* buttons = new QWidget;
    auto* row = new QHBoxLayout(buttons);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(clear);
    row->addStretch();
    row->addWidget(m_exportCsv);
    row->addWidget(m_exportCalendar);
    return buttons;
}

void CTargetPanel::ReadAngles()
{
    const Result<std::vector<double>> angles = PivotInput::ReadAngles(m_angles->text().toStdString());
    m_anglesError->setText(angles.Ok() ? QString() : Text(angles.Message()));
    if (angles.Ok() && angles.Value() != m_doc.Marks().Angles())
        m_doc.SetTargetAngles(angles.Value());
}

void CTargetPanel::SetDayCounter(DayCounter counter)
{
    m_countDays = std::move(counter);
    ShowMarks();
}

QString CTargetPanel::PivotText(const Target& pivot)
{
    return tr("编号 %1, 价格 %2, 日期 %3")
        .arg(pivot.number)
        .arg(Text(CellTable::PriceText(pivot.price)))
        .arg(pivot.date.empty() ? QStringLiteral("-") : Text(pivot.date));
}

QString CTargetPanel::TradingDaysText(const std::string& pivotDate, const std::string& date) const
{
    const std::optional<std::int64_t> from = DayOf(pivotDate);
    const std::optional<std::int64_t> to = DayOf(date);
    const std::optional<long long> count = from && to ? m_countDays(*from, *to) : std::nullopt;
    return count ? QString::number(*count) : QString();
}

void CTargetPanel::ShowMarks()
{
    const CTargetMarks& marks = m_doc.Marks();
    const std::vector<Target>& targets = marks.Targets();
    const std::vector<std::string> titles = TargetTable::HeaderRow(TargetTable::Headers::Interface);
    QStringList headers;
    for (int i = 0; i < kShownColumns; ++i)
        headers << Text(titles[static_cast<size_t>(i)]);
    if (m_countDays)
        headers << tr("交易日");
    m_table->setColumnCount(static_cast<int>(headers.size()));
    m_table->setHorizontalHeaderLabels(headers);
    if (const std::optional<Target>& pivot = marks.PivotRow())
        m_pivot->setText(tr("支点: %1").arg(PivotText(*pivot)));
    else
        m_pivot->setText(tr("用目标工具点击一个单元格作为支点。"));
    m_table->setRowCount(static_cast<int>(targets.size()));
    for (size_t row = 0; row < targets.size(); ++row) {
        const std::vector<std::string> fields = TargetTable::Fields(targets[row]);
        QStringList texts;
        for (int column = 0; column < kShownColumns; ++column)
            texts << Text(fields[static_cast<size_t>(column)]);
        if (m_countDays)
            texts << TradingDaysText(marks.PivotRow() ? marks.PivotRow()->date : std::string(), targets[row].date);
        for (int column = 0; column < texts.size(); ++column) {
            auto* item = new QTableWidgetItem(texts[column]);
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_table->setItem(static_cast<int>(row), column, item);
        }
    }
    m_table->resizeColumnsToContents();
    // The dock widens to show every column.
    m_table->setMinimumWidth(m_table->horizontalHeader()->length() + m_table->verticalScrollBar()->sizeHint().width() +
                             2 * m_table->frameWidth());
    m_exportCsv->setEnabled(!targets.empty());
    m_exportCalendar->setEnabled(!targets.empty());
}
