#include <gtest/gtest.h>

#include "handheld/handheld_exchange.h"
#include "platform/app_error.h"
#include "support/fake_prompter.h"
#include "support/handheld_fakes.h"

using namespace vantorelle;

namespace {

class HandheldExchange : public ::testing::Test {
protected:
    void SetUp() override
    {
        installation.programFolder = install.programFolder();
        installation.dataFolder = install.documentsFolder() + "Vantorelle/";
        writeFile(installation.dataFolder + "VantorelleMainID.cdb", "PC profiles\r\n");
        writeFile(installation.dataFolder + "VantorelleBP.cdb", "PC readings\r\n");
    }

    Installation installation;
    TemporaryInstall install;
    FakePrompter prompter;
    FakeTools tools;
    FakeMainWindow main;
};

} // namespace

TEST_F(HandheldExchange, RetrievalReplacesTheTablesAndEndsWithoutSaving)
{
    // The tool writes the handheld's profiles into the folder it is given.
    tools.write(installation.programFolder, "CASLppc2cdb.exe",
        "printf 'handheld profiles\\r\\n' > \"$2/VantorelleMainID.cdb\"");

    takeTablesFromHandheld(installation, main);

    const auto run = tools.run("CASLppc2cdb.exe");
    ASSERT_TRUE(run);
    EXPECT_EQ(run->folder, canonical(installation.programFolder));
    EXPECT_EQ(run->arguments,
        QStringList({"-DestinationFolder", installation.dataFolder.chopped(1), "-CreatorId", "QZMR",
            "-TransferAll"}));
    EXPECT_EQ(readFile(installation.dataFolder + "VantorelleMainID.cdb"), "handheld profiles\r\n");
    EXPECT_EQ(main.events, QStringList({"keep files", "end"}));
    ASSERT_EQ(prompter.boxes.size(), 2);
    EXPECT_EQ(prompter.boxes[0].title, "Retrieve Data from Handheld");
    EXPECT_EQ(prompter.boxes[0].buttons, Prompter::OkCancel);
    EXPECT_EQ(prompter.boxes[1].title, "Retrieve Data from Handheld");
    EXPECT_EQ(prompter.boxes[1].text,
        "The data has been retrieved,\r\nVantorelle Rize must be restarted.\r\n\r\n"
        "Click OK to close Vantorelle Rize");
}

TEST_F(HandheldExchange, RetrievalPassesAFolderWithoutFinalSeparatorUnchanged)
{
    tools.write(installation.programFolder, "CASLppc2cdb.exe");
    installation.dataFolder.chop(1);

    takeTablesFromHandheld(installation, main);

    const auto run = tools.run("CASLppc2cdb.exe");
    ASSERT_TRUE(run);
    EXPECT_EQ(run->arguments.value(1), installation.dataFolder);
}

TEST_F(HandheldExchange, RetrievalCancelledRunsNothing)
{
    tools.write(installation.programFolder, "CASLppc2cdb.exe");
    prompter.setNextAnswers({Prompter::Cancel});

    takeTablesFromHandheld(installation, main);

    EXPECT_FALSE(tools.run("CASLppc2cdb.exe"));
    EXPECT_TRUE(main.events.isEmpty());
}

TEST_F(HandheldExchange, RetrievalWhoseToolCannotStartKeepsTheProgramGoing)
{
    takeTablesFromHandheld(installation, main);

    EXPECT_TRUE(main.events.isEmpty());
    ASSERT_EQ(prompter.boxes.size(), 2);
    EXPECT_EQ(prompter.boxes[1].title, "Error");
    EXPECT_TRUE(prompter.boxes[1].text.startsWith(
        "An error occurred while retrieving data from the handheld.\r\n\r\n"
        "ErrorCode =  53 (File not found)"));
}

TEST_F(HandheldExchange, TransferSavesRemovesOldCopiesAndSendsEveryTable)
{
    writeFile(installation.dataFolder + "VantorelleMainID.cdi", "old copy");
    writeFile(installation.dataFolder + "VantorelleBP.cdi", "old copy");
    // The tool records which handheld copies it found: none may be left.
    tools.write(installation.programFolder, "CASLcdi2ppc.exe",
        "ls \"$(dirname \"$2\")\" > \"$record.files\"");

    sendTablesToHandheld(installation, main);

    EXPECT_EQ(main.events, QStringList({"save all"}));
    const auto run = tools.run("CASLcdi2ppc.exe");
    ASSERT_TRUE(run);
    EXPECT_EQ(run->folder, canonical(installation.programFolder));
    // The pattern reaches the tool as written, not expanded.
    EXPECT_EQ(run->arguments,
        QStringList({"-DbFile", installation.dataFolder + "*.cdb", "-CreatorID", "QZMR"}));
    EXPECT_EQ(readFile(tools.records() + "CASLcdi2ppc.exe.run.files"),
        "VantorelleBP.cdb\nVantorelleMainID.cdb\n");
    ASSERT_EQ(prompter.boxes.size(), 1);
    EXPECT_EQ(prompter.boxes[0].title, "Transfer Data to Handheld");
    EXPECT_EQ(prompter.boxes[0].text,
        "This transfer will OVERWRITE the HANDHELD data.\r\n\r\nPlease make sure your handheld is "
        "connected "
        "to the PC.\r\n\r\nAlso, make sure Vantorelle Rize is closed on the handheld.");
}

TEST_F(HandheldExchange, TransferSendsNothingWhenTheTablesCannotBeSaved)
{
    tools.write(installation.programFolder, "CASLcdi2ppc.exe");
    writeFile(installation.dataFolder + "VantorelleBP.cdi", "copy");
    main.unwritten = QStringList {installation.dataFolder + "VantorelleBP.cdb"};

    sendTablesToHandheld(installation, main);

    EXPECT_FALSE(tools.run("CASLcdi2ppc.exe"));
    EXPECT_TRUE(QFile::exists(installation.dataFolder + "VantorelleBP.cdi"));
    ASSERT_EQ(prompter.boxes.size(), 2);
    EXPECT_EQ(prompter.boxes[1].text, "The databases could not all be saved, transfer aborted.");
}

TEST_F(HandheldExchange, TransferCancelledSavesNothing)
{
    tools.write(installation.programFolder, "CASLcdi2ppc.exe");
    prompter.setNextAnswers({Prompter::Cancel});

    sendTablesToHandheld(installation, main);

    EXPECT_TRUE(main.events.isEmpty());
    EXPECT_FALSE(tools.run("CASLcdi2ppc.exe"));
}

TEST_F(HandheldExchange, TransferWhoseToolCannotStartShowsTheErrorBox)
{
    sendTablesToHandheld(installation, main);

    ASSERT_EQ(prompter.boxes.size(), 2);
    EXPECT_TRUE(prompter.boxes[1].text.startsWith(
        "An error occurred while transferring data to the handheld."));
}

// A tool that ends with a non-zero code, or crashes, has failed: the person is
// told which and how, and nothing is kept or ended as if it had worked.
TEST_F(HandheldExchange, AToolThatFailsIsNamedAndTheProgramGoesOn)
{
    const struct {
        const char *name;
        bool retrieval;
        QByteArray end;
        QString text;
    } cases[] = {
        {"retrieval, exit code 3", true, "exit 3",
            "The data could not be retrieved: CASLppc2cdb.exe ended with exit code 3.\r\n\r\n"
            "The PC data has been kept."},
        {"retrieval, crash", true, "kill -SEGV $$",
            "The data could not be retrieved: CASLppc2cdb.exe stopped unexpectedly.\r\n\r\n"
            "The PC data has been kept."},
        {"transfer, exit code 5", false, "exit 5",
            "The data could not be transferred: CASLcdi2ppc.exe ended with exit code 5.\r\n\r\n"
            "The handheld has not been updated."},
        {"transfer, crash", false, "kill -SEGV $$",
            "The data could not be transferred: CASLcdi2ppc.exe stopped unexpectedly.\r\n\r\n"
            "The handheld has not been updated."},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        prompter.boxes.clear();
        main.events.clear();
        tools.write(
            installation.programFolder, c.retrieval ? "CASLppc2cdb.exe" : "CASLcdi2ppc.exe", c.end);

        if (c.retrieval)
            takeTablesFromHandheld(installation, main);
        else
            sendTablesToHandheld(installation, main);

        EXPECT_EQ(main.events, c.retrieval ? QStringList() : QStringList {"save all"});
        ASSERT_EQ(prompter.boxes.size(), 2);
        EXPECT_EQ(prompter.boxes[1].title,
            c.retrieval ? "Retrieve Data from Handheld" : "Transfer Data to Handheld");
        EXPECT_EQ(prompter.boxes[1].text, c.text);
        EXPECT_EQ(prompter.boxes[1].buttons, Prompter::OkOnly);
        EXPECT_EQ(prompter.boxes[1].icon, Prompter::Exclamation);
    }
}

TEST(HandheldCopy, RecordsGoAsNewOrDeletedAndTheSyncModeAsMerge)
{
    const struct {
        const char *name;
        QByteArray table, copy;
    } cases[] = {
        {"header lines", "#CASL CDB 2.0\r\n#RECCNT: 3\r\n#SYNCMODE: REPLACE\r\n#SYNCMODEX\r\n",
            "#CASL CDB 2.0\r\n#RECCNT: 3\r\n#SYNCMODE: MERGE\r\n#SYNCMODE: MERGE\r\n"},
        {"changed record", "0x0000001A,0x0004,\"k\",\"v\"\r\n",
            "0x00000000,0x0000,\"k\",\"v\"\r\n"},
        {"deleted record", "0x0002001A,0x0002,\"k\"\r\n", "0x00000000,0x0002,\"k\"\r\n"},
        {"text holding the deleted status", "0x0000001B,0x0000,\"0x0002\"\r\n",
            "0x00000000,0x0000,\"0x0002\"\r\n"},
        {"empty and short lines", "\r\nabc\r\n0123456789\r\n", "\r\nabc\r\n0123456789\r\n"},
        {"record line cut short", "0x0000001A,0x00", "0x00000000,0x0000\r\n"},
        {"empty file", "", ""},
    };
    QTemporaryDir dir;
    const QString table = dir.filePath("VantorelleBP.cdb");
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        writeFile(table, c.table);
        writeHandheldCopy(table);
        EXPECT_EQ(readFile(dir.filePath("VantorelleBP.cdi")), c.copy);
    }
}

TEST(HandheldCopy, OnlyTheFinalExtensionChanges)
{
    QTemporaryDir dir;
    const QString folder = dir.filePath("backup.cdb/");
    writeFile(folder + "VantorelleBP.cdb", "#SYNCMODE\r\n");

    writeHandheldCopy(folder + "VantorelleBP.cdb");
    writeHandheldCopy(folder + "VantorelleChol.cdb"); // missing: writes nothing

    EXPECT_EQ(readFile(folder + "VantorelleBP.cdi"), "#SYNCMODE: MERGE\r\n");
    EXPECT_EQ(
        QDir(folder).entryList(QDir::Files), QStringList({"VantorelleBP.cdb", "VantorelleBP.cdi"}));
}
