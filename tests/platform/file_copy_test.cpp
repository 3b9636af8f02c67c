#include <gtest/gtest.h>

#include "platform/file_copy.h"
#include "support/file_modes.h"

#include <QFile>
#include <QTemporaryDir>

using namespace vantorelle;

namespace {

class FileCopyTest : public ::testing::Test {
protected:
    // A file named `name` holding `bytes`, with the permission bits `mode`.
    QString file(const QString &name, const QByteArray &bytes, mode_t mode) const
    {
        const QString path = dir.filePath(name);
        QFile out(path);
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes);
        out.close();
        EXPECT_TRUE(setPermissionsOf(path, mode));
        return path;
    }

    QTemporaryDir dir;
    ScopedUmask umask {022};
};

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

TEST_F(FileCopyTest, ANewCopyIsTheOwnersAloneWhateverTheOriginal)
{
    const QString table = file("VantorelleBP.cdb", "readings", 0644);
    const QString copy = dir.filePath("VantorelleBP.bak");
    copyFileAtomically(table, copy);
    EXPECT_EQ(contents(copy), "readings");
    EXPECT_EQ(permissionsOf(copy), 0600);
}

TEST_F(FileCopyTest, ANewCopyOfAToolStaysExecutableByItsOwnerOnly)
{
    const QString tool = file("Setup.exe", "#!/bin/sh\n", 0755);
    const QString copy = dir.filePath("copied.exe");
    copyFileAtomically(tool, copy);
    EXPECT_EQ(permissionsOf(copy), 0700);
}

TEST_F(FileCopyTest, ACopyOverAnExistingFileKeepsThatFilesMode)
{
    // A restore: the backup copy is private, the data file the user opened to the group.
    const QString backup = file("backup.cdb", "backed up", 0600);
    const QString data = file("VantorelleBP.cdb", "today", 0640);
    copyFileAtomically(backup, data);
    EXPECT_EQ(contents(data), "backed up");
    EXPECT_EQ(permissionsOf(data), 0640);
}
