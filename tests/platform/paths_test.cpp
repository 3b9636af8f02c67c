#include <gtest/gtest.h>

#include "platform/app_error.h"
#include "platform/paths.h"
#include "support/fake_paths.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace vantorelle;

namespace {

void touch(const QString &path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

} // namespace

TEST(PathExists, FilesFoldersAndPatterns)
{
    QTemporaryDir dir;
    const QString data = dir.path() + QStringLiteral("/Vantorelle/");
    ASSERT_TRUE(QDir().mkpath(data + QStringLiteral("graphics")));
    touch(data + QStringLiteral("VantorelleMainID.cdb"));
    touch(data + QStringLiteral("BP.CDI"));
    touch(data + QStringLiteral(".hidden.cdx"));

    struct Case {
        QString path;
        bool exists;
    };
    const Case cases[] = {
        {data + QStringLiteral("VantorelleMainID.cdb"), true},
        {data + QStringLiteral("VantorelleBP.cdb"), false},
        {data, true}, // a folder, with or without its final "/"
        {data + QStringLiteral("graphics"), true},
        {data + QStringLiteral("*.cdi"), true}, // patterns ignore case, like the Windows tools
        {data + QStringLiteral("*.cdb"), true},
        {data + QStringLiteral("graph*"), true}, // folders match patterns too
        {data + QStringLiteral("??.cdi"), true},
        {data + QStringLiteral("?.cdi"), false},
        {data + QStringLiteral("*.lxp"), false},
        {data + QStringLiteral("*.cdx"), false}, // hidden files are not listed
        {dir.path() + QStringLiteral("/Missing/*.cdb"), false},
        {QString(), false},
    };
    for (const Case &c : cases)
        EXPECT_EQ(pathExists(c.path), c.exists) << c.path.toStdString();
}

TEST(SpecialFolderPath, DocumentsAndProgramFolders)
{
    FakePaths paths(QStringLiteral("/opt/vantorelle/"), QStringLiteral("/home/u/Documents"));
    EXPECT_EQ(specialFolderPath(SpecialFolder::Documents), QStringLiteral("/home/u/Documents/"));
    EXPECT_EQ(specialFolderPath(SpecialFolder::ProgramFiles), QStringLiteral("/opt/vantorelle/"));
    paths.documents.clear();
    EXPECT_THROW(specialFolderPath(SpecialFolder::Documents), AppError);
}
