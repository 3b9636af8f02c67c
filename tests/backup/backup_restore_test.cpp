#include <gtest/gtest.h>

#include "backup/backup_restore.h"
#include "settings/settings_access.h"
#include "support/fake_file_dialogs.h"
#include "support/fake_prompter.h"
#include "support/file_modes.h"
#include "support/handheld_fakes.h"

using namespace vantorelle;

namespace {

QString basicData()
{
    return QFileInfo(QStringLiteral(__FILE__)).absoluteDir().filePath("../data/basic") + "/";
}

QStringList filesIn(const QString &folder, const QString &pattern = "*")
{
    return QDir(folder).entryList({pattern}, QDir::Files, QDir::Name);
}

class BackupRestore : public ::testing::Test {
protected:
    void SetUp() override
    {
        installation.programFolder = install.programFolder();
        installation.dataFolder = install.documentsFolder() + "Vantorelle/";
        copyTree(basicData(), installation.dataFolder);
        tables = filesIn(installation.dataFolder, "*.cdb");
        ASSERT_EQ(tables.size(), 23);
        backupFolder = install.documentsFolder() + "Backups/";
        QDir().mkpath(backupFolder);
    }

    TemporaryInstall install;
    Installation installation;
    QString backupFolder;
    FakePrompter prompter;
    FakeFileDialogs dialogs;
    FakeMainWindow main;
    QStringList tables;
};

} // namespace

TEST_F(BackupRestore, BackingUpTwiceKeepsThePreviousCopiesAsBak)
{
    const QString backup = backupFolder;
    backUpTables(installation, backupFolder, main);

    EXPECT_EQ(filesIn(backup), tables);
    for (const QString &name : tables)
        EXPECT_EQ(readFile(backup + name), readFile(installation.dataFolder + name))
            << name.toStdString();
    EXPECT_EQ(readSetting("Main", "BackupPath", "", installation.settingsFile()), backup);
    ASSERT_EQ(prompter.boxes.size(), 2);
    EXPECT_EQ(prompter.boxes[0].title, "Backup Location");
    EXPECT_EQ(prompter.boxes[0].buttons, Prompter::YesNoCancel);
    QString programFolder = install.programFolder();
    programFolder.chop(1);
    EXPECT_EQ(prompter.boxes[0].text.toStdString(),
        ("Do you want to backup to this location:\r\n\r\n" + backup
            + "\r\n\r\nSelect No to be able to specify a different backup folder.\r\n\r\n"
              "We recommend using a backup folder other than the default.\r\n\r\n"
              "If you ever have to uninstall, the \r\n"
            + programFolder + "\r\n folder will be deleted.")
            .toStdString());
    EXPECT_EQ(prompter.boxes[1].title, "Backup Complete");
    EXPECT_EQ(prompter.boxes[1].text,
        "Database backup complete.\r\n\r\nThe backup files (Vantorelle*.cdb) have "
        "been saved to:\r\n"
            + backup);

    const QByteArray first = readFile(installation.dataFolder + "VantorelleBP.cdb");
    writeFile(installation.dataFolder + "VantorelleBP.cdb", first + "0x00000000,0x0008,\"k\"\r\n");
    backUpTables(installation, backupFolder, main);

    EXPECT_EQ(filesIn(backup, "*.bak").size(), 23);
    EXPECT_EQ(readFile(backup + "VantorelleBP.bak"), first);
    EXPECT_EQ(readFile(backup + "VantorelleBP.cdb"),
        readFile(installation.dataFolder + "VantorelleBP.cdb"));
    EXPECT_EQ(readFile(backup + "VantorellePrefs.bak"),
        readFile(installation.dataFolder + "VantorellePrefs.cdb"));
    EXPECT_EQ(main.events, QStringList({"save all", "save all"}));
}

TEST_F(BackupRestore, AnEmptyBackupFolderIsTheDefaultOneMadeWhenMissing)
{
    backupFolder.clear();

    backUpTables(installation, backupFolder, main);

    const QString folder = installation.dataFolder + "Backup/";
    EXPECT_EQ(backupFolder, folder);
    EXPECT_EQ(prompter.boxes[0].text.split("\r\n").value(2), folder);
    EXPECT_EQ(filesIn(folder), tables);
    EXPECT_EQ(readSetting("Main", "BackupPath", "", installation.settingsFile()), folder);
    EXPECT_EQ(permissionsOf(folder), 0700);
}

TEST_F(BackupRestore, ABackupIntoAnExistingFolderKeepsItsModeAndMakesItsNewCopiesPrivate)
{
    // The tables as a umask of 022 left them, and a backup folder and an
    // earlier copy the user opened to others.
    const ScopedUmask umask(022);
    for (const QString &name : tables)
        ASSERT_TRUE(setPermissionsOf(installation.dataFolder + name, 0644));
    ASSERT_TRUE(setPermissionsOf(backupFolder, 0755));
    writeFile(backupFolder + "VantorelleBP.cdb", "an earlier backup\r\n");
    ASSERT_TRUE(setPermissionsOf(backupFolder + "VantorelleBP.cdb", 0644));

    backUpTables(installation, backupFolder, main);

    EXPECT_EQ(permissionsOf(backupFolder), 0755);
    EXPECT_EQ(permissionsOf(backupFolder + "VantorelleBP.cdb"), 0644);
    EXPECT_EQ(permissionsOf(backupFolder + "VantorelleBP.bak"), 0600);
    for (const QString &name : tables) {
        if (name != "VantorelleBP.cdb") {
            EXPECT_EQ(permissionsOf(backupFolder + name), 0600) << name.toStdString();
        }
    }
}

TEST_F(BackupRestore, NoLetsTheUserPickAnotherFolder)
{
    const QString picked = install.documentsFolder() + "USB stick";
    QDir().mkpath(picked);
    prompter.setNextAnswers({Prompter::No});
    dialogs.setNextAnswers({picked});

    backUpTables(installation, backupFolder, main);

    ASSERT_EQ(dialogs.requests.size(), 1);
    EXPECT_EQ(dialogs.requests[0].title, "Select destination for the backup files...");
    EXPECT_EQ(backupFolder, picked + "/");
    EXPECT_EQ(filesIn(picked), tables);
    EXPECT_EQ(readSetting("Main", "BackupPath", "", installation.settingsFile()), picked + "/");
}

TEST_F(BackupRestore, BackupThatStopsEarlyCopiesNothing)
{
    const struct {
        const char *name;
        QList<int> answers;
        QStringList unwritten;
        QString lastTitle, lastText;
    } cases[] = {
        {"cancelled", {Prompter::Cancel}, {}, "Backup Location", QString()},
        {"no folder picked", {Prompter::No}, {}, "Backup Not Complete",
            "No directory was selected, backup aborted."},
        {"tables not saved", {}, {"VantorelleBP.cdb"}, "Backup Not Complete",
            "The databases could not all be saved, backup aborted."},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        prompter.boxes.clear();
        prompter.setNextAnswers(c.answers);
        main.unwritten = c.unwritten;

        backUpTables(installation, backupFolder, main);

        EXPECT_TRUE(filesIn(backupFolder).isEmpty());
        EXPECT_FALSE(QFile::exists(installation.settingsFile()));
        ASSERT_FALSE(prompter.boxes.isEmpty());
        EXPECT_EQ(prompter.boxes.last().title, c.lastTitle);
        if (!c.lastText.isEmpty()) {
            EXPECT_EQ(prompter.boxes.last().text, c.lastText);
        }
    }
}

TEST_F(BackupRestore, BackupIntoTheDataFolderLeavesTheTablesAsTheyAre)
{
    backupFolder = installation.dataFolder;

    backUpTables(installation, backupFolder, main);

    for (const QString &name : tables) {
        EXPECT_EQ(readFile(installation.dataFolder + name), readFile(basicData() + name))
            << name.toStdString();
        EXPECT_EQ(readFile(installation.dataFolder + name.chopped(4) + ".bak"),
            readFile(basicData() + name));
    }
    EXPECT_EQ(prompter.boxes.last().title, "Backup Complete");
}

TEST_F(BackupRestore, BackupToAMissingFolderShowsTheErrorBox)
{
    backupFolder = install.documentsFolder() + "unplugged/";

    backUpTables(installation, backupFolder, main);

    EXPECT_EQ(prompter.boxes.last().title, "Error");
    EXPECT_TRUE(
        prompter.boxes.last().text.startsWith("An error occurred while backing up the databases."));
    EXPECT_FALSE(QFile::exists(backupFolder));
}

TEST_F(BackupRestore, PalmRestoreReplacesTheTablesAndWritesTheHandheldCopies)
{
    installation.platform = platformNamed("Palm");
    backupFolder = handheldData() + "backup/";

    restoreBackup(installation, backupFolder, main);

    // Only the two tables of the backup are replaced.
    for (const QString &name : tables) {
        const bool restored = name == "VantorelleMainID.cdb" || name == "VantorelleMainNm.cdb";
        EXPECT_EQ(readFile(installation.dataFolder + name),
            readFile((restored ? backupFolder : basicData()) + name))
            << name.toStdString();
    }
    EXPECT_EQ(filesIn(installation.dataFolder, "*.cdi").size(), 23);
    for (const char *copy : {"VantorelleMainID.cdi", "VantorelleMainNm.cdi"})
        EXPECT_EQ(
            readFile(installation.dataFolder + copy), readFile(handheldData() + "expected/" + copy))
            << copy;
    EXPECT_EQ(main.events, QStringList({"keep files", "discard editor work", "close"}));

    ASSERT_EQ(prompter.boxes.size(), 3);
    EXPECT_EQ(prompter.boxes[0].title, "Restore Previous Backup");
    EXPECT_EQ(prompter.boxes[0].text,
        "Do you wish to OVERWRITE your existing data with data from a previous "
        "backup?\r\n\r\nAll data on the PC and the handheld device will be replaced "
        "with data from the selected backup. ");
    EXPECT_EQ(prompter.boxes[1].title, "Restore Data Files");
    EXPECT_EQ(prompter.boxes[1].text,
        "Do you want to restore from this location:\r\n\r\n" + backupFolder);
    EXPECT_EQ(prompter.boxes[2].title, "Restore Complete");
    EXPECT_EQ(prompter.boxes[2].text,
        "Database restore complete. The PC software will now be closed.\r\n\r\nYou "
        "must perform a hotsync operation in order to update the handheld data "
        "files.\r\n\r\nPLEASE HOTSYNC NOW.");
}

TEST_F(BackupRestore, RestoreForOtherHandheldsWritesNoHandheldCopies)
{
    const struct {
        const char *installType;
        QString message;
    } cases[] = {
        {"WM",
            "Database restore complete. The PC software will now be closed.\r\n\r\nYou must sync "
            "the handheld "
            "in order to update the handheld data files.\r\n\r\nPLEASE SYNC NOW."},
        {"Win", "Database restore complete. The PC software will now be closed."},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.installType);
        installation.platform = platformNamed(c.installType);
        prompter.boxes.clear();
        // Given without its final separator, the folder still holds the backup.
        backupFolder = handheldData() + "backup";

        restoreBackup(installation, backupFolder, main);

        EXPECT_EQ(readFile(installation.dataFolder + "VantorelleMainNm.cdb"),
            readFile(handheldData() + "backup/VantorelleMainNm.cdb"));
        EXPECT_TRUE(filesIn(installation.dataFolder, "*.cdi").isEmpty());
        EXPECT_EQ(prompter.boxes.last().title, "Restore Complete");
        EXPECT_EQ(prompter.boxes.last().text, c.message);
    }
    EXPECT_EQ(main.events,
        QStringList({"keep files", "discard editor work", "close", "keep files",
            "discard editor work", "close"}));
}

TEST_F(BackupRestore, RestoreThatStopsEarlyChangesNothing)
{
    const QString emptyFolder = install.documentsFolder() + "empty/";
    QDir().mkpath(emptyFolder);
    const struct {
        const char *name;
        QList<int> answers;
        std::optional<QString> picked;
        QString lastTitle, lastText;
    } cases[] = {
        {"not wanted", {Prompter::No}, std::nullopt, "Restore Previous Backup", QString()},
        {"no folder picked", {Prompter::Yes, Prompter::No}, std::nullopt, "Restore Aborted",
            "No directory was selected, restore aborted."},
        {"no backup in the folder", {Prompter::Yes, Prompter::No}, emptyFolder, "Restore Aborted",
            "No backup files found, restore aborted."},
    };
    backupFolder = handheldData() + "backup/";
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        prompter.boxes.clear();
        prompter.setNextAnswers(c.answers);
        dialogs.setNextAnswers({c.picked});

        restoreBackup(installation, backupFolder, main);

        EXPECT_EQ(readFile(installation.dataFolder + "VantorelleMainID.cdb"),
            readFile(basicData() + "VantorelleMainID.cdb"));
        EXPECT_TRUE(main.events.isEmpty());
        EXPECT_EQ(prompter.boxes.last().title, c.lastTitle);
        if (!c.lastText.isEmpty()) {
            EXPECT_EQ(prompter.boxes.last().text, c.lastText);
        }
    }
    ASSERT_FALSE(dialogs.requests.isEmpty());
    EXPECT_EQ(dialogs.requests[0].title, "Select Backup Location");
}
