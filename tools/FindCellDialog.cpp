#include "FindCellDialog.h"

#include "PivotInput.h"

#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QVBoxLayout>

CFindCellDialog::CFindCellDialog(QWidget* parent)
    : QDialog(parent)
    , m_byPrice(new QRadioButton(tr("价格")))
    , m_byDate(new QRadioButton(tr("日期")))
    , m_byNumber(new QRadioButton(tr("编号")))
    , m_text(new QLineEdit)
{
    setWindowTitle(tr("查找"));
    m_byPrice->setObjectName("byPrice");
    m_byDate->setObjectName("byDate");
    m_byNumber->setObjectName("byNumber");
    m_text->setObjectName("text");
    m_text->setPlaceholderText(tr("价格、YYYY-MM-DD 或编号"));
    m_byNumber->setChecked(true);

    auto* kinds = new QHBoxLayout;
    for (QRadioButton* button : {m_byPrice, m_byDate, m_byNumber})
        kinds->addWidget(button);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &CFindCellDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CFindCellDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(kinds);
    layout->addWidget(m_text);
    layout->addWidget(buttons);
    m_text->setFocus();
}

std::optional<CellQuery> CFindCellDialog::Ask(QWidget* parent)
{
    CFindCellDialog dialog(parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Query();
}

void CFindCellDialog::accept()
{
    const Result<CellQuery> query = PivotInput::ReadQuery(Chosen(), m_text->text().trimmed().toStdString());
    if (!query.Ok()) {
        QMessageBox::warning(this, QGuiApplication::applicationDisplayName(), QString::fromStdString(query.Message()));
        m_text->setFocus();
        m_text->selectAll();
        return;
    }
    m_query = query.Value();
    QDialog::accept();
}

CellQuery::By CFindCellDialog::Chosen() const
{
    if (m_byPrice->isChecked())
        return CellQuery::By::Price;
    return m_byDate->isChecked() ? CellQuery::By::Date : CellQuery::By::Number;
}
