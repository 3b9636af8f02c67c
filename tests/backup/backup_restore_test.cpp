#include <gtest/gtest.h>

#include "backup/backup_restore.h"
#include "settings/settings_access.h"
#include "support/fake_file_dialogs.h"
#include "support/fake_prompter.h"
#include "support/file_modes.h"
#include "support/file_size_limit.h"
#include "support/handheld_fakes.h"

#include <QMap>

#include <functional>

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

    // A whole backup of the 23 tables, made on another day: the profiles of the
    // handheld fixture, the other tables as in the data folder.
    QString wholeBackup() const
    {
        const QString folder = install.documentsFolder() + "Backup of May/";
        copyTree(basicData(), folder);
        copyTree(handheldData() + "backup/", folder);
        return folder;
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

// The user picks a folder that holds an older backup, and the backup fails on
// the way: the folder stays as it was, its older backup whole, and the folder
// remembered for the next backup is still the one before.
TEST_F(BackupRestore, ABackupThatFailsLeavesTheFolderAsItWas)
{
    const struct {
        const char *name;
        const char *inTheWay; // a folder in place of this file of the older backup
        rlim_t sizeLimit; // the disk full at that size
        QString error;
    } cases[] = {
        {"a folder where a backup file should be", "VantorelleWeight.cdb", RLIM_INFINITY,
            "ErrorCode =  75 (Path/File access error)"},
        {"a folder where a previous copy goes", "VantorelleWeight.bak", RLIM_INFINITY,
            "ErrorCode =  75 (Path/File access error)"},
        {"the disk full at a large table", nullptr, 2000, "ErrorCode =  61 (Disk full)"},
    };
    const QString remembered = backupFolder;
    writeSetting("Main", "BackupPath", remembered, installation.settingsFile());
    const QByteArray settings = readFile(installation.settingsFile());
    // Today's blood-pressure table is larger than any other.
    const QByteArray readings = readFile(installation.dataFolder + "VantorelleBP.cdb");
    writeFile(installation.dataFolder + "VantorelleBP.cdb",
        readings + QByteArray("0x00000000,0x0008,\"k\"\r\n").repeated(100));
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const QString older = install.documentsFolder() + "stick/";
        QDir(older).removeRecursively();
        copyTree(basicData(), older);
        if (c.inTheWay) {
            QFile::remove(older + c.inTheWay);
            QDir().mkpath(older + c.inTheWay + QString("/inside"));
        }
        const QMap<QString, QByteArray> before = contentsOf(older);
        prompter.boxes.clear();
        prompter.setNextAnswers({Prompter::No});
        dialogs.setNextAnswers({older});
        {
            const FileSizeLimit disk(c.sizeLimit);
            backUpTables(installation, backupFolder, main);
        }

        EXPECT_EQ(contentsOf(older), before);
        EXPECT_EQ(backupFolder, remembered);
        EXPECT_EQ(readFile(installation.settingsFile()), settings);
        ASSERT_EQ(prompter.boxes.size(), 2);
        EXPECT_EQ(prompter.boxes[1].title, "Error");
        const QString text = prompter.boxes[1].text;
        EXPECT_TRUE(text.contains(c.error)) << text.toStdString();
        EXPECT_TRUE(text.contains("The backup folder was left as it was: a backup made there "
                                  "before is still whole."))
            << text.toStdString();
    }
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
    backupFolder = wholeBackup();

    restoreBackup(installation, backupFolder, main);

    for (const QString &name : tables)
        EXPECT_EQ(readFile(installation.dataFolder + name), readFile(backupFolder + name))
            << name.toStdString();
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
    const QString backup = wholeBackup();
    for (const auto &c : cases) {
        SCOPED_TRACE(c.installType);
        installation.platform = platformNamed(c.installType);
        prompter.boxes.clear();
        // Given without its final separator, the folder still holds the backup.
        backupFolder = backup.chopped(1);

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

// A backup that lacks a table, or holds one that is no whole table file, is
// refused before anything is replaced, each such file named with its fault.
TEST_F(BackupRestore, RestoreRefusesABackupThatIsNotWhole)
{
    const struct {
        const char *name;
        std::function<void(const QString &folder)> damage;
        QString faults;
    } cases[] = {
        {"a table missing",
            [](const QString &folder) { QFile::remove(folder + "VantorelleChol.cdb"); },
            "VantorelleChol.cdb: The file is missing."},
        {"a stray file in place of the profiles",
            [](const QString &folder) {
                writeFile(folder + "VantorelleMainID.cdb", "holiday photos\r\n");
            },
            "VantorelleMainID.cdb: The file has no header block."},
        {"a table cut short in its header and a folder in place of another",
            [](const QString &folder) {
                writeFile(folder + "VantorelleBP.cdb", "#CASL CDB 2.0\r\n#RECCNT: 3\r\n#SYN");
                QFile::remove(folder + "VantorellePrefs.cdb");
                QDir().mkpath(folder + "VantorellePrefs.cdb");
            },
            "VantorelleBP.cdb: Its header block has no \"#SYNCMODE\" line.\r\n"
            "VantorellePrefs.cdb: This is a folder, not a file."},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        backupFolder = wholeBackup();
        c.damage(backupFolder);
        prompter.boxes.clear();

        restoreBackup(installation, backupFolder, main);

        for (const QString &name : tables)
            EXPECT_EQ(readFile(installation.dataFolder + name), readFile(basicData() + name))
                << name.toStdString();
        EXPECT_TRUE(main.events.isEmpty());
        EXPECT_EQ(prompter.boxes.last().title, "Restore Aborted");
        EXPECT_EQ(prompter.boxes.last().text,
            "The backup in this folder is not whole, restore aborted.\r\n\r\n" + c.faults
                + "\r\n\r\nNo file has been replaced.");
        QDir(backupFolder).removeRecursively();
    }
}

// A copy that cannot be made replaces nothing, and the program goes on.
TEST_F(BackupRestore, RestoreThatCannotCopyReplacesNothing)
{
    backupFolder = wholeBackup();
    // The data folder's provider table has become a folder that no file can replace.
    QFile::remove(installation.dataFolder + "VantorelleProvID.cdb");
    QDir().mkpath(installation.dataFolder + "VantorelleProvID.cdb");
    const QMap<QString, QByteArray> before = contentsOf(installation.dataFolder);

    restoreBackup(installation, backupFolder, main);

    QMap<QString, QByteArray> after = contentsOf(installation.dataFolder);
    after.remove("errorlog.txt");
    EXPECT_EQ(after, before);
    EXPECT_TRUE(main.events.isEmpty());
    EXPECT_EQ(prompter.boxes.last().title, "Error");
    EXPECT_TRUE(prompter.boxes.last().text.contains(
        "No file has been replaced: the program goes on with its data."));
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
    backupFolder = wholeBackup();
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
