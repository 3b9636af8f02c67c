#include "startup_fixture.h"

#include "store/store.h"

#include <QDir>
#include <QFile>

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
