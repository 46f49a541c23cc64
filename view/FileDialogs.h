#pragma once

#include <QString>
#include <QStringList>

#include <string>

class QFileDialog;
class QWidget;

// The file dialogs of the windows and panes: each starts in the folder of
// the file last chosen (FileSettings) and remembers the folder of its own.
namespace FileDialogs {

// Runs dialog; empty when the user cancelled.
QString Ask(QFileDialog& dialog);
// A file to export to, with the extension of the chosen filter when the
// name has none.
QString AskExportPath(QWidget* parent, const QString& title, const QStringList& filters);
// The picture files an export writes: PNG, SVG and PDF.
QStringList PictureFilters();
// A chosen path as the core's file functions take it.
std::string LocalPath(const QString& path);

} // namespace FileDialogs
