#include <gtest/gtest.h>

#include "platform/app_error.h"
#include "settings/shell_helpers.h"
#include "support/fake_browser.h"
#include "support/fake_paths.h"
#include "support/fake_process_runner.h"
#include "support/fake_prompter.h"

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

TEST(RunAndWait, RunsTheProgramInItsFolder)
{
    FakeProcessRunner runner;
    runAndWait(QStringLiteral("/data/CondReg.exe"),
        {QStringLiteral("/data"), QStringLiteral("-AppName"), QStringLiteral("Vantorelle")},
        QStringLiteral("/data/"));
    ASSERT_EQ(runner.calls.size(), 1);
    EXPECT_EQ(runner.calls[0].program, QStringLiteral("/data/CondReg.exe"));
    EXPECT_EQ(runner.calls[0].arguments, QStringList({"/data", "-AppName", "Vantorelle"}));
    EXPECT_EQ(runner.calls[0].workingFolder, QStringLiteral("/data/"));
}

TEST(RunAndWait, ProgramThatCannotStartReachesTheCaller)
{
    QTemporaryDir dir;
    try {
        runAndWait(dir.filePath(QStringLiteral("Setup.exe")), {}, dir.path());
        FAIL() << "no error";
    } catch (const AppError &e) {
        EXPECT_EQ(e.number(), 53);
    }
}

TEST(OpenWebPage, OpensTheAddressInTheBrowser)
{
    FakePrompter prompter;
    FakeBrowser browser;
    openWebPage(QStringLiteral("https://www.brasselwicket.com/vantorelle/download.html"));
    openWebPage(QStringLiteral("www.brasselwicket.com/vantorelle/"));
    ASSERT_EQ(browser.opened.size(), 2);
    EXPECT_EQ(browser.opened[0],
        QUrl(QStringLiteral("https://www.brasselwicket.com/vantorelle/download.html")));
    EXPECT_EQ(browser.opened[1], QUrl(QStringLiteral("http://www.brasselwicket.com/vantorelle/")));
    EXPECT_TRUE(prompter.boxes.isEmpty());
}

TEST(OpenWebPage, AnAddressThatCannotBeOpenedIsReported)
{
    FakePrompter prompter;
    FakeBrowser browser;
    openWebPage(QString());
    ASSERT_EQ(prompter.boxes.size(), 1);
    EXPECT_EQ(prompter.boxes[0].title, QStringLiteral("Vantorelle Rize"));
    EXPECT_EQ(prompter.boxes[0].text, QStringLiteral("Web Page not Opened"));
    EXPECT_TRUE(browser.opened.isEmpty());
}
