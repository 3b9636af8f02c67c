#include <gtest/gtest.h>

#include "handheld_test_support.h"
#include "settings/handheld_setup.h"
#include "support/fake_process_runner.h"
#include "support/fake_prompter.h"
#include "support/fake_registry.h"

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
        AppPath = install.programFolder();
        DataPath = install.documentsFolder() + "Vantorelle/";
        QDir().mkpath(DataPath);
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
        tools.write(AppPath, "CondReg.exe");
        tools.write(AppPath, "RUDUCopy.exe",
            userPath ? "printf 'RUDUCopy 2.1\\r\\nUserPath: %s\\r\\nDone\\r\\n' '"
                    + userPath->toUtf8() + "' > CASLcopy.log"
                     : QByteArray());
        for (const QString &name : palmFiles.mid(3) + QStringList {"CASLcn20.dll"})
            writeFile(AppPath + name, name.toUtf8());
    }

    SettingsGlobalsGuard globals;
    TemporaryInstall install;
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
    InstallType = "Palm";
    shipPalmTools(withoutFinalSlash(DataPath));

    setup_install_type("Palm", &main);

    const auto condReg = tools.run("CondReg.exe");
    ASSERT_TRUE(condReg);
    EXPECT_EQ(condReg->folder, canonical(AppPath));
    EXPECT_EQ(condReg->arguments,
        QStringList({withoutFinalSlash(DataPath), "-AppName", "Vantorelle", "-CreatorID", "QZMR",
            "-Directory", "Vantorelle"}));
    const auto ruduCopy = tools.run("RUDUCopy.exe");
    ASSERT_TRUE(ruduCopy);
    EXPECT_EQ(ruduCopy->folder, canonical(DataPath));
    EXPECT_EQ(ruduCopy->arguments,
        QStringList({"-Progress", "-ApplicationPath", DataPath + "*.prc", "-RestartHotSync",
            "-HotSyncDir", "Vantorelle"}));
    for (const QString &name : palmFiles)
        EXPECT_EQ(readFile(DataPath + name), readFile(AppPath + name)) << name.toStdString();

    const QString d = DataPath;
    const QStringList expectedLog = opening("Palm")
        + QStringList {"Copied conduit reg and dll",
            "CondReg ready to run: ExeStr = \"" + d + "CondReg.exe\" \"" + withoutFinalSlash(d)
                + "\" -AppName \"Vantorelle\" -CreatorID QZMR -Directory \"Vantorelle\"",
            "CondReg finished running", "Ready to copy caslcopy, dlls, prc",
            "Changed Curr Dir to: " + d,
            "RUDUCopy ready to run: ExeStr = \"" + d
                + "RUDUCopy.exe\" -Progress -ApplicationPath \"" + d
                + "*.prc\" -RestartHotSync -HotSyncDir \"Vantorelle\"",
            "RUDUCopy finished running", "Changed Curr Dir to: " + AppPath,
            "Ready to read caslcopy.log", "Looking for: " + d + "CASLcopy.log",
            "Found: " + d + "CASLcopy.log", "Found: " + d + "CASLcopy.log",
            "Prompt user to hotsync"}
        + closing;
    EXPECT_EQ(setupLog(DataPath), expectedLog);

    ASSERT_EQ(prompter.boxes.size(), 2);
    EXPECT_EQ(prompter.boxes[0].title, "Vantorelle - Select Hotsync User");
    EXPECT_EQ(prompter.boxes[0].text,
        "The Palm OS hotsync conduit is about to be setup.\r\n\r\nPlease select the hotsync user "
        "you would "
        "like Vantorelle Rize to sync with.\r\n\r\nIf prompted, click Continue to the warning "
        "message.");
    EXPECT_EQ(prompter.boxes[1].title, "Vantorelle - Hotsync Now");
    EXPECT_EQ(main.events, QStringList({"watch off", "watch on"}));
    // The log named the data folder itself: nothing moves.
    EXPECT_EQ(DataPath, d);
    EXPECT_FALSE(registry.user.contains("data_path"));
}

TEST_F(HandheldSetup, PalmMovesTheDataToTheHotsyncUsersFolder)
{
    InstallType = "Palm";
    const QString oldFolder = DataPath;
    const QString userFolder = install.documentsFolder() + "Palm/Lee A";
    writeFile(userFolder + "/VantorelleMainID.cdb", "handheld's own profiles");
    writeFile(oldFolder + "VantorelleMainID.cdb", "PC profiles");
    writeFile(oldFolder + "VantorelleBP.cdb", "PC readings");
    writeFile(oldFolder + "graphics/logo.png", "logo");
    writeFile(oldFolder + "vantorelleplus.ini", "[Main]\r\n");
    writeFile(oldFolder + "errorlog.txt", "old errors\r\n");
    // The tool's log names the folder without a final separator, with CR LF line ends.
    shipPalmTools(userFolder);

    setup_install_type("Palm", &main);

    const QString newFolder = userFolder + "/";
    EXPECT_EQ(DataPath, newFolder);
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

TEST_F(HandheldSetup, PalmWithoutAnInstallLogKeepsTheDataFolder)
{
    InstallType = "Palm";
    const QString d = DataPath;
    shipPalmTools(std::nullopt);

    setup_install_type("Palm", &main);

    EXPECT_EQ(DataPath, d);
    EXPECT_TRUE(setupLog(d).contains("Unable to locate caslcopy.log"));
    EXPECT_EQ(setupLog(d).mid(setupLog(d).size() - 2), closing);
    EXPECT_FALSE(registry.user.contains("data_path"));
}

TEST_F(HandheldSetup, PalmWithoutTheConduitToolStopsAtTheErrorBox)
{
    InstallType = "Palm";

    setup_install_type("Palm", &main);

    ASSERT_EQ(prompter.boxes.size(), 1);
    EXPECT_EQ(prompter.boxes[0].title, "Error");
    EXPECT_TRUE(prompter.boxes[0].text.startsWith(
        "An error occurred while setting up the install type.\r\n\r\n"
        "ErrorCode =  53 (File not found)"));
    // The watch stays off until the caller turns it on again.
    EXPECT_EQ(main.events, QStringList({"watch off"}));
    EXPECT_EQ(setupLog(DataPath), opening("Palm"));
}

TEST_F(HandheldSetup, WindowsMobileRunsTheInstallerInTheDataFolder)
{
    tools.write(AppPath, "Setup.exe");
    for (const QString &name : windowsMobileFiles.mid(1))
        writeFile(AppPath + name, name.toUtf8());

    setup_install_type("WM", &main);

    const auto setup = tools.run("Setup.exe");
    ASSERT_TRUE(setup);
    EXPECT_EQ(setup->folder, canonical(DataPath));
    EXPECT_EQ(setup->arguments, QStringList({"-SyncDataPath", withoutFinalSlash(DataPath)}));
    for (const QString &name : windowsMobileFiles)
        EXPECT_EQ(readFile(DataPath + name), readFile(AppPath + name)) << name.toStdString();
    const QStringList expectedLog = opening("WM")
        + QStringList {"Ready to copy setup, cabs, prc",
            "Setup ready to run: ExeStr = \"" + DataPath + "Setup.exe\" -SyncDataPath \""
                + withoutFinalSlash(DataPath) + "\"",
            "Setup finished running", "WinMob installer finished"}
        + closing;
    EXPECT_EQ(setupLog(DataPath), expectedLog);
    ASSERT_EQ(prompter.boxes.size(), 1);
    EXPECT_EQ(prompter.boxes[0].title, "Vantorelle - Handheld Software Installer");
    EXPECT_EQ(prompter.boxes[0].buttons, Prompter::OkCancel);
    EXPECT_TRUE(main.events.isEmpty());
}

TEST_F(HandheldSetup, WindowsMobileCancelledCopiesNothingAndLogsNoEnd)
{
    tools.write(AppPath, "Setup.exe");
    prompter.setNextAnswers({Prompter::Cancel});

    setup_install_type("WM", &main);

    EXPECT_FALSE(QFile::exists(DataPath + "Setup.exe"));
    EXPECT_FALSE(tools.run("Setup.exe"));
    EXPECT_EQ(setupLog(DataPath), opening("WM"));
}

TEST_F(HandheldSetup, WindowsMobileWithoutItsInstallerTellsTheUser)
{
    setup_install_type("WM", &main);

    EXPECT_EQ(setupLog(DataPath),
        opening("WM")
            + QStringList {"WinMob installer not found at: " + AppPath + "winmobile_desktop.exe"}
            + closing);
    ASSERT_EQ(prompter.boxes.size(), 2);
    EXPECT_EQ(prompter.boxes[1].title, "Vantorelle - Missing File");
    EXPECT_EQ(prompter.boxes[1].text,
        "The Windows Mobile installer was not found.\r\n\r\nPlease install again or contact "
        "support.");
}

TEST_F(HandheldSetup, BlackBerryShowsTheInstructions)
{
    setup_install_type("BB", &main);

    EXPECT_EQ(setupLog(DataPath),
        opening("BB") + QStringList {"Prompt user to do install for Blackberry"} + closing);
    ASSERT_EQ(prompter.boxes.size(), 1);
    EXPECT_EQ(prompter.boxes[0].title, "Vantorelle - Blackberry Installation Instructions");
    const QStringList lines = prompter.boxes[0].text.split("\r\n");
    ASSERT_EQ(lines.size(), 18);
    EXPECT_EQ(lines[7], "    " + AppPath + "vantorelle.alx");
    EXPECT_EQ(lines[8], "6. Click Next and Vantorelle will be installed on the device");
    EXPECT_EQ(lines[17], "6. Make sure the Brasselwicket Vantorelle item is checked");
}

TEST_F(HandheldSetup, WindowsOnlyWritesTheOpeningAndClosingLines)
{
    setup_install_type("Win", &main);

    EXPECT_EQ(setupLog(DataPath), opening("Win") + closing);
    EXPECT_TRUE(prompter.boxes.isEmpty());
}

// The menu command, with the tools standing in-process so their runs fall in
// order among the main window's events.
class ReinstallHandheld : public HandheldSetup {
protected:
    void SetUp() override
    {
        HandheldSetup::SetUp();
        userFolder = DataPath;
        for (const QString &name : palmFiles + windowsMobileFiles)
            writeFile(AppPath + name, name.toUtf8());
        runner.onRun = [this](const FakeProcessRunner::Call &call) {
            main.events << "run " + QFileInfo(call.program).fileName();
            if (call.program.endsWith("RUDUCopy.exe"))
                writeFile(call.workingFolder + "CASLcopy.log",
                    "UserPath: " + userFolder.toUtf8() + "\r\n");
            return 0;
        };
    }

    FakeProcessRunner runner;
    QString userFolder; // named by the install tool's log
};

TEST_F(ReinstallHandheld, PalmMovingTheDataSavesFirstThenClosesWithoutSaving)
{
    InstallType = "Palm";
    userFolder = install.documentsFolder() + "Palm/Lee/";

    ReinstallHandheldSoftware(main);

    EXPECT_EQ(main.events,
        QStringList({"watch off", "save all", "watch off", "run CondReg.exe", "run RUDUCopy.exe",
            "watch on", "watch off", "discard editor work", "close"}));
    EXPECT_EQ(NoSaveOnExit, 1);
    ASSERT_FALSE(prompter.boxes.isEmpty());
    EXPECT_EQ(prompter.boxes.last().title, "Restart Required");
    EXPECT_EQ(prompter.boxes.last().text,
        "The data folder has moved to:\r\n" + userFolder
            + "\r\n\r\nVantorelle Rize will now be closed. Please start it again.");
}

TEST_F(ReinstallHandheld, PalmKeepingTheDataFolderCarriesOn)
{
    InstallType = "Palm";

    ReinstallHandheldSoftware(main);

    EXPECT_EQ(main.events,
        QStringList({"watch off", "save all", "watch off", "run CondReg.exe", "run RUDUCopy.exe",
            "watch on", "watch on"}));
    EXPECT_EQ(NoSaveOnExit, 0);
}

TEST_F(ReinstallHandheld, PalmSetsNothingUpWhenTheTablesCannotBeSaved)
{
    InstallType = "Palm";
    main.unwritten = QStringList {DataPath + "VantorelleBP.cdb"};

    ReinstallHandheldSoftware(main);

    EXPECT_EQ(main.events, QStringList({"watch off", "save all", "watch on"}));
    ASSERT_EQ(prompter.boxes.size(), 1);
    EXPECT_EQ(prompter.boxes[0].title, "Reinstall Not Complete");
    EXPECT_FALSE(QFile::exists(DataPath + "CondReg.exe"));
}

TEST_F(ReinstallHandheld, WindowsMobileRunsWithTheWatchOff)
{
    InstallType = "WM";

    ReinstallHandheldSoftware(main);

    EXPECT_EQ(main.events, QStringList({"watch off", "run Setup.exe", "watch on"}));
    ASSERT_EQ(runner.calls.size(), 1);
    EXPECT_EQ(runner.calls[0].program, DataPath + "Setup.exe");
    EXPECT_EQ(runner.calls[0].workingFolder, DataPath);
}
