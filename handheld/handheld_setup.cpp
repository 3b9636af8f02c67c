#include "handheld/handheld_setup.h"

#include "context/main_window_actions.h"
#include "platform/app_error.h"
#include "platform/file_copy.h"
#include "platform/paths.h"
#include "platform/private_files.h"
#include "platform/process_runner.h"
#include "platform/prompter.h"
#include "settings/app_info.h"
#include "settings/error_box_and_logs.h"
#include "settings/registry_access.h"
#include "store/clock.h"
#include "text/cp1252.h"

#include <QDir>
#include <QFile>

#include <cstdlib>
#include <initializer_list>

namespace vantorelle {

namespace {

const QString crLf = QStringLiteral("\r\n");

QString joinLines(std::initializer_list<QString> lines)
{
    return QStringList(lines).join(crLf);
}

// "Dec 8, 2026 07:05", in English whatever the user's language.
QString setupLogDate()
{
    static const char *const months[]
        = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const LocalDateTime at = Clock::current().now();
    return QStringLiteral("%1 %2, %3 %4:%5")
        .arg(QLatin1String(months[at.month - 1]))
        .arg(at.day)
        .arg(at.year)
        .arg(at.hour, 2, 10, QLatin1Char('0'))
        .arg(at.minute, 2, 10, QLatin1Char('0'));
}

QString withoutFinalSlash(QString folder)
{
    if (folder.endsWith(QLatin1Char('/')))
        folder.chop(1);
    return folder;
}

// An outside tool as the setup starts it: the argument list, and the command
// line the setup log shows, with paths and names in double quotes.
class ToolCommand {
public:
    explicit ToolCommand(QString program)
        : program_(std::move(program))
        , commandLine_(QLatin1Char('"') + QDir::toNativeSeparators(program_) + QLatin1Char('"'))
    {
    }

    ToolCommand &option(const QString &text) { return add(text, text); }
    ToolCommand &quoted(const QString &text)
    {
        return add(text, QLatin1Char('"') + text + QLatin1Char('"'));
    }

    const QString &commandLine() const { return commandLine_; }
    void run(const QString &workingFolder) const
    {
        processRunner().run(program_, arguments_, workingFolder);
    }

private:
    ToolCommand &add(const QString &argument, const QString &shown)
    {
        arguments_ << argument;
        commandLine_ += QLatin1Char(' ') + shown;
        return *this;
    }

    QString program_;
    QStringList arguments_;
    QString commandLine_;
};

void showMissingFile(const QString &firstLine)
{
    prompter().ask(QStringLiteral("Vantorelle - Missing File"),
        joinLines(
            {firstLine, QString(), QStringLiteral("Please install again or contact support.")}));
}

// Copies the named files from the program folder into the data folder.
void copyFromProgramFolder(
    const Installation &installation, std::initializer_list<const char *> names)
{
    for (const char *name : names) {
        copyFileAtomically(installation.programFolder + QLatin1String(name),
            installation.dataFolder + QLatin1String(name));
    }
}

QStringList filesIn(const QString &folder, const QString &pattern)
{
    return QDir(folder).entryList({pattern}, QDir::Files, QDir::Name);
}

// The HotSync user's folder named by the install tool's log, ending in "/"; ""
// when the log names none.
QString userPathFromLog(const QString &logPath)
{
    QFile log(logPath);
    if (!log.open(QIODevice::ReadOnly))
        throw AppError(AppError::PathFileAccessError).aboutFile(logPath);
    const QByteArray prefix = QByteArrayLiteral("UserPath: ");
    for (QByteArray line : log.readAll().split('\n')) {
        if (!line.startsWith(prefix))
            continue;
        // A log with CR LF line ends must not leave a CR at the end of the folder.
        while (line.endsWith('\r'))
            line.chop(1);
        const QString folder = Cp1252::toUnicode(line.mid(prefix.size()));
        return folder.isEmpty() ? QString() : withFinalSlash(QDir::fromNativeSeparators(folder));
    }
    return QString();
}

// The root of the drive `folder` lies on ("D:/"), or the file system's root.
QString driveRoot(const QString &folder)
{
    if (folder.size() >= 2 && folder.at(1) == QLatin1Char(':'))
        return folder.left(2) + QLatin1Char('/');
    return QDir::rootPath();
}

// The Palm install tool may have left its log at the root of the system drive
// or of the program's drive; it is brought into the data folder.
void fetchLogFromDriveRoot(const Installation &installation, const QString &logPath)
{
    const QString programRoot = driveRoot(installation.programFolder);
    QStringList roots = {QDir::rootPath()};
    if (programRoot != roots.first())
        roots << programRoot;
    for (const QString &root : roots) {
        const QString found = root + QStringLiteral("CASLcopy.log");
        if (!pathExists(found))
            continue;
        writeSetupLog(installation,
            QStringLiteral("Try to copy caslcopy.log from ") + QDir::toNativeSeparators(root)
                + QStringLiteral(" to data path"));
        copyFileAtomically(found, logPath);
        writeSetupLog(installation, QStringLiteral("Found: ") + QDir::toNativeSeparators(found));
        return;
    }
}

// The data folder moved to the HotSync user's folder: the tables, pictures,
// settings and logs of `oldFolder` follow, without overwriting tables that the
// new folder already holds. The logs come first, so that the lines written
// from here on are kept.
void moveDataFolder(const Installation &installation, const QString &oldFolder)
{
    const QString &dataFolder = installation.dataFolder;
    if (!makePrivateFolder(dataFolder))
        throw AppError(AppError::PathNotFound).aboutFile(dataFolder);
    for (const char *name : {"errorlog.txt", "setuplog.txt", "CASLcopy.log"}) {
        if (pathExists(oldFolder + QLatin1String(name)))
            copyFileAtomically(oldFolder + QLatin1String(name), dataFolder + QLatin1String(name));
    }
    writeSetupLog(installation,
        joinLines({QStringLiteral("Data path changed..."), QStringLiteral("   FROM: ") + oldFolder,
            QStringLiteral("     TO: ") + dataFolder}));
    for (const QString &name : filesIn(oldFolder, QStringLiteral("*.cdb"))) {
        if (!pathExists(dataFolder + name))
            copyFileAtomically(oldFolder + name, dataFolder + name);
    }

    const QString graphics = QStringLiteral("graphics/");
    if (!makePrivateFolder(dataFolder + graphics))
        throw AppError(AppError::PathNotFound).aboutFile(dataFolder + graphics);
    for (const QString &name : filesIn(oldFolder + graphics, QStringLiteral("*")))
        copyFileAtomically(oldFolder + graphics + name, dataFolder + graphics + name);

    const QString settings = QStringLiteral("vantorelleplus.ini");
    if (!pathExists(dataFolder + settings) && pathExists(oldFolder + settings))
        copyFileAtomically(oldFolder + settings, dataFolder + settings);
    writeSetupLog(
        installation, QStringLiteral("Finished copying CDBs to new (Palm) data location"));
}

void setUpPalm(Installation &installation, MainWindowActions *main)
{
    const QString &dataFolder = installation.dataFolder;
    const QString &programFolder = installation.programFolder;
    if (main)
        main->setWatchEnabled(false);
    copyFromProgramFolder(installation, {"CondReg.exe", "CASLcn20.dll"});
    writeSetupLog(installation, QStringLiteral("Copied conduit reg and dll"));
    prompter().ask(QStringLiteral("Vantorelle - Select Hotsync User"),
        joinLines({QStringLiteral("The Palm OS hotsync conduit is about to be setup."), QString(),
            QStringLiteral(
                "Please select the hotsync user you would like Vantorelle Rize to sync with."),
            QString(), QStringLiteral("If prompted, click Continue to the warning message.")}));

    if (pathExists(dataFolder + QStringLiteral("CondReg.exe"))) {
        ToolCommand condReg(dataFolder + QStringLiteral("CondReg.exe"));
        condReg.quoted(QDir::toNativeSeparators(withoutFinalSlash(dataFolder)))
            .option(QStringLiteral("-AppName"))
            .quoted(QStringLiteral("Vantorelle"))
            .option(QStringLiteral("-CreatorID"))
            .option(QStringLiteral("QZMR"))
            .option(QStringLiteral("-Directory"))
            .quoted(QStringLiteral("Vantorelle"));
        writeSetupLog(installation,
            QStringLiteral("CondReg ready to run: ExeStr = ") + condReg.commandLine());
        condReg.run(programFolder);
        writeSetupLog(installation, QStringLiteral("CondReg finished running"));
    } else {
        writeSetupLog(installation, QStringLiteral("CondReg not found"));
        showMissingFile(QStringLiteral("The conduit setup utility was not found."));
    }

    writeSetupLog(installation, QStringLiteral("Ready to copy caslcopy, dlls, prc"));
    copyFromProgramFolder(
        installation, {"RUDUCopy.exe", "HSAPI.dll", "Instaide.dll", "Vantorelle_Installer.prc"});
    // The install tool runs in the data folder, where it also leaves its log.
    writeSetupLog(installation, QStringLiteral("Changed Curr Dir to: ") + dataFolder);
    if (pathExists(dataFolder + QStringLiteral("RUDUCopy.exe"))) {
        ToolCommand ruduCopy(dataFolder + QStringLiteral("RUDUCopy.exe"));
        ruduCopy.option(QStringLiteral("-Progress"))
            .option(QStringLiteral("-ApplicationPath"))
            .quoted(QDir::toNativeSeparators(dataFolder + QStringLiteral("*.prc")))
            .option(QStringLiteral("-RestartHotSync"))
            .option(QStringLiteral("-HotSyncDir"))
            .quoted(QStringLiteral("Vantorelle"));
        writeSetupLog(installation,
            QStringLiteral("RUDUCopy ready to run: ExeStr = ") + ruduCopy.commandLine());
        ruduCopy.run(dataFolder);
        writeSetupLog(installation, QStringLiteral("RUDUCopy finished running"));
    } else {
        writeSetupLog(installation, QStringLiteral("RUDUCopy not found"));
        showMissingFile(QStringLiteral("The Palm installer utility was not found."));
    }
    writeSetupLog(installation, QStringLiteral("Changed Curr Dir to: ") + programFolder);

    writeSetupLog(installation, QStringLiteral("Ready to read caslcopy.log"));
    const QString oldFolder = dataFolder;
    if (!locateHandheldDataFolder(installation, main))
        return;
    if (dataFolder != oldFolder && !oldFolder.isEmpty())
        moveDataFolder(installation, oldFolder);

    writeSetupLog(installation, QStringLiteral("Prompt user to hotsync"));
    prompter().ask(QStringLiteral("Vantorelle - Hotsync Now"),
        joinLines({QStringLiteral("Please connect and hotsync your Palm OS handheld now."),
            QString(),
            QStringLiteral("AFTER the hotsync completes, follow the prompts on the handheld, then "
                           "hotsync a SECOND time."),
            QString(), QStringLiteral("After BOTH hotsyncs are done, click OK.")}));
    if (main)
        main->setWatchEnabled(true);
}

// False when the user cancelled: the setup ends without its closing log line.
bool setUpWindowsMobile(const Installation &installation)
{
    const QString &dataFolder = installation.dataFolder;
    const QString &programFolder = installation.programFolder;
    const int answer = prompter().ask(QStringLiteral("Vantorelle - Handheld Software Installer"),
        joinLines({QStringLiteral("PLEASE READ ALL OF THIS CAREFULLY"), QString(),
            QStringLiteral("The Windows Mobile handheld software is about to be installed."),
            QString(),
            QStringLiteral(
                "WARNING: If you have Vantorelle data on the device and not on the computer, "
                "CANCEL this message box and use File / Retrieve Data from the Vantorelle "
                "menu to copy your data to the computer first. Then use the File / Reinstall "
                "Handheld Software to run the handheld installer again."),
            QString(),
            QStringLiteral(
                "IMPORTANT: Please make sure that Vantorelle is closed (not running) on the "
                "device."),
            QString(),
            QStringLiteral("Please connect your handheld, let it synchronize, then click OK.")}),
        Prompter::OkCancel);
    if (answer != Prompter::Ok)
        return false;

    if (!pathExists(programFolder + QStringLiteral("Setup.exe"))) {
        writeSetupLog(installation,
            QStringLiteral("WinMob installer not found at: ") + programFolder
                + QStringLiteral("winmobile_desktop.exe"));
        showMissingFile(QStringLiteral("The Windows Mobile installer was not found."));
        return true;
    }

    writeSetupLog(installation, QStringLiteral("Ready to copy setup, cabs, prc"));
    copyFromProgramFolder(installation,
        {"Setup.exe", "InstallScript.ini", "Vantorelle.ini", "Vantorelle_icon.exe",
            "Vantorelle.PPC3_ARM.CAB", "Vantorelle.PPC3_ARM.DAT", "Vantorelle.PPC3_MIPS.CAB",
            "Vantorelle.PPC3_MIPS.DAT", "Vantorelle.PPC3_SH3.CAB", "Vantorelle.PPC3_SH3.DAT",
            "RUDUSync.dll", "CASLregARM.exe", "CASLregMIPS.exe", "CASLregSH3.exe"});
    if (!pathExists(dataFolder + QStringLiteral("Setup.exe"))) {
        writeSetupLog(installation, QStringLiteral("Setup not found"));
        showMissingFile(QStringLiteral("The Windows Mobile installer utility was not found."));
    } else {
        ToolCommand setup(dataFolder + QStringLiteral("Setup.exe"));
        setup.option(QStringLiteral("-SyncDataPath"))
            .quoted(QDir::toNativeSeparators(withoutFinalSlash(dataFolder)));
        writeSetupLog(
            installation, QStringLiteral("Setup ready to run: ExeStr = ") + setup.commandLine());
        setup.run(dataFolder);
        writeSetupLog(installation, QStringLiteral("Setup finished running"));
    }
    writeSetupLog(installation, QStringLiteral("WinMob installer finished"));
    return true;
}

void showBlackBerryInstructions(const Installation &installation)
{
    writeSetupLog(installation, QStringLiteral("Prompt user to do install for Blackberry"));
    prompter().ask(QStringLiteral("Vantorelle - Blackberry Installation Instructions"),
        joinLines(
            {QStringLiteral(
                 "To install the device software, connect your BlackBerry to your desktop, then:"),
                QString(), QStringLiteral("1. Launch the BlackBerry Desktop Manager"),
                QStringLiteral("2. BACKUP your device using the Backup / Restore feature"),
                QStringLiteral("3. Double-click the Application Loader icon"),
                QStringLiteral("4. Click Next in the Application Loader Wizard"),
                QStringLiteral("5. Click the Add button and browse to select / open this file:"),
                QStringLiteral("    ") + installation.programFolder
                    + QStringLiteral("vantorelle.alx"),
                QStringLiteral("6. Click Next and Vantorelle will be installed on the device"),
                QString(), QStringLiteral("To setup synchronization for the Blackberry:"),
                QString(), QStringLiteral("1. Start the Blackberry Desktop Manager"),
                QStringLiteral("2. Double-click the Synchronization icon"),
                QStringLiteral("3. Make sure the 'Execute Add-in actions' box is checked"),
                QStringLiteral("4. Click the Configuration tab"),
                QStringLiteral("5. Click the Configure Add-ins button"),
                QStringLiteral("6. Make sure the Brasselwicket Vantorelle item is checked")}));
}

} // namespace

void setUpHandheld(Installation &installation, MainWindowActions *main)
{
    try {
        writeSetupLog(installation,
            joinLines({QString(), QStringLiteral("Start setup_install_type for Vantorelle"),
                QStringLiteral("Version = ") + QLatin1String(AppInfo::version),
                QStringLiteral("Date = ") + setupLogDate()}));
        writeSetupLog(
            installation, QStringLiteral("InstallType = ") + platformName(installation.platform));

        switch (installation.platform) {
        case Platform::Palm:
            setUpPalm(installation, main);
            if (installation.dataFolder.isEmpty())
                return; // the program is ending
            break;
        case Platform::WindowsMobile:
            if (!setUpWindowsMobile(installation))
                return;
            break;
        case Platform::BlackBerry:
            showBlackBerryInstructions(installation);
            break;
        case Platform::None:
        case Platform::WindowsOnly:
            break;
        }
        writeSetupLog(
            installation, QStringLiteral("Done with setup_install_type for Vantorelle") + crLf);
    } catch (const AppError &error) {
        showError(installation, error, QStringLiteral("setting up the install type"));
    }
}

bool locateHandheldDataFolder(Installation &installation, MainWindowActions *main)
{
    QString &dataFolder = installation.dataFolder;
    if (installation.platform == Platform::Palm) {
        const QString logPath = dataFolder + QStringLiteral("CASLcopy.log");
        writeSetupLog(installation, QStringLiteral("Looking for: ") + logPath);
        if (pathExists(logPath))
            writeSetupLog(installation, QStringLiteral("Found: ") + logPath);
        else
            fetchLogFromDriveRoot(installation, logPath);

        QString userFolder;
        if (pathExists(logPath)) {
            writeSetupLog(installation, QStringLiteral("Found: ") + logPath);
            userFolder = userPathFromLog(logPath);
        } else {
            writeSetupLog(installation, QStringLiteral("Unable to locate caslcopy.log"));
        }
        if (!userFolder.isEmpty() && userFolder != dataFolder) {
            dataFolder = userFolder;
            writeRegistryValue(RegistryScope::CurrentUser, QLatin1String(programRegistryKey),
                QStringLiteral("data_path"), dataFolder);
        }
    }

    if (!dataFolder.isEmpty())
        return true;
    prompter().ask(QStringLiteral("Initialization Error"),
        joinLines({QStringLiteral("Unable to locate handheld database directory."), QString(),
            QStringLiteral("Run the full installer again."), QString(),
            QStringLiteral("Contact technical support if the problem persists.")}));
    if (main)
        main->endApplication();
    else
        std::exit(EXIT_FAILURE);
    return false;
}

void reinstallHandheld(const Installation &installation, MainWindowActions &main)
{
    main.setWatchEnabled(false);
    if (installation.platform == Platform::Palm && !main.saveAll().isEmpty()) {
        prompter().ask(QStringLiteral("Reinstall Not Complete"),
            QStringLiteral("The databases could not all be saved, reinstall aborted."));
        main.setWatchEnabled(true);
        return;
    }

    // The installation of this run stays as it is; the setup may find the
    // data folder elsewhere, for the next start.
    Installation setUp = installation;
    setUpHandheld(setUp, &main);
    if (setUp.dataFolder.isEmpty())
        return; // the program is ending

    if (setUp.dataFolder != installation.dataFolder) {
        // The tables in memory came from the old folder: writing them at the
        // close would overwrite what the new folder holds.
        main.setWatchEnabled(false);
        main.keepFilesOnExit();
        prompter().ask(QStringLiteral("Restart Required"),
            joinLines({QStringLiteral("The data folder has moved to:"), setUp.dataFolder, QString(),
                QLatin1String(AppInfo::title)
                    + QStringLiteral(" will now be closed. Please start it again.")}));
        main.discardEditorWork();
        main.closeMainWindow();
        return;
    }
    main.setWatchEnabled(true);
}

} // namespace vantorelle
