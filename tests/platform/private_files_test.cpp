#include <gtest/gtest.h>

#include "platform/private_files.h"
#include "support/file_modes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cerrno>

using namespace vantorelle;

namespace {

class PrivateFolderTest : public ::testing::Test {
protected:
    QString folder(const QString &name) const { return dir.filePath(name); }

    QTemporaryDir dir;
};

} // namespace

TEST_F(PrivateFolderTest, EveryFolderItMakesIsTheOwnersAloneWhateverTheUmask)
{
    const ScopedUmask umask(0);
    ASSERT_TRUE(makePrivateFolder(folder("Documents/Vantorelle/Backup/")));
    for (const char *made : {"Documents", "Documents/Vantorelle", "Documents/Vantorelle/Backup"})
        EXPECT_EQ(permissionsOf(folder(made)), 0700) << made;
}

TEST_F(PrivateFolderTest, FoldersThatExistKeepTheirMode)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir("Documents"));
    ASSERT_TRUE(setPermissionsOf(folder("Documents"), 0755));
    const ScopedUmask umask(022);
    ASSERT_TRUE(makePrivateFolder(folder("Documents/Vantorelle")));
    EXPECT_EQ(permissionsOf(folder("Documents")), 0755);
    EXPECT_EQ(permissionsOf(folder("Documents/Vantorelle")), 0700);

    ASSERT_TRUE(setPermissionsOf(folder("Documents/Vantorelle"), 0750));
    ASSERT_TRUE(makePrivateFolder(folder("Documents/Vantorelle/")));
    EXPECT_EQ(permissionsOf(folder("Documents/Vantorelle")), 0750);
}

TEST_F(PrivateFolderTest, AFileInTheWayIsReported)
{
    QFile file(folder("Documents"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    errno = 0;
    EXPECT_FALSE(makePrivateFolder(folder("Documents/Vantorelle")));
    EXPECT_EQ(errno, ENOTDIR);
    EXPECT_FALSE(QFile::exists(folder("Documents/Vantorelle")));
}

TEST_F(PrivateFolderTest, AFolderThatCannotBeMadeIsReportedWithItsReason)
{
    errno = 0;
    EXPECT_FALSE(makePrivateFolder(folder(QString(300, QLatin1Char('n')))));
    EXPECT_EQ(errno, ENAMETOOLONG);
}
