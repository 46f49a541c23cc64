#include "ChartPropertyDialog.h"

#include "BaseDraw.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

using ChartPropertyRules::Field;

namespace {

// Grid rows of the upper frame: group titles, start, step, group bottoms.
constexpr int kTitleRow = 0;
constexpr int kStartRow = 1;
constexpr int kStepRow = 2;
constexpr int kBottomRow = 3;
// Grid columns: row labels, then margin, edit, margin for each group.
constexpr int kPriceColumn = 1;
constexpr int kTimeColumn = 4;

} // namespace

CChartProperty::CChartProperty(const ChartPropertyRules::Values& values, QWidget* parent)
    : QDialog(parent)
    , m_values(values)
{
    const ChartPropertyRules::Texts texts = ChartPropertyRules::TextsOf(values);
    // Created in tab order.
    m_editStart = NewEdit("start", texts.start);
    m_editStep = NewEdit("step", texts.step);
    m_editStartDate = NewEdit("startDate", texts.startDate);
    m_editTimeStep = NewEdit("timeStep", texts.timeStep);
    m_editRings = NewEdit("rings", texts.rings);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(BuildFrame());
    layout->addLayout(BuildBottomRow());
    layout->setSizeConstraint(QLayout::SetFixedSize);
    m_editStart->setFocus();
}

bool CChartProperty::Edit(CBaseDraw& chart, QWidget* parent)
{
    CChartProperty dialog(ChartPropertyRules::ValuesOf(chart), parent);
    dialog.setWindowTitle(QString::fromStdString(chart.GetName()));
    if (dialog.exec() != QDialog::Accepted)
        return false;
    ChartPropertyRules::Apply(chart, dialog.Values());
    return true;
}

void CChartProperty::accept()
{
    const ChartPropertyRules::Confirmed confirmed = ChartPropertyRules::Confirm(Texts());
    if (!confirmed.values.Ok()) {
        ShowMessage(QString::fromStdString(confirmed.values.Message()));
        QLineEdit* edit = EditOf(confirmed.field);
        edit->setFocus();
        edit->selectAll();
        return;
    }
    m_values = confirmed.values.Value();
    QDialog::accept();
}

// The upper frame: the row labels "起点:" and "步长:" on the left, then the
// "价格" and "时间" groups with a start and a step edit each. The groups lie
// in the same grid as their edits, under them, so that each label lines up
// with the edits of its row.
QGroupBox* CChartProperty::BuildFrame()
{
    auto* frame = new QGroupBox;
    auto* grid = new QGridLayout(frame);
    const int margin = style()->pixelMetric(QStyle::PM_LayoutLeftMargin);
    grid->setRowMinimumHeight(kTitleRow, fontMetrics().height());
    grid->setRowMinimumHeight(kBottomRow, margin);
    AddGroup(grid, tr("价格"), kPriceColumn, m_editStart, m_editStep);
    AddGroup(grid, tr("时间"), kTimeColumn, m_editStartDate, m_editTimeStep);
    grid->addWidget(new QLabel(tr("起点:")), kStartRow, 0);
    grid->addWidget(new QLabel(tr("步长:")), kStepRow, 0);
    return frame;
}

// A titled group over three columns from column, with its two edits in the
// middle one; the group is added first so that the edits lie above it.
void CChartProperty::AddGroup(QGridLayout* grid, const QString& title, int column, QLineEdit* start, QLineEdit* step)
{
    grid->addWidget(new QGroupBox(title), kTitleRow, column, kBottomRow - kTitleRow + 1, 3);
    grid->addWidget(start, kStartRow, column + 1);
    grid->addWidget(step, kStepRow, column + 1);
}

// The ring count left of OK and Cancel.
QLayout* CChartProperty::BuildBottomRow()
{
    auto* ok = new QPushButton(tr("确定"));
    ok->setObjectName("ok");
    ok->setDefault(true);
    auto* cancel = new QPushButton(tr("取消"));
    cancel->setObjectName("cancel");
    connect(ok, &QPushButton::clicked, this, &CChartProperty::accept);
    connect(cancel, &QPushButton::clicked, this, &CChartProperty::reject);

    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(tr("图表圈数:")));
    row->addWidget(m_editRings);
    row->addStretch();
    row->addWidget(ok);
    row->addWidget(cancel);
    return row;
}

QLineEdit* CChartProperty::NewEdit(const char* name, const std::string& text)
{
    auto* edit = new QLineEdit(QString::fromStdString(text), this);
    edit->setObjectName(name);
    return edit;
}

QLineEdit* CChartProperty::EditOf(Field field) const
{
    switch (field) {
    case Field::Rings:
        return m_editRings;
    case Field::TimeStep:
        return m_editTimeStep;
    case Field::Step:
        return m_editStep;
    case Field::StartDate:
        return m_editStartDate;
    case Field::Start:
    case Field::None:
        break;
    }
    return m_editStart;
}

ChartPropertyRules::Texts CChartProperty::Texts() const
{
    return {m_editRings->text().toStdString(), m_editTimeStep->text().toStdString(), m_editStart->text().toStdString(),
        m_editStep->text().toStdString(), m_editStartDate->text().toStdString()};
}

void CChartProperty::ShowMessage(const QString& message)
{
    if (m_showMessage)
        m_showMessage(message);
    else
        QMessageBox::warning(this, QGuiApplication::applicationDisplayName(), message);
}
