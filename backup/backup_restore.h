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
// copy there as "Vantorelle<X>.bak". The folder used becomes `backupFolder`
// and is stored in the settings file. The default folder is created when
// missing. Nothing is copied when a table could not be saved. Failures are
// shown in the error box.
void backUpTables(const Installation &installation, QString &backupFolder, MainWindowActions &main);

// The menu's Restore Records: after two questions (and a folder picker when
// the user wants another folder than `backupFolder`), copies the table files
// of the backup folder over those of the data folder, writes the handheld
// copies for a Palm handheld, and closes the main window without writing the
// tables, so the next start reads the restored files. Failures are shown in
// the error box.
void restoreBackup(
    const Installation &installation, const QString &backupFolder, MainWindowActions &main);

} // namespace vantorelle
