#include <gtest/gtest.h>

#include "store/table_catalog.h"
#include "support/temporary_install.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace vantorelle;

// The table files a first run copies are exactly what the program writes for
// an empty table of each kind, so a close leaves them as they were.
TEST(Templates, EveryTableHasTheFileOfAnEmptyTable)
{
    QTemporaryDir written;
    const QString templates = TemporaryInstall::sourceDataFolder();
    EXPECT_EQ(QDir(templates).entryList({"*.cdb"}, QDir::Files).size(), int(tableCount));
    for (std::size_t i = 0; i < tableCount; ++i) {
        const auto id = static_cast<TableId>(i);
        const QString name = QString::fromStdString(tableFileName(id));
        MemoryTable empty(tableColumns(id));
        const QString path = written.path() + "/" + name;
        ASSERT_FALSE(
            TableFile(QFile::encodeName(path).toStdString(), tableLayout(id)).write(empty));
        EXPECT_EQ(readFile(templates + name), readFile(path)) << name.toStdString();
        // A close deletes table files shorter than 50 bytes.
        EXPECT_GE(readFile(templates + name).size(), 50) << name.toStdString();
    }
}
