#include "PlanetMomentDialog.h"

#include "AstroDateText.h"
#include "AstroMessage.h"
#include "AstrologyReport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

CPlanetMomentDlg::CPlanetMomentDlg(const std::vector<CityInfo>& cities, int city, const std::string& date,
                                   QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("行星时间"));
    const std::string shown = date.empty() ? AstroDateText::Format(AstroDateText::NowLocal()) : date;
    m_editDate = new QLineEdit(QString::fromStdString(shown), this);
    m_editDate->setObjectName("date");
    m_editDate->setEnabled(!date.empty());
    m_checkNow = new QCheckBox(tr("现在"), this);
    m_checkNow->setObjectName("now");
    m_checkNow->setChecked(date.empty());
    connect(m_checkNow, &QCheckBox::toggled, m_editDate, [this](bool now) { m_editDate->setEnabled(!now); });
    m_comboCity = new QComboBox(this);
    m_comboCity->setObjectName("city");
    for (const CityInfo& each : cities)
        m_comboCity->addItem(QString::fromStdString(each.Name));
    m_comboCity->setCurrentIndex(city >= 0 && city < static_cast<int>(cities.size()) ? city : -1);

    auto* form = new QFormLayout;
    form->addRow(tr("日期:"), m_editDate);
    form->addRow(QString(), new QLabel(QString::fromLatin1(AstroDateText::kFieldHint), this));
    form->addRow(QString(), m_checkNow);
    form->addRow(tr("城市:"), m_comboCity);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CPlanetMomentDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CPlanetMomentDlg::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

std::string CPlanetMomentDlg::DateText() const
{
    return m_checkNow->isChecked() ? std::string() : m_editDate->text().toStdString();
}

int CPlanetMomentDlg::CityIndex() const { return m_comboCity->currentIndex(); }

// A refused moment keeps the dialog open with the astrology dialog's message.
void CPlanetMomentDlg::accept()
{
    if (!m_checkNow->isChecked()) {
        const AstroDateText::Check date = AstroDateText::CheckText(DateText());
        if (!date.fields)
            return ShowMessage(date.message, date.information);
    }
    if (CityIndex() < 0)
        return ShowMessage(AstrologyReport::kSelectCity, true);
    QDialog::accept();
}

void CPlanetMomentDlg::ShowMessage(const std::string& message, bool information)
{
    ShowAstroMessage(this, m_showMessage, message, information);
}
