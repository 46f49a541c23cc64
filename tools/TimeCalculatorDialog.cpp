#include "TimeCalculatorDialog.h"

#include <QVBoxLayout>

CTimeCalculator::CTimeCalculator(QWidget* parent)
    : QDialog(parent)
    // An empty span field reads as text that is not an integer here.
    , m_pTime(new CDateSpanGroup(false))
{
    setWindowTitle(tr("时间计算器"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pTime);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
