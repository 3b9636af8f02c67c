#include "startup_fixture.h"

#include "dialogs/splash_window.h"
#include "platform/instance_guard.h"
#include "settings/settings_access.h"
#include "store/store.h"

#include <QApplication>
#include <QDir>

using namespace vantorelle;

TEST_F(StartupFixture, ASecondCopyIsRefused)
{
    InstanceGuard first(install.documentsFolder() + "vantorelle.lock");
    ASSERT_TRUE(first.acquire());

    EXPECT_FALSE(start());
    ASSERT_EQ(prompter.boxes.size(), 1);
    EXPECT_EQ(prompter.boxes[0].title, "Already Running");
    EXPECT_EQ(prompter.boxes[0].text, "Vantorelle is already running");
    EXPECT_EQ(prompter.boxes[0].icon, Prompter::Exclamation);
    // Nothing was configured or loaded.
    EXPECT_FALSE(QDir(install.dataFolder()).exists());
    EXPECT_FALSE(main->hasStore());
}

TEST_F(StartupFixture, AFirstRunOnAnEmptyHomeWaitsInAddModeForTheFirstProfile)
{
    ASSERT_TRUE(start());

    EXPECT_EQ(main->installation().dataFolder, install.dataFolder());
    EXPECT_EQ(tableFiles(main->installation().dataFolder).size(), 23);
    EXPECT_EQ(boxTitles(), QStringList {"Vantorelle Rize - Configuration"});
    EXPECT_EQ(main->backupFolder(), main->installation().dataFolder + "Backup/");

    ASSERT_EQ(control<QListWidget>("lstTopics")->count(), 16);
    EXPECT_EQ(control<QListWidget>("lstTopics")->item(0)->text(), "Personal");
    EXPECT_EQ(control<QListWidget>("lstTopics")->item(15)->text(), "Family History");
    EXPECT_EQ(control<QListWidget>("lstTopics")->currentRow(), 0);

    // No profile: a new one is started, and the editor is left in Add mode.
    const QStringList lastCalls = {"setTextLimits", "newProfile", "editRecord", "mode(Add)"};
    EXPECT_EQ(editor.calls.mid(editor.calls.size() - lastCalls.size()), lastCalls)
        << editor.calls.join(", ").toStdString();
    EXPECT_TRUE(control<QPushButton>("cmdNewSave")->isVisibleTo(main.get()));
    EXPECT_TRUE(main->editState().tracking());
    EXPECT_TRUE(control<QTimer>("Timer1")->isActive());

    for (QWidget *window : QApplication::topLevelWidgets())
        EXPECT_EQ(qobject_cast<SplashWindow *>(window), nullptr);
}

TEST_F(StartupFixture, WithAProfileTheWindowOpensInNormalMode)
{
    const QString folder = dataFolderWithProfile();
    writeFile(folder + "vantorelleplus.ini",
        "[Form]\r\nLeft=1500\r\nTop=1500\r\nWidth=12000\r\nHeight=9000\r\n");
    ASSERT_TRUE(start());

    EXPECT_EQ(main->installation().dataFolder, folder);
    EXPECT_TRUE(prompter.boxes.isEmpty());
    EXPECT_EQ(main->store().table(TableId::MainID).recordCount(), 1u);
    EXPECT_FALSE(editor.calls.contains("newProfile"));
    EXPECT_TRUE(editor.calls.contains("mode(Normal)"));
    EXPECT_FALSE(control<QPushButton>("cmdNewSave")->isVisibleTo(main.get()));
    EXPECT_FALSE(control<QPushButton>("cmdNewCancel")->isVisibleTo(main.get()));
    EXPECT_EQ(main->size(), QSize(800, 600));
}

TEST_F(StartupFixture, MenuItemsFollowThePlatformType)
{
    struct Case {
        const char *type;
        bool transfer, reinstall;
    };
    const QString folder = dataFolderWithProfile();
    for (const Case &c : {Case {"Win", false, false}, Case {"WM", true, true},
             Case {"Palm", false, true}, Case {"BB", false, true}}) {
        registerDataFolder(folder, c.type);
        ASSERT_TRUE(start()) << c.type;
        EXPECT_EQ(control<QAction>("mnuTransfer")->isVisible(), c.transfer) << c.type;
        EXPECT_EQ(control<QAction>("mnuRetrieve")->isVisible(), c.transfer) << c.type;
        EXPECT_EQ(control<QAction>("mnuReinstallHH")->isVisible(), c.reinstall) << c.type;
        EXPECT_EQ(control<QAction>("mnuSep4")->isVisible(), c.reinstall) << c.type;
        main.reset();
    }
}

TEST_F(StartupFixture, BackupFolderComesFromTheSettingsFile)
{
    const QString folder = dataFolderWithProfile();
    writeFile(folder + "vantorelleplus.ini", "[Main]\r\nBackupPath=/media/stick/\r\n");
    ASSERT_TRUE(start());
    EXPECT_EQ(main->backupFolder(), "/media/stick/");
}

#include <ostream>
#include <string>

namespace {

struct PasswordCase {
    const char *name;
    QStringList typed;
    bool opens;
    QStringList boxes;
};

void PrintTo(const PasswordCase &c, std::ostream *os)
{
    *os << c.name;
}

class PasswordGate : public StartupFixture, public ::testing::WithParamInterface<PasswordCase> { };

} // namespace

TEST_P(PasswordGate, TwoTriesAreAllowed)
{
    const PasswordCase &c = GetParam();
    const QString folder = dataFolderWithProfile();
    storePassword(folder, "Secret");
    const auto before = tableFiles(folder);
    typePasswords(c.typed);

    EXPECT_EQ(start(), c.opens);
    EXPECT_EQ(main->preferences().password(), "Secret");
    QStringList texts;
    for (const FakePrompter::Box &box : prompter.boxes) {
        EXPECT_EQ(box.title, "Password Incorrect");
        texts << box.text;
    }
    EXPECT_EQ(texts, c.boxes);
    if (c.opens) {
        EXPECT_EQ(control<QListWidget>("lstTopics")->currentRow(), 0);
    } else {
        // The program ends without writing anything.
        EXPECT_TRUE(main->isHidden());
        EXPECT_EQ(tableFiles(folder), before);
    }
}

INSTANTIATE_TEST_SUITE_P(StartupFixture, PasswordGate,
    ::testing::Values(PasswordCase {"RightAtOnce", {"Secret"}, true, {}},
        PasswordCase {
            "RightAtTheSecondTry", {"secret", "Secret"}, true, {"Password incorrect. Try again."}},
        PasswordCase {"WrongTwice", {"secret", "SECRET"}, false,
            {"Password incorrect. Try again.", "Password incorrect."}},
        PasswordCase {"PromptClosedTwice", {}, false,
            {"Password incorrect. Try again.", "Password incorrect."}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(StartupFixture, ALoadErrorStillAsksForThePassword)
{
    const QString folder = dataFolderWithoutProfile();
    storePassword(folder, "Secret");
    editor.failClearing = true;
    typePasswords({"wrong", "wrong"});

    EXPECT_FALSE(start());
    ASSERT_EQ(prompter.boxes.size(), 3);
    EXPECT_EQ(prompter.boxes[0].title, "Error");
    EXPECT_TRUE(prompter.boxes[0].text.startsWith(
        "An error occurred while loading.\r\n\r\nErrorCode =  3265 (Item cannot be found)"));
    EXPECT_EQ(prompter.boxes[2].text, "Password incorrect.");
}

TEST_F(StartupFixture, ALoadErrorLeavesTheWindowAsFarAsItGot)
{
    dataFolderWithoutProfile();
    editor.failClearing = true;

    EXPECT_TRUE(start());
    EXPECT_EQ(boxTitles(), QStringList {"Error"});
    // The steps after the failure did not run.
    EXPECT_FALSE(editor.calls.contains("setTextLimits"));
    EXPECT_FALSE(control<QTimer>("Timer1")->isActive());
}

TEST_F(StartupFixture, AMissingRequiredTableEndsTheProgram)
{
    const QString folder = dataFolderWithProfile();
    QFile::remove(folder + "VantorelleLocation.cdb");
    const auto before = tableFiles(folder);

    EXPECT_FALSE(start());
    ASSERT_EQ(boxTitles(), QStringList {"Error"});
    EXPECT_TRUE(
        prompter.boxes[0].text.startsWith("An error occurred while loading data source 20."))
        << prompter.boxes[0].text.toStdString();
    EXPECT_FALSE(main->hasStore());
    EXPECT_EQ(tableFiles(folder), before);
}

TEST_F(StartupFixture, AMissingTopicTableIsReportedAndTheProgramGoesOn)
{
    const QString folder = dataFolderWithProfile();
    QFile::remove(folder + "VantorelleBP.cdb");

    EXPECT_TRUE(start());
    ASSERT_EQ(boxTitles(), QStringList {"Error"});
    EXPECT_TRUE(
        prompter.boxes[0].text.startsWith("An error occurred while loading data source 14."));
    EXPECT_EQ(main->store().table(TableId::BP).recordCount(), 0u);
}
