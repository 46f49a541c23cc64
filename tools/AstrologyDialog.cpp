#include "AstrologyDialog.h"

#include "AstroDateText.h"
#include "AstroMessage.h"
#include "AstrologyReport.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The report's columns line up at tab stops of this many characters.
constexpr int kTabColumns = 8;
// Room for the widest report line and the 45 aspect lines' first screen.
constexpr int kReportColumns = 96;
constexpr int kReportLines = 30;

const char* const kAnalyticNotice =
    QT_TRANSLATE_NOOP("CAstrologyDlg", "未找到星历数据文件，本次结果由星历库内置的解析星历算出，精度较低。");

} // namespace

CAstrologyDlg::CAstrologyDlg(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("星象"));

    m_editReport = new QPlainTextEdit(this);
    m_editReport->setObjectName("report");
    m_editReport->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_editReport->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_editReport->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    m_editReport->setFont(fixed);
    const QFontMetrics metrics(fixed);
    m_editReport->setTabStopDistance(kTabColumns * metrics.horizontalAdvance(QLatin1Char(' ')));
    m_editReport->setMinimumSize(
        kReportColumns * metrics.horizontalAdvance(QLatin1Char(' ')), kReportLines * metrics.lineSpacing());

    m_labelNotice = new QLabel(tr(kAnalyticNotice), this);
    m_labelNotice->setObjectName("notice");
    m_labelNotice->setWordWrap(true);
    m_labelNotice->setStyleSheet(QStringLiteral("color: #a00000;"));
    m_labelNotice->hide();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(BuildDateRow());
    layout->addWidget(m_editReport);
    layout->addWidget(m_labelNotice);
}

// The date field with its hint under it, the city choice and 计算.
QLayout* CAstrologyDlg::BuildDateRow()
{
    m_editDate = new QLineEdit(QString::fromStdString(AstroDateText::Format(AstroDateText::NowLocal())), this);
    m_editDate->setObjectName("date");
    m_comboCity = new QComboBox(this);
    m_comboCity->setObjectName("city");
    m_comboCity->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    auto* compute = new QPushButton(tr("计算"), this);
    compute->setObjectName("compute");
    connect(m_comboCity, &QComboBox::activated, this, &CAstrologyDlg::OnCityChanged);
    connect(compute, &QPushButton::clicked, this, &CAstrologyDlg::OnCompute);

    auto* dateColumn = new QVBoxLayout;
    dateColumn->addWidget(m_editDate);
    dateColumn->addWidget(new QLabel(QString::fromLatin1(AstroDateText::kFieldHint), this));
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(tr("日期:"), this), 0, Qt::AlignTop);
    row->addLayout(dateColumn);
    row->addWidget(m_comboCity, 0, Qt::AlignTop);
    row->addWidget(compute, 0, Qt::AlignTop);
    row->addStretch();
    return row;
}

void CAstrologyDlg::SetCityList(const std::vector<CityInfo>& cities, int selected)
{
    m_cities = cities;
    m_nSelected = selected;
    m_comboCity->clear();
    for (const CityInfo& city : m_cities)
        m_comboCity->addItem(QString::fromStdString(city.Name));
    const bool named = selected >= 0 && selected < static_cast<int>(m_cities.size());
    m_comboCity->setCurrentIndex(named ? selected : -1);
}

void CAstrologyDlg::OnCityChanged(int index)
{
    if (index >= 0 && index < static_cast<int>(m_cities.size()))
        m_nSelected = index;
}

void CAstrologyDlg::OnCompute()
{
    const bool named = m_nSelected >= 0 && m_nSelected < static_cast<int>(m_cities.size());
    std::string report;
    const AstrologyReport::Outcome outcome = AstrologyReport::Build(
        report, m_editDate->text().toStdString(), named ? &m_cities[m_nSelected] : nullptr, m_ephemeris);
    if (!outcome.Ok()) {
        ShowMessage(outcome.message, outcome.information);
        return;
    }
    m_report = report;
    // The edit keeps its own line ends; the report's CR LF would show twice.
    m_editReport->setPlainText(QString::fromStdString(report).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    m_labelNotice->setVisible(outcome.analytic);
}

void CAstrologyDlg::ShowMessage(const std::string& message, bool information)
{
    ShowAstroMessage(this, m_showMessage, message, information);
}
