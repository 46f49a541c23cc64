#pragma once

#include "Result.h"

#include <QString>

#include <string>

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

} // namespace TextExport
