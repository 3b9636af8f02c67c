#include "settings/first_run_configuration.h"

#include "platform/app_error.h"
#include "platform/paths.h"
#include "platform/prompter.h"
#include "settings/app_info.h"
#include "settings/error_box_and_logs.h"
#include "settings/file_copy.h"
#include "settings/ini_access.h"
#include "settings/registry_access.h"
#include "settings/settings_globals.h"
#include "settings/shell_helpers.h"
#include "store/clock.h"

#include <QDateTime>
#include <QDir>
#include <QLocale>

namespace {

const QString crLf = QStringLiteral("\r\n");
const QString profileTable = QStringLiteral("VantorelleMainID.cdb");
const QString settingsFileName = QStringLiteral("vantorelleplus.ini");
// The most table files a folder may hold for the copy (the program never had more).
constexpr int maxTableFiles = 40;

// "Dec 8, 2026 07:05", in English whatever the user's language.
QString logDate()
{
    const LocalDateTime now = Clock::current().now();
    const QDateTime at(QDate(now.year, now.month, now.day), QTime(now.hour, now.minute, now.second));
    return QLocale::c().toString(at, QStringLiteral("MMM d, yyyy HH:mm"));
}

QString userValue(const char *name)
{
    return GetRegistryValue(HKEY_CURRENT_USER, QLatin1String(VantorelleKey), QLatin1String(name),
                            QString())
        .toString();
}

QString machineValue(const char *name)
{
    return GetRegistryValue(HKEY_LOCAL_MACHINE, QLatin1String(VantorelleKey), QLatin1String(name),
                            QString())
        .toString();
}

void setUserValue(const char *name, const QString &value)
{
    SetRegistryValue(HKEY_CURRENT_USER, QLatin1String(VantorelleKey), QLatin1String(name), value);
}

void makeFolder(const QString &folder)
{
    if (!QDir().mkpath(folder))
        throw AppError(AppError::PathNotFound);
}

// Copies every table file of `from` that `to` lacks; existing files are kept.
void copyMissingTables(const QString &from, const QString &to)
{
    const QStringList names = QDir(from).entryList({QStringLiteral("*.cdb")}, QDir::Files,
                                                   QDir::Name);
    if (names.size() > maxTableFiles)
        throw AppError(9, QStringLiteral("Subscript out of range"));
    for (const QString &name : names) {
        if (!FileExists(to + name))
            CopyFileAtomically(from + name, to + name);
    }
}

void copyFolderFiles(const QString &from, const QString &to)
{
    makeFolder(to);
    for (const QString &name : QDir(from).entryList(QDir::Files, QDir::Name))
        CopyFileAtomically(from + name, to + name);
}

QString documentsDataFolder()
{
    const QString folder = GetSpecialFolderPath(MyDocuments) + QStringLiteral("Vantorelle/");
    makeFolder(folder);
    return folder;
}

// A first run fills the new data folder from the templates beside the program.
void fillDataFolder()
{
    const QString templates = AppPath + QStringLiteral("data/");
    if (FileExists(DataPath + profileTable)) {
        WriteSetupLog(QStringLiteral("Found database:") + DataPath + profileTable);
        return;
    }
    WriteSetupLog(QStringLiteral("Did not find database:") + DataPath + profileTable);
    if (!FileExists(templates + profileTable))
        return;
    WriteSetupLog(QStringLiteral("About to copy CDBs...") + crLf + QStringLiteral("   FROM: ")
                  + templates + crLf + QStringLiteral("     TO: ") + DataPath);
    copyMissingTables(templates, DataPath);

    if (!FileExists(DataPath + settingsFileName) && FileExists(templates + settingsFileName)) {
        CopyFileAtomically(templates + settingsFileName, DataPath + settingsFileName);
        WriteIni(QStringLiteral("Main"), QStringLiteral("DataPath"), QString(), IniFile);
    }

    copyFolderFiles(templates + QStringLiteral("graphics/"), DataPath + QStringLiteral("graphics/"));

    // A backup folder under the program folder is moved into the data folder.
    BackupPath = ReadIni(QStringLiteral("Main"), QStringLiteral("BackupPath"),
                         DataPath + QStringLiteral("Backup/"), IniFile);
    if (BackupPath.contains(GetSpecialFolderPath(ProgramFiles))) {
        const QString moved = DataPath + QStringLiteral("backup/");
        copyFolderFiles(withFinalSlash(BackupPath), moved);
        BackupPath = moved;
        WriteIni(QStringLiteral("Main"), QStringLiteral("BackupPath"), BackupPath, IniFile);
    }
}

void firstRun()
{
    prompter().ask(QStringLiteral("Vantorelle Rize - Configuration"),
                   QStringLiteral("It appears this is the first time this program has been run.")
                       + crLf + crLf
                       + QStringLiteral("Please wait while program settings are configured..."));
    DataPath = documentsDataFolder();
    WriteSetupLog(QStringLiteral("Data path was blank, must be first run of Vantorelle") + crLf
                  + QStringLiteral("Version = ") + QLatin1String(AppInfo::version) + crLf
                  + QStringLiteral("Date = ") + logDate() + crLf);
    CreateRegistryKey(HKEY_CURRENT_USER, QLatin1String(VantorelleKey));
    WriteSetupLog(QStringLiteral("Create Registry Key: HKCU\\Software\\Brasselwicket\\Vantorelle"));
    setUserValue("data_path", DataPath);
    WriteSetupLog(QStringLiteral("Set Registry: HKCU / data_path = ") + DataPath);
    IniFile = DataPath + settingsFileName;
    fillDataFolder();
}

// The data leaves the Palm user's folder for the documents folder; the next
// start uses the new folder.
void moveDataFromPalmFolder()
{
    const QString oldFolder = DataPath;
    DataPath = documentsDataFolder();
    if (DataPath != oldFolder && !oldFolder.isEmpty()) {
        WriteSetupLog(QStringLiteral("Data path changed...") + crLf + QStringLiteral("   FROM: ")
                      + oldFolder + crLf + QStringLiteral("     TO: ") + DataPath);
        copyMissingTables(oldFolder, DataPath);
        // A Palm folder may have no settings file yet; there is then nothing to carry over.
        if (!FileExists(DataPath + settingsFileName) && FileExists(oldFolder + settingsFileName))
            CopyFileAtomically(oldFolder + settingsFileName, DataPath + settingsFileName);
        for (const char *log : {"errorlog.txt", "setuplog.txt"}) {
            if (FileExists(oldFolder + QLatin1String(log)))
                CopyFileAtomically(oldFolder + QLatin1String(log), DataPath + QLatin1String(log));
        }
    }
    WriteSetupLog(QStringLiteral("Finished copying CDBs to new (non-Palm) data location"));
    setUserValue("data_path", DataPath);
}

// True when the user wants to convert to the newly installed platform.
bool askConversion(const QString &userType, const QString &machineType, const QString &machineDate)
{
    const QString from = PlatformDescription(userType);
    const QString to = PlatformDescription(machineType);
    const QStringList lines = {
        QStringLiteral("IMPORTANT:"),
        QString(),
        QStringLiteral("A more recent install or update for Vantorelle Rize has been done."),
        QString(),
        QStringLiteral("Do you want to convert from a "),
        QString(),
        from,
        QString(),
        QStringLiteral("install, to a "),
        QString(),
        to,
        QString(),
        QStringLiteral("install?"),
    };
    const int answer = prompter().ask(QStringLiteral("Vantorelle Updated"), lines.join(crLf),
                                      Prompter::YesNo);
    if (answer != Prompter::Yes) {
        setUserValue("install_date", machineDate);
        WriteSetupLog(QStringLiteral("User did NOT want to convert FROM ") + from
                      + QStringLiteral(" -TO- ") + to);
        return false;
    }
    WriteSetupLog(QStringLiteral("User wants to convert FROM ") + from + QStringLiteral(" -TO- ")
                  + to);
    if (from == PlatformDescription(QStringLiteral("Palm")))
        moveDataFromPalmFolder();
    return true;
}

void configure(const SetupInstallTypeFunction &setup_install_type)
{
    bool firstRunFlag = false;
    bool updateFlag = false;

    DataPath = withFinalSlash(userValue("data_path"));
    // A folder that lost only its profile table still holds the user's data.
    if (!DataPath.isEmpty() && !FileExists(DataPath + profileTable)
        && !FileExists(DataPath + QStringLiteral("*.cdb")))
        DataPath.clear();
    if (DataPath.isEmpty()) {
        firstRunFlag = true;
        firstRun();
    }

    InstallType = userValue("install_type");
    const QString userDate = userValue("install_date");
    if (InstallType.isEmpty()) {
        WriteSetupLog(QStringLiteral("InstallType blank - need to update install"));
        updateFlag = true;
    } else {
        const QString machineDate = machineValue("install_date");
        const QString machineType = machineValue("install_type");
        if (machineType != InstallType && machineDate != userDate) {
            WriteSetupLog(QStringLiteral("Install Types AND Dates did not match..."));
            updateFlag = askConversion(InstallType, machineType, machineDate);
        } else if (userDate != machineDate) {
            WriteSetupLog(QStringLiteral(
                "Dates of HKLM & HKCU don't match, set update flag if not Windows only"));
            if (InstallType == QLatin1String("WM") || InstallType == QLatin1String("Palm")
                || InstallType == QLatin1String("BB"))
                updateFlag = true;
        }
    }

    if (updateFlag) {
        firstRunFlag = true;
        WriteSetupLog(QStringLiteral("update_install = True"));
        InstallType = machineValue("install_type");
        const QString machineDate = machineValue("install_date");
        WriteSetupLog(QStringLiteral("Read Registry: HKLM / install_type = ") + InstallType);
        WriteSetupLog(QStringLiteral("Read Registry: HKLM / install_date = ") + machineDate);
        if (setup_install_type)
            setup_install_type(InstallType);
        setUserValue("install_type", InstallType);
        setUserValue("install_date", machineDate);
        WriteSetupLog(QStringLiteral("Set Registry: HKCU / install_type = ") + InstallType);
        WriteSetupLog(QStringLiteral("Set Registry: HKCU / install_date = ") + machineDate);
    }

    if (firstRunFlag) {
        WriteSetupLog(crLf + QStringLiteral("Done with config for Vantorelle") + crLf
                      + QStringLiteral("Version = ") + QLatin1String(AppInfo::version) + crLf
                      + QStringLiteral("Date = ") + logDate() + crLf + crLf
                      + QString(33, QLatin1Char('-')));
    }
}

} // namespace

QString PlatformDescription(const QString &installType)
{
    if (installType == QLatin1String("Palm"))
        return QStringLiteral("Windows PC and Palm OS handheld");
    if (installType == QLatin1String("WM"))
        return QStringLiteral("Windows PC and Windows Mobile handheld");
    if (installType == QLatin1String("BB"))
        return QStringLiteral("Windows PC and Blackberry handheld");
    return QStringLiteral("Windows PC Only");
}

void config_registry(const SetupInstallTypeFunction &setup_install_type)
{
    try {
        configure(setup_install_type);
    } catch (const AppError &error) {
        ShowError(error, QStringLiteral("in config_registry"));
    }
}
