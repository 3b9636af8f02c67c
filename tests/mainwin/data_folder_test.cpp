// The registered data folder as people really end up with it: one that cannot
// be read, one gone, one emptied, one they may not write to. Each is started
// and, when it starts, closed; what the user was shown, what the registry
// holds and which folders exist afterwards are checked.
#include "startup_fixture.h"

#include "support/file_modes.h"
#include "support/without_root_file_rights.h"

#include <QDir>
#include <QDirIterator>

#include <functional>

using namespace vantorelle;

namespace {

// Every file under `folder` with its bytes, and every folder (as "name/").
QMap<QString, QByteArray> snapshot(const QString &folder)
{
    QMap<QString, QByteArray> entries;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
        QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString name = QDir(folder).relativeFilePath(path);
        entries.insert(it.fileInfo().isDir() ? name + "/" : name,
            it.fileInfo().isDir() ? QByteArray() : readFile(path));
    }
    return entries;
}

// Whether `text` is `pattern`, where "…" stands for any text.
bool matches(const QString &text, const QString &pattern)
{
    const QStringList parts = pattern.split(QStringLiteral("…"));
    qsizetype at = 0;
    for (qsizetype i = 0; i + 1 < parts.size(); ++i) {
        const qsizetype found = text.indexOf(parts[i], at);
        if (found < 0 || (i == 0 && found != 0))
            return false;
        at = found + parts[i].size();
    }
    return parts.size() == 1
        ? text == pattern
        : text.endsWith(parts.last()) && text.size() - parts.last().size() >= at;
}

const QString unreadable
    = "Data Folder Not Readable: The data folder %1 cannot be read: %2.\r\n\r\nThe program will "
      "close without changing anything; start it again once the folder can be read.";
const QString notFound = "Data Folder Not Found: The data folder %1 %2\r\n\r\nIf it is on a drive "
                         "or a network folder that is not connected, answer No, connect it and "
                         "start the program again.\r\n\r\nDo you want to start with a new, empty "
                         "data folder, %3?";
// The first profile is not entered: the close asks, and the answer is No.
const QString notEntered = "Changes Not Saved: You have made changes that have not been saved."
                           "\r\n\r\nDo you want to go back and save changes?";
const QString firstRun = "Vantorelle Rize - Configuration: It appears this is the first time this "
                         "program has been run.\r\n\r\nPlease wait while program settings are "
                         "configured...";

} // namespace

using DataFolder = StartupFixture;

TEST_F(DataFolder, TheRegisteredOneIsUsedNamedOrReplacedAsItCanBeRead)
{
    const QString documents = install.documentsFolder();
    // A folder of the fixture's, moved to a name of the case's own.
    const auto named = [&](const QString &made, const char *name) {
        const QString folder = documents + name + "/";
        EXPECT_TRUE(QDir().rename(made, folder));
        return folder;
    };
    const struct {
        const char *name;
        std::function<QString()> prepare; // makes the registered folder, gives its path
        mode_t mode; // the folder's mode for the run
        QList<int> answers; // to the boxes, in order; past them each box's default
        bool starts;
        // "Title: text" of each box, at the start and the close; "…" is any
        // text, %1 the registered folder and %2 the one a first run makes.
        QStringList boxes;
        bool replaced; // by a new folder in the documents folder
    } cases[] = {
        {"no right to read it", [&] { return named(dataFolderWithProfile(), "unreadable"); }, 0000,
            {}, false, {unreadable.arg("%1", "Permission denied")}, false},
        {"a right to enter it but not to list it",
            [&] { return named(dataFolderWithProfile(), "hidden"); }, 0100, {}, false,
            {unreadable.arg("%1", "Permission denied")}, false},
        {"a file where the folder should be",
            [&] {
                writeFile(documents + "file", "not a folder");
                return documents + "file/";
            },
            0700, {}, false, {unreadable.arg("%1", "Not a directory")}, false},
        {"a folder where the profile table should be",
            [&] {
                const QString folder = named(dataFolderWithoutProfile(), "odd");
                QFile::remove(folder + "VantorelleMainID.cdb");
                QDir().mkpath(folder + "VantorelleMainID.cdb");
                return folder;
            },
            0700, {}, false,
            {"Data Folder Not Readable: The file %1VantorelleMainID.cdb cannot be read: Is a "
             "directory.\r\n\r\nThe program will close without changing anything; start it "
             "again once the file can be read."},
            false},
        // Enter takes the question's default: the folder is kept registered.
        {"no such folder, kept", [&] { return documents + "gone/"; }, 0700, {}, false,
            {notFound.arg("%1", "was not found.", "%2")}, false},
        {"a link whose folder is gone",
            [&] {
                QFile::link(documents + "stick", documents + "link");
                return documents + "link/";
            },
            0700, {Prompter::No}, false, {notFound.arg("%1", "was not found.", "%2")}, false},
        {"no such folder, replaced", [&] { return documents + "gone/"; }, 0700,
            {Prompter::Yes, Prompter::Ok, Prompter::No}, true,
            {notFound.arg("%1", "was not found.", "%2"), firstRun, notEntered}, true},
        {"no table in it, replaced",
            [&] {
                QDir().mkpath(documents + "empty");
                return documents + "empty/";
            },
            0700, {Prompter::Yes, Prompter::Ok, Prompter::No}, true,
            {notFound.arg("%1", "holds no records.", "%2"), firstRun, notEntered}, true},
        // Readable but not writable: told at the start, before any other box
        // (the setup log that cannot be written has none); each error box
        // names its file, the settings file once; nothing had changed, so
        // nothing is said to be lost.
        {"no right to write to it", [&] { return named(dataFolderWithProfile(), "readonly"); },
            0500, {}, true,
            {"Data Folder Not Writable: The data folder %1 cannot be written: Permission "
             "denied.\r\n\r\nThe records can be read, but no change can be saved until the "
             "folder can be written.",
                "Vantorelle Rize: An error occurred while writing to the ini file.\r\n\r\n"
                "Filename = %1vantorelleplus.ini (Permission denied)",
                "Error: An error occurred while saving the databases.\r\n\r\n"
                "ErrorCode =  70 (Permission denied)\r\n\r\n"
                "These files could not be written:\r\n…%1VantorelleMainID.cdb\r\n…\r\n\r\n"
                "Nothing in them has changed since they were read: no record is lost.\r\n\r\n…"},
            false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const QString folder = c.prepare();
        // Only the folder is registered: the configuration has a setup to log.
        registry.user = {{"data_path", folder}};
        registry.machine.clear();
        const QMap<QString, QByteArray> before = snapshot(documents);
        prompter.boxes.clear();
        prompter.setNextAnswers(c.answers);

        if (QFileInfo::exists(folder)) {
            ASSERT_TRUE(setPermissionsOf(folder, c.mode));
        }
        {
            const WithoutRootFileRights asAnyUser;
            ASSERT_TRUE(asAnyUser.holds());
            EXPECT_EQ(start(), c.starts);
            if (c.starts) {
                EXPECT_TRUE(main->close());
            }
            main.reset();
        }
        if (QFileInfo::exists(folder))
            setPermissionsOf(folder, 0700);

        QStringList shown;
        for (const FakePrompter::Box &box : prompter.boxes)
            shown << box.title + ": " + box.text;
        ASSERT_EQ(shown.size(), c.boxes.size()) << shown.join("\n---\n").toStdString();
        for (qsizetype i = 0; i < shown.size(); ++i)
            EXPECT_TRUE(matches(shown[i],
                QString(c.boxes[i]).replace("%1", folder).replace("%2", install.dataFolder())))
                << shown[i].toStdString();

        // Nothing else was made or changed in the documents folder.
        const QString made = install.dataFolder();
        if (c.replaced) {
            EXPECT_EQ(registry.user.value("data_path").toString(), made);
            EXPECT_TRUE(QFileInfo::exists(made + "VantorelleMainID.cdb"));
            QDir(made).removeRecursively();
        } else if (c.starts) {
            // The installation was settled as in any folder: the installer's
            // values, none here, are recorded for the user.
            EXPECT_EQ(registry.user,
                (QVariantMap {{"data_path", folder}, {"install_type", ""}, {"install_date", ""}}));
        } else {
            EXPECT_EQ(registry.user, (QVariantMap {{"data_path", folder}}));
        }
        EXPECT_EQ(snapshot(documents), before);
    }
}
