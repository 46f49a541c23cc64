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

} // namespace FileSettings
