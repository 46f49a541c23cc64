#include "DegreeCalculatorDialog.h"

#include "ChartPropertyRules.h"
#include "DegreeArithmetic.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <optional>

namespace {

constexpr float kStartP = 360.0f;

QString AngleText(float value)
{
    return QString::fromStdString(DegreeArithmetic::FormatAngle(value));
}

} // namespace

CDegreeCalculator::CDegreeCalculator(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("计算器"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(BuildAngleSection());
    // The labels show the angles of the starting P before anything else is set up.
    ComputeAngles();

    m_pTime = new CDateSpanGroup(true);
    auto* timeSection = new QGroupBox(tr("时间"));
    (new QVBoxLayout(timeSection))->addWidget(m_pTime);
    layout->addWidget(timeSection);
    layout->addLayout(BuildButtonRow());
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void CDegreeCalculator::ComputeAngles()
{
    const std::optional<float> p = ChartPropertyRules::ParseNumber(m_pP->text().toStdString());
    if (!p) {
        m_pTime->ShowMessage(QMessageBox::Warning, QString::fromLatin1(ChartPropertyRules::kEnterNumber));
        m_pP->setFocus();
        m_pP->selectAll();
        return;
    }
    const DegreeArithmetic::Angles angles = DegreeArithmetic::ComputeAngles(*p);
    m_pCarl->setText(AngleText(angles.carl));
    m_pDaniel->setText(AngleText(angles.daniel));
    m_pCircle->setText(AngleText(angles.circle));
    m_pDial->setText(AngleText(angles.dial));
}

// "P/T:" with its edit and "计算" on the first line, the four angles in two
// columns below.
QGroupBox* CDegreeCalculator::BuildAngleSection()
{
    m_pP = new QLineEdit(QString::fromStdString(ChartPropertyRules::FormatNumber(kStartP)));
    m_pP->setObjectName("p");
    auto* compute = new QPushButton(tr("计算"));
    compute->setObjectName("computeAngles");
    connect(compute, &QPushButton::clicked, this, &CDegreeCalculator::ComputeAngles);

    auto* section = new QGroupBox(tr("角度"));
    auto* grid = new QGridLayout(section);
    grid->addWidget(new QLabel(QStringLiteral("P/T:")), 0, 0);
    grid->addWidget(m_pP, 0, 1, 1, 2);
    grid->addWidget(compute, 0, 3);
    m_pCarl = NewAngleLabel("carl");
    m_pDaniel = NewAngleLabel("daniel");
    m_pCircle = NewAngleLabel("circle");
    m_pDial = NewAngleLabel("dial");
    const struct {
        const char* caption;
        QLabel* value;
    } angles[] = {{"Carl:", m_pCarl}, {"Daniel:", m_pDaniel}, {"360:", m_pCircle}, {"24:", m_pDial}};
    for (int i = 0; i < 4; ++i) {
        grid->addWidget(new QLabel(QString::fromLatin1(angles[i].caption)), 1 + i / 2, 2 * (i % 2));
        grid->addWidget(angles[i].value, 1 + i / 2, 2 * (i % 2) + 1);
    }
    return section;
}

// A label that shows one angle, wide enough for any angle so that the
// dialog keeps its size.
QLabel* CDegreeCalculator::NewAngleLabel(const char* name)
{
    auto* label = new QLabel;
    label->setObjectName(name);
    label->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("-000.00")));
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

// "确定" and "取消", both of which only hide the dialog.
QLayout* CDegreeCalculator::BuildButtonRow()
{
    auto* ok = new QPushButton(tr("确定"));
    ok->setObjectName("ok");
    ok->setDefault(true);
    auto* cancel = new QPushButton(tr("取消"));
    cancel->setObjectName("cancel");
    connect(ok, &QPushButton::clicked, this, &CDegreeCalculator::accept);
    connect(cancel, &QPushButton::clicked, this, &CDegreeCalculator::reject);

    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(ok);
    row->addWidget(cancel);
    return row;
}
