#include "startup_fixture.h"

#include "dialogs/password_window.h"
#include "platform/session_end_watch.h"
#include "settings/settings_access.h"
#include "store/store.h"
#include "support/fake_window_finder.h"

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QTimer>

#include <QApplication>
#include <QCloseEvent>

#include <csignal>
#include <functional>
#include <ostream>

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
    main->closeForHotsync();

    EXPECT_TRUE(main->closing());
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
    QTimer::singleShot(0, main.get(), [this] { main->closeForHotsync(); });
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

// A synchronisation's close kept open (changes would be lost, and the answer
// was No) leaves the watch looking: its next look closes again.
TEST_F(Shutdown, AHotsyncCloseKeptOpenComesAgainAtTheWatchsNextLook)
{
    makeProfileTableUnwritable();
    renameProfile();
    windowFinder.openTitles = {"Hotsync Progress"};
    auto *watch = control<QTimer>("Timer1");

    QMetaObject::invokeMethod(watch, "timeout");
    EXPECT_EQ(boxTitles(), QStringList({"Error", "Changes Not Saved"}));
    EXPECT_FALSE(main->closing());
    EXPECT_TRUE(watch->isActive());

    prompter.boxes.clear();
    prompter.setNextAnswers({Prompter::Ok, Prompter::Yes});
    QMetaObject::invokeMethod(watch, "timeout");
    EXPECT_TRUE(main->closing());
    EXPECT_EQ(boxTitles(), QStringList({"Error", "Changes Not Saved", "Hotsync Detected"}));
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

namespace {

// The end of the desktop session as the program gets it: a real signal, read
// by the watch that main() connects, while the event loop runs as under
// QApplication::exec() in the program.
class SessionEnd : public Shutdown {
protected:
    void SetUp() override
    {
        Shutdown::SetUp();
        main->show();
    }

    void connectWatch()
    {
        QObject::connect(
            &watch, &SessionEndWatch::sessionEnding, main.get(), &MainWindow::endSession);
    }

    QString errorLog() const { return QString::fromLatin1(readFile(folder + "errorlog.txt")); }

    SessionEndWatch watch;
};

const QString readingLeftOut
    = "Error Information:\r\nThe program was ended by SIGTERM while a record of Blood Pressure "
      "was being entered; what was typed was not saved.\r\n";

struct SessionEndCase {
    const char *name;
    int signalNumber;
    EditMode mode; // of the editor when the signal comes
    int signalCount; // 2: the second comes while the tables are written
    const char *logged; // the error log's line; empty: none
};
void PrintTo(const SessionEndCase &c, std::ostream *out)
{
    *out << c.name;
}

class SessionEndBySignal : public SessionEnd,
                           public ::testing::WithParamInterface<SessionEndCase> { };

} // namespace

// A profile changed and saved in memory, a record being typed, and the
// session ends: no box; every table and the placement are written, the record
// typed is left out and the error log says so; the program exits with 0.
TEST_P(SessionEndBySignal, WritesWhatWasSavedAndLeavesOutWhatWasBeingTyped)
{
    const SessionEndCase &c = GetParam();
    renameProfile();
    main->selectTopic(Topic::BloodPressure);
    main->editState().setMode(c.mode);
    // Connected before the main window, so that the next signal is on its way
    // when the close begins.
    int received = 0;
    QObject::connect(&watch, &SessionEndWatch::sessionEnding, [&] {
        if (++received < c.signalCount)
            ::raise(c.signalNumber);
    });
    connectWatch();

    EXPECT_EQ(runProgram([&] { ::raise(c.signalNumber); }), 0);
    EXPECT_EQ(received, c.signalCount);
    EXPECT_TRUE(main->closing());
    EXPECT_TRUE(prompter.boxes.isEmpty()) << boxTitles().join(", ").toStdString();
    EXPECT_TRUE(profileFileChanged());
    EXPECT_EQ(readSetting("Form", "Width", "", main->installation().settingsFile()),
        QString::number(main->width() * 15));
    EXPECT_FALSE(control<QTimer>("Timer1")->isActive());
    if (*c.logged) {
        EXPECT_EQ(errorLog().count("Error Information:\r\n" + QString::fromLatin1(c.logged)), 1)
            << errorLog().toStdString();
    } else {
        EXPECT_FALSE(QFile::exists(folder + "errorlog.txt"));
    }
}

INSTANTIATE_TEST_SUITE_P(Shutdown, SessionEndBySignal,
    ::testing::Values(
        SessionEndCase {"Logout", SIGTERM, EditMode::Edit, 1,
            "The program was ended by SIGTERM while a record of Blood Pressure was being "
            "entered; what was typed was not saved.\r\n"},
        SessionEndCase {"HangUpTwice", SIGHUP, EditMode::Add, 2,
            "The program was ended by SIGHUP while a new profile was being entered; what was "
            "typed was not saved.\r\n"},
        SessionEndCase {"CtrlCWithNothingTyped", SIGINT, EditMode::Normal, 1, ""}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(SessionEnd, FilesThatCannotBeWrittenAreLoggedNotShown)
{
    connectWatch();
    makeProfileTableUnwritable();
    renameProfile(); // lost with its file: a close by hand would ask whether to close anyway
    const QString settings = main->installation().settingsFile();
    QDir().mkpath(settings);

    EXPECT_EQ(runProgram([] { ::raise(SIGTERM); }), 0);
    EXPECT_TRUE(main->closing());
    EXPECT_TRUE(prompter.boxes.isEmpty()) << boxTitles().join(", ").toStdString();
    const QString log = errorLog();
    EXPECT_TRUE(log.contains("Error Information:\r\nAn error occurred while saving the "
                             "databases.\r\n\r\nErrorCode = "))
        << log.toStdString();
    EXPECT_TRUE(log.contains(
        "These files could not be written:\r\n" + folder + "VantorelleMainID.cdb\r\n---"));
    EXPECT_TRUE(log.contains("Error Information:\r\nAn error occurred while writing to the ini "
                             "file.\r\n\r\nFilename = "
        + settings + " ("));
    EXPECT_EQ(readFile(folder + "VantorelleBP.cdb"), before.value("VantorelleBP.cdb"));
}

TEST_F(SessionEnd, AModalWindowOpenEndsWithTheProgram)
{
    connectWatch();
    renameProfile();
    bool closingAfterIt = false;
    const int code = runProgram([&] {
        QDialog dialog(main.get());
        QTimer::singleShot(0, [] { ::raise(SIGTERM); });
        dialog.exec();
        closingAfterIt = main->closing();
    });
    EXPECT_EQ(code, 0);
    EXPECT_TRUE(closingAfterIt);
    EXPECT_TRUE(prompter.boxes.isEmpty());
    EXPECT_TRUE(profileFileChanged());
}

namespace {

// Shows each question as a modal window that waits for its answer; the
// session ends while the first one waits. The boxes are recorded as before.
class SessionEndsWhileAsking : public Prompter {
public:
    explicit SessionEndsWhileAsking(FakePrompter &recorder)
        : recorder_(recorder)
    {
        installPrompter(this);
    }
    ~SessionEndsWhileAsking() override { installPrompter(&recorder_); }

    int ask(const QString &title, const QString &text, Buttons buttons, Icon icon,
        DefaultButton defaultButton) override
    {
        recorder_.ask(title, text, buttons, icon, defaultButton);
        if (recorder_.boxes.size() == 1)
            QTimer::singleShot(0, [] { ::raise(SIGTERM); });
        QDialog box;
        return box.exec() == QDialog::Accepted ? Yes : Unanswered;
    }

private:
    FakePrompter &recorder_;
};

} // namespace

// The question of the close or of a command is open when the session ends: the
// close runs once, without it, and the command that asked does nothing more.
TEST_F(SessionEnd, AQuestionOpenEndsAndTheCommandThatAskedDoesNothing)
{
    const struct {
        const char *name;
        std::function<void(MainWindow &)> command;
    } cases[] = {
        {"the close", [](MainWindow &window) { window.close(); }},
        {"Save All",
            [](MainWindow &window) { findControl<QAction>(window, "mnuSaveAll")->trigger(); }},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        if (!main) { // the window of the case before has ended
            writeFile(folder + "VantorelleMainID.cdb", before.value("VantorelleMainID.cdb"));
            QFile::remove(folder + "errorlog.txt");
            prompter.boxes.clear();
            ASSERT_TRUE(start());
            main->show();
        }
        connectWatch();
        renameProfile();
        main->selectTopic(Topic::BloodPressure);
        main->editState().setMode(EditMode::Edit);
        editor.calls.clear();
        const SessionEndsWhileAsking asking(prompter);

        EXPECT_EQ(runProgram([&] { c.command(*main); }), 0);
        EXPECT_EQ(boxTitles(), QStringList {"Changes Not Saved"});
        EXPECT_TRUE(profileFileChanged());
        EXPECT_EQ(errorLog().count(readingLeftOut), 1) << errorLog().toStdString();
        EXPECT_FALSE(editor.calls.contains("cancelEditing")) << "the command went on";
        main.reset();
    }
}

namespace {

class SessionEndAtStartUp : public StartupFixture { };

} // namespace

// At the password prompt nothing is open to the user yet: the prompt ends, the
// start-up stops, and nothing is written or said.
TEST_F(SessionEndAtStartUp, ThePasswordPromptEndsAndNothingIsWritten)
{
    const QString folder = dataFolderWithProfile();
    storePassword(folder, "secret");
    const QMap<QString, QByteArray> before = tableFiles(folder);
    SessionEndWatch watch;
    makeMain();
    QObject::connect(&watch, &SessionEndWatch::sessionEnding, main.get(), &MainWindow::endSession);
    QTimer atThePrompt;
    QObject::connect(&atThePrompt, &QTimer::timeout, [&] {
        if (qobject_cast<PasswordWindow *>(QApplication::activeModalWidget())) {
            atThePrompt.stop();
            ::raise(SIGTERM);
        }
    });
    atThePrompt.start(5);

    EXPECT_FALSE(main->load());
    EXPECT_TRUE(main->sessionEnded());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(prompter.boxes.isEmpty()) << boxTitles().join(", ").toStdString();
    EXPECT_EQ(tableFiles(folder), before);
    EXPECT_FALSE(QFile::exists(folder + "vantorelleplus.ini"));
    EXPECT_FALSE(QFile::exists(folder + "errorlog.txt"));
}

namespace {

class HeaderlessTable : public StartupFixture { };

} // namespace

// A blood-pressure table as a badly behaved tool left it, its records without
// a header block: the start says so once, naming the file, and the close
// leaves the file as it is, saying why.
TEST_F(HeaderlessTable, IsToldOnceAtStartAndLeftAsItIsAtTheClose)
{
    const QString folder = dataFolderWithProfile();
    const QString table = folder + "VantorelleBP.cdb";
    const QByteArray readings = "0x00000021,0x0000,\"p1\",\"120\",\"80\"\r\n";
    writeFile(table, readings);

    ASSERT_TRUE(start());
    ASSERT_EQ(boxTitles(), QStringList {"Error"});
    const QString told = prompter.boxes[0].text;
    EXPECT_TRUE(told.startsWith("An error occurred while loading data source 14.\r\n\r\n"
                                "ErrorCode =  321 (Invalid file format)"))
        << told.toStdString();
    EXPECT_TRUE(told.contains("The file has no header block.")) << told.toStdString();
    EXPECT_TRUE(told.contains("Filename = " + table)) << told.toStdString();
    EXPECT_EQ(main->store().table(TableId::BP).recordCount(), 1u);

    prompter.boxes.clear();
    EXPECT_TRUE(main->close());
    ASSERT_EQ(boxTitles(), QStringList {"Error"});
    EXPECT_TRUE(prompter.boxes[0].text.contains("These files could not be written:\r\n" + table))
        << prompter.boxes[0].text.toStdString();
    EXPECT_EQ(readFile(table), readings);
}
