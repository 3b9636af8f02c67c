#include <gtest/gtest.h>

#include "platform/app_error.h"
#include "platform/process_runner.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

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
        QFile tool(toolPath);
        ASSERT_TRUE(tool.open(QIODevice::WriteOnly));
        tool.write(fakeTool);
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
