#include <gtest/gtest.h>

#include "settings/error_box_and_logs.h"
#include "store/clock.h"
#include "support/fake_paths.h"
#include "support/fake_prompter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

using namespace vantorelle;

namespace {

const QString support
    = QStringLiteral("If you continue to get this error,\r\n"
                     "check www.brasselwicket.com for support on this product.\r\n"
                     "\r\n"
                     "If a solution cannot be found online,\r\n"
                     "then e-mail tech support at support@brasselwicket.com.");

// A data folder, a program folder and a frozen clock: 8 December 2026, 07:05.
class ErrorBoxTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Clock::install(&clock);
        installation.dataFolder = dir.path() + QStringLiteral("/");
        installation.platform = Platform::Palm;
    }
    void TearDown() override { Clock::install(nullptr); }

    QByteArray log(const char *name) const
    {
        QFile file(installation.dataFolder + QLatin1String(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    QByteArray entry(const QByteArray &errorText) const
    {
        return "Application: Vantorelle Rize\r\n"
               "Version: 5.5.2\r\n"
               "Platform: Palm\r\n"
               "Data Path: "
            + installation.dataFolder.toUtf8()
            + "\r\n"
              "Program Path: /opt/vantorelle\r\n"
              "\r\n"
              "Error Date: Dec-08-2026  07:05\r\n"
              "Error Information:\r\n"
            + errorText + "\r\n-----------------------------------\r\n";
    }

    QTemporaryDir dir;
    Installation installation;
    FixedClock clock {{2026, 12, 8, 7, 5, 42}};
    FakePaths paths {QStringLiteral("/opt/vantorelle/"), QStringLiteral("/home/u/Documents/")};
    FakePrompter prompter;
};

} // namespace

TEST_F(ErrorBoxTest, BoxAndLogEntryWithDetails)
{
    prompter.setNextAnswers({Prompter::Ok});
    showError(installation, AppError(53), QStringLiteral("saving a record"),
        QStringLiteral("Filename = /data/VantorelleBP.cdb"));

    ASSERT_EQ(prompter.boxes.size(), 1);
    const FakePrompter::Box &box = prompter.boxes.first();
    EXPECT_EQ(box.title, QStringLiteral("Error"));
    EXPECT_EQ(box.buttons, Prompter::OkOnly);
    EXPECT_EQ(box.icon, Prompter::NoIcon);
    EXPECT_EQ(box.text,
        QStringLiteral("An error occurred while saving a record.\r\n"
                       "\r\n"
                       "ErrorCode =  53 (File not found)\r\n"
                       "\r\n"
                       "Filename = /data/VantorelleBP.cdb\r\n"
                       "\r\n")
            + support);

    EXPECT_EQ(log("errorlog.txt"),
        entry("An error occurred while saving a record.\r\n"
              "\r\n"
              "ErrorCode =  53 (File not found)"));
}

TEST_F(ErrorBoxTest, WithoutDetailsTheSupportAdviceFollowsTheCode)
{
    showError(installation, AppError(-2147, QStringLiteral("Automation error")),
        QStringLiteral("backing up the databases"));
    ASSERT_EQ(prompter.boxes.size(), 1);
    EXPECT_EQ(prompter.boxes.first().text,
        QStringLiteral("An error occurred while backing up the databases.\r\n"
                       "\r\n"
                       "ErrorCode = -2147 (Automation error)\r\n"
                       "\r\n")
            + support);
}

TEST_F(ErrorBoxTest, EachFailureAppendsAFullEntry)
{
    showError(installation, AppError(70), QStringLiteral("opening web page"));
    clock.set({2027, 1, 31, 23, 59, 0});
    showError(installation, AppError(61), QStringLiteral("saving a record"));

    QByteArray second = entry("An error occurred while saving a record.\r\n"
                              "\r\n"
                              "ErrorCode =  61 (Disk full)");
    second.replace("Dec-08-2026  07:05", "Jan-31-2027  23:59");
    EXPECT_EQ(log("errorlog.txt"),
        entry("An error occurred while opening web page.\r\n"
              "\r\n"
              "ErrorCode =  70 (Permission denied)")
            + second);
}

TEST_F(ErrorBoxTest, UnwritableLogNeverHidesTheBox)
{
    installation.dataFolder = dir.filePath(QStringLiteral("gone/"));
    showError(installation, AppError(76), QStringLiteral("in config_registry"));
    ASSERT_EQ(prompter.boxes.size(), 1);
    EXPECT_TRUE(prompter.boxes.first().text.startsWith(
        QStringLiteral("An error occurred while in config_registry.")));
}

TEST_F(ErrorBoxTest, NothingIsLoggedWhileTheDataFolderIsUnknown)
{
    installation.dataFolder.clear();
    showError(installation, AppError(53), QStringLiteral("in config_registry"));
    writeSetupLog(
        installation, QStringLiteral("Data path was blank, must be first run of Vantorelle"));
    EXPECT_EQ(prompter.boxes.size(), 1);
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
    EXPECT_FALSE(QFile::exists(QStringLiteral("errorlog.txt")));
    EXPECT_FALSE(QFile::exists(QStringLiteral("setuplog.txt")));
}

TEST_F(ErrorBoxTest, SetupLogAppendsLines)
{
    writeSetupLog(installation, QStringLiteral("InstallType = Palm"));
    writeSetupLog(
        installation, QStringLiteral("About to copy CDBs...\r\n   FROM: /opt/vantorelle/"));
    EXPECT_EQ(log("setuplog.txt"),
        QByteArray("InstallType = Palm\r\nAbout to copy CDBs...\r\n   FROM: /opt/vantorelle/\r\n"));

    // A log that cannot be written loses its line, and nothing else stops.
    installation.dataFolder = dir.filePath(QStringLiteral("gone/"));
    EXPECT_NO_THROW(writeSetupLog(installation, QStringLiteral("x")));
    EXPECT_FALSE(QFileInfo::exists(installation.dataFolder));
    EXPECT_TRUE(prompter.boxes.isEmpty());
}

TEST_F(ErrorBoxTest, TheBoxNamesTheFileOfTheFailure)
{
    installation.dataFolder = dir.filePath(QStringLiteral("gone/"));
    const QString log = installation.dataFolder + QStringLiteral("errorlog.txt");
    try {
        writeErrorLog(installation, QStringLiteral("x"));
        FAIL() << "a log in a folder that is gone was written";
    } catch (const AppError &error) {
        showError(installation, error, QStringLiteral("in config_registry"));
    }
    const struct {
        QString details;
        QString shown; // between the error code and the support advice
    } cases[] = {
        {QString(), QStringLiteral("Filename = ") + log},
        {QStringLiteral("Try again."), QStringLiteral("Try again.\r\n\r\nFilename = ") + log},
        {QStringLiteral("Filename = ") + log, QStringLiteral("Filename = ") + log}, // once
    };
    for (const auto &c : cases) {
        showError(installation, AppError(AppError::PathNotFound).aboutFile(log),
            QStringLiteral("in config_registry"), c.details);
    }
    ASSERT_EQ(prompter.boxes.size(), 4);
    const QString code = QStringLiteral("An error occurred while in config_registry.\r\n\r\n"
                                        "ErrorCode =  76 (Path not found)\r\n\r\n");
    EXPECT_EQ(prompter.boxes[0].text, code + cases[0].shown + QStringLiteral("\r\n\r\n") + support);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(prompter.boxes[i + 1].text,
            code + cases[i].shown + QStringLiteral("\r\n\r\n") + support);
    }
}

TEST_F(ErrorBoxTest, AFailureNobodyIsThereToSeeIsLoggedWithItsDetailsAndNoBox)
{
    logError(installation, AppError(61).aboutFile(QStringLiteral("/data/VantorelleBP.cdb")),
        QStringLiteral("saving the databases"),
        QStringLiteral("These files could not be written:\r\n/data/VantorelleBP.cdb"));
    logError(installation, AppError(70).aboutFile(QStringLiteral("/data/VantorelleMed.cdb")),
        QStringLiteral("deleting an empty file"));

    EXPECT_TRUE(prompter.boxes.isEmpty());
    EXPECT_EQ(log("errorlog.txt"),
        entry("An error occurred while saving the databases.\r\n"
              "\r\n"
              "ErrorCode =  61 (Disk full)\r\n"
              "\r\n"
              "These files could not be written:\r\n"
              "/data/VantorelleBP.cdb")
            + entry("An error occurred while deleting an empty file.\r\n"
                    "\r\n"
                    "ErrorCode =  70 (Permission denied)\r\n"
                    "\r\n"
                    "Filename = /data/VantorelleMed.cdb"));

    // A log that cannot be written loses the entry, and nothing else happens.
    installation.dataFolder = dir.filePath(QStringLiteral("gone/"));
    EXPECT_NO_THROW(logError(installation, AppError(61), QStringLiteral("saving the databases")));
    EXPECT_TRUE(prompter.boxes.isEmpty());
}
