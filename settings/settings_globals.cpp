#include "settings/settings_globals.h"

QString DataPath;
QString AppPath;
QString IniFile;
QString BackupPath;
QString InstallType;

qint16 NoSaveOnExit = 0;
qint16 DataRetrieved = 0;
qint16 MsgResult = 0;
