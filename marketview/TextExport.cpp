#include "TextExport.h"

#include "FileDialogs.h"
#include "PlainFile.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPushButton>

namespace TextExport {

QString Title(Format format)
{
    return format == Format::Csv ? QCoreApplication::translate("TextExport", "导出 CSV")
                                 : QCoreApplication::translate("TextExport", "导出日历");
}

QString Filter(Format format)
{
    return format == Format::Csv ? QCoreApplication::translate("TextExport", "CSV 文件 (*.csv)")
                                 : QCoreApplication::translate("TextExport", "iCalendar 文件 (*.ics)");
}

Result<void> Write(const QString& path, const std::string& bytes)
{
    return PlainFile::Replace(FileDialogs::LocalPath(path), bytes);
}

void AskAndWrite(QWidget* parent, Format format, const std::string& bytes)
{
    const QString path = FileDialogs::AskExportPath(parent, Title(format), {Filter(format)});
    if (path.isEmpty())
        return;
    const Result<void> written = Write(path, bytes);
    if (!written.Ok())
        QMessageBox::warning(parent, Title(format), QString::fromStdString(written.Message()));
}

QWidget* ButtonRow(QPushButton* action, const std::function<void(Format)>& exportAs)
{
    auto* csv = new QPushButton(QCoreApplication::translate("TextExport", "导出 CSV…"));
    auto* ics = new QPushButton(QCoreApplication::translate("TextExport", "导出日历…"));
    QObject::connect(csv, &QPushButton::clicked, [exportAs] { exportAs(Format::Csv); });
    QObject::connect(ics, &QPushButton::clicked, [exportAs] { exportAs(Format::Ics); });
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(action);
    layout->addStretch();
    layout->addWidget(csv);
    layout->addWidget(ics);
    return row;
}

} // namespace TextExport
