// An update install whose handheld setup fails at the start, with stand-ins
// for the outside tools: the program starts on the data folder it had, the
// installation is not recorded, and the next start offers the setup again
// and finds the records where they were.
#include "startup_fixture.h"

#include "store/store.h"
#include "support/handheld_fakes.h"

using namespace vantorelle;

using HandheldSetupAtStart = StartupFixture;

TEST_F(HandheldSetupAtStart, AFailedSetupLeavesTheDataWhereItWasAndRunsAgain)
{
    const QString documents = install.documentsFolder();
    writeFile(documents + "file", "not a folder");
    const struct {
        const char *name;
        const char *platform;
        QStringList titles; // of the setup's boxes
        QString told; // the start of the last one's text
    } cases[] = {
        // A drive that is gone or a folder without rights: it cannot be made.
        {"the install tool names a folder that cannot be made", "Palm",
            {"Vantorelle - Select Hotsync User", "Error"},
            "An error occurred while setting up the install type.\r\n\r\nErrorCode =  76 (Path "
            "not found)"},
        {"the Windows Mobile installer exits 1", "WM",
            {"Vantorelle - Handheld Software Installer", "Vantorelle - Setup Not Complete"},
            "The Windows Mobile installer (Setup.exe) ended with exit code 1."},
    };
    FakeTools tools;
    const QString programFolder = install.programFolder();
    tools.write(programFolder, "CondReg.exe");
    tools.write(programFolder, "RUDUCopy.exe",
        "printf 'UserPath: " + documents.toUtf8() + "file/Palm/Lee\\r\\n' > CASLcopy.log");
    tools.write(programFolder, "Setup.exe", "exit 1");
    for (const char *name :
        {"CASLcn20.dll", "HSAPI.dll", "Instaide.dll", "Vantorelle_Installer.prc",
            "InstallScript.ini", "Vantorelle.ini", "Vantorelle_icon.exe", "Vantorelle.PPC3_ARM.CAB",
            "Vantorelle.PPC3_ARM.DAT", "Vantorelle.PPC3_MIPS.CAB", "Vantorelle.PPC3_MIPS.DAT",
            "Vantorelle.PPC3_SH3.CAB", "Vantorelle.PPC3_SH3.DAT", "RUDUSync.dll", "CASLregARM.exe",
            "CASLregMIPS.exe", "CASLregSH3.exe"})
        writeFile(programFolder + name, name);
    const QString folder = dataFolderWithProfile();

    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        // An update of the same platform: the setup runs at the start.
        registerDataFolder(folder, c.platform);
        registry.machine["install_date"] = "20250505";
        const QVariantMap registered = registry.user;
        for (const char *run : {"the start after the install", "the next start"}) {
            SCOPED_TRACE(run);
            prompter.boxes.clear();
            ASSERT_TRUE(start());

            EXPECT_EQ(boxTitles(), c.titles);
            ASSERT_FALSE(prompter.boxes.isEmpty());
            EXPECT_TRUE(prompter.boxes.last().text.startsWith(c.told))
                << prompter.boxes.last().text.toStdString();
            EXPECT_EQ(registry.user, registered);
            EXPECT_EQ(main->installation().dataFolder, folder);
            EXPECT_EQ(main->store().table(TableId::MainID).recordCount(), 1u);
            EXPECT_TRUE(main->close());
            main.reset();
        }
    }
}
