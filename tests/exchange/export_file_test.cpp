#include "exchange/export_file.h"
#include "platform/app_error.h"
#include "support/file_size_limit.h"
#include "support/temporary_install.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <string>
#include <sys/stat.h>

using namespace vantorelle;

namespace {

mode_t modeOf(const QString &path)
{
    struct stat info { };
    EXPECT_EQ(::stat(QFile::encodeName(path).constData(), &info), 0);
    return info.st_mode & 0777;
}

// Writes `bytes` to `path` as an export does, a line at a time.
void exportLines(const QString &path, const std::string &line, int count)
{
    ExportFile file(path);
    ASSERT_TRUE(file.open());
    for (int i = 0; i < count; ++i) {
        file.buffer() += line;
        file.writeWhenFull();
    }
    file.commit();
}

class FailedExport : public ::testing::TestWithParam<int> { };

// Lines of 100 bytes: a large export is written as it grows, a small one at the end.
INSTANTIATE_TEST_SUITE_P(Lines, FailedExport, ::testing::Values(20000, 80),
    [](const auto &info) { return std::to_string(info.param) + "Lines"; });

TEST_P(FailedExport, LeavesTheOldFileAndNoTemporaryOne)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("readings.csv"));
    writeFile(path, "the old export\r\n");
    {
        const FileSizeLimit full(4096);
        EXPECT_THROW(exportLines(path, std::string(98, 'x') + "\r\n", GetParam()), AppError);
    }
    EXPECT_EQ(readFile(path), "the old export\r\n");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"readings.csv"}));
}

TEST(ExportFile, ACompleteExportReplacesTheFileWhichKeepsItsPermissions)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("readings.csv"));
    writeFile(path, "the old export\r\n");
    ASSERT_EQ(::chmod(QFile::encodeName(path).constData(), 0604), 0);
    exportLines(path, "a,b,\r\n", 300000);
    EXPECT_EQ(readFile(path).size(), 6 * 300000);
    EXPECT_EQ(modeOf(path), mode_t(0604));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"readings.csv"}));
}

TEST(ExportFile, ANewFileFollowsTheUsersUmask)
{
    QTemporaryDir dir;
    const mode_t before = ::umask(027);
    exportLines(dir.filePath(QStringLiteral("new.csv")), "a,\r\n", 1);
    ::umask(before);
    EXPECT_EQ(modeOf(dir.filePath(QStringLiteral("new.csv"))), mode_t(0640));
}

TEST(ExportFile, CannotBeOpenedInAFolderThatDoesNotExist)
{
    QTemporaryDir dir;
    ExportFile file(dir.filePath(QStringLiteral("missing/readings.csv")));
    EXPECT_FALSE(file.open());
}

} // namespace
