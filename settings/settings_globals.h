#pragma once

#include <QString>

// The shared globals of the settings, set at start-up and by the settings
// windows. Folder paths use "/" and end in "/".

extern QString DataPath; // the data folder; "" until it is known
extern QString AppPath; // the program folder
extern QString IniFile; // the settings file, DataPath + "vantorelleplus.ini"
extern QString BackupPath; // the backup folder
extern QString InstallType; // the handheld platform: "Palm", "WM", "BB" or "Win"

extern qint16 NoSaveOnExit; // set by a restore: the close step must not write the tables
extern qint16 DataRetrieved; // 1 after a retrieval from the handheld: likewise
extern qint16 MsgResult; // the answer of the last message box or WriteIni
