#include <gtest/gtest.h>

#include "platform/app_error.h"
#include "platform/file_writer.h"
#include "support/file_modes.h"
#include "support/file_size_limit.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace vantorelle;

namespace {

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class FileWriterTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("vantorelleplus.ini"));
};

} // namespace

TEST_F(FileWriterTest, ReplaceCreatesAndReplacesWholeFiles)
{
    FileWriter::replace(path, "first version, rather long\r\n", NewFileAccess::OwnerOnly);
    FileWriter::replace(path, "second\r\n", NewFileAccess::OwnerOnly);
    EXPECT_EQ(contents(path), QByteArray("second\r\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList {"vantorelleplus.ini"});
}

TEST_F(FileWriterTest, ReplacedFileKeepsItsPermissions)
{
    FileWriter::replace(path, "old", NewFileAccess::OwnerOnly);
    ASSERT_TRUE(QFile::setPermissions(
        path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::WriteGroup));
    const auto before = QFile::permissions(path);
    FileWriter::replace(path, "new", NewFileAccess::OwnerOnly);
    EXPECT_EQ(QFile::permissions(path), before);
}

class FailedReplace : public FileWriterTest, public ::testing::WithParamInterface<int> { };

// Large writes go straight to the file; small ones through Qt's buffer.
INSTANTIATE_TEST_SUITE_P(Sizes, FailedReplace, ::testing::Values(64 * 1024, 8 * 1024),
    [](const auto &info) { return std::to_string(info.param / 1024) + "KB"; });

TEST_P(FailedReplace, KeepsTheOldFileAndReports)
{
    FileWriter::replace(path, "old contents", NewFileAccess::OwnerOnly);

    int number = 0;
    {
        const FileSizeLimit full(1024); // the disk looks full to this process
        try {
            FileWriter::replace(path, QByteArray(GetParam(), 'x'), NewFileAccess::OwnerOnly);
        } catch (const AppError &e) {
            number = e.number();
        }
    }

    EXPECT_EQ(number, AppError::DiskFull);
    EXPECT_EQ(contents(path), QByteArray("old contents"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList {"vantorelleplus.ini"});
}

TEST_F(FileWriterTest, MissingFolderIsReported)
{
    try {
        FileWriter::replace(
            dir.filePath(QStringLiteral("no/such/file.ini")), "x", NewFileAccess::OwnerOnly);
        FAIL() << "no error";
    } catch (const AppError &e) {
        EXPECT_EQ(e.number(), AppError::PathNotFound);
        EXPECT_EQ(e.description(), QStringLiteral("Path not found"));
    }
    EXPECT_THROW(
        FileWriter::append(dir.filePath(QStringLiteral("no/errorlog.txt")), "x"), AppError);
}

TEST_F(FileWriterTest, AppendAddsToTheEnd)
{
    const QString log = dir.filePath(QStringLiteral("errorlog.txt"));
    FileWriter::append(log, "one\r\n");
    FileWriter::append(log, "two\r\n");
    EXPECT_EQ(contents(log), QByteArray("one\r\ntwo\r\n"));
}

TEST_F(FileWriterTest, ALogIsMadeReadableByItsOwnerOnlyAndKeepsTheModeItHas)
{
    const QString log = dir.filePath(QStringLiteral("errorlog.txt"));
    const ScopedUmask umask(022);
    FileWriter::append(log, "one\r\n");
    EXPECT_EQ(permissionsOf(log), 0600);

    ASSERT_TRUE(setPermissionsOf(log, 0644));
    FileWriter::append(log, "two\r\n");
    EXPECT_EQ(permissionsOf(log), 0644);
}

namespace {

// The mode a replace leaves: a new file's by who it is for, whatever the
// umask (a file the user asked for excepted); a replaced one keeps its own.
struct ModeCase {
    const char *name;
    NewFileAccess access;
    mode_t umask;
    int existing; // the mode of the file already there; -1: none
    int expected;
};

void PrintTo(const ModeCase &c, std::ostream *out)
{
    *out << c.name;
}

class FileWriterModes : public ::testing::TestWithParam<ModeCase> { };

} // namespace

TEST_P(FileWriterModes, NewFilesGetTheirAccessAndReplacedOnesKeepTheirMode)
{
    const ModeCase &c = GetParam();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("vantorelleplus.ini"));
    if (c.existing >= 0) {
        FileWriter::replace(path, "old", NewFileAccess::OwnerOnly);
        ASSERT_TRUE(setPermissionsOf(path, mode_t(c.existing)));
    }
    {
        const ScopedUmask umask(c.umask);
        FileWriter::replace(path, "new", c.access);
    }
    EXPECT_EQ(permissionsOf(path), c.expected) << std::oct << permissionsOf(path);
    EXPECT_EQ(contents(path), QByteArray("new"));
}

INSTANTIATE_TEST_SUITE_P(FileWriter, FileWriterModes,
    ::testing::Values(ModeCase {"OwnerOnlyUnderUmask022", NewFileAccess::OwnerOnly, 022, -1, 0600},
        ModeCase {"OwnerOnlyUnderUmask000", NewFileAccess::OwnerOnly, 0, -1, 0600},
        ModeCase {"ExecutableUnderUmask022", NewFileAccess::OwnerOnlyExecutable, 022, -1, 0700},
        ModeCase {"UserFileUnderUmask022", NewFileAccess::UserUmask, 022, -1, 0644},
        ModeCase {"UserFileUnderUmask002", NewFileAccess::UserUmask, 002, -1, 0664},
        ModeCase {"UserFileUnderUmask077", NewFileAccess::UserUmask, 077, -1, 0600},
        ModeCase {"OwnerOnlyOverAnExisting0644", NewFileAccess::OwnerOnly, 022, 0644, 0644},
        ModeCase {"OwnerOnlyOverAnExisting0660", NewFileAccess::OwnerOnly, 077, 0660, 0660},
        ModeCase {"UserFileOverAnExisting0600", NewFileAccess::UserUmask, 0, 0600, 0600}),
    [](const ::testing::TestParamInfo<ModeCase> &info) { return std::string(info.param.name); });
