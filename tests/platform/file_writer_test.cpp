#include <gtest/gtest.h>

#include "platform/app_error.h"
#include "platform/file_writer.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <csignal>
#include <sys/resource.h>

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
    FileWriter::replace(path, "first version, rather long\r\n");
    FileWriter::replace(path, "second\r\n");
    EXPECT_EQ(contents(path), QByteArray("second\r\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList {"vantorelleplus.ini"});
}

TEST_F(FileWriterTest, ReplacedFileKeepsItsPermissions)
{
    FileWriter::replace(path, "old");
    ASSERT_TRUE(QFile::setPermissions(
        path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::WriteGroup));
    const auto before = QFile::permissions(path);
    FileWriter::replace(path, "new");
    EXPECT_EQ(QFile::permissions(path), before);
}

class FailedReplace : public FileWriterTest, public ::testing::WithParamInterface<int> { };

// Large writes go straight to the file; small ones through Qt's buffer.
INSTANTIATE_TEST_SUITE_P(Sizes, FailedReplace, ::testing::Values(64 * 1024, 8 * 1024),
    [](const auto &info) { return std::to_string(info.param / 1024) + "KB"; });

TEST_P(FailedReplace, KeepsTheOldFileAndReports)
{
    FileWriter::replace(path, "old contents");

    // A file-size limit makes the disk look full to this process.
    rlimit saved {};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = 1024;
    auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &small);
    int number = 0;
    try {
        FileWriter::replace(path, QByteArray(GetParam(), 'x'));
    } catch (const AppError &e) {
        number = e.number();
    }
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_EQ(number, AppError::DiskFull);
    EXPECT_EQ(contents(path), QByteArray("old contents"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList {"vantorelleplus.ini"});
}

TEST_F(FileWriterTest, MissingFolderIsReported)
{
    try {
        FileWriter::replace(dir.filePath(QStringLiteral("no/such/file.ini")), "x");
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
