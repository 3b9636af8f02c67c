#pragma once

#include "settings/installation.h"

namespace vantorelle {

class MainWindowActions;

// Backup and restore of the table files ("Vantorelle<X>.cdb", the 22 data
// tables and the preferences).

// The backup folder of a run: read from the settings file at start-up
// ("BackupPath" in "Main", by default the data folder's "Backup/"), changed by
// each backup. An empty text stands for the default folder.
QString readBackupFolder(const Installation &installation);

// The menu's Backup Records: saves every table, asks where to, then copies the
// table files of the data folder into `backupFolder`, keeping each previous
// copy there as "Vantorelle<X>.bak". The copies land together or not at all:
// a backup that fails leaves the folder as it was, the backup made there
// before whole. Only once a backup has succeeded does its folder become
// `backupFolder` and go into the settings file. The default folder is created
// when missing. Nothing is copied when a table could not be saved. Failures
// are shown in the error box.
void backUpTables(const Installation &installation, QString &backupFolder, MainWindowActions &main);

// The menu's Restore Records: after two questions (and a folder picker when
// the user wants another folder than `backupFolder`), checks that the folder
// holds every table file and that each reads as a whole table file, and
// refuses otherwise, naming each file and what is wrong, with nothing copied.
// Then copies the table files of the backup folder over those of the data
// folder (all of them or, when a copy fails, none), writes the handheld
// copies for a Palm handheld, and closes the main window without writing the
// tables, so the next start reads the restored files. Failures are shown in
// the error box; once a file was replaced, the window closes all the same.
void restoreBackup(
    const Installation &installation, const QString &backupFolder, MainWindowActions &main);

} // namespace vantorelle
