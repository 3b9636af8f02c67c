#include "settings/first_run_configuration.h"

#include "platform/app_error.h"
#include "platform/file_access.h"
#include "platform/file_copy.h"
#include "platform/paths.h"
#include "platform/private_files.h"
#include "platform/prompter.h"
#include "settings/app_info.h"
#include "settings/error_box_and_logs.h"
#include "settings/registry_access.h"
#include "settings/settings_access.h"
#include "store/clock.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QLocale>

#include <cerrno>

namespace vantorelle {

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
    const QDateTime at(
        QDate(now.year, now.month, now.day), QTime(now.hour, now.minute, now.second));
    return QLocale::c().toString(at, QStringLiteral("MMM d, yyyy HH:mm"));
}

QString userValue(const char *name)
{
    return readRegistryValue(RegistryScope::CurrentUser, QLatin1String(programRegistryKey),
        QLatin1String(name), QString())
        .toString();
}

QString machineValue(const char *name)
{
    return readRegistryValue(RegistryScope::LocalMachine, QLatin1String(programRegistryKey),
        QLatin1String(name), QString())
        .toString();
}

void setUserValue(const char *name, const QString &value)
{
    writeRegistryValue(
        RegistryScope::CurrentUser, QLatin1String(programRegistryKey), QLatin1String(name), value);
}

void makeFolder(const QString &folder)
{
    if (!makePrivateFolder(folder))
        throw AppError(AppError::PathNotFound).aboutFile(folder);
}

// Copies every table file of `from` that `to` lacks; existing files are kept.
void copyMissingTables(const QString &from, const QString &to)
{
    const QStringList names
        = QDir(from).entryList({QStringLiteral("*.cdb")}, QDir::Files, QDir::Name);
    if (names.size() > maxTableFiles)
        throw AppError(9, QStringLiteral("Subscript out of range"));
    for (const QString &name : names) {
        if (!pathExists(to + name))
            copyFileAtomically(from + name, to + name);
    }
}

void copyFolderFiles(const QString &from, const QString &to)
{
    makeFolder(to);
    for (const QString &name : QDir(from).entryList(QDir::Files, QDir::Name))
        copyFileAtomically(from + name, to + name);
}

// The data folder a first run makes in the documents folder.
QString freshDataFolder()
{
    return specialFolderPath(SpecialFolder::Documents) + QStringLiteral("Vantorelle/");
}

QString documentsDataFolder()
{
    const QString folder = freshDataFolder();
    makeFolder(folder);
    return folder;
}

// A first run fills the new data folder from the templates beside the program.
void fillDataFolder(const Installation &installation)
{
    const QString &data = installation.dataFolder;
    const QString templates = installation.programFolder + QStringLiteral("data/");
    if (pathExists(data + profileTable)) {
        writeSetupLog(installation, QStringLiteral("Found database:") + data + profileTable);
        return;
    }
    writeSetupLog(installation, QStringLiteral("Did not find database:") + data + profileTable);
    if (!pathExists(templates + profileTable))
        return;
    writeSetupLog(installation,
        QStringLiteral("About to copy CDBs...") + crLf + QStringLiteral("   FROM: ") + templates
            + crLf + QStringLiteral("     TO: ") + data);
    copyMissingTables(templates, data);

    const QString settingsFile = installation.settingsFile();
    if (!pathExists(settingsFile) && pathExists(templates + settingsFileName)) {
        copyFileAtomically(templates + settingsFileName, settingsFile);
        writeSetting(QStringLiteral("Main"), QStringLiteral("DataPath"), QString(), settingsFile);
    }

    copyFolderFiles(templates + QStringLiteral("graphics/"), data + QStringLiteral("graphics/"));

    // A backup folder under the program folder is moved into the data folder.
    const QString backup = readSetting(QStringLiteral("Main"), QStringLiteral("BackupPath"),
        data + QStringLiteral("Backup/"), settingsFile);
    if (backup.contains(specialFolderPath(SpecialFolder::ProgramFiles))) {
        const QString moved = data + QStringLiteral("backup/");
        copyFolderFiles(withFinalSlash(backup), moved);
        writeSetting(QStringLiteral("Main"), QStringLiteral("BackupPath"), moved, settingsFile);
    }
}

void firstRun(Installation &installation)
{
    prompter().ask(QStringLiteral("Vantorelle Rize - Configuration"),
        QStringLiteral("It appears this is the first time this program has been run.") + crLf + crLf
            + QStringLiteral("Please wait while program settings are configured..."));
    installation.dataFolder = documentsDataFolder();
    writeSetupLog(installation,
        QStringLiteral("Data path was blank, must be first run of Vantorelle") + crLf
            + QStringLiteral("Version = ") + QLatin1String(AppInfo::version) + crLf
            + QStringLiteral("Date = ") + logDate() + crLf);
    // The registry keeps only the program's key, and that one always exists.
    writeSetupLog(installation,
        QStringLiteral("Create Registry Key: HKCU\\Software\\Brasselwicket\\Vantorelle"));
    setUserValue("data_path", installation.dataFolder);
    writeSetupLog(installation,
        QStringLiteral("Set Registry: HKCU / data_path = ") + installation.dataFolder);
    fillDataFolder(installation);
}

// The data leaves the Palm user's folder for the documents folder; the next
// start uses the new folder.
void moveDataFromPalmFolder(Installation &installation)
{
    const QString oldFolder = installation.dataFolder;
    installation.dataFolder = documentsDataFolder();
    const QString &data = installation.dataFolder;
    if (data != oldFolder && !oldFolder.isEmpty()) {
        writeSetupLog(installation,
            QStringLiteral("Data path changed...") + crLf + QStringLiteral("   FROM: ") + oldFolder
                + crLf + QStringLiteral("     TO: ") + data);
        copyMissingTables(oldFolder, data);
        // A Palm folder may have no settings file yet; there is then nothing to carry over.
        if (!pathExists(data + settingsFileName) && pathExists(oldFolder + settingsFileName))
            copyFileAtomically(oldFolder + settingsFileName, data + settingsFileName);
        for (const char *log : {"errorlog.txt", "setuplog.txt"}) {
            if (pathExists(oldFolder + QLatin1String(log)))
                copyFileAtomically(oldFolder + QLatin1String(log), data + QLatin1String(log));
        }
    }
    writeSetupLog(
        installation, QStringLiteral("Finished copying CDBs to new (non-Palm) data location"));
    setUserValue("data_path", data);
}

// True when the user wants to convert to the newly installed platform.
bool askConversion(Installation &installation, const QString &userType, const QString &machineType,
    const QString &machineDate)
{
    const QString from = platformDescription(platformNamed(userType));
    const QString to = platformDescription(platformNamed(machineType));
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
    const int answer
        = prompter().ask(QStringLiteral("Vantorelle Updated"), lines.join(crLf), Prompter::YesNo);
    if (answer != Prompter::Yes) {
        setUserValue("install_date", machineDate);
        writeSetupLog(installation,
            QStringLiteral("User did NOT want to convert FROM ") + from + QStringLiteral(" -TO- ")
                + to);
        return false;
    }
    writeSetupLog(installation,
        QStringLiteral("User wants to convert FROM ") + from + QStringLiteral(" -TO- ") + to);
    if (from == platformDescription(Platform::Palm))
        moveDataFromPalmFolder(installation);
    return true;
}

// What the registered data folder offers, judged by listing it and reading
// its profile table.
struct RegisteredFolder {
    enum State {
        Usable,
        Missing, // no such folder
        Empty, // a folder without any table file
        Unreadable, // something is there, but it cannot be listed
        TableUnreadable, // the profile table is there, but it cannot be read
    };
    State state = Usable;
    int error = 0; // the system's error code of what cannot be read
};

RegisteredFolder checkRegisteredFolder(const QString &folder)
{
    if (const int error = folderListError(folder); error != 0)
        return {error == ENOENT ? RegisteredFolder::Missing : RegisteredFolder::Unreadable, error};
    const int error = fileReadError(folder + profileTable);
    if (error == 0)
        return {};
    if (error != ENOENT)
        return {RegisteredFolder::TableUnreadable, error};
    // A folder that lost only its profile table still holds the user's data.
    if (pathExists(folder + QStringLiteral("*.cdb")))
        return {};
    return {RegisteredFolder::Empty};
}

// A folder that is there but cannot be read may hold every record (a drive
// not connected yet, rights taken away): the program ends and leaves it, and
// the registry, as they are, so that the next start finds the records again.
void tellUnreadable(const QString &folder, const RegisteredFolder &found)
{
    const bool table = found.state == RegisteredFolder::TableUnreadable;
    const QString what = table ? QStringLiteral("The file ") + folder + profileTable
                               : QStringLiteral("The data folder ") + folder;
    prompter().ask(QStringLiteral("Data Folder Not Readable"),
        what + QStringLiteral(" cannot be read: ") + systemErrorText(found.error) + QLatin1Char('.')
            + crLf + crLf
            + QStringLiteral("The program will close without changing anything; start it again "
                             "once the %1 can be read.")
                  .arg(table ? QStringLiteral("file") : QStringLiteral("folder")),
        Prompter::OkOnly, Prompter::Exclamation);
}

// A registered folder that is not there may only be out of reach (a USB stick
// or a share not connected, a mount point with nothing mounted): the user
// decides whether to start afresh; No is the default, which gives up nothing.
bool askToStartAfresh(const QString &registered, RegisteredFolder::State state)
{
    const QString fresh = freshDataFolder();
    const QString question = pathExists(fresh + profileTable)
        ? QStringLiteral("Do you want to use the data folder ") + fresh
            + QStringLiteral(" instead?")
        : QStringLiteral("Do you want to start with a new, empty data folder, ") + fresh
            + QStringLiteral("?");
    const int answer = prompter().ask(QStringLiteral("Data Folder Not Found"),
        QStringLiteral("The data folder ") + registered
            + (state == RegisteredFolder::Missing ? QStringLiteral(" was not found.")
                                                  : QStringLiteral(" holds no records."))
            + crLf + crLf
            + QStringLiteral("If it is on a drive or a network folder that is not connected, "
                             "answer No, connect it and start the program again.")
            + crLf + crLf + question,
        Prompter::YesNo, Prompter::Question, Prompter::SecondButton);
    return answer == Prompter::Yes;
}

// False when the program must end at once.
bool configure(Installation &installation, const HandheldSetupFunction &setupHandheld)
{
    bool firstRunFlag = false;
    bool updateFlag = false;

    QString &data = installation.dataFolder;
    const QString registered = withFinalSlash(userValue("data_path"));
    if (!registered.isEmpty()) {
        const RegisteredFolder found = checkRegisteredFolder(registered);
        switch (found.state) {
        case RegisteredFolder::Usable:
            data = registered;
            break;
        case RegisteredFolder::Unreadable:
        case RegisteredFolder::TableUnreadable:
            tellUnreadable(registered, found);
            return false;
        case RegisteredFolder::Missing:
        case RegisteredFolder::Empty:
            if (!askToStartAfresh(registered, found.state))
                return false;
            break;
        }
    }
    if (data.isEmpty()) {
        firstRunFlag = true;
        firstRun(installation);
    }

    const QString userType = userValue("install_type");
    installation.platform = platformNamed(userType);
    const QString userDate = userValue("install_date");
    if (userType.isEmpty()) {
        writeSetupLog(installation, QStringLiteral("InstallType blank - need to update install"));
        updateFlag = true;
    } else {
        const QString machineDate = machineValue("install_date");
        const QString machineType = machineValue("install_type");
        if (machineType != userType && machineDate != userDate) {
            writeSetupLog(installation, QStringLiteral("Install Types AND Dates did not match..."));
            updateFlag = askConversion(installation, userType, machineType, machineDate);
        } else if (userDate != machineDate) {
            writeSetupLog(installation,
                QStringLiteral(
                    "Dates of HKLM & HKCU don't match, set update flag if not Windows only"));
            const Platform platform = installation.platform;
            if (platform == Platform::WindowsMobile || platform == Platform::Palm
                || platform == Platform::BlackBerry)
                updateFlag = true;
        }
    }

    if (updateFlag) {
        firstRunFlag = true;
        writeSetupLog(installation, QStringLiteral("update_install = True"));
        // The installer's values are recorded for the user as they stand.
        const QString machineType = machineValue("install_type");
        const QString machineDate = machineValue("install_date");
        installation.platform = platformNamed(machineType);
        writeSetupLog(
            installation, QStringLiteral("Read Registry: HKLM / install_type = ") + machineType);
        writeSetupLog(
            installation, QStringLiteral("Read Registry: HKLM / install_date = ") + machineDate);
        if (!setupHandheld || setupHandheld(installation)) {
            setUserValue("install_type", machineType);
            setUserValue("install_date", machineDate);
            writeSetupLog(
                installation, QStringLiteral("Set Registry: HKCU / install_type = ") + machineType);
            writeSetupLog(
                installation, QStringLiteral("Set Registry: HKCU / install_date = ") + machineDate);
        } else {
            // Not recorded: the next start offers the setup again.
            writeSetupLog(
                installation, QStringLiteral("Handheld setup failed, install not recorded"));
        }
    }

    if (firstRunFlag) {
        writeSetupLog(installation,
            crLf + QStringLiteral("Done with config for Vantorelle") + crLf
                + QStringLiteral("Version = ") + QLatin1String(AppInfo::version) + crLf
                + QStringLiteral("Date = ") + logDate() + crLf + crLf
                + QString(33, QLatin1Char('-')));
    }
    return true;
}

} // namespace

QString platformDescription(Platform platform)
{
    switch (platform) {
    case Platform::Palm:
        return QStringLiteral("Windows PC and Palm OS handheld");
    case Platform::WindowsMobile:
        return QStringLiteral("Windows PC and Windows Mobile handheld");
    case Platform::BlackBerry:
        return QStringLiteral("Windows PC and Blackberry handheld");
    case Platform::None:
    case Platform::WindowsOnly:
        break;
    }
    return QStringLiteral("Windows PC Only");
}

std::optional<Installation> configureInstallation(
    const QString &programFolder, const HandheldSetupFunction &setupHandheld)
{
    Installation installation;
    installation.programFolder = programFolder;
    try {
        if (!configure(installation, setupHandheld))
            return std::nullopt;
    } catch (const AppError &error) {
        showError(installation, error, QStringLiteral("in config_registry"));
    }
    return installation;
}

} // namespace vantorelle
