#include "startup_fixture.h"

#include "settings/settings_access.h"
#include "store/store.h"
#include "support/fake_window_finder.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QTimer>

#include <QApplication>
#include <QCloseEvent>

using namespace vantorelle;

namespace {

class Shutdown : public StartupFixture {
protected:
    void SetUp() override
    {
        StartupFixture::SetUp();
        folder = dataFolderWithProfile();
        ASSERT_TRUE(start());
        before = tableFiles(folder);
    }

    // Changes the profile in memory only.
    void renameProfile()
    {
        MemoryTable &profiles = main->store().table(TableId::MainID);
        profiles.moveFirst();
        profiles.setValue("Last", "Changed");
        profiles.update();
    }

    bool profileFileChanged() const
    {
        return readFile(folder + "VantorelleMainID.cdb").contains("\"Changed\"");
    }

    // The profile table turns into a folder, so it can no longer be written.
    void makeProfileTableUnwritable()
    {
        QFile::remove(folder + "VantorelleMainID.cdb");
        QDir().mkpath(folder + "VantorelleMainID.cdb");
    }

    QString folder;
    QMap<QString, QByteArray> before;
};

} // namespace

TEST_F(Shutdown, ClosingWritesTheTablesAndThePlacement)
{
    renameProfile();
    EXPECT_TRUE(main->close());

    EXPECT_TRUE(main->closing());
    EXPECT_TRUE(prompter.boxes.isEmpty());
    EXPECT_TRUE(profileFileChanged());
    EXPECT_FALSE(control<QTimer>("Timer1")->isActive());
    EXPECT_EQ(readSetting("Form", "Width", "", main->installation().settingsFile()),
        QString::number(main->width() * 15));
    EXPECT_EQ(readSetting("Form", "Height", "", main->installation().settingsFile()),
        QString::number(main->height() * 15));
}

TEST_F(Shutdown, TablesReadAndWrittenBackAreUnchanged)
{
    EXPECT_TRUE(main->close());
    EXPECT_EQ(tableFiles(folder), before);
}

TEST_F(Shutdown, UnsavedEditorWorkCanBeKept)
{
    main->editState().setMode(EditMode::Edit);
    renameProfile();
    prompter.setNextAnswers({Prompter::Yes});

    EXPECT_FALSE(main->close());
    ASSERT_EQ(prompter.boxes.size(), 1);
    EXPECT_EQ(prompter.boxes[0].title, "Changes Not Saved");
    EXPECT_EQ(prompter.boxes[0].text,
        "You have made changes that have not been saved.\r\n\r\n"
        "Do you want to go back and save changes?");
    EXPECT_EQ(prompter.boxes[0].buttons, Prompter::YesNo);
    EXPECT_EQ(prompter.boxes[0].icon, Prompter::NoIcon);
    EXPECT_FALSE(main->closing());
    EXPECT_TRUE(control<QPushButton>("cmdNewSave")->isVisibleTo(main.get()));
    EXPECT_TRUE(control<QTimer>("Timer1")->isActive());
    EXPECT_EQ(tableFiles(folder), before);
    EXPECT_FALSE(QFile::exists(main->installation().settingsFile()));
}

TEST_F(Shutdown, UnsavedEditorWorkCanBeDropped)
{
    main->editState().setMode(EditMode::Edit);
    renameProfile();
    prompter.setNextAnswers({Prompter::No});

    EXPECT_TRUE(main->close());
    EXPECT_EQ(prompter.boxes.size(), 1);
    EXPECT_TRUE(main->closing());
    EXPECT_TRUE(profileFileChanged());
}

TEST_F(Shutdown, AfterARestoreOrARetrievalNothingIsWritten)
{
    main->keepFilesOnExit();
    renameProfile();
    // A table file too short to hold anything goes at the close.
    writeFile(folder + "VantorelleBP.cdb", "#RECCNT: 0\r\n");

    EXPECT_TRUE(main->close());
    EXPECT_FALSE(profileFileChanged());
    EXPECT_FALSE(QFile::exists(folder + "VantorelleBP.cdb"));
}

TEST_F(Shutdown, AForcedCloseAsksNothingAndTellsWhy)
{
    main->editState().setMode(EditMode::Edit);
    renameProfile();
    main->setHotsyncDetected();

    EXPECT_TRUE(main->close());
    ASSERT_EQ(prompter.boxes.size(), 1);
    EXPECT_EQ(prompter.boxes[0].title, "Hotsync Detected");
    EXPECT_EQ(prompter.boxes[0].text,
        "Vantorelle Rize on the PC must be closed during the hotsync operation.\r\n\r\n"
        "A hotsync operation has been detected and your data has been saved.\r\n\r\n"
        "You may restart the software when the hotsync operation is complete.");
    EXPECT_TRUE(profileFileChanged());
}

TEST_F(Shutdown, ClosingFromInsideAModalWindowEndsIt)
{
    QDialog dialog;
    QTimer::singleShot(0, main.get(), [this] {
        main->setHotsyncDetected();
        main->close();
    });
    dialog.exec();

    EXPECT_TRUE(main->closing());
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(Shutdown, TheCloseStepRunsOnce)
{
    EXPECT_TRUE(main->close());
    renameProfile();
    QCloseEvent again; // the close step itself, as a second close would run it
    QApplication::sendEvent(main.get(), &again);
    EXPECT_FALSE(profileFileChanged());
}

TEST_F(Shutdown, SaveAllDropsEditorWorkAndWritesEverything)
{
    main->editState().setMode(EditMode::Edit);
    renameProfile();
    editor.calls.clear();

    EXPECT_TRUE(main->saveAll().isEmpty());
    EXPECT_EQ(editor.calls.first(), "cancelEditing");
    EXPECT_FALSE(control<QPushButton>("cmdNewSave")->isVisibleTo(main.get()));
    EXPECT_TRUE(profileFileChanged());
    EXPECT_TRUE(prompter.boxes.isEmpty());
    EXPECT_TRUE(main->isEnabled());
    EXPECT_FALSE(main->closing());
}

TEST_F(Shutdown, SaveAllNamesTheFilesItCouldNotWrite)
{
    makeProfileTableUnwritable();

    EXPECT_EQ(main->saveAll(), QStringList {folder + "VantorelleMainID.cdb"});
    ASSERT_EQ(prompter.boxes.size(), 1);
    EXPECT_EQ(prompter.boxes[0].title, "Error");
    EXPECT_TRUE(prompter.boxes[0].text.startsWith("An error occurred while saving the databases."));
    EXPECT_TRUE(prompter.boxes[0].text.contains(
        "These files could not be written:\r\n" + folder + "VantorelleMainID.cdb"));
    EXPECT_EQ(readFile(folder + "VantorelleBP.cdb"), before.value("VantorelleBP.cdb"));
    EXPECT_TRUE(main->isEnabled());
}

TEST_F(Shutdown, AFailedWriteWithoutChangesIsNamedAndTheWindowCloses)
{
    makeProfileTableUnwritable();

    EXPECT_TRUE(main->close());
    ASSERT_EQ(boxTitles(), QStringList {"Error"});
    EXPECT_TRUE(prompter.boxes[0].text.contains("These files could not be written:\r\n" + folder
        + "VantorelleMainID.cdb\r\n\r\n"
          "Nothing in them has changed since they were read: no record is lost.\r\n"));
    EXPECT_TRUE(main->closing());
}

TEST_F(Shutdown, AFailedWriteThatLosesChangesAsksWhetherToCloseAnyway)
{
    makeProfileTableUnwritable();
    renameProfile();

    // Enter answers the question as its default button does: the window stays.
    EXPECT_FALSE(main->close());
    ASSERT_EQ(boxTitles(), QStringList({"Error", "Changes Not Saved"}));
    EXPECT_FALSE(prompter.boxes[0].text.contains("no record is lost"));
    EXPECT_EQ(prompter.boxes[1].text,
        "Some of the files could not be written, and the changes made to their records will be "
        "lost.\r\n\r\nDo you want to close anyway?");
    EXPECT_EQ(prompter.boxes[1].buttons, Prompter::YesNo);
    EXPECT_EQ(prompter.boxes[1].defaultButton, Prompter::SecondButton);
    EXPECT_FALSE(main->closing());
    EXPECT_TRUE(control<QTimer>("Timer1")->isActive());

    prompter.boxes.clear();
    prompter.setNextAnswers({Prompter::Ok, Prompter::Yes});
    EXPECT_TRUE(main->close());
    EXPECT_EQ(boxTitles(), QStringList({"Error", "Changes Not Saved"}));
    EXPECT_TRUE(main->closing());
}

TEST_F(Shutdown, ASettingsFileThatCannotBeWrittenIsReportedOnce)
{
    const QString settings = main->installation().settingsFile();
    QDir().mkpath(settings); // a folder in its place, which no write can replace

    EXPECT_TRUE(main->close());
    ASSERT_EQ(boxTitles(), QStringList {"Vantorelle Rize"});
    EXPECT_TRUE(prompter.boxes[0].text.startsWith(
        "An error occurred while writing to the ini file.\r\n\r\nFilename = " + settings + " ("))
        << prompter.boxes[0].text.toStdString();
    EXPECT_TRUE(main->closing());
}

TEST_F(Shutdown, ASynchronisationSeenByTheWatchSavesAndCloses)
{
    FakeWindowFinder desktop;
    desktop.openTitles = {"Hotsync Progress"};
    main->editState().setMode(EditMode::Edit);
    renameProfile();

    QMetaObject::invokeMethod(control<QTimer>("Timer1"), "timeout"); // the next tick
    EXPECT_TRUE(main->closing());
    EXPECT_FALSE(control<QTimer>("Timer1")->isActive());
    EXPECT_EQ(boxTitles(), QStringList {"Hotsync Detected"});
    EXPECT_TRUE(profileFileChanged());
}

TEST_F(Shutdown, EndingWithoutTheCloseStepWritesNothing)
{
    renameProfile();
    main->endApplication();

    EXPECT_TRUE(main->closing());
    EXPECT_TRUE(main->close());
    EXPECT_FALSE(profileFileChanged());
    EXPECT_FALSE(QFile::exists(main->installation().settingsFile()));
    EXPECT_TRUE(prompter.boxes.isEmpty());
}
