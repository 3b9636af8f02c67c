#pragma once

#include "settings/settings_globals.h"

#include <QString>

// Keeps the shared settings and preference globals of one test from the next:
// saved when it is made, put back when it goes. Declare it as a test's or a
// fixture's first member, so it goes last.
class SettingsGlobalsGuard {
public:
    SettingsGlobalsGuard()
        : texts {DataPath, AppPath, IniFile, BackupPath, InstallType}
        , flags {NoSaveOnExit, DataRetrieved, MsgResult}
    {
    }
    ~SettingsGlobalsGuard()
    {
        DataPath = texts[0];
        AppPath = texts[1];
        IniFile = texts[2];
        BackupPath = texts[3];
        InstallType = texts[4];
        NoSaveOnExit = flags[0];
        DataRetrieved = flags[1];
        MsgResult = flags[2];
    }
    SettingsGlobalsGuard(const SettingsGlobalsGuard &) = delete;
    SettingsGlobalsGuard &operator=(const SettingsGlobalsGuard &) = delete;

private:
    QString texts[5];
    qint16 flags[3];
};
