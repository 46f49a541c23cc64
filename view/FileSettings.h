#pragma once

#include "PlanetSky.h"
#include "PrintLayout.h"
#include "RecentFiles.h"

#include <QString>

// What the program keeps between runs, in the application's settings: the
// recent-file list, the folder the file dialogs last used, the planet ring's
// switch and moment, the print layout and which exported pictures carry the
// caption, none of which a chart file holds. A missing or
// damaged settings file reads as an empty list, no folder and no ring.
namespace FileSettings {

CRecentFiles LoadRecentFiles();
void StoreRecentFiles(const CRecentFiles& files);

// The folder of the last file opened, saved or chosen in a file dialog
// while it still exists, else the user's documents folder, else the home
// folder.
QString DialogFolder();
void RememberFolderOf(const QString& file);

// The ring's switch and moment, and the time "now" stood for when it was
// turned on, so that the next start shows the sky it was left with.
struct PlanetSettings {
    bool on = false;
    PlanetMoment moment;
    std::string now;
};
PlanetSettings LoadPlanets();
void StorePlanets(const PlanetSettings& planets);

// The print layout last confirmed; the defaults where none is kept.
PrintLayout LoadPrintLayout();
void StorePrintLayout(const PrintLayout& layout);

// Whether pictures exported as suffix ("png", "svg" or "pdf") carry the
// caption: a PDF by default, as a printed page does, a picture for screens not.
bool ExportCaption(const QString& suffix);
void SetExportCaption(const QString& suffix, bool on);

} // namespace FileSettings
