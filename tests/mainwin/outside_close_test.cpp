#include "startup_fixture.h"

#include "platform/session_end_watch.h"
#include "store/store.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPointer>

#include <csignal>
#include <functional>
#include <ostream>

using namespace vantorelle;

// A close the program is asked for from outside (the end of the session, a
// synchronisation on the handheld) while a command runs: a question the
// command has open ends unanswered and changes nothing; a command at work
// finishes; then the program closes.

namespace {

// Real message boxes, recorded as the fake prompter records them.
class RealBoxes : public Prompter {
public:
    explicit RealBoxes(FakePrompter &recorder)
        : recorder_(recorder)
    {
        installPrompter(this);
    }
    ~RealBoxes() override { installPrompter(&recorder_); }

    int ask(const QString &title, const QString &text, Buttons buttons, Icon icon,
        DefaultButton defaultButton) override
    {
        recorder_.ask(title, text, buttons, icon, defaultButton);
        installPrompter(nullptr);
        const int answer = prompter().ask(title, text, buttons, icon, defaultButton);
        installPrompter(this);
        return answer;
    }

private:
    FakePrompter &recorder_;
};

enum class Outside { Signal, Watch };

class OutsideClose : public StartupFixture {
protected:
    void SetUp() override
    {
        StartupFixture::SetUp();
        folder = dataFolderWithProfile();
        backup = folder + "Backup/";
    }

    void startShown()
    {
        ASSERT_TRUE(start());
        main->show();
        QObject::connect(
            &watch, &SessionEndWatch::sessionEnding, main.get(), &MainWindow::endSession);
    }

    // A backup in the default folder whose profile is another than today's.
    void makeOtherBackup()
    {
        copyTree(folder, backup);
        writeFile(backup + "VantorelleMainID.cdb",
            readFile(backup + "VantorelleMainID.cdb").replace("\"Lee\"", "\"Backed\""));
    }

    void askToClose(Outside outside)
    {
        if (outside == Outside::Signal) {
            ::raise(SIGTERM);
            return;
        }
        windowFinder.openTitles.insert("Hotsync Progress");
        QMetaObject::invokeMethod(control<QTimer>("Timer1"), "timeout"); // the watch's next look
    }

    // Runs the event loop, `command` called from it, until the program ends;
    // returns its exit code. Each box is answered by its button in `answers`;
    // at the box titled `closeAt` the close is asked for, `outside`, and the
    // box then answered too when `answers` names it, else left open.
    int runAnswering(const std::function<void()> &command,
        const QMap<QString, QMessageBox::StandardButton> &answers, const QString &closeAt,
        Outside outside)
    {
        QPointer<QMessageBox> seen; // a box comes and goes on the stack, the next at its place
        QTimer answering;
        QObject::connect(&answering, &QTimer::timeout, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box || box == seen)
                return;
            seen = box;
            if (box->windowTitle() == closeAt)
                askToClose(outside);
            if (answers.contains(box->windowTitle()))
                box->button(answers.value(box->windowTitle()))->click();
        });
        answering.start(5);
        return runProgram(command);
    }

    QString folder, backup;
    SessionEndWatch watch;
};

// ---- A question open when the close is asked for

// What there is before the command.
enum class Before {
    Nothing,
    OtherBackup, // a backup of another profile in the default folder
    Editing, // a record being entered
};

struct QuestionCase {
    const char *name;
    Before before;
    const char *command; // the menu item or button
    QMap<QString, QMessageBox::StandardButton> answers; // of the questions before it
    const char *question; // left open when the close is asked for
};

struct QuestionRun {
    QuestionCase question;
    Outside outside;
};

void PrintTo(const QuestionRun &run, std::ostream *out)
{
    *out << run.question.name << (run.outside == Outside::Signal ? "BySignal" : "ByWatch");
}

class QuestionLeftOpen : public OutsideClose, public ::testing::WithParamInterface<QuestionRun> { };

} // namespace

TEST_P(QuestionLeftOpen, ChangesNothingAndTheProgramCloses)
{
    const QuestionCase &c = GetParam().question;
    const Outside outside = GetParam().outside;
    if (c.before == Before::OtherBackup)
        makeOtherBackup();
    startShown();
    if (c.before == Before::Editing)
        main->editState().setMode(EditMode::Edit);
    const auto tablesBefore = tableFiles(folder);
    const auto backupBefore = tableFiles(backup);
    const RealBoxes boxes(prompter);
    QMap<QString, QMessageBox::StandardButton> answers = c.answers;
    answers.insert("Hotsync Detected", QMessageBox::Ok);

    const int code = runAnswering(
        [&] {
            if (auto *action = main->findChild<QAction *>(c.command))
                action->trigger();
            else
                control<QPushButton>(c.command)->click();
        },
        answers, c.question, outside);

    EXPECT_EQ(code, 0);
    QStringList shown = c.answers.keys();
    shown << c.question;
    if (outside == Outside::Watch)
        shown << "Hotsync Detected";
    EXPECT_EQ(boxTitles(), shown);
    EXPECT_TRUE(main->closing());
    EXPECT_EQ(tableFiles(folder), tablesBefore);
    EXPECT_EQ(tableFiles(backup), backupBefore);
}

namespace {

const QuestionCase questions[] = {
    {"RestoreOverwrite", Before::OtherBackup, "mnuRestore", {}, "Restore Previous Backup"},
    {"RestoreLocation", Before::OtherBackup, "mnuRestore",
        {{"Restore Previous Backup", QMessageBox::Yes}}, "Restore Data Files"},
    {"DeleteProfile", Before::Nothing, "cmdDelete", {}, "Confirm Delete"},
    {"BackupLocation", Before::Nothing, "mnuBackup", {}, "Backup Location"},
    {"RecordBeingEntered", Before::Editing, "mnuSaveAll", {}, "Changes Not Saved"},
};

std::vector<QuestionRun> questionRuns()
{
    std::vector<QuestionRun> runs;
    for (const QuestionCase &question : questions) {
        runs.push_back({question, Outside::Signal});
        runs.push_back({question, Outside::Watch});
    }
    return runs;
}

} // namespace

INSTANTIATE_TEST_SUITE_P(
    Mainwin, QuestionLeftOpen, ::testing::ValuesIn(questionRuns()), [](const auto &info) {
        return std::string(info.param.question.name)
            + (info.param.outside == Outside::Signal ? "BySignal" : "ByWatch");
    });

namespace {

// ---- A command at work when the session ends

// What a command's work leaves in the files.
enum class Work {
    Saved, // the tables, the profile renamed in memory with them
    ProfileDeleted,
    BackedUp, // the tables saved, and copied to the backup folder
    Restored, // the backup's tables in the data folder
    Retrieved, // the handheld's tables in the data folder
    Sent, // the tables saved, and the transfer tool run
};

struct WorkCase {
    const char *name;
    Work work;
    Before before;
    const char *command;
    QMap<QString, QMessageBox::StandardButton> answers;
    // The box at which the session ends, answered then. None: the session
    // ends as the command begins, and the signal reaches the program where the
    // command first lets events run; or the command's tool ends it.
    const char *endAt;
    // The command's outside tool, a shell script in the program folder, which
    // ends the session while it runs.
    const char *tool = nullptr;
    const char *toolBody = nullptr;
};

void PrintTo(const WorkCase &c, std::ostream *out)
{
    *out << c.name;
}

class CommandAtWork : public OutsideClose, public ::testing::WithParamInterface<WorkCase> {
protected:
    // The profile renamed in memory, as a saved edit leaves it.
    void renameProfile()
    {
        MemoryTable &profiles = main->store().table(TableId::MainID);
        profiles.moveFirst();
        profiles.setValue("Last", "Changed");
        profiles.update();
    }

    // Tables as the handheld holds them: today's with another profile.
    QString makeHandheldTables()
    {
        const QString handheld = install.documentsFolder() + "handheld/";
        copyTree(folder, handheld);
        writeFile(handheld + "VantorelleMainID.cdb",
            readFile(handheld + "VantorelleMainID.cdb").replace("\"Lee\"", "\"Handheld\""));
        return handheld;
    }
};

} // namespace

// The session ends while the command works: its work is whole in the files,
// then the program closes and exits with 0.
TEST_P(CommandAtWork, FinishesBeforeTheProgramCloses)
{
    const WorkCase &c = GetParam();
    if (c.before == Before::OtherBackup)
        makeOtherBackup();
    if (c.tool) {
        registerDataFolder(folder, "WM");
        const QString tool = install.programFolder() + c.tool;
        writeFile(tool,
            QByteArray("#!/bin/sh\nhandheld='") + makeHandheldTables().toUtf8() + "'\n" + c.toolBody
                + "\nkill -TERM $PPID\n");
        QFile::setPermissions(tool, QFile::permissions(tool) | QFile::ExeOwner);
    }
    startShown();
    renameProfile();
    const RealBoxes boxes(prompter);

    const int code = runAnswering(
        [&] {
            if (!*c.endAt && !c.tool)
                ::raise(SIGTERM);
            if (auto *action = main->findChild<QAction *>(c.command))
                action->trigger();
            else
                control<QPushButton>(c.command)->click();
        },
        c.answers, c.endAt, Outside::Signal);

    EXPECT_EQ(code, 0);
    EXPECT_TRUE(main->closing());
    const QByteArray profiles = readFile(folder + "VantorelleMainID.cdb");
    switch (c.work) {
    case Work::Saved:
        EXPECT_TRUE(profiles.contains("\"Changed\"")) << profiles.constData();
        break;
    case Work::ProfileDeleted: // kept as deleted, for the handheld's sync
        EXPECT_TRUE(profiles.contains("0x0002,\"20090305070809p\",\"Ann\",\"Changed\""))
            << profiles.constData();
        break;
    case Work::BackedUp:
        EXPECT_TRUE(profiles.contains("\"Changed\"")) << profiles.constData();
        EXPECT_EQ(tableFiles(backup), tableFiles(folder));
        break;
    case Work::Restored:
        EXPECT_EQ(tableFiles(folder), tableFiles(backup));
        break;
    case Work::Retrieved:
        EXPECT_TRUE(profiles.contains("\"Handheld\"")) << profiles.constData();
        break;
    case Work::Sent:
        EXPECT_TRUE(profiles.contains("\"Changed\"")) << profiles.constData();
        EXPECT_TRUE(QFile::exists(install.documentsFolder() + "sent"));
        break;
    }
}

INSTANTIATE_TEST_SUITE_P(Mainwin, CommandAtWork,
    ::testing::Values(WorkCase {"SaveAll", Work::Saved, Before::Nothing, "mnuSaveAll", {}, ""},
        WorkCase {"DeleteProfile", Work::ProfileDeleted, Before::Nothing, "cmdDelete",
            {{"Confirm Delete", QMessageBox::Yes}}, "Confirm Delete"},
        WorkCase {"Backup", Work::BackedUp, Before::Nothing, "mnuBackup",
            {{"Backup Location", QMessageBox::Yes}}, "Backup Location"},
        WorkCase {"Restore", Work::Restored, Before::OtherBackup, "mnuRestore",
            {{"Restore Previous Backup", QMessageBox::Yes},
                {"Restore Data Files", QMessageBox::Yes}},
            "Restore Data Files"},
        WorkCase {"Retrieve", Work::Retrieved, Before::Nothing, "mnuRetrieve",
            {{"Retrieve Data from Handheld", QMessageBox::Ok}}, "", "CASLppc2cdb.exe",
            "cp \"$handheld\"*.cdb \"$2/\""},
        WorkCase {"Transfer", Work::Sent, Before::Nothing, "mnuTransfer",
            {{"Transfer Data to Handheld", QMessageBox::Ok}}, "", "CASLcdi2ppc.exe",
            "touch \"$handheld/../sent\""}),
    [](const auto &info) { return std::string(info.param.name); });
