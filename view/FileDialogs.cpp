#include "FileDialogs.h"

#include "FileSettings.h"

#include <QFile>
#include <QFileDialog>
#include <QRegularExpression>

namespace FileDialogs {

namespace {

// The extension a name filter such as "PNG (*.png)" gives.
QString FilterSuffix(const QString& filter)
{
    return QRegularExpression(QStringLiteral("\\*\\.(\\w+)")).match(filter).captured(1);
}

} // namespace

QString Ask(QFileDialog& dialog)
{
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    const QString path = dialog.selectedFiles().front();
    FileSettings::RememberFolderOf(path);
    return path;
}

QString AskExportPath(QWidget* parent, const QString& title, const QStringList& filters)
{
    QFileDialog dialog(parent, title, FileSettings::DialogFolder());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(FilterSuffix(filters.value(0)));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog](const QString& filter) { dialog.setDefaultSuffix(FilterSuffix(filter)); });
    return Ask(dialog);
}

QStringList PictureFilters()
{
    return {QStringLiteral("PNG (*.png)"), QStringLiteral("SVG (*.svg)"), QStringLiteral("PDF (*.pdf)")};
}

std::string LocalPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

} // namespace FileDialogs
