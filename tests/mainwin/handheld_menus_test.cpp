#include "startup_fixture.h"

#include "handheld/sync_watch.h"
#include "store/store.h"
#include "support/handheld_fakes.h"

#include <QDir>
#include <QFile>

#include <csignal>

using namespace vantorelle;

namespace {

// The backup, restore and handheld commands as the File menu runs them on a
// started main window.
class HandheldMenus : public StartupFixture {
protected:
    void SetUp() override
    {
        StartupFixture::SetUp();
        folder = dataFolderWithProfile();
        ASSERT_TRUE(start());
    }

    // Changes the profile in memory only, as an edit in progress would; the
    // question about it, which each command asks first, is answered No.
    void editProfile()
    {
        prompter.setNextAnswers({Prompter::No});
        main->editState().setMode(EditMode::Edit);
        MemoryTable &profiles = main->store().table(TableId::MainID);
        profiles.moveFirst();
        profiles.setValue("Last", "Changed");
        profiles.update();
    }

    QString folder;
};

} // namespace

TEST_F(HandheldMenus, BackupSavesTheTablesBeforeCopyingThem)
{
    editProfile();

    control<QAction>("mnuBackup")->trigger();

    EXPECT_EQ(
        boxTitles(), QStringList({"Changes Not Saved", "Backup Location", "Backup Complete"}));
    EXPECT_EQ(main->backupFolder(), folder + "Backup/");
    // Save All dropped the edit and wrote the table the backup then copied.
    EXPECT_TRUE(editor.calls.contains("cancelEditing"));
    EXPECT_TRUE(readFile(main->backupFolder() + "VantorelleMainID.cdb").contains("\"Changed\""));
    EXPECT_EQ(tableFiles(main->backupFolder()), tableFiles(folder));
    EXPECT_FALSE(main->closing());
}

TEST_F(HandheldMenus, RestoreClosesWithoutWritingOverTheRestoredFiles)
{
    const QString backup = install.documentsFolder() + "backup/";
    copyTree(folder, backup);
    const QByteArray restored
        = readFile(backup + "VantorelleMainID.cdb") + "0x00000000,0x0008,\"restored\"\r\n";
    writeFile(backup + "VantorelleMainID.cdb", restored);
    // The backup folder the settings file names at start-up is offered.
    main.reset();
    writeFile(folder + "vantorelleplus.ini", ("[Main]\r\nBackupPath=" + backup + "\r\n").toUtf8());
    ASSERT_TRUE(start());
    editProfile();

    control<QAction>("mnuRestore")->trigger();

    // Once the restore is done, no question about the edit can keep the window open.
    EXPECT_EQ(boxTitles(),
        QStringList({"Changes Not Saved", "Restore Previous Backup", "Restore Data Files",
            "Restore Complete"}));
    EXPECT_TRUE(main->closing());
    EXPECT_EQ(readFile(folder + "VantorelleMainID.cdb"), restored);
}

TEST_F(HandheldMenus, RetrievalEndsTheProgramWithTheHandheldsTables)
{
    const QString tool = install.programFolder() + "CASLppc2cdb.exe";
    writeFile(tool, "#!/bin/sh\nprintf 'from the handheld\\r\\n' > \"$2/VantorelleMainID.cdb\"\n");
    QFile::setPermissions(tool, QFile::permissions(tool) | QFile::ExeOwner);
    editProfile();

    control<QAction>("mnuRetrieve")->trigger();

    EXPECT_EQ(boxTitles(),
        QStringList(
            {"Changes Not Saved", "Retrieve Data from Handheld", "Retrieve Data from Handheld"}));
    EXPECT_TRUE(main->closing());
    EXPECT_TRUE(main->close());
    EXPECT_EQ(readFile(folder + "VantorelleMainID.cdb"), "from the handheld\r\n");
}

// File > Reinstall Handheld Software on a Palm installation, with stand-ins
// for the outside tools. While "Hotsync Now" is open the hotsyncs merge the
// handheld's records into the table files; what they brought stays, whether
// the program closes as it asks, because the watch sees a hotsync, or because
// the session ends. What was typed before went into the files first.
TEST_F(HandheldMenus, PalmReinstallKeepsWhatTheHotsyncsBrought)
{
    const struct {
        const char *name;
        bool hotsyncStaysOpen; // into the restart box, where the watch is on again
        bool sessionEnds; // while "Hotsync Now" is open
        QList<int> answers;
        QStringList boxes; // after "Changes Not Saved" and "Select Hotsync User"
    } cases[] = {
        {"closed as the program asks", false, false,
            {Prompter::No, Prompter::Ok, Prompter::Ok, Prompter::Ok},
            {"Vantorelle - Hotsync Now", "Restart Required"}},
        {"closed by the watch", true, false,
            {Prompter::No, Prompter::Ok, Prompter::Ok, Prompter::Unanswered, Prompter::Ok},
            {"Vantorelle - Hotsync Now", "Restart Required", "Hotsync Detected"}},
        {"closed as the session ends", false, true,
            {Prompter::No, Prompter::Ok, Prompter::Unanswered}, {"Vantorelle - Hotsync Now"}},
    };
    FakeTools tools;
    const QString programFolder = install.programFolder();
    tools.write(programFolder, "CondReg.exe");
    tools.write(programFolder, "RUDUCopy.exe",
        "printf 'UserPath: " + folder.toUtf8() + "\r\n' > CASLcopy.log");
    for (const char *name :
        {"CASLcn20.dll", "HSAPI.dll", "Instaide.dll", "Vantorelle_Installer.prc"})
        writeFile(programFolder + name, name);
    const QString profiles = folder + "VantorelleMainID.cdb";
    const QByteArray original = readFile(profiles);

    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        main.reset();
        writeFile(profiles, original);
        registerDataFolder(folder, "Palm");
        ASSERT_TRUE(start());
        prompter.boxes.clear();
        windowFinder.openTitles.clear();
        const QTimer *watch = main->findChild<QTimer *>("Timer1");
        ASSERT_TRUE(watch);
        editProfile();
        prompter.setNextAnswers(c.answers);
        QByteArray synced;
        bool watchOnAtTheHotsync = true;
        prompter.whileShown = [&](const FakePrompter::Box &box) {
            if (box.title == "Vantorelle - Hotsync Now") {
                watchOnAtTheHotsync = watch->isActive();
                synced = readFile(profiles) + "0x00000042,0x0000,\"20260307\"\r\n";
                writeFile(profiles, synced);
                if (c.hotsyncStaysOpen)
                    windowFinder.openTitles = {hotsyncWindowTitle};
                if (c.sessionEnds)
                    main->endSession(SIGTERM);
            }
            // The watch looks while the box waits, when it is on.
            if (watch->isActive())
                checkForHotsync(*main);
        };

        control<QAction>("mnuReinstallHH")->trigger();
        prompter.whileShown = nullptr;

        EXPECT_EQ(boxTitles(),
            QStringList({"Changes Not Saved", "Vantorelle - Select Hotsync User"}) + c.boxes);
        EXPECT_TRUE(main->closing());
        EXPECT_FALSE(watchOnAtTheHotsync);
        // The edit was saved before the hotsyncs, whose record is still there.
        EXPECT_TRUE(synced.contains("\"Changed\""));
        EXPECT_EQ(readFile(profiles), synced);
    }
}
