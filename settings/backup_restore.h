#pragma once

class MainWindowActions;

// Backup and restore of the table files ("Vantorelle<X>.cdb", the 22 data
// tables and the preferences).

// The menu's Backup Records: saves every table, asks where to, then copies the
// table files of the data folder into the backup folder (BackupPath), keeping
// each previous copy there as "Vantorelle<X>.bak". The folder used is stored
// in the settings file. An empty BackupPath stands for the default folder
// (DataPath + "Backup/"), which is created when missing. Nothing is copied when
// a table could not be saved. Failures are shown in the error box.
void BackupDatabases(MainWindowActions &main);

// The menu's Restore Records: after two questions (and a folder picker when
// the user wants another folder), copies the table files of the backup folder
// over those of the data folder, writes the handheld copies for a Palm
// handheld, and closes the main window without writing the tables, so the next
// start reads the restored files. Failures are shown in the error box.
void RestoreBackup(MainWindowActions &main);
