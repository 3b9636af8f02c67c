#include <gtest/gtest.h>

#include "support/file_modes.h"
#include "support/temporary_install.h"
#include "x_desktop.h"
#include "x_server.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>

using namespace vantorelle;

namespace {

const QString mainTitle = QStringLiteral("Vantorelle Rize");

// The real program, started on a temporary home: the documents folder, the
// registry (the user's and the machine's settings folders) and the temporary
// folder all lie inside it. Windows are found and closed from outside, as a
// window manager would.
class EndToEnd : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (qEnvironmentVariableIsEmpty("DISPLAY") || !desktop.connected())
            GTEST_SKIP() << "needs an X display; make test runs the tests under xvfb-run";
        QString build = qEnvironmentVariable("VANTORELLE_BUILD_DIR");
        if (build.isEmpty())
            build = QCoreApplication::applicationDirPath() + QStringLiteral("/..");
        binary = build + QStringLiteral("/vantorelle");
        ASSERT_TRUE(QFileInfo(binary).isExecutable()) << binary.toStdString();
        ASSERT_TRUE(QDir().mkpath(root() + "tmp"));
    }

    void TearDown() override
    {
        if (program.state() != QProcess::NotRunning) {
            program.kill();
            program.waitForFinished();
        }
    }

    QString root() const { return dir.path() + QStringLiteral("/"); }
    QString dataFolder() const { return root() + QStringLiteral("home/Documents/Vantorelle/"); }
    QString userRegistry() const
    {
        return root() + QStringLiteral("config/Brasselwicket/Vantorelle.conf");
    }

    // An installation that has not changed since the last start.
    void registerDataFolder(const QString &folder)
    {
        const QByteArray install = "install_date=20240101\ninstall_type=Win\n";
        writeFile(userRegistry(), "[General]\ndata_path=" + folder.toUtf8() + "\n" + install);
        writeFile(root() + "xdg/Brasselwicket/Vantorelle.conf", "[General]\n" + install);
    }

    // Starts the program, with `extra` added to its environment.
    void start(const QMap<QString, QString> &extra = {})
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", root() + "home");
        env.insert("XDG_CONFIG_HOME", root() + "config");
        env.insert("XDG_CONFIG_DIRS", root() + "xdg");
        env.insert("XDG_DATA_HOME", root() + "share");
        env.insert("TMPDIR", root() + "tmp");
        env.insert("QT_QPA_PLATFORM", "xcb");
        env.remove("XDG_DOCUMENTS_DIR");
        if (!display.isEmpty())
            env.insert("DISPLAY", QString::fromLatin1(display));
        for (auto it = extra.begin(); it != extra.end(); ++it)
            env.insert(it.key(), it.value());
        program.setProcessEnvironment(env);
        program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        program.start(binary, {});
        ASSERT_TRUE(program.waitForStarted());
    }

    // Waits until the program shows a window titled `title`.
    bool waitForWindow(const QString &title)
    {
        const QDeadlineTimer deadline(60000);
        while (!deadline.hasExpired()) {
            if (desktop.find(program.processId(), title))
                return true;
            if (program.state() == QProcess::NotRunning)
                return false;
            QThread::msleep(50);
        }
        ADD_FAILURE() << "no window " << title.toStdString()
                      << "; open: " << desktop.titles(program.processId()).join(", ").toStdString();
        return false;
    }

    // Keys and pointer moves as a person's, from xdotool on the program's display.
    void xdotool(const QStringList &arguments)
    {
        QProcess tool;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        if (!display.isEmpty())
            env.insert("DISPLAY", QString::fromLatin1(display));
        tool.setProcessEnvironment(env);
        tool.setProcessChannelMode(QProcess::ForwardedChannels);
        tool.start(QStringLiteral("xdotool"), arguments);
        ASSERT_TRUE(tool.waitForFinished(30000));
        ASSERT_EQ(tool.exitCode(), 0) << arguments.join(' ').toStdString();
        // The next xdotool started at once may still find the modifier keys
        // of this one held, and type "1" as Alt+1.
        QThread::msleep(100);
    }
    // Waits for the window titled `title` and gives it the keyboard focus. The
    // test's display has no window manager: when a window closes, nothing
    // hands the focus back to the one below it, so a test does it.
    bool focusWindow(const QString &title)
    {
        if (!waitForWindow(title))
            return false;
        const auto window = desktop.find(program.processId(), title);
        xdotool({"windowfocus", "--sync", QString::number(window)});
        return !::testing::Test::HasFatalFailure();
    }

    // Closes the main window and lets the program end. Should it ask about
    // unsaved editor work, the answer is No, by its access key: the question
    // waits for Yes or No.
    void closeAndWait()
    {
        ASSERT_TRUE(desktop.close(program.processId(), mainTitle));
        const QDeadlineTimer deadline(60000);
        while (!program.waitForFinished(50) && !deadline.hasExpired()) {
            if (const auto question = desktop.find(program.processId(), "Changes Not Saved"))
                xdotool({"windowfocus", "--sync", QString::number(question), "key", "alt+n"});
        }
        ASSERT_EQ(program.state(), QProcess::NotRunning)
            << desktop.titles(program.processId()).join(", ").toStdString();
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(program.exitCode(), 0);
    }

    // Copies tests/data/basic, which shows the profile of Ann Lee, to the data
    // folder the program is to find.
    void useBasicData()
    {
        const QString fixture
            = QFileInfo(QStringLiteral(__FILE__)).absoluteDir().filePath("../data/basic") + "/";
        copyTree(fixture, dataFolder());
        registerDataFolder(dataFolder());
    }

    // Starts the program and, once its main window shows, closes it.
    void startAndClose()
    {
        start();
        ASSERT_TRUE(waitForWindow(mainTitle));
        closeAndWait();
    }

    // Starts the program on an empty home and closes the configuration window
    // of a first run, on to the main window.
    void startFirstRun()
    {
        start();
        ASSERT_TRUE(waitForWindow("Vantorelle Rize - Configuration"));
        ASSERT_TRUE(desktop.close(program.processId(), "Vantorelle Rize - Configuration"));
        ASSERT_TRUE(waitForWindow(mainTitle));
    }

    static QMap<QString, QByteArray> tableFiles(const QString &folder)
    {
        QMap<QString, QByteArray> files;
        for (const QString &name : QDir(folder).entryList({"*.cdb"}, QDir::Files))
            files.insert(name, readFile(folder + name));
        return files;
    }

    static QList<QByteArray> sortedLines(const QByteArray &file)
    {
        QList<QByteArray> lines = file.split('\n');
        std::sort(lines.begin(), lines.end());
        return lines;
    }

    XDesktop desktop;
    QByteArray display; // the program's X display; empty: the tests' own
    QTemporaryDir dir;
    QString binary;
    QProcess program;
};

} // namespace

TEST_F(EndToEnd, TablesAreUnchangedByAStartAndAClose)
{
    useBasicData();
    const auto handheld = tableFiles(dataFolder());
    ASSERT_EQ(handheld.size(), 23);

    // The first close may only reorder records: the master lists are written
    // in the order the program lists them.
    startAndClose();
    const auto written = tableFiles(dataFolder());
    EXPECT_EQ(written.keys(), handheld.keys());
    for (auto it = handheld.begin(); it != handheld.end(); ++it)
        EXPECT_EQ(sortedLines(written.value(it.key())), sortedLines(it.value()))
            << it.key().toStdString();
    // The close step ran: the window placement is kept.
    EXPECT_TRUE(readFile(dataFolder() + "vantorelleplus.ini").contains("[Form]"));
    EXPECT_FALSE(QFile::exists(dataFolder() + "errorlog.txt"));

    // From then on a start and a close leave every byte as it was.
    startAndClose();
    const auto rewritten = tableFiles(dataFolder());
    for (auto it = written.begin(); it != written.end(); ++it)
        EXPECT_EQ(rewritten.value(it.key()), it.value()) << it.key().toStdString();
    EXPECT_EQ(rewritten.keys(), written.keys());
}

TEST_F(EndToEnd, AFirstRunOnAnEmptyHomeMakesTheDataFolder)
{
    ASSERT_NO_FATAL_FAILURE(startFirstRun());
    closeAndWait();

    const auto templates = tableFiles(QFileInfo(binary).absolutePath() + "/data/");
    ASSERT_EQ(templates.size(), 23);
    EXPECT_EQ(tableFiles(dataFolder()), templates);
    EXPECT_TRUE(QFile::exists(dataFolder() + "graphics/vantorelle_logo.png"));
    EXPECT_TRUE(readFile(userRegistry()).contains("data_path=" + dataFolder().toUtf8()));
    EXPECT_TRUE(readFile(dataFolder() + "setuplog.txt")
                    .startsWith("Data path was blank, must be first run of Vantorelle\r\n"));
}

TEST_F(EndToEnd, ARegisteredFolderNotThereIsKeptWhenTheUserWillNotReplaceIt)
{
    // A stick that is not connected: its folder is gone for now.
    const QString stick = root() + "stick/Vantorelle/";
    registerDataFolder(stick);
    const QByteArray registry = readFile(userRegistry());

    start();
    ASSERT_TRUE(waitForWindow("Data Folder Not Found"));
    // Closing the question as a window manager does answers nothing.
    ASSERT_TRUE(desktop.close(program.processId(), "Data Folder Not Found"));
    EXPECT_FALSE(program.waitForFinished(1000));
    ASSERT_TRUE(focusWindow("Data Folder Not Found"));
    xdotool({"key", "alt+n"});
    ASSERT_TRUE(program.waitForFinished(60000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_NE(program.exitCode(), 0) << "the program ended without starting";

    EXPECT_EQ(readFile(userRegistry()), registry);
    EXPECT_FALSE(QFileInfo::exists(root() + "home/Documents"));
    EXPECT_FALSE(QFileInfo::exists(root() + "stick"));
}

namespace {

// A clock of the program's own, through libfaketime: it starts at `moment` and runs on.
QMap<QString, QString> clockAt(const char *moment)
{
    const QStringList libraries
        = QDir(QStringLiteral("/usr/lib")).entryList({"*-linux-gnu"}, QDir::Dirs);
    for (const QString &folder : libraries) {
        const QString library = "/usr/lib/" + folder + "/faketime/libfaketimeMT.so.1";
        if (QFileInfo::exists(library))
            return {{"LD_PRELOAD", library}, {"FAKETIME", QStringLiteral("@") + moment},
                {"FAKETIME_DONT_FAKE_MONOTONIC", "1"}};
    }
    return {};
}

// Typing as a user does: real key events from xdotool, on an X server of the
// test's own so that no other test's window takes the keyboard focus.
class TypingEndToEnd : public EndToEnd {
protected:
    void SetUp() override
    {
        EndToEnd::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        for (const char *tool : {"Xvfb", "xdotool"})
            ASSERT_FALSE(QStandardPaths::findExecutable(tool).isEmpty())
                << tool << " missing: scripts/setup.sh installs it";
        ASSERT_TRUE(server.start());
        display = server.display();
        desktop.connectTo(display);
    }

    // Types `text` into the focused control. A character the keyboard map
    // lacks is typed through a key xdotool maps to it for the moment and
    // maps back after: each such character goes alone and slowly, so that
    // the program has read the key before its mapping changes again.
    void typeText(const QString &text)
    {
        QString run;
        for (const QChar c : text) {
            if (c.unicode() < 0x80) {
                run += c;
                continue;
            }
            if (!run.isEmpty())
                xdotool({"type", "--delay", "30", run});
            run.clear();
            xdotool({"type", "--delay", "300", QString(c)});
            QThread::msleep(300);
        }
        if (!run.isEmpty())
            xdotool({"type", "--delay", "30", run});
    }
    // Types `text` into the focused control, then Enter.
    void typeLine(const QString &text)
    {
        xdotool({"type", "--delay", "30", text});
        xdotool({"key", "Return"});
    }

    // Waits until the program shows no window titled `title`.
    bool waitUntilClosed(const QString &title)
    {
        const QDeadlineTimer deadline(30000);
        while (desktop.find(program.processId(), title)) {
            if (deadline.hasExpired()) {
                ADD_FAILURE() << "the window " << title.toStdString() << " stays open";
                return false;
            }
            QThread::msleep(50);
        }
        return true;
    }

    // Answers the program's file dialog titled `title` with `path`.
    bool chooseFile(const QString &title, const QString &path)
    {
        if (!focusWindow(title))
            return false;
        typeLine(path);
        return waitUntilClosed(title);
    }

    // Starts the program on a copy of tests/data/basic, showing the profile of Ann Lee.
    void startOnBasicData()
    {
        useBasicData();
        start();
    }
    // The same with a clock of the program's own that starts at `moment`.
    void startOnBasicDataAt(const char *moment)
    {
        useBasicData();
        const auto clock = clockAt(moment);
        ASSERT_FALSE(clock.isEmpty()) << "libfaketime missing: scripts/setup.sh installs it";
        start(clock);
    }

    // Expects `file` to come to hold a match of `stored` as the program saves.
    static void expectStoredSoon(const QString &file, const QRegularExpression &stored)
    {
        const QDeadlineTimer deadline(30000);
        while (
            !stored.match(QString::fromLatin1(readFile(file))).hasMatch() && !deadline.hasExpired())
            QThread::msleep(50);
        EXPECT_TRUE(stored.match(QString::fromLatin1(readFile(file))).hasMatch())
            << readFile(file).toStdString();
    }

    XServer server;
};

} // namespace

TEST_F(TypingEndToEnd, ABloodPressureReadingTypedWithItsDateAMorningTimeAndANoteIsStored)
{
    // Past noon by the program's clock, where a morning time typed without its
    // leading zero once became the evening's.
    ASSERT_NO_FATAL_FAILURE(startOnBasicDataAt("2026-03-07 15:20:00"));
    ASSERT_TRUE(focusWindow(mainTitle));
    // A click low in the topic list, below its last topic, gives it the focus
    // wherever the focus was; "b" then selects Blood Pressure; Add.
    const QString window = QString::number(desktop.find(program.processId(), mainTitle));
    xdotool({"mousemove", "--window", window, "--sync", "60", "500", "click", "1"});
    xdotool({"key", "--delay", "30", "b", "alt+a"});
    typeLine("131"); // systolic
    typeLine("86"); // diastolic
    typeLine("71"); // pulse
    // The data folder's date preference is day, month, year with ".": the month
    // fills its section at the 3, and the "." after it is taken as that move.
    typeLine("15.3.2024");
    typeLine("8:30 AM");
    xdotool({"key", "Return"}); // past the activity, into the notes
    // "→" and "Ł" have no byte in the table files: each is refused as it is
    // typed, and the box shows the note without them. "é" and "€" are stored
    // as their cp1252 bytes.
    typeText("BP 150 → call Dr. Łukasz, café 5 €");
    // Save All while the reading is typed asks first; Enter answers Yes, back
    // to the reading with all that was typed.
    xdotool({"key", "ctrl+s"});
    ASSERT_TRUE(focusWindow("Changes Not Saved"));
    xdotool({"key", "Return"});
    ASSERT_TRUE(waitUntilClosed("Changes Not Saved"));
    ASSERT_TRUE(focusWindow(mainTitle));
    xdotool({"key", "alt+s"}); // Save
    xdotool({"key", "ctrl+s"}); // Save All

    const QRegularExpression stored(QStringLiteral(
        R"(\r\n0x00000000,0x0008,"20090305070809p\d+p","131","86","71","20240315","08:30","","BP 150  call Dr\. ukasz, caf\x{e9} 5 \x{80}","","",""\r\n)"));
    expectStoredSoon(dataFolder() + "VantorelleBP.cdb", stored);
    closeAndWait();
}

TEST_F(TypingEndToEnd, TheEndOfTheSessionWritesTheReadingSavedAndLeavesOutTheOneBeingTyped)
{
    startOnBasicData();
    ASSERT_TRUE(focusWindow(mainTitle));
    const QString window = QString::number(desktop.find(program.processId(), mainTitle));
    xdotool({"mousemove", "--window", window, "--sync", "60", "500", "click", "1"});
    xdotool({"key", "--delay", "30", "b", "alt+a"}); // Blood Pressure, Add
    typeLine("131");
    typeLine("86");
    xdotool({"type", "--delay", "30", "71"});
    xdotool({"key", "alt+s"}); // Save: in memory only, until Save All or the close
    xdotool({"key", "alt+a"});
    xdotool({"type", "--delay", "30", "142"});
    // Save All asks about the reading being typed: once its question shows,
    // every key before it has been taken.
    xdotool({"key", "ctrl+s"});
    ASSERT_TRUE(waitForWindow("Changes Not Saved"));

    program.terminate(); // SIGTERM, as at logout
    ASSERT_TRUE(program.waitForFinished(60000))
        << desktop.titles(program.processId()).join(", ").toStdString();
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);
    const QByteArray readings = readFile(dataFolder() + "VantorelleBP.cdb");
    EXPECT_TRUE(
        QRegularExpression(R"(\r\n0x00000000,0x0008,"20090305070809p\d+p","131","86","71",)")
            .match(QString::fromLatin1(readings))
            .hasMatch())
        << readings.toStdString();
    EXPECT_FALSE(readings.contains("\"142\"")) << readings.toStdString();
    EXPECT_TRUE(readFile(dataFolder() + "errorlog.txt")
                    .contains("The program was ended by SIGTERM while a record of Blood Pressure "
                              "was being entered; what was typed was not saved."));
}

TEST_F(TypingEndToEnd, AnAppointmentDateTypedOnItsTickBoxIsInTheFileAfterSaveAll)
{
    // The date preference of a new data folder: month, day, year with "/".
    useBasicData();
    const QString prefs = dataFolder() + "VantorellePrefs.cdb";
    writeFile(prefs,
        readFile(prefs)
            .replace(R"("ddmmyyyy")", R"("mmddyyyy")")
            .replace(R"("date_sep",".")", R"("date_sep","/")"));
    start();
    ASSERT_TRUE(focusWindow(mainTitle));
    const QString window = QString::number(desktop.find(program.processId(), mainTitle));
    xdotool({"mousemove", "--window", window, "--sync", "60", "500", "click", "1"});
    // "ap": Appointments; Add; "d": Dr. Who; Tab, Tab: past the physicians'
    // Edit List button, on to the date's tick box.
    xdotool({"key", "--delay", "30", "a", "p", "alt+a"});
    xdotool({"key", "--delay", "30", "d", "Tab", "Tab"});
    xdotool({"type", "--delay", "30", "12012026"});
    xdotool({"key", "alt+s"}); // Save
    xdotool({"key", "ctrl+s"}); // Save All

    const QRegularExpression stored(QStringLiteral(
        R"(\r\n0x00000000,0x0008,"20090305070809p7973879800:0020090306080200p","20090306080200p","20261201","00:00",)"));
    expectStoredSoon(dataFolder() + "VantorelleAppt.cdb", stored);
    closeAndWait();
}

TEST_F(TypingEndToEnd, AProviderAddedThroughTheMenuByKeyboardIsInTheFileAfterSaveAll)
{
    ASSERT_NO_FATAL_FAILURE(startOnBasicDataAt("2026-03-07 15:20:00"));
    ASSERT_TRUE(focusWindow(mainTitle));

    // Edit menu (from the File menu on, as the Edit menu has no access key),
    // its sixth item: "Edit Master Provider List".
    xdotool({"key", "--delay", "80", "alt+f", "Right", "Down", "Down", "Down", "Down", "Down",
        "Return"});
    ASSERT_TRUE(waitForWindow(QStringLiteral("Edit Master List")));
    xdotool({"key", "alt+n"}); // New: the focus in Name
    typeLine("Dr. O'Brien"); // Enter: on to the type list
    xdotool({"key", "c", "Tab"}); // Cardiology
    typeLine("555-0700"); // office phone
    typeLine("555-0701"); // emergency phone
    typeLine("555-0702"); // FAX; Enter: on to the clinic or hospital
    xdotool({"type", "--delay", "30", "St. Mary's"});
    xdotool({"key", "alt+s"}); // Save
    xdotool({"key", "alt+l"}); // Close
    ASSERT_TRUE(waitUntilClosed(QStringLiteral("Edit Master List")));
    ASSERT_TRUE(focusWindow(mainTitle));
    xdotool({"key", "ctrl+s"}); // Save All

    const QRegularExpression stored(QStringLiteral(
        R"(\r\n0x00000000,0x0008,"2026030715\d{4}p","Dr\. O'Brien","Cardiology","555-0700","555-0701","555-0702","St\. Mary's","","","","","","","",""\r\n)"));
    expectStoredSoon(dataFolder() + "VantorelleProvID.cdb", stored);
    closeAndWait();
}

TEST_F(TypingEndToEnd, AFirstRunAndTwoBackupsKeepEveryRecordFileTheUsersAlone)
{
    // The default umask of a new account, which leaves files readable by all.
    program.setChildProcessModifier([] { ::umask(022); });
    ASSERT_NO_FATAL_FAILURE(startFirstRun());

    // Backup Records to the default folder, twice: the second keeps the first
    // backup's files as ".bak" copies. The first profile waits to be entered:
    // each backup asks first, and the answer is No.
    for (int backup = 0; backup < 2; ++backup) {
        ASSERT_TRUE(focusWindow(mainTitle));
        xdotool({"key", "ctrl+b"});
        ASSERT_TRUE(focusWindow("Changes Not Saved"));
        xdotool({"key", "alt+n"});
        ASSERT_TRUE(focusWindow("Backup Location"));
        xdotool({"key", "Return"}); // Yes, this location
        ASSERT_TRUE(focusWindow("Backup Complete"));
        xdotool({"key", "Return"});
        ASSERT_TRUE(waitUntilClosed("Backup Complete"));
    }
    closeAndWait();

    const QString backup = dataFolder() + "Backup/";
    EXPECT_EQ(QDir(backup).entryList({"*.cdb"}, QDir::Files).size(), 23);
    EXPECT_EQ(QDir(backup).entryList({"*.bak"}, QDir::Files).size(), 23);
    for (const char *name : {"vantorelleplus.ini", "setuplog.txt", "graphics/vantorelle_logo.png"})
        EXPECT_TRUE(QFile::exists(dataFolder() + name)) << name;
    EXPECT_EQ(notTheOwnersAlone(dataFolder().chopped(1)), "");
}

TEST_F(TypingEndToEnd, ReadingsImportedFromACsvFileAreInTheProfilesTableAfterSaveAll)
{
    const QString readings = root() + "readings.csv";
    writeFile(readings,
        "128,84,66,01/05/2024,7:15 AM,Walking,\r\n"
        "135,88,72,1/6/2024,19:40,,\"After dinner, tired\"\r\n");
    startOnBasicData();
    ASSERT_TRUE(focusWindow(mainTitle));
    xdotool({"key", "ctrl+i"});
    // Blood Pressure is the first topic offered; Tab: on to Select File.
    ASSERT_TRUE(focusWindow("Import Data"));
    xdotool({"key", "Tab", "Return"});
    ASSERT_TRUE(chooseFile("File to Import", readings));
    ASSERT_TRUE(focusWindow("Import Data"));
    // All >>: every field in its order, as the file has them; Import.
    xdotool({"key", "alt+a", "alt+i"});
    ASSERT_TRUE(focusWindow("Import")); // "Import Complete"
    xdotool({"key", "Return"});
    ASSERT_TRUE(waitUntilClosed("Import Data"));
    ASSERT_TRUE(focusWindow(mainTitle));
    xdotool({"key", "ctrl+s"}); // Save All
    closeAndWait();

    // New records of Ann Lee, for the handheld to take.
    const QString file = QString::fromLatin1(readFile(dataFolder() + "VantorelleBP.cdb"));
    const QString added = QStringLiteral(R"(\r\n0x00000000,0x0008,"20090305070809p\d+p",%1\r\n)");
    for (const char *values : {R"("128","84","66","20240105","07:15","Walking","","","","")",
             R"("135","88","72","20240106","19:40","","After dinner, tired","","","")"}) {
        EXPECT_TRUE(QRegularExpression(added.arg(QLatin1String(values))).match(file).hasMatch())
            << values << "\n"
            << file.toStdString();
    }
    EXPECT_TRUE(file.contains("#RECCNT: 5\r\n")) << file.toStdString();
}

TEST_F(TypingEndToEnd, ATopicExportedThroughTheDialogIsInTheFileNamed)
{
    startOnBasicData();
    ASSERT_TRUE(focusWindow(mainTitle));
    xdotool({"key", "ctrl+e"});
    // Tab: on to the topic list; "b" chooses Blood Pressure, and with it the
    // topic export; All >>.
    ASSERT_TRUE(focusWindow("Export Data"));
    xdotool({"key", "--delay", "50", "Tab", "b", "alt+a"});
    // From the topic list through the delimiter and the field lists and
    // buttons to "Select Filename to Create or Save".
    QStringList toFileButton {"key", "--delay", "50"};
    for (int i = 0; i < 11; ++i)
        toFileButton << "Tab";
    xdotool(toFileButton << "Return");
    const QString exported = root() + "blood pressure.csv";
    ASSERT_TRUE(chooseFile("Select Filename to Create or Save to", exported));
    ASSERT_TRUE(focusWindow("Export Data"));
    xdotool({"key", "alt+e"});
    ASSERT_TRUE(focusWindow("Export")); // "Export Complete"
    xdotool({"key", "Return"});
    ASSERT_TRUE(waitUntilClosed("Export Data"));

    // Ann Lee's readings, dates and times as the main window shows them; the
    // line break of a note is a space.
    EXPECT_EQ(readFile(exported),
        "Systolic,Diastolic,Pulse,Date,Time,Activity,Notes,\r\n"
        "130,85,70,15.03.2024,6:00 PM,Walking,,\r\n"
        "120,80,65,15.03.2024,8:00 AM,Resting,Before breakfast,\r\n");
    closeAndWait();
}

TEST_F(TypingEndToEnd, AProfileReportPreviewedAndSavedToFileIsAnRtfOfTheProfile)
{
    startOnBasicData();
    ASSERT_TRUE(focusWindow(mainTitle));
    xdotool({"key", "--delay", "80", "alt+f", "p"}); // Print Profile...
    // Every section, of March 2024 only: Space ticks the date range, whose
    // dates follow; Enter, Preview.
    ASSERT_TRUE(focusWindow("Print Report"));
    xdotool({"key", "space", "Tab"});
    xdotool({"type", "--delay", "30", "01.03.2024"});
    xdotool({"key", "Tab"});
    typeLine("31.03.2024");
    ASSERT_TRUE(focusWindow("Print Preview"));
    xdotool({"key", "alt+s"}); // Save to File...
    const QString report = root() + "ann.rtf";
    ASSERT_TRUE(chooseFile("Save Report to File (RTF)", report));
    ASSERT_TRUE(focusWindow("Print Preview"));
    xdotool({"key", "alt+c"}); // Cancel: the preview and the options close
    ASSERT_TRUE(waitUntilClosed("Print Report"));

    const QByteArray rtf = readFile(report);
    EXPECT_TRUE(rtf.startsWith("{\\rtf1")) << rtf.left(100).toStdString();
    for (const char *value : {"Vantorelle Personal Profile Report\\line Ann Lee",
             "Home\\cell 555-0100\\cell", "130/85\\cell 70\\cell 15.03.2024 6:00 PM"})
        EXPECT_TRUE(rtf.contains(value)) << value;
    EXPECT_FALSE(rtf.contains("Ibuprofen")) << "taken in 2000 only";
    EXPECT_TRUE(rtf.trimmed().endsWith('}'));
    closeAndWait();
}

TEST_F(TypingEndToEnd, ProfileCommandsBeforeTheFirstProfileSaySoAndOpenNothing)
{
    ASSERT_NO_FATAL_FAILURE(startFirstRun());
    const struct {
        QStringList keys;
        const char *answer;
    } commands[] = {
        {{"alt+f", "p"}, "Unable to Print Profile"}, // Print Profile...
        {{"ctrl+g"}, "Unable to Graph Data"},
    };
    for (const auto &c : commands) {
        ASSERT_TRUE(focusWindow(mainTitle));
        xdotool(QStringList {"key", "--delay", "80"} + c.keys);
        ASSERT_TRUE(focusWindow(c.answer));
        xdotool({"key", "Return"});
        ASSERT_TRUE(waitUntilClosed(c.answer));
        EXPECT_EQ(desktop.titles(program.processId()), QStringList {mainTitle});
    }
    closeAndWait();
}
