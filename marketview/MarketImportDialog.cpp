#include "MarketImportDialog.h"

#include "FileDialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// Zones of the exchanges analysts follow most, offered beside the computer's;
// any other IANA name may be typed.
const char* const kZones[] = {"Asia/Shanghai",   "Asia/Hong_Kong",   "Asia/Tokyo",      "Asia/Singapore",
                              "Europe/London",   "Europe/Berlin",    "America/New_York", "America/Chicago",
                              "Australia/Sydney", "UTC"};

// The date forms a file may leave open: its days never pass 12.
const char* const kDateForms[] = {"DD/MM/YYYY", "MM/DD/YYYY"};

} // namespace

CMarketImportDialog::CMarketImportDialog(const QString& path, QWidget* parent)
    : QDialog(parent)
    , m_path(path)
    , m_symbol(new QLineEdit)
    , m_name(new QLineEdit)
    , m_dateForm(new QComboBox)
    , m_zone(new QComboBox)
    , m_skipBad(new QCheckBox(tr("跳过有问题的行，按原因计数")))
    , m_problem(new QLabel)
{
    setWindowTitle(tr("导入行情"));
    m_symbol->setObjectName("symbol");
    m_name->setObjectName("name");
    m_dateForm->setObjectName("dateForm");
    m_zone->setObjectName("zone");
    m_skipBad->setObjectName("skipBad");
    m_problem->setObjectName("problem");

    // What the import would choose, shown before the whole file is read.
    const QFileInfo file(path);
    const std::string local = FileDialogs::LocalPath(path);
    const BarFile::Contents heading = BarFile::ReadHeading(local);
    m_symbol->setText(QString::fromStdString(BarImport::DefaultSymbol(local, heading)));
    m_name->setText(QString::fromStdString(heading.name));
    m_symbol->setPlaceholderText(tr("文件中的代码，否则文件名"));
    m_name->setPlaceholderText(tr("文件中的名称，否则保留已存的名称"));
    m_dateForm->addItem(tr("自动识别"), QString());
    for (const char* form : kDateForms)
        m_dateForm->addItem(QString::fromLatin1(form), QString::fromLatin1(form));
    m_zone->setEditable(true);
    const QString computer = QString::fromStdString(BarImport::ComputerZone());
    m_zone->addItem(computer);
    for (const char* zone : kZones)
        if (computer != QLatin1String(zone))
            m_zone->addItem(QString::fromLatin1(zone));
    m_zone->setCurrentIndex(0);
    m_zone->lineEdit()->setPlaceholderText(tr("本机时区"));
    m_problem->setWordWrap(true);
    m_problem->setStyleSheet(QStringLiteral("color: #b00020"));
    m_problem->hide();

    auto* fileName = new QLabel(file.fileName());
    fileName->setToolTip(QDir::toNativeSeparators(file.absoluteFilePath()));
    auto* form = new QFormLayout;
    form->addRow(tr("文件："), fileName);
    form->addRow(tr("代码："), m_symbol);
    form->addRow(tr("名称："), m_name);
    form->addRow(tr("日期格式："), m_dateForm);
    form->addRow(tr("时区："), m_zone);
    form->addRow(QString(), m_skipBad);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("导入"));
    buttons->button(QDialogButtonBox::Ok)->setObjectName("ok");
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("取消"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName("cancel");
    connect(buttons, &QDialogButtonBox::accepted, this, &CMarketImportDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CMarketImportDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_problem);
    layout->addWidget(buttons);
    setMinimumWidth(fontMetrics().averageCharWidth() * 60);
    m_symbol->setFocus();
}

std::optional<BarImport::Request> CMarketImportDialog::Ask(const QString& path, QWidget* parent)
{
    CMarketImportDialog dialog(path, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.Chosen();
}

// A zone the reader does not know is said in the dialog, which stays open.
void CMarketImportDialog::accept()
{
    const std::string problem = BarFile::CheckOptions(Chosen().options);
    m_problem->setText(QString::fromStdString(problem));
    m_problem->setVisible(!problem.empty());
    if (problem.empty())
        QDialog::accept();
    else
        m_zone->setFocus();
}

BarImport::Request CMarketImportDialog::Chosen() const
{
    BarImport::Request request;
    request.path = FileDialogs::LocalPath(m_path);
    request.symbol = m_symbol->text().trimmed().toStdString();
    if (!m_name->text().trimmed().isEmpty())
        request.name = m_name->text().trimmed().toStdString();
    request.options.dateFormat = m_dateForm->currentData().toString().toStdString();
    request.options.zone = m_zone->currentText().trimmed().toStdString();
    request.options.skipBad = m_skipBad->isChecked();
    return request;
}
