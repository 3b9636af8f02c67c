#pragma once

#include "settings/settings_globals.h"
#include "store/preference_globals.h"

#include <QString>

// Keeps the shared settings and preference globals of one test from the next:
// saved when it is made, put back when it goes. Declare it as a test's or a
// fixture's first member, so it goes last.
class SettingsGlobalsGuard {
public:
    SettingsGlobalsGuard()
        : texts {DataPath, AppPath, IniFile, BackupPath, InstallType, StoredPassword,
            TypedPassword}
        , flags {NoSaveOnExit, DataRetrieved, MsgResult}
        , preferences(preferenceGlobals())
    {
    }
    ~SettingsGlobalsGuard()
    {
        DataPath = texts[0];
        AppPath = texts[1];
        IniFile = texts[2];
        BackupPath = texts[3];
        InstallType = texts[4];
        StoredPassword = texts[5];
        TypedPassword = texts[6];
        NoSaveOnExit = flags[0];
        DataRetrieved = flags[1];
        MsgResult = flags[2];
        preferenceGlobals() = preferences;
    }
    SettingsGlobalsGuard(const SettingsGlobalsGuard &) = delete;
    SettingsGlobalsGuard &operator=(const SettingsGlobalsGuard &) = delete;

private:
    QString texts[7];
    qint16 flags[3];
    PreferenceGlobals preferences;
};
