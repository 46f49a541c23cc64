#include "TextExport.h"

#include "FileDialogs.h"
#include "PlainFile.h"

#include <QCoreApplication>
#include <QMessageBox>

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

} // namespace TextExport
