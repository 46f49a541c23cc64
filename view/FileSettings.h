#pragma once

#include "RecentFiles.h"

#include <QString>

// What the program keeps between runs about files, in the application's
// settings: the recent-file list and the folder the file dialogs last used.
// A missing or damaged settings file reads as an empty list and no folder.
namespace FileSettings {

CRecentFiles LoadRecentFiles();
void StoreRecentFiles(const CRecentFiles& files);

// The folder of the last file opened, saved or chosen in a file dialog
// while it still exists, else the user's documents folder, else the home
// folder.
QString DialogFolder();
void RememberFolderOf(const QString& file);

} // namespace FileSettings
