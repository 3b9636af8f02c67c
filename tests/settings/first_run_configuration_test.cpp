#include <gtest/gtest.h>

#include "settings/first_run_configuration.h"
#include "settings/settings_access.h"
#include "store/clock.h"
#include "support/fake_prompter.h"
#include "support/fake_registry.h"
#include "support/file_modes.h"
#include "support/temporary_install.h"

#include <QDir>

using namespace vantorelle;

namespace {

const QStringList tableNames = {"MainID", "MainNm", "InsXref", "InsID", "ConID", "ConXref",
    "Allergy", "Illness", "Surgery", "Appt", "Med", "Vacc", "Test", "BP", "Weight", "Glucose",
    "Family", "PharmID", "ProvID", "Location", "ProvType", "Chol", "Prefs"};

QString tableFile(const QString &name)
{
    return QStringLiteral("Vantorelle") + name + QStringLiteral(".cdb");
}

class FirstRunConfiguration : public ::testing::Test {
protected:
    void SetUp() override { Clock::install(&clock); }
    void TearDown() override { Clock::install(nullptr); }

    void run()
    {
        const std::optional<Installation> configured
            = configureInstallation(install.programFolder(), [this](Installation &setUp) {
                  setups.append(platformName(setUp.platform));
                  return setupWorks;
              });
        ASSERT_TRUE(configured.has_value());
        installation = *configured;
    }

    // A registered data folder of an installation that has not changed.
    void registerDataFolder(const QString &folder, const QString &type)
    {
        registry.user
            = {{"data_path", folder}, {"install_type", type}, {"install_date", "20240101"}};
        registry.machine = {{"install_type", type}, {"install_date", "20240101"}};
    }

    // The backup folder stored in the settings file, "" for none.
    QString backupSetting() const
    {
        return readSetting(QStringLiteral("Main"), QStringLiteral("BackupPath"), QString(),
            installation.settingsFile());
    }

    QString setupLog() const
    {
        return QString::fromLatin1(
            readFile(installation.dataFolder + QStringLiteral("setuplog.txt")));
    }

    TemporaryInstall install;
    FakeRegistry registry;
    FakePrompter prompter;
    FixedClock clock {{2026, 3, 7, 9, 5, 0}};
    QStringList setups;
    bool setupWorks = true; // what the handheld setup gives
    Installation installation; // what the last run settled
};

} // namespace

TEST_F(FirstRunConfiguration, FirstRunMakesTheDataFolderFromTheTemplates)
{
    install.copyTemplates();
    const ScopedUmask umask(022);
    run();

    const QString data = install.dataFolder();
    EXPECT_EQ(installation.dataFolder, data);
    EXPECT_EQ(installation.settingsFile(), data + "vantorelleplus.ini");
    // No backup folder is stored: backups go to the data folder's default one.
    EXPECT_EQ(backupSetting(), QString());
    EXPECT_EQ(registry.user.value("data_path").toString(), data);
    for (const QString &name : tableNames) {
        EXPECT_EQ(readFile(data + tableFile(name)),
            readFile(TemporaryInstall::sourceDataFolder() + tableFile(name)))
            << name.toStdString();
    }
    EXPECT_TRUE(QFile::exists(data + "graphics/vantorelle_logo.png"));
    // The records are the user's alone, whatever the umask left the templates.
    EXPECT_EQ(notTheOwnersAlone(data.chopped(1)), "");

    ASSERT_GE(prompter.boxes.size(), 1);
    EXPECT_EQ(prompter.boxes[0].title, "Vantorelle Rize - Configuration");
    EXPECT_EQ(prompter.boxes[0].text,
        "It appears this is the first time this program has been run.\r\n\r\n"
        "Please wait while program settings are configured...");

    // No installation is recorded anywhere: the handheld setup runs for none.
    EXPECT_EQ(setups, QStringList {""});
    const QString expectedLog = QStringLiteral(
        "Data path was blank, must be first run of Vantorelle\r\n"
        "Version = 5.5.2\r\n"
        "Date = Mar 7, 2026 09:05\r\n\r\n"
        "Create Registry Key: HKCU\\Software\\Brasselwicket\\Vantorelle\r\n"
        "Set Registry: HKCU / data_path = %1\r\n"
        "Did not find database:%1VantorelleMainID.cdb\r\n"
        "About to copy CDBs...\r\n   FROM: %2data/\r\n     TO: %1\r\n"
        "InstallType blank - need to update install\r\n"
        "update_install = True\r\n"
        "Read Registry: HKLM / install_type = \r\n"
        "Read Registry: HKLM / install_date = \r\n"
        "Set Registry: HKCU / install_type = \r\n"
        "Set Registry: HKCU / install_date = \r\n"
        "\r\nDone with config for Vantorelle\r\nVersion = 5.5.2\r\nDate = Mar 7, 2026 09:05\r\n\r\n"
        "---------------------------------\r\n")
                                    .arg(data, install.programFolder());
    EXPECT_EQ(setupLog(), expectedLog);
}

TEST_F(FirstRunConfiguration, FirstRunWithoutTemplatesCopiesNothing)
{
    run();

    EXPECT_EQ(installation.dataFolder, install.dataFolder());
    EXPECT_FALSE(QFile::exists(installation.settingsFile()));
    EXPECT_EQ(QDir(installation.dataFolder).entryList({"*.cdb"}, QDir::Files), QStringList());
    EXPECT_FALSE(QFile::exists(installation.dataFolder + "graphics"));
    EXPECT_EQ(registry.user.value("data_path").toString(), installation.dataFolder);
}

TEST_F(FirstRunConfiguration, ExistingTablesAreNeverOverwritten)
{
    install.copyTemplates();
    // Tables of an earlier installation, but no profile table.
    writeFile(install.dataFolder() + tableFile("BP"), "#RECCNT: 1\r\nmine\r\n");
    run();

    EXPECT_EQ(readFile(installation.dataFolder + tableFile("BP")), "#RECCNT: 1\r\nmine\r\n");
    EXPECT_TRUE(QFile::exists(installation.dataFolder + tableFile("MainID")));
}

TEST_F(FirstRunConfiguration, AFolderHoldingTheProfileTableIsUsedAsItIs)
{
    install.copyTemplates();
    writeFile(install.dataFolder() + tableFile("MainID"), "mine");
    run();

    EXPECT_EQ(readFile(installation.dataFolder + tableFile("MainID")), "mine");
    EXPECT_FALSE(QFile::exists(installation.dataFolder + tableFile("BP")));
    EXPECT_TRUE(setupLog().contains(
        "Found database:" + installation.dataFolder + "VantorelleMainID.cdb\r\n"));
}

TEST_F(FirstRunConfiguration, AnUnchangedInstallationChangesNothing)
{
    const QString folder = install.documentsFolder() + "elsewhere/";
    writeFile(folder + tableFile("MainID"), "mine");
    registerDataFolder(folder, "WM");
    const QVariantMap user = registry.user;
    run();

    EXPECT_EQ(installation.dataFolder, folder);
    EXPECT_EQ(platformName(installation.platform), "WM");
    EXPECT_TRUE(prompter.boxes.isEmpty());
    EXPECT_TRUE(setups.isEmpty());
    EXPECT_EQ(registry.user, user);
    EXPECT_FALSE(QFile::exists(folder + "setuplog.txt"));
}

TEST_F(FirstRunConfiguration, AFolderThatLostOnlyItsProfileTableIsKept)
{
    const QString folder = install.documentsFolder() + "elsewhere/";
    writeFile(folder + tableFile("BP"), "mine");
    registerDataFolder(folder, "Win");
    run();

    EXPECT_EQ(installation.dataFolder, folder);
    EXPECT_TRUE(prompter.boxes.isEmpty());
}

TEST_F(FirstRunConfiguration, AFolderWithNoTableAtAllMeansAFirstRunOnceTheUserAgrees)
{
    const QString folder = install.documentsFolder() + "elsewhere/";
    QDir().mkpath(folder);
    registerDataFolder(folder, "Win");
    prompter.setNextAnswers({Prompter::Yes});
    run();

    EXPECT_EQ(installation.dataFolder, install.dataFolder());
    EXPECT_EQ(registry.user.value("data_path").toString(), install.dataFolder());
}

TEST_F(FirstRunConfiguration, ANewInstallationDateRepeatsTheHandheldSetupSilently)
{
    struct Case {
        const char *type;
        bool setupRuns;
    };
    for (const Case &c :
        {Case {"Palm", true}, Case {"WM", true}, Case {"BB", true}, Case {"Win", false}}) {
        const QString folder = install.documentsFolder() + c.type + "/";
        writeFile(folder + tableFile("MainID"), "mine");
        registerDataFolder(folder, c.type);
        registry.machine["install_date"] = "20250505";
        setups.clear();
        run();

        EXPECT_TRUE(prompter.boxes.isEmpty()) << c.type;
        EXPECT_EQ(setups, c.setupRuns ? QStringList {c.type} : QStringList()) << c.type;
        EXPECT_EQ(
            registry.user.value("install_date").toString(), c.setupRuns ? "20250505" : "20240101")
            << c.type;
    }
}

// A setup that failed is not recorded: the next start runs it again, and once
// it works the installation is recorded.
TEST_F(FirstRunConfiguration, AFailedHandheldSetupRunsAgainAtTheNextStart)
{
    const QString folder = install.documentsFolder() + "records/";
    writeFile(folder + tableFile("MainID"), "mine");
    registry.user = {{"data_path", folder}};
    registry.machine = {{"install_type", "WM"}, {"install_date", "20250505"}};
    setupWorks = false;
    run();
    EXPECT_EQ(registry.user, (QVariantMap {{"data_path", folder}}));
    EXPECT_TRUE(setupLog().contains("Handheld setup failed, install not recorded\r\n"));

    setupWorks = true;
    run();
    EXPECT_EQ(setups, QStringList({"WM", "WM"}));
    EXPECT_EQ(registry.user,
        (QVariantMap {
            {"data_path", folder}, {"install_type", "WM"}, {"install_date", "20250505"}}));
}

TEST_F(FirstRunConfiguration, DecliningTheConversionKeepsThePlatformAndStopsTheQuestion)
{
    const QString folder = install.documentsFolder() + "elsewhere/";
    writeFile(folder + tableFile("MainID"), "mine");
    registerDataFolder(folder, "Win");
    registry.machine = {{"install_type", "WM"}, {"install_date", "20250505"}};
    prompter.setNextAnswers({Prompter::No});
    run();

    ASSERT_EQ(prompter.boxes.size(), 1);
    EXPECT_EQ(prompter.boxes[0].title, "Vantorelle Updated");
    EXPECT_EQ(prompter.boxes[0].buttons, Prompter::YesNo);
    EXPECT_EQ(prompter.boxes[0].text,
        "IMPORTANT:\r\n\r\nA more recent install or update for Vantorelle Rize has been "
        "done.\r\n\r\nDo you want to convert from a \r\n\r\nWindows PC Only\r\n\r\n"
        "install, to a \r\n\r\nWindows PC and Windows Mobile handheld\r\n\r\ninstall?");
    EXPECT_EQ(platformName(installation.platform), "Win");
    EXPECT_TRUE(setups.isEmpty());
    EXPECT_EQ(registry.user.value("install_date").toString(), "20250505");
    EXPECT_EQ(registry.user.value("install_type").toString(), "Win");
    EXPECT_TRUE(setupLog().endsWith("Install Types AND Dates did not match...\r\n"
                                    "User did NOT want to convert FROM Windows PC Only -TO- "
                                    "Windows PC and Windows Mobile handheld\r\n"));

    prompter.boxes.clear();
    run();
    EXPECT_TRUE(prompter.boxes.isEmpty());
}

TEST_F(FirstRunConfiguration, ConvertingFromPalmMovesTheTablesToTheDocumentsFolder)
{
    const QString palm = install.documentsFolder() + "Palm/User/";
    writeFile(palm + tableFile("MainID"), "palm profiles");
    writeFile(palm + tableFile("BP"), "palm readings");
    writeFile(palm + "errorlog.txt", "old errors");
    // The documents folder already holds a table: it stays.
    writeFile(install.dataFolder() + tableFile("BP"), "kept readings");
    registerDataFolder(palm, "Palm");
    registry.machine = {{"install_type", "WM"}, {"install_date", "20250505"}};
    prompter.setNextAnswers({Prompter::Yes});
    run();

    const QString data = install.dataFolder();
    EXPECT_EQ(installation.dataFolder, data);
    EXPECT_EQ(readFile(data + tableFile("MainID")), "palm profiles");
    EXPECT_EQ(readFile(data + tableFile("BP")), "kept readings");
    EXPECT_EQ(readFile(data + "errorlog.txt"), "old errors");
    // The Palm folder had no settings file: nothing to carry over, and no error box.
    EXPECT_FALSE(QFile::exists(data + "vantorelleplus.ini"));
    EXPECT_EQ(prompter.boxes.size(), 1);
    EXPECT_EQ(registry.user.value("data_path").toString(), data);
    EXPECT_EQ(setups, QStringList {"WM"});
    EXPECT_EQ(platformName(installation.platform), "WM");
    EXPECT_EQ(registry.user.value("install_type").toString(), "WM");
    EXPECT_EQ(registry.user.value("install_date").toString(), "20250505");
    // The Palm folder's setup log comes along and goes on in the new folder.
    EXPECT_TRUE(setupLog().contains("User wants to convert FROM Windows PC and Palm OS handheld "
                                    "-TO- Windows PC and Windows Mobile handheld\r\n"
                                    "Finished copying CDBs to new (non-Palm) data location\r\n"));
}

TEST_F(FirstRunConfiguration, ABackupFolderUnderTheProgramFolderMovesOnce)
{
    install.copyTemplates();
    const QString oldBackup = install.programFolder() + "Backup/";
    writeFile(oldBackup + tableFile("BP"), "backed up");
    writeFile(install.programFolder() + "data/vantorelleplus.ini",
        ("[Main]\r\nBackupPath=" + oldBackup + "\r\nDataPath=C:\\old\\\r\n").toUtf8());
    run();

    const QString data = install.dataFolder();
    EXPECT_EQ(backupSetting(), data + "backup/");
    EXPECT_EQ(readFile(data + "backup/" + tableFile("BP")), "backed up");
    EXPECT_EQ(readFile(data + "vantorelleplus.ini"),
        "[Main]\r\nBackupPath=" + (data + "backup/").toUtf8() + "\r\nDataPath=\r\n");
}

TEST_F(FirstRunConfiguration, PlatformDescriptions)
{
    const auto description
        = [](const char *name) { return platformDescription(platformNamed(name)); };
    EXPECT_EQ(description("Palm"), "Windows PC and Palm OS handheld");
    EXPECT_EQ(description("WM"), "Windows PC and Windows Mobile handheld");
    EXPECT_EQ(description("BB"), "Windows PC and Blackberry handheld");
    EXPECT_EQ(description("Win"), "Windows PC Only");
    EXPECT_EQ(description("palm"), "Windows PC Only");
    EXPECT_EQ(description(""), "Windows PC Only");
}
