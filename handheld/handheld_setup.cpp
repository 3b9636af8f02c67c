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
#include <QFileInfo>

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

// Ends the setup early; the user has been told why, or the program is closing.
struct SetupEnd {
    SetupOutcome outcome;
};

// A box the setup waits on before it goes on: one that the program ended
// (unanswered, as the program closes) stops the setup.
void tell(const QString &title, const QString &text)
{
    if (prompter().ask(title, text) != Prompter::Ok)
        throw SetupEnd {SetupOutcome::Stopped};
}

// An outside tool as the setup starts it: the argument list, and the command
// line the setup log shows, with paths and names in double quotes. `logName`
// names it in the setup log ("CondReg"), `description` to the user ("conduit
// setup utility").
class ToolCommand {
public:
    ToolCommand(QString program, const char *logName, const char *description)
        : program_(std::move(program))
        , logName_(QLatin1String(logName))
        , description_(QLatin1String(description))
        , commandLine_(QLatin1Char('"') + QDir::toNativeSeparators(program_) + QLatin1Char('"'))
    {
    }

    ToolCommand &option(const QString &text) { return add(text, text); }
    ToolCommand &quoted(const QString &text)
    {
        return add(text, QLatin1Char('"') + text + QLatin1Char('"'));
    }

    // Runs the tool in `workingFolder`, logging it. A tool that ends with
    // another code than 0, or crashes, has not done its work: the user is
    // told and the setup ends.
    void run(const Installation &installation, const QString &workingFolder) const
    {
        writeSetupLog(
            installation, logName_ + QStringLiteral(" ready to run: ExeStr = ") + commandLine_);
        const int code = processRunner().run(program_, arguments_, workingFolder);
        if (code == 0) {
            writeSetupLog(installation, logName_ + QStringLiteral(" finished running"));
            return;
        }
        const bool crashed = code == -1;
        writeSetupLog(installation,
            logName_ + QStringLiteral(" failed: ")
                + (crashed ? QStringLiteral("crashed") : QStringLiteral("exit code %1").arg(code)));
        prompter().ask(QStringLiteral("Vantorelle - Setup Not Complete"),
            joinLines({QStringLiteral("The ") + description_ + QStringLiteral(" (")
                    + QFileInfo(program_).fileName() + QLatin1Char(')')
                    + (crashed ? QStringLiteral(" crashed.")
                               : QStringLiteral(" ended with exit code %1.").arg(code)),
                QString(), QStringLiteral("The handheld software was not set up."),
                QStringLiteral("Please install again or contact support.")}),
            Prompter::OkOnly, Prompter::Exclamation);
        throw SetupEnd {SetupOutcome::Failed};
    }

private:
    ToolCommand &add(const QString &argument, const QString &shown)
    {
        arguments_ << argument;
        commandLine_ += QLatin1Char(' ') + shown;
        return *this;
    }

    QString program_;
    QString logName_;
    QString description_;
    QStringList arguments_;
    QString commandLine_;
};

void showMissingFile(const QString &firstLine)
{
    tell(QStringLiteral("Vantorelle - Missing File"),
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

// The HotSync user's folder, named by the install tool's log, ending in "/";
// "" when there is no log or it names none.
QString locateHandheldDataFolder(const Installation &installation)
{
    const QString logPath = installation.dataFolder + QStringLiteral("CASLcopy.log");
    writeSetupLog(installation, QStringLiteral("Looking for: ") + logPath);
    if (pathExists(logPath))
        writeSetupLog(installation, QStringLiteral("Found: ") + logPath);
    else
        fetchLogFromDriveRoot(installation, logPath);

    if (!pathExists(logPath)) {
        writeSetupLog(installation, QStringLiteral("Unable to locate caslcopy.log"));
        return QString();
    }
    writeSetupLog(installation, QStringLiteral("Found: ") + logPath);
    return userPathFromLog(logPath);
}

// Makes `folder` the data folder, in the registry for the next start too.
void useDataFolder(Installation &installation, const QString &folder)
{
    if (!writeRegistryValue(RegistryScope::CurrentUser, QLatin1String(programRegistryKey),
            QStringLiteral("data_path"), folder))
        throw AppError(AppError::PathFileAccessError);
    installation.dataFolder = folder;
}

// The data follows the HotSync user's folder: the tables, pictures, settings
// and logs of the data folder are copied to `newFolder`, without overwriting
// tables it already holds, and only then does it become the data folder. A
// failure before leaves the data folder where it was, and the box says so.
void moveDataFolder(Installation &installation, const QString &newFolder)
{
    const QString oldFolder = installation.dataFolder;
    // The logs come first, so that the lines logged from here on follow them.
    Installation moved = installation;
    moved.dataFolder = newFolder;
    try {
        if (!makePrivateFolder(newFolder))
            throw AppError(AppError::PathNotFound).aboutFile(newFolder);
        for (const char *name : {"errorlog.txt", "setuplog.txt", "CASLcopy.log"}) {
            if (pathExists(oldFolder + QLatin1String(name)))
                copyFileAtomically(
                    oldFolder + QLatin1String(name), newFolder + QLatin1String(name));
        }
        writeSetupLog(moved,
            joinLines({QStringLiteral("Data path changed..."),
                QStringLiteral("   FROM: ") + oldFolder, QStringLiteral("     TO: ") + newFolder}));
        for (const QString &name : filesIn(oldFolder, QStringLiteral("*.cdb"))) {
            if (!pathExists(newFolder + name))
                copyFileAtomically(oldFolder + name, newFolder + name);
        }

        const QString graphics = QStringLiteral("graphics/");
        if (!makePrivateFolder(newFolder + graphics))
            throw AppError(AppError::PathNotFound).aboutFile(newFolder + graphics);
        for (const QString &name : filesIn(oldFolder + graphics, QStringLiteral("*")))
            copyFileAtomically(oldFolder + graphics + name, newFolder + graphics + name);

        const QString settings = QStringLiteral("vantorelleplus.ini");
        if (!pathExists(newFolder + settings) && pathExists(oldFolder + settings))
            copyFileAtomically(oldFolder + settings, newFolder + settings);
        writeSetupLog(moved, QStringLiteral("Finished copying CDBs to new (Palm) data location"));
        useDataFolder(installation, newFolder);
    } catch (const AppError &error) {
        showError(installation, error, QStringLiteral("setting up the install type"),
            QStringLiteral("The data was not moved to ") + newFolder
                + QStringLiteral(". The data folder is still ") + oldFolder + QLatin1Char('.'));
        throw SetupEnd {SetupOutcome::Failed};
    }
}

// No data folder at all: the program cannot go on.
[[noreturn]] void endWithoutDataFolder(MainWindowActions *main)
{
    prompter().ask(QStringLiteral("Initialization Error"),
        joinLines({QStringLiteral("Unable to locate handheld database directory."), QString(),
            QStringLiteral("Run the full installer again."), QString(),
            QStringLiteral("Contact technical support if the problem persists.")}));
    if (!main)
        std::exit(EXIT_FAILURE);
    main->endApplication();
    throw SetupEnd {SetupOutcome::Ending};
}

void setUpPalm(Installation &installation, MainWindowActions *main)
{
    const QString &dataFolder = installation.dataFolder;
    const QString &programFolder = installation.programFolder;
    if (main)
        main->setWatchEnabled(false);
    copyFromProgramFolder(installation, {"CondReg.exe", "CASLcn20.dll"});
    writeSetupLog(installation, QStringLiteral("Copied conduit reg and dll"));
    tell(QStringLiteral("Vantorelle - Select Hotsync User"),
        joinLines({QStringLiteral("The Palm OS hotsync conduit is about to be setup."), QString(),
            QStringLiteral(
                "Please select the hotsync user you would like Vantorelle Rize to sync with."),
            QString(), QStringLiteral("If prompted, click Continue to the warning message.")}));

    if (pathExists(dataFolder + QStringLiteral("CondReg.exe"))) {
        ToolCommand condReg(
            dataFolder + QStringLiteral("CondReg.exe"), "CondReg", "conduit setup utility");
        condReg.quoted(QDir::toNativeSeparators(withoutFinalSlash(dataFolder)))
            .option(QStringLiteral("-AppName"))
            .quoted(QStringLiteral("Vantorelle"))
            .option(QStringLiteral("-CreatorID"))
            .option(QStringLiteral("QZMR"))
            .option(QStringLiteral("-Directory"))
            .quoted(QStringLiteral("Vantorelle"));
        condReg.run(installation, programFolder);
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
        ToolCommand ruduCopy(
            dataFolder + QStringLiteral("RUDUCopy.exe"), "RUDUCopy", "Palm installer utility");
        ruduCopy.option(QStringLiteral("-Progress"))
            .option(QStringLiteral("-ApplicationPath"))
            .quoted(QDir::toNativeSeparators(dataFolder + QStringLiteral("*.prc")))
            .option(QStringLiteral("-RestartHotSync"))
            .option(QStringLiteral("-HotSyncDir"))
            .quoted(QStringLiteral("Vantorelle"));
        ruduCopy.run(installation, dataFolder);
    } else {
        writeSetupLog(installation, QStringLiteral("RUDUCopy not found"));
        showMissingFile(QStringLiteral("The Palm installer utility was not found."));
    }
    writeSetupLog(installation, QStringLiteral("Changed Curr Dir to: ") + programFolder);

    writeSetupLog(installation, QStringLiteral("Ready to read caslcopy.log"));
    const QString userFolder = locateHandheldDataFolder(installation);
    if (!userFolder.isEmpty() && userFolder != dataFolder) {
        if (dataFolder.isEmpty())
            useDataFolder(installation, userFolder); // there is no data to take along
        else
            moveDataFolder(installation, userFolder);
    }
    if (dataFolder.isEmpty())
        endWithoutDataFolder(main);

    writeSetupLog(installation, QStringLiteral("Prompt user to hotsync"));
    // The hotsyncs rewrite the table files: from here on the tables in memory
    // are older than the files, and no close may write them back.
    if (main)
        main->keepFilesOnExit();
    tell(QStringLiteral("Vantorelle - Hotsync Now"),
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
    if (answer == Prompter::Cancel)
        return false;
    if (answer != Prompter::Ok)
        throw SetupEnd {SetupOutcome::Stopped};

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
        ToolCommand setup(
            dataFolder + QStringLiteral("Setup.exe"), "Setup", "Windows Mobile installer");
        setup.option(QStringLiteral("-SyncDataPath"))
            .quoted(QDir::toNativeSeparators(withoutFinalSlash(dataFolder)));
        setup.run(installation, dataFolder);
    }
    writeSetupLog(installation, QStringLiteral("WinMob installer finished"));
    return true;
}

void showBlackBerryInstructions(const Installation &installation)
{
    writeSetupLog(installation, QStringLiteral("Prompt user to do install for Blackberry"));
    tell(QStringLiteral("Vantorelle - Blackberry Installation Instructions"),
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

SetupOutcome setUpHandheld(Installation &installation, MainWindowActions *main)
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
            break;
        case Platform::WindowsMobile:
            if (!setUpWindowsMobile(installation))
                return SetupOutcome::Cancelled;
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
        return SetupOutcome::Done;
    } catch (const SetupEnd &end) {
        return end.outcome;
    } catch (const AppError &error) {
        showError(installation, error, QStringLiteral("setting up the install type"));
        return SetupOutcome::Failed;
    }
}

void reinstallHandheld(const Installation &installation, MainWindowActions &main)
{
    main.setWatchEnabled(false);
    const bool palm = installation.platform == Platform::Palm;
    // What was typed goes into the table files before the hotsyncs change them.
    if (palm && !main.saveAll().isEmpty()) {
        prompter().ask(QStringLiteral("Reinstall Not Complete"),
            QStringLiteral("The databases could not all be saved, reinstall aborted."));
        main.setWatchEnabled(true);
        return;
    }

    // The installation of this run stays as it is; the setup may find the
    // data folder elsewhere, for the next start.
    Installation setUp = installation;
    switch (setUpHandheld(setUp, &main)) {
    case SetupOutcome::Stopped:
    case SetupOutcome::Ending:
        return; // the program is closing; after a hotsync it writes no table
    case SetupOutcome::Done:
        if (palm)
            break;
        [[fallthrough]];
    case SetupOutcome::Cancelled:
    case SetupOutcome::Failed:
        // No table file changed under the tables in memory.
        main.setWatchEnabled(true);
        return;
    }

    // The files hold what the hotsyncs brought (in the new data folder, when
    // it moved): the tables are read again at the next start.
    QStringList lines;
    if (setUp.dataFolder != installation.dataFolder)
        lines << QStringLiteral("The data folder has moved to:") << setUp.dataFolder << QString();
    lines << QLatin1String(AppInfo::title)
            + QStringLiteral(" will now be closed, so that it reads the records the hotsyncs "
                             "brought. Please start it again.");
    if (prompter().ask(QStringLiteral("Restart Required"), lines.join(crLf)) != Prompter::Ok)
        return; // a close from outside ended the box, and follows
    main.discardEditorWork();
    main.closeMainWindow();
}

} // namespace vantorelle
