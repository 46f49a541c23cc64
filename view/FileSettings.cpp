#include "FileSettings.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

namespace {

const char* const kRecentKey = "files/recent";
const char* const kFolderKey = "files/lastFolder";
const char* const kPlanetsKey = "planets/on";
const char* const kPlanetDateKey = "planets/date";
const char* const kPlanetCityKey = "planets/city";
const char* const kPlanetNowKey = "planets/now";
const char* const kPrintGroup = "print";
const char* const kExportCaptionGroup = "exportCaption";

} // namespace

namespace FileSettings {

CRecentFiles LoadRecentFiles()
{
    std::vector<std::string> stored;
    for (const QString& path : QSettings().value(kRecentKey).toStringList())
        stored.push_back(path.toStdString());
    return CRecentFiles(stored);
}

void StoreRecentFiles(const CRecentFiles& files)
{
    QStringList paths;
    for (const std::string& path : files.Entries())
        paths << QString::fromStdString(path);
    QSettings().setValue(kRecentKey, paths);
}

QString DialogFolder()
{
    const QString folder = QSettings().value(kFolderKey).toString();
    if (!folder.isEmpty() && QFileInfo(folder).isDir())
        return folder;
    // A documents folder that does not exist would become the file name.
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

void RememberFolderOf(const QString& file)
{
    QSettings().setValue(kFolderKey, QFileInfo(file).absolutePath());
}

PlanetSettings LoadPlanets()
{
    const QSettings settings;
    return {settings.value(kPlanetsKey).toBool(),
        {settings.value(kPlanetDateKey).toString().toStdString(), settings.value(kPlanetCityKey).toString().toStdString()},
        settings.value(kPlanetNowKey).toString().toStdString()};
}

void StorePlanets(const PlanetSettings& planets)
{
    QSettings settings;
    settings.setValue(kPlanetsKey, planets.on);
    settings.setValue(kPlanetDateKey, QString::fromStdString(planets.moment.date));
    settings.setValue(kPlanetCityKey, QString::fromStdString(planets.moment.city));
    settings.setValue(kPlanetNowKey, QString::fromStdString(planets.now));
}

PrintLayout LoadPrintLayout()
{
    QSettings settings;
    settings.beginGroup(kPrintGroup);
    PrintLayout layout;
    const int fit = settings.value("fit", static_cast<int>(layout.fit)).toInt();
    if (fit >= 0 && fit <= static_cast<int>(PrintLayout::Fit::Pages))
        layout.fit = static_cast<PrintLayout::Fit>(fit);
    layout.cellMm = settings.value("cellMm", layout.cellMm).toDouble();
    layout.columns = settings.value("columns", layout.columns).toInt();
    layout.rows = settings.value("rows", layout.rows).toInt();
    layout.paper = settings.value("paper", QString::fromStdString(layout.paper)).toString().toStdString();
    layout.landscape = settings.value("landscape", layout.landscape).toBool();
    layout.overlapMm = settings.value("overlapMm", layout.overlapMm).toDouble();
    layout.overview = settings.value("overview", layout.overview).toBool();
    layout.caption = settings.value("caption", layout.caption).toBool();
    return layout;
}

void StorePrintLayout(const PrintLayout& layout)
{
    QSettings settings;
    settings.beginGroup(kPrintGroup);
    settings.setValue("fit", static_cast<int>(layout.fit));
    settings.setValue("cellMm", layout.cellMm);
    settings.setValue("columns", layout.columns);
    settings.setValue("rows", layout.rows);
    settings.setValue("paper", QString::fromStdString(layout.paper));
    settings.setValue("landscape", layout.landscape);
    settings.setValue("overlapMm", layout.overlapMm);
    settings.setValue("overview", layout.overview);
    settings.setValue("caption", layout.caption);
}

bool ExportCaption(const QString& suffix)
{
    const QString key = QLatin1String(kExportCaptionGroup) + '/' + suffix.toLower();
    return QSettings().value(key, suffix.compare(QLatin1String("pdf"), Qt::CaseInsensitive) == 0).toBool();
}

void SetExportCaption(const QString& suffix, bool on)
{
    QSettings().setValue(QLatin1String(kExportCaptionGroup) + '/' + suffix.toLower(), on);
}

} // namespace FileSettings
