#include <gtest/gtest.h>

#include "platform/app_error.h"
#include "platform/process_runner.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace vantorelle;

namespace {

// A stand-in for a handheld tool: it records its arguments, one a line, and
// the folder it runs in beside itself, and ends with exit code 3.
const char fakeTool[] = "#!/bin/sh\n"
                        "here=$(dirname \"$0\")\n"
                        "printf '%s\\n' \"$@\" > \"$here/arguments.txt\"\n"
                        "pwd -P > \"$here/folder.txt\"\n"
                        "exit 3\n";

QString contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

class ProcessRunnerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("Data Folder")));
        writeTool(fakeTool);
    }

    void writeTool(const QByteArray &script) const
    {
        QFile tool(toolPath);
        ASSERT_TRUE(tool.open(QIODevice::WriteOnly));
        tool.write(script);
        tool.close();
        tool.setPermissions(tool.permissions() | QFile::ExeOwner);
    }

    QTemporaryDir dir;
    QString toolPath = dir.filePath(QStringLiteral("CondReg.exe"));
    QString workingFolder = dir.filePath(QStringLiteral("Data Folder"));
};

} // namespace

TEST_F(ProcessRunnerTest, PassesArgumentsAsGivenAndRunsInTheWorkingFolder)
{
    const QStringList arguments
        = {QStringLiteral("/home/a user/Vantorelle"), QStringLiteral("-AppName"),
            QStringLiteral("\"Vantorelle\""), QStringLiteral("*.prc"), QString()};
    const int exitCode = processRunner().run(toolPath, arguments, workingFolder);

    EXPECT_EQ(exitCode, 3);
    EXPECT_EQ(contents(dir.filePath(QStringLiteral("arguments.txt"))),
        arguments.join(QLatin1Char('\n')) + QLatin1Char('\n'));
    EXPECT_EQ(contents(dir.filePath(QStringLiteral("folder.txt"))).trimmed(),
        QFileInfo(workingFolder).canonicalFilePath());
}

TEST_F(ProcessRunnerTest, ProgramThatCannotStartIsFileNotFound)
{
    QFile::setPermissions(toolPath, QFile::ReadOwner | QFile::WriteOwner);
    for (const QString &program : {dir.filePath(QStringLiteral("Setup.exe")), toolPath}) {
        SCOPED_TRACE(program.toStdString());
        try {
            processRunner().run(program, {}, workingFolder);
            ADD_FAILURE() << "no error";
        } catch (const AppError &e) {
            EXPECT_EQ(e.number(), 53);
            EXPECT_EQ(e.description(), QStringLiteral("File not found"));
        }
    }
}

TEST_F(ProcessRunnerTest, ExitCodeOrCrash)
{
    const struct {
        const char *name;
        QByteArray end;
        int code;
    } cases[] = {
        {"ends well", "exit 0", 0},
        {"fails", "exit 5", 5},
        {"crashes", "kill -SEGV $$", -1},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        writeTool("#!/bin/sh\n" + c.end + "\n");
        EXPECT_EQ(processRunner().run(toolPath, {}, workingFolder), c.code);
    }
}

namespace {

// Lets the tool below go on once it has been painted.
class PaintedSignal : public QWidget {
public:
    explicit PaintedSignal(QString flag)
        : flag_(std::move(flag))
    {
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QFile file(flag_);
        file.open(QIODevice::WriteOnly);
    }

private:
    QString flag_;
};

} // namespace

// A tool that takes a while: the windows still repaint and timers run, but a
// key typed or a button clicked meanwhile does nothing, then or afterwards.
TEST_F(ProcessRunnerTest, WhileAToolRunsTheWindowsRepaintAndInputIsDropped)
{
    // The tool ends when the window below has been painted while it ran, or
    // after 20 seconds with code 9.
    writeTool("#!/bin/sh\nn=0\nwhile [ ! -e \"$(dirname \"$0\")/painted\" ]; do\n"
              "  n=$((n+1)); [ $n -gt 2000 ] && exit 9; sleep 0.01\ndone\nexit 0\n");
    QWidget window;
    auto *box = new QLineEdit(&window);
    auto *button = new QPushButton(QStringLiteral("OK"), &window);
    button->move(0, 40);
    window.show();
    box->setFocus();
    const QSignalSpy clicks(button, &QPushButton::clicked);
    PaintedSignal painted(dir.filePath(QStringLiteral("painted")));

    bool typed = false;
    QTimer::singleShot(0, [&] {
        QTest::keyClicks(box, QStringLiteral("typed"));
        QTest::keyClick(button, Qt::Key_Space);
        QTest::mouseClick(button, Qt::LeftButton);
        painted.show();
        typed = true;
    });
    EXPECT_EQ(processRunner().run(toolPath, {}, workingFolder), 0);
    EXPECT_TRUE(typed);
    QCoreApplication::processEvents();
    EXPECT_EQ(box->text(), QString());
    EXPECT_EQ(clicks.count(), 0);

    // Once the tool has ended, input works again.
    QTest::keyClicks(box, QStringLiteral("after"));
    EXPECT_EQ(box->text(), QStringLiteral("after"));
}
