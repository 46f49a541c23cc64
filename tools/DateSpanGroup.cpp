#include "DateSpanGroup.h"

#include "DateClock.h"
#include "DateTimeEdit.h"
#include "HolidayFile.h"
#include "TradingDays.h"

#include <QComboBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace DSA = DateSpanArithmetic;
using DSA::Problem;

namespace {

// Grid columns of the line start "+" span unit "=" end.
enum Column { StartColumn, PlusColumn, SpanColumn, UnitColumn, EqualsColumn, EndColumn };

QMessageBox::Icon IconOf(Problem problem)
{
    switch (problem) {
    case Problem::NoSpan:
        return QMessageBox::Information;
    case Problem::SpanNotInteger:
        return QMessageBox::Warning;
    case Problem::StartInvalid:
    case Problem::EndInvalid:
    case Problem::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

CDateSpanGroup::CDateSpanGroup(bool askForSpan, QWidget* parent)
    : QWidget(parent)
    , m_bAskForSpan(askForSpan)
    , m_pStart(new CDateTimeEdit)
    , m_pSpan(new QLineEdit(QStringLiteral("0")))
    , m_pUnit(new QComboBox)
    , m_pEnd(new CDateTimeEdit)
{
    m_pStart->setObjectName("start");
    m_pSpan->setObjectName("span");
    m_pUnit->setObjectName("unit");
    m_pEnd->setObjectName("end");

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(m_pStart, 0, StartColumn);
    grid->addWidget(new QLabel(QStringLiteral("+")), 0, PlusColumn);
    grid->addWidget(m_pSpan, 0, SpanColumn);
    grid->addWidget(m_pUnit, 0, UnitColumn);
    grid->addWidget(new QLabel(QStringLiteral("=")), 0, EqualsColumn);
    grid->addWidget(m_pEnd, 0, EndColumn);
    grid->addWidget(NewComputeButton("computeStart", &CDateSpanGroup::ComputeStart), 1, StartColumn);
    grid->addWidget(NewComputeButton("computeSpan", &CDateSpanGroup::ComputeSpan), 1, SpanColumn);
    grid->addWidget(NewComputeButton("computeEnd", &CDateSpanGroup::ComputeEnd), 1, EndColumn);
    auto* holidays = new QPushButton(tr("节假日文件…"));
    holidays->setObjectName("holidays");
    connect(holidays, &QPushButton::clicked, this, &CDateSpanGroup::ChooseHolidays);
    m_pHolidayFile = new QLabel(tr("无：交易日为周一至周五"));
    m_pHolidayFile->setObjectName("holidayFile");
    grid->addWidget(holidays, 2, StartColumn);
    grid->addWidget(m_pHolidayFile, 2, SpanColumn, 1, EndColumn - SpanColumn + 1);
    m_pSpan->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("-0000000")));

    for (int i = 0; i < DSA::kUnitCount; ++i) {
        const auto unit = static_cast<DSA::SpanUnit>(i);
        m_pUnit->addItem(unit == DSA::SpanUnit::Trading ? tr("交易日") : QString::fromLatin1(DSA::UnitName(unit)));
    }
    m_pUnit->setCurrentIndex(0);
    const COleDateTimeEx now = CDateClock::Now();
    m_pStart->SetValue(now);
    m_pEnd->SetValue(now);
    // Only the user's choice of unit recomputes, not the filling above.
    connect(m_pUnit, &QComboBox::currentIndexChanged, this, &CDateSpanGroup::ComputeSpan);
}

void CDateSpanGroup::ShowMessage(QMessageBox::Icon icon, const QString& text)
{
    if (m_showMessage) {
        m_showMessage(icon, text);
        return;
    }
    QMessageBox box(icon, QGuiApplication::applicationDisplayName(), text, QMessageBox::Ok, this);
    box.exec();
}

void CDateSpanGroup::ComputeSpan()
{
    const DSA::Outcome outcome = DSA::ComputeSpan(m_pStart->Value(), m_pEnd->Value(), Unit(), m_trading.get());
    if (Succeeded(outcome))
        m_pSpan->setText(QString::number(outcome.span));
}

void CDateSpanGroup::ComputeStart()
{
    const DSA::Outcome outcome
        = DSA::ComputeStart(m_pEnd->Value(), m_pSpan->text().toStdString(), Unit(), m_bAskForSpan, m_trading.get());
    if (Succeeded(outcome))
        m_pStart->SetValue(outcome.date);
}

void CDateSpanGroup::ComputeEnd()
{
    const DSA::Outcome outcome
        = DSA::ComputeEnd(m_pStart->Value(), m_pSpan->text().toStdString(), Unit(), m_bAskForSpan, m_trading.get());
    if (Succeeded(outcome))
        m_pEnd->SetValue(outcome.date);
}

bool CDateSpanGroup::ReadHolidays(const QString& path)
{
    Result<std::vector<std::int64_t>> days = HolidayFile::Read(path.toStdString());
    if (!days.Ok()) {
        ShowMessage(QMessageBox::Warning, QString::fromStdString(days.Message()));
        return false;
    }
    m_trading = std::make_shared<const CTradingDays>(std::vector<std::int64_t>{}, std::move(days.Value()));
    m_pHolidayFile->setText(QFileInfo(path).fileName());
    m_pHolidayFile->setToolTip(path);
    return true;
}

void CDateSpanGroup::ChooseHolidays()
{
    const QString path = QFileDialog::getOpenFileName(this, tr("节假日文件"), QString(), tr("文本文件 (*.txt);;所有文件 (*)"));
    if (!path.isEmpty())
        ReadHolidays(path);
}

QPushButton* CDateSpanGroup::NewComputeButton(const char* name, void (CDateSpanGroup::*compute)())
{
    auto* button = new QPushButton(tr("计算"));
    button->setObjectName(name);
    connect(button, &QPushButton::clicked, this, compute);
    return button;
}

DSA::SpanUnit CDateSpanGroup::Unit() const
{
    return static_cast<DSA::SpanUnit>(m_pUnit->currentIndex());
}

bool CDateSpanGroup::Succeeded(const DSA::Outcome& outcome)
{
    if (outcome.problem == Problem::None)
        return true;
    ShowMessage(IconOf(outcome.problem), QString::fromLatin1(DSA::MessageOf(outcome.problem)));
    QLineEdit* field = m_pSpan;
    if (outcome.problem == Problem::StartInvalid)
        field = m_pStart;
    else if (outcome.problem == Problem::EndInvalid)
        field = m_pEnd;
    field->setFocus();
    field->selectAll();
    return false;
}
