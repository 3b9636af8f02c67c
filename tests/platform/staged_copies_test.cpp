#include <gtest/gtest.h>

#include "platform/app_error.h"
#include "platform/staged_copies.h"
#include "support/file_modes.h"
#include "support/file_size_limit.h"
#include "support/temporary_install.h"

#include <QDir>
#include <QMap>
#include <QTemporaryDir>

#include <functional>
#include <optional>

using namespace vantorelle;

namespace {

class StagedCopiesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        writeFile(source + "a", "new a");
        writeFile(source + "b", "new b");
        writeFile(source + "c", QByteArray(4096, 'c'));
        writeFile(target + "a", "old a");
        ASSERT_TRUE(setPermissionsOf(target + "a", 0644));
    }

    QTemporaryDir dir;
    QString source = dir.filePath("source/");
    QString target = dir.filePath("target/");
    ScopedUmask umask {022};
};

} // namespace

TEST_F(StagedCopiesTest, AllCopiesLandTogether)
{
    {
        StagedCopies copies(target);
        for (const char *name : {"a", "b", "c"})
            copies.add(source + name, name);
        EXPECT_EQ(readFile(target + "a"), "old a") << "nothing lands before place()";
        copies.place();
    }
    EXPECT_EQ(contentsOf(target),
        (QMap<QString, QByteArray> {{"a", "new a"}, {"b", "new b"}, {"c", QByteArray(4096, 'c')}}));
    EXPECT_EQ(permissionsOf(target + "a"), 0644); // the replaced file's
    EXPECT_EQ(permissionsOf(target + "b"), 0600);
}

// A failure at the third copy: the folder is as it was, with nothing staged left.
TEST_F(StagedCopiesTest, ACopyThatFailsLeavesTheFolderAsItWas)
{
    const struct {
        const char *name;
        std::function<void()> prepare;
        int number;
    } cases[] = {
        {"a folder where the copy goes", [this] { QDir().mkpath(target + "c"); },
            AppError::PathFileAccessError},
        {"a folder where the file to copy should be",
            [this] {
                QFile::remove(source + "c");
                QDir().mkpath(source + "c");
            },
            AppError::PathFileAccessError},
        {"the file to copy missing", [this] { QFile::remove(source + "c"); },
            AppError::FileNotFound},
        {"the disk full", [] {}, AppError::DiskFull},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        c.prepare();
        const QMap<QString, QByteArray> before = contentsOf(target);
        std::optional<int> number;
        {
            const FileSizeLimit limit(c.number == AppError::DiskFull ? 1024 : RLIM_INFINITY);
            try {
                StagedCopies copies(target);
                for (const char *name : {"a", "b", "c"})
                    copies.add(source + name, name);
                copies.place();
            } catch (const AppError &error) {
                number = error.number();
            }
        }
        EXPECT_EQ(number, c.number);
        EXPECT_EQ(contentsOf(target), before);
        QDir(target + "c").removeRecursively();
        QDir(source + "c").removeRecursively();
    }
}

TEST_F(StagedCopiesTest, AMissingFolderIsPathNotFound)
{
    try {
        StagedCopies copies(dir.filePath("unplugged/"));
        ADD_FAILURE() << "no error";
    } catch (const AppError &error) {
        EXPECT_EQ(error.number(), AppError::PathNotFound);
    }
    EXPECT_FALSE(QFile::exists(dir.filePath("unplugged")));
}
