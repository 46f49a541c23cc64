#pragma once

#include "Result.h"

#include <QString>

#include <functional>
#include <string>

class QPushButton;
class QWidget;

// The tables of the 时间 dock written to files: asked for through the
// export dialog and written whole through the safe-write path.
namespace TextExport {

enum class Format { Csv, Ics };

// The file dialog's title and filter for format.
QString Title(Format format);
QString Filter(Format format);

// bytes replace the file at path, whole or not at all.
Result<void> Write(const QString& path, const std::string& bytes);
// Asks where to export format and writes bytes there; a failure is a
// warning over parent. Nothing when the user cancels.
void AskAndWrite(QWidget* parent, Format format, const std::string& bytes);
// A tab's row of buttons: its action on the left, 导出 CSV… and 导出日历…
// on the right, each calling exportAs with its format.
QWidget* ButtonRow(QPushButton* action, const std::function<void(Format)>& exportAs);

} // namespace TextExport
