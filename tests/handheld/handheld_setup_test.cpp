#include <gtest/gtest.h>

#include "handheld/handheld_setup.h"
#include "support/fake_process_runner.h"
#include "support/fake_prompter.h"
#include "support/fake_registry.h"
#include "support/file_modes.h"
#include "support/handheld_fakes.h"

#include <functional>

using namespace vantorelle;

namespace {

const QStringList palmFiles = {"CondReg.exe", "CASLcn20.dll", "RUDUCopy.exe", "HSAPI.dll",
    "Instaide.dll", "Vantorelle_Installer.prc"};
const QStringList windowsMobileFiles
    = {"Setup.exe", "InstallScript.ini", "Vantorelle.ini", "Vantorelle_icon.exe",
        "Vantorelle.PPC3_ARM.CAB", "Vantorelle.PPC3_ARM.DAT", "Vantorelle.PPC3_MIPS.CAB",
        "Vantorelle.PPC3_MIPS.DAT", "Vantorelle.PPC3_SH3.CAB", "Vantorelle.PPC3_SH3.DAT",
        "RUDUSync.dll", "CASLregARM.exe", "CASLregMIPS.exe", "CASLregSH3.exe"};

// The lines every setup log entry of a setup starts with, on 8 December 2026 at 07:05.
QStringList opening(const QString &installType)
{
    return {QString(), "Start setup_install_type for Vantorelle", "Version = 5.5.2",
        "Date = Dec 8, 2026 07:05", "InstallType = " + installType};
}
const QStringList closing = {"Done with setup_install_type for Vantorelle", QString()};

class HandheldSetup : public ::testing::Test {
protected:
    void SetUp() override
    {
        installation.programFolder = install.programFolder();
        installation.dataFolder = install.documentsFolder() + "Vantorelle/";
        QDir().mkpath(installation.dataFolder);
    }

    // Runs the handheld setup for the platform of `name`.
    SetupOutcome runSetup(const char *name)
    {
        installation.platform = platformNamed(QString::fromLatin1(name));
        return setUpHandheld(installation, &main);
    }

    // The setup log as lines (the last one ends it).
    QStringList setupLog(const QString &folder) const
    {
        QStringList lines = QString::fromLatin1(readFile(folder + "setuplog.txt")).split("\r\n");
        lines.removeLast();
        return lines;
    }

    // The Palm tools: the install tool leaves a log naming `userPath` in the
    // folder it runs in, or no log when `userPath` is nothing.
    void shipPalmTools(const std::optional<QString> &userPath)
    {
        tools.write(installation.programFolder, "CondReg.exe");
        tools.write(installation.programFolder, "RUDUCopy.exe",
            userPath ? "printf 'RUDUCopy 2.1\\r\\nUserPath: %s\\r\\nDone\\r\\n' '"
                    + userPath->toUtf8() + "' > CASLcopy.log"
                     : QByteArray());
        for (const QString &name : palmFiles.mid(3) + QStringList {"CASLcn20.dll"})
            writeFile(installation.programFolder + name, name.toUtf8());
    }

    TemporaryInstall install;
    Installation installation;
    FrozenClock clock;
    FakePrompter prompter;
    FakeRegistry registry;
    FakeTools tools;
    FakeMainWindow main;
};

QString withoutFinalSlash(const QString &folder)
{
    return folder.chopped(1);
}

} // namespace

TEST_F(HandheldSetup, PalmRegistersTheConduitAndQueuesTheInstall)
{
    installation.platform = platformNamed("Palm");
    shipPalmTools(withoutFinalSlash(installation.dataFolder));

    EXPECT_EQ(runSetup("Palm"), SetupOutcome::Done);

    const auto condReg = tools.run("CondReg.exe");
    ASSERT_TRUE(condReg);
    EXPECT_EQ(condReg->folder, canonical(installation.programFolder));
    EXPECT_EQ(condReg->arguments,
        QStringList({withoutFinalSlash(installation.dataFolder), "-AppName", "Vantorelle",
            "-CreatorID", "QZMR", "-Directory", "Vantorelle"}));
    const auto ruduCopy = tools.run("RUDUCopy.exe");
    ASSERT_TRUE(ruduCopy);
    EXPECT_EQ(ruduCopy->folder, canonical(installation.dataFolder));
    EXPECT_EQ(ruduCopy->arguments,
        QStringList({"-Progress", "-ApplicationPath", installation.dataFolder + "*.prc",
            "-RestartHotSync", "-HotSyncDir", "Vantorelle"}));
    for (const QString &name : palmFiles)
        EXPECT_EQ(
            readFile(installation.dataFolder + name), readFile(installation.programFolder + name))
            << name.toStdString();

    const QString d = installation.dataFolder;
    const QStringList expectedLog = opening("Palm")
        + QStringList {"Copied conduit reg and dll",
            "CondReg ready to run: ExeStr = \"" + d + "CondReg.exe\" \"" + withoutFinalSlash(d)
                + "\" -AppName \"Vantorelle\" -CreatorID QZMR -Directory \"Vantorelle\"",
            "CondReg finished running", "Ready to copy caslcopy, dlls, prc",
            "Changed Curr Dir to: " + d,
            "RUDUCopy ready to run: ExeStr = \"" + d
                + "RUDUCopy.exe\" -Progress -ApplicationPath \"" + d
                + "*.prc\" -RestartHotSync -HotSyncDir \"Vantorelle\"",
            "RUDUCopy finished running", "Changed Curr Dir to: " + installation.programFolder,
            "Ready to read caslcopy.log", "Looking for: " + d + "CASLcopy.log",
            "Found: " + d + "CASLcopy.log", "Found: " + d + "CASLcopy.log",
            "Prompt user to hotsync"}
        + closing;
    EXPECT_EQ(setupLog(installation.dataFolder), expectedLog);

    ASSERT_EQ(prompter.boxes.size(), 2);
    EXPECT_EQ(prompter.boxes[0].title, "Vantorelle - Select Hotsync User");
    EXPECT_EQ(prompter.boxes[0].text,
        "The Palm OS hotsync conduit is about to be setup.\r\n\r\nPlease select the hotsync user "
        "you would "
        "like Vantorelle Rize to sync with.\r\n\r\nIf prompted, click Continue to the warning "
        "message.");
    EXPECT_EQ(prompter.boxes[1].title, "Vantorelle - Hotsync Now");
    // From the hotsync on, the files on disk are the ones to keep.
    EXPECT_EQ(main.events, QStringList({"watch off", "keep files", "watch on"}));
    // The log named the data folder itself: nothing moves.
    EXPECT_EQ(installation.dataFolder, d);
    EXPECT_FALSE(registry.user.contains("data_path"));
}

TEST_F(HandheldSetup, PalmMovesTheDataToTheHotsyncUsersFolder)
{
    installation.platform = platformNamed("Palm");
    const QString oldFolder = installation.dataFolder;
    const QString userFolder = install.documentsFolder() + "Palm/Lee A";
    writeFile(userFolder + "/VantorelleMainID.cdb", "handheld's own profiles");
    writeFile(oldFolder + "VantorelleMainID.cdb", "PC profiles");
    writeFile(oldFolder + "VantorelleBP.cdb", "PC readings");
    writeFile(oldFolder + "graphics/logo.png", "logo");
    writeFile(oldFolder + "vantorelleplus.ini", "[Main]\r\n");
    writeFile(oldFolder + "errorlog.txt", "old errors\r\n");
    // The tool's log names the folder without a final separator, with CR LF line ends.
    shipPalmTools(userFolder);

    runSetup("Palm");

    const QString newFolder = userFolder + "/";
    EXPECT_EQ(installation.dataFolder, newFolder);
    EXPECT_EQ(registry.user.value("data_path").toString(), newFolder);
    EXPECT_EQ(readFile(newFolder + "VantorelleMainID.cdb"), "handheld's own profiles");
    EXPECT_EQ(readFile(newFolder + "VantorelleBP.cdb"), "PC readings");
    EXPECT_EQ(readFile(newFolder + "graphics/logo.png"), "logo");
    EXPECT_EQ(readFile(newFolder + "vantorelleplus.ini"), "[Main]\r\n");
    EXPECT_EQ(readFile(newFolder + "errorlog.txt"), "old errors\r\n");
    EXPECT_EQ(readFile(newFolder + "CASLcopy.log"), readFile(oldFolder + "CASLcopy.log"));
    EXPECT_EQ(readFile(oldFolder + "VantorelleMainID.cdb"), "PC profiles");

    // The whole setup is in the new folder's log, the move included.
    const QStringList log = setupLog(newFolder);
    ASSERT_GE(log.size(), 10);
    EXPECT_EQ(log.mid(0, 5), opening("Palm"));
    const qsizetype moved = log.indexOf("Data path changed...");
    ASSERT_GE(moved, 0);
    EXPECT_EQ(log.mid(moved, 4),
        QStringList({"Data path changed...", "   FROM: " + oldFolder, "     TO: " + newFolder,
            "Finished copying CDBs to new (Palm) data location"}));
    EXPECT_EQ(log.mid(log.size() - 3), QStringList({"Prompt user to hotsync"}) + closing);
}

TEST_F(HandheldSetup, PalmMovingTheDataToANewFolderKeepsItTheUsersAlone)
{
    const ScopedUmask umask(022);
    installation.platform = platformNamed("Palm");
    const QString oldFolder = installation.dataFolder;
    writeFile(oldFolder + "VantorelleBP.cdb", "PC readings");
    writeFile(oldFolder + "graphics/logo.png", "logo");
    writeFile(oldFolder + "vantorelleplus.ini", "[Main]\r\n");
    const QString userFolder = install.documentsFolder() + "Palm/Lee A";
    shipPalmTools(userFolder);

    runSetup("Palm");

    ASSERT_EQ(installation.dataFolder, userFolder + "/");
    EXPECT_EQ(readFile(userFolder + "/VantorelleBP.cdb"), "PC readings");
    EXPECT_EQ(permissionsOf(install.documentsFolder() + "Palm"), 0700);
    EXPECT_EQ(notTheOwnersAlone(userFolder), "");
}

TEST_F(HandheldSetup, PalmWithoutAnInstallLogKeepsTheDataFolder)
{
    installation.platform = platformNamed("Palm");
    const QString d = installation.dataFolder;
    shipPalmTools(std::nullopt);

    runSetup("Palm");

    EXPECT_EQ(installation.dataFolder, d);
    EXPECT_TRUE(setupLog(d).contains("Unable to locate caslcopy.log"));
    EXPECT_EQ(setupLog(d).mid(setupLog(d).size() - 2), closing);
    EXPECT_FALSE(registry.user.contains("data_path"));
}

TEST_F(HandheldSetup, PalmWithoutTheConduitToolStopsAtTheErrorBox)
{
    installation.platform = platformNamed("Palm");

    EXPECT_EQ(runSetup("Palm"), SetupOutcome::Failed);

    ASSERT_EQ(prompter.boxes.size(), 1);
    EXPECT_EQ(prompter.boxes[0].title, "Error");
    EXPECT_TRUE(prompter.boxes[0].text.startsWith(
        "An error occurred while setting up the install type.\r\n\r\n"
        "ErrorCode =  53 (File not found)"));
    // The watch stays off until the caller turns it on again.
    EXPECT_EQ(main.events, QStringList({"watch off"}));
    EXPECT_EQ(setupLog(installation.dataFolder), opening("Palm"));
}

// A tool that ends with another code than 0, or crashes, has not done its
// work: the user is told which and how, the setup ends there (no closing log
// line, so the installation is not recorded) and the data folder stays.
TEST_F(HandheldSetup, AToolThatFailsEndsTheSetupAndIsTold)
{
    const QString newFolder = install.documentsFolder() + "Palm/Lee/";
    const struct {
        const char *name;
        const char *platform;
        const char *tool;
        QByteArray body;
        QString told;
        QString logged;
        const char *notRun; // a tool the setup would have run next
    } cases[] = {
        {"the conduit tool exits 1", "Palm", "CondReg.exe", "exit 1",
            "The conduit setup utility (CondReg.exe) ended with exit code 1.",
            "CondReg failed: exit code 1", "RUDUCopy.exe"},
        {"the Palm install tool crashes after naming a new folder", "Palm", "RUDUCopy.exe",
            "printf 'UserPath: " + newFolder.toUtf8() + "\r\n' > CASLcopy.log; kill -SEGV $$",
            "The Palm installer utility (RUDUCopy.exe) crashed.", "RUDUCopy failed: crashed",
            nullptr},
        {"the Windows Mobile installer exits 1", "WM", "Setup.exe", "exit 1",
            "The Windows Mobile installer (Setup.exe) ended with exit code 1.",
            "Setup failed: exit code 1", nullptr},
    };
    const QString dataFolder = installation.dataFolder;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        QDir(dataFolder).removeRecursively();
        QDir().mkpath(dataFolder);
        QDir(tools.records()).removeRecursively();
        QDir().mkpath(tools.records());
        prompter.boxes.clear();
        main.events.clear();
        shipPalmTools(withoutFinalSlash(dataFolder));
        for (const QString &name : windowsMobileFiles.mid(1))
            writeFile(installation.programFolder + name, name.toUtf8());
        tools.write(installation.programFolder, "Setup.exe");
        tools.write(installation.programFolder, c.tool, c.body);

        EXPECT_EQ(runSetup(c.platform), SetupOutcome::Failed);

        ASSERT_FALSE(prompter.boxes.isEmpty());
        EXPECT_EQ(prompter.boxes.last().title, "Vantorelle - Setup Not Complete");
        EXPECT_EQ(prompter.boxes.last().text,
            c.told
                + "\r\n\r\nThe handheld software was not set up.\r\nPlease install again or "
                  "contact support.");
        EXPECT_EQ(setupLog(dataFolder).last(), c.logged);
        if (c.notRun) {
            EXPECT_FALSE(tools.run(c.notRun));
        }
        EXPECT_EQ(installation.dataFolder, dataFolder);
        EXPECT_FALSE(registry.user.contains("data_path"));
        EXPECT_FALSE(QFileInfo::exists(newFolder));
        EXPECT_FALSE(main.events.contains("keep files"));
    }
}

// A box the program ends itself (it is closing) stops the setup before the
// step the box announced.
TEST_F(HandheldSetup, ABoxEndedUnansweredStopsTheSetup)
{
    const struct {
        const char *name;
        const char *platform;
        QList<int> answers;
        QStringList events;
        const char *notRun;
    } cases[] = {
        {"Select Hotsync User", "Palm", {Prompter::Unanswered}, {"watch off"}, "CondReg.exe"},
        // The hotsyncs may have begun: the files stay the ones to keep.
        {"Hotsync Now", "Palm", {Prompter::Ok, Prompter::Unanswered}, {"watch off", "keep files"},
            nullptr},
        {"the Windows Mobile installer's question", "WM", {Prompter::Unanswered}, {}, "Setup.exe"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        QDir(installation.dataFolder).removeRecursively();
        QDir().mkpath(installation.dataFolder);
        QDir(tools.records()).removeRecursively();
        QDir().mkpath(tools.records());
        main.events.clear();
        shipPalmTools(withoutFinalSlash(installation.dataFolder));
        tools.write(installation.programFolder, "Setup.exe");
        prompter.setNextAnswers(c.answers);

        EXPECT_EQ(runSetup(c.platform), SetupOutcome::Stopped);

        EXPECT_EQ(main.events, c.events);
        if (c.notRun) {
            EXPECT_FALSE(tools.run(c.notRun));
        }
        EXPECT_NE(
            setupLog(installation.dataFolder).mid(setupLog(installation.dataFolder).size() - 2),
            closing);
    }
}

// The data folder setting changes only once the new folder holds the data: a
// move that fails leaves it, here and in the registry, where it was, and the
// error box says so.
TEST_F(HandheldSetup, PalmKeepsTheDataFolderWhenTheMoveFails)
{
    const QString documents = install.documentsFolder();
    writeFile(documents + "file", "not a folder");
    const struct {
        const char *name;
        QString userFolder;
        std::function<void()> prepare;
    } cases[] = {
        {"a folder that cannot be made", documents + "file/Palm/Lee/", [] {}},
        {"pictures that cannot be copied", documents + "Palm/Lee/",
            [&] { writeFile(documents + "Palm/Lee/graphics", "a file where the folder goes"); }},
    };
    const QString oldFolder = installation.dataFolder;
    writeFile(oldFolder + "VantorelleMainID.cdb", "PC profiles");
    writeFile(oldFolder + "graphics/logo.png", "logo");
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        prompter.boxes.clear();
        main.events.clear();
        c.prepare();
        shipPalmTools(c.userFolder);

        EXPECT_EQ(runSetup("Palm"), SetupOutcome::Failed);

        EXPECT_EQ(installation.dataFolder, oldFolder);
        EXPECT_FALSE(registry.user.contains("data_path"));
        ASSERT_FALSE(prompter.boxes.isEmpty());
        EXPECT_EQ(prompter.boxes.last().title, "Error");
        const QString text = prompter.boxes.last().text;
        EXPECT_TRUE(text.startsWith("An error occurred while setting up the install type."))
            << text.toStdString();
        EXPECT_TRUE(text.contains("The data was not moved to " + c.userFolder
            + ". The data folder is still " + oldFolder + "."))
            << text.toStdString();
        EXPECT_FALSE(main.events.contains("keep files"));
        EXPECT_EQ(readFile(oldFolder + "VantorelleMainID.cdb"), "PC profiles");
    }
}

TEST_F(HandheldSetup, WindowsMobileRunsTheInstallerInTheDataFolder)
{
    tools.write(installation.programFolder, "Setup.exe");
    for (const QString &name : windowsMobileFiles.mid(1))
        writeFile(installation.programFolder + name, name.toUtf8());

    runSetup("WM");

    const auto setup = tools.run("Setup.exe");
    ASSERT_TRUE(setup);
    EXPECT_EQ(setup->folder, canonical(installation.dataFolder));
    EXPECT_EQ(setup->arguments,
        QStringList({"-SyncDataPath", withoutFinalSlash(installation.dataFolder)}));
    for (const QString &name : windowsMobileFiles)
        EXPECT_EQ(
            readFile(installation.dataFolder + name), readFile(installation.programFolder + name))
            << name.toStdString();
    const QStringList expectedLog = opening("WM")
        + QStringList {"Ready to copy setup, cabs, prc",
            "Setup ready to run: ExeStr = \"" + installation.dataFolder
                + "Setup.exe\" -SyncDataPath \"" + withoutFinalSlash(installation.dataFolder)
                + "\"",
            "Setup finished running", "WinMob installer finished"}
        + closing;
    EXPECT_EQ(setupLog(installation.dataFolder), expectedLog);
    ASSERT_EQ(prompter.boxes.size(), 1);
    EXPECT_EQ(prompter.boxes[0].title, "Vantorelle - Handheld Software Installer");
    EXPECT_EQ(prompter.boxes[0].buttons, Prompter::OkCancel);
    EXPECT_TRUE(main.events.isEmpty());
}

TEST_F(HandheldSetup, WindowsMobileCancelledCopiesNothingAndLogsNoEnd)
{
    tools.write(installation.programFolder, "Setup.exe");
    prompter.setNextAnswers({Prompter::Cancel});

    EXPECT_EQ(runSetup("WM"), SetupOutcome::Cancelled);

    EXPECT_FALSE(QFile::exists(installation.dataFolder + "Setup.exe"));
    EXPECT_FALSE(tools.run("Setup.exe"));
    EXPECT_EQ(setupLog(installation.dataFolder), opening("WM"));
}

TEST_F(HandheldSetup, WindowsMobileWithoutItsInstallerTellsTheUser)
{
    runSetup("WM");

    EXPECT_EQ(setupLog(installation.dataFolder),
        opening("WM")
            + QStringList {"WinMob installer not found at: " + installation.programFolder
                + "winmobile_desktop.exe"}
            + closing);
    ASSERT_EQ(prompter.boxes.size(), 2);
    EXPECT_EQ(prompter.boxes[1].title, "Vantorelle - Missing File");
    EXPECT_EQ(prompter.boxes[1].text,
        "The Windows Mobile installer was not found.\r\n\r\nPlease install again or contact "
        "support.");
}

TEST_F(HandheldSetup, BlackBerryShowsTheInstructions)
{
    runSetup("BB");

    EXPECT_EQ(setupLog(installation.dataFolder),
        opening("BB") + QStringList {"Prompt user to do install for Blackberry"} + closing);
    ASSERT_EQ(prompter.boxes.size(), 1);
    EXPECT_EQ(prompter.boxes[0].title, "Vantorelle - Blackberry Installation Instructions");
    const QStringList lines = prompter.boxes[0].text.split("\r\n");
    ASSERT_EQ(lines.size(), 18);
    EXPECT_EQ(lines[7], "    " + installation.programFolder + "vantorelle.alx");
    EXPECT_EQ(lines[8], "6. Click Next and Vantorelle will be installed on the device");
    EXPECT_EQ(lines[17], "6. Make sure the Brasselwicket Vantorelle item is checked");
}

TEST_F(HandheldSetup, WindowsOnlyWritesTheOpeningAndClosingLines)
{
    runSetup("Win");

    EXPECT_EQ(setupLog(installation.dataFolder), opening("Win") + closing);
    EXPECT_TRUE(prompter.boxes.isEmpty());
}

// The menu command, with the tools standing in-process so their runs fall in
// order among the main window's events.
class ReinstallHandheld : public HandheldSetup {
protected:
    void SetUp() override
    {
        HandheldSetup::SetUp();
        userFolder = installation.dataFolder;
        for (const QString &name : palmFiles + windowsMobileFiles)
            writeFile(installation.programFolder + name, name.toUtf8());
        runner.onRun = [this](const FakeProcessRunner::Call &call) {
            main.events << "run " + QFileInfo(call.program).fileName();
            if (call.program.endsWith("RUDUCopy.exe"))
                writeFile(call.workingFolder + "CASLcopy.log",
                    "UserPath: " + userFolder.toUtf8() + "\r\n");
            return call.program.endsWith("CondReg.exe") ? condRegCode : 0;
        };
    }

    FakeProcessRunner runner;
    QString userFolder; // named by the install tool's log
    int condRegCode = 0; // the conduit tool's exit code
};

// The hotsyncs rewrite the table files: the tables are saved first, and after
// the hotsyncs no close writes them again; the user is asked to start the
// program again. A setup that fails before the hotsyncs changes no file: the
// program carries on.
TEST_F(ReinstallHandheld, PalmSavesFirstAndClosesAfterTheHotsyncsWithoutSaving)
{
    const QString moved = install.documentsFolder() + "Palm/Lee/";
    const QString restart = "Vantorelle Rize will now be closed, so that it reads the records "
                            "the hotsyncs brought. Please start it again.";
    const struct {
        const char *name;
        QString userFolder;
        int condRegCode;
        QStringList events;
        QString told; // by the last box
    } cases[] = {
        {"the data folder kept", installation.dataFolder, 0,
            {"watch off", "save all", "watch off", "run CondReg.exe", "run RUDUCopy.exe",
                "keep files", "watch on", "discard editor work", "close"},
            restart},
        {"the data folder moved", moved, 0,
            {"watch off", "save all", "watch off", "run CondReg.exe", "run RUDUCopy.exe",
                "keep files", "watch on", "discard editor work", "close"},
            "The data folder has moved to:\r\n" + moved + "\r\n\r\n" + restart},
        {"the conduit tool fails", moved, 2,
            {"watch off", "save all", "watch off", "run CondReg.exe", "watch on"},
            "The conduit setup utility (CondReg.exe) ended with exit code 2.\r\n\r\nThe handheld "
            "software was not set up.\r\nPlease install again or contact support."},
    };
    installation.platform = platformNamed("Palm");
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        main.events.clear();
        prompter.boxes.clear();
        userFolder = c.userFolder;
        condRegCode = c.condRegCode;

        reinstallHandheld(installation, main);

        EXPECT_EQ(main.events, c.events);
        ASSERT_FALSE(prompter.boxes.isEmpty());
        EXPECT_EQ(prompter.boxes.last().text, c.told);
    }
}

TEST_F(ReinstallHandheld, PalmSetsNothingUpWhenTheTablesCannotBeSaved)
{
    installation.platform = platformNamed("Palm");
    main.unwritten = QStringList {installation.dataFolder + "VantorelleBP.cdb"};

    reinstallHandheld(installation, main);

    EXPECT_EQ(main.events, QStringList({"watch off", "save all", "watch on"}));
    ASSERT_EQ(prompter.boxes.size(), 1);
    EXPECT_EQ(prompter.boxes[0].title, "Reinstall Not Complete");
    EXPECT_FALSE(QFile::exists(installation.dataFolder + "CondReg.exe"));
}

TEST_F(ReinstallHandheld, WindowsMobileRunsWithTheWatchOff)
{
    installation.platform = platformNamed("WM");

    reinstallHandheld(installation, main);

    EXPECT_EQ(main.events, QStringList({"watch off", "run Setup.exe", "watch on"}));
    ASSERT_EQ(runner.calls.size(), 1);
    EXPECT_EQ(runner.calls[0].program, installation.dataFolder + "Setup.exe");
    EXPECT_EQ(runner.calls[0].workingFolder, installation.dataFolder);
}
