#include <gtest/gtest.h>

#include "settings/settings_access.h"
#include "support/fake_prompter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace vantorelle;

namespace {

class IniAccessTest : public ::testing::Test {
protected:
    void setFile(const QByteArray &bytes)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QByteArray file() const
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("vantorelleplus.ini"));
    FakePrompter prompter;
};

} // namespace

TEST_F(IniAccessTest, ReadsValuesAsTheProfileFunctionsDo)
{
    setFile("Stray=before any section\r\n"
            "[Main]\r\n"
            "BackupPath=C:\\Data\\Backup\\\r\n"
            "  ExportDelim  =\t , \t\r\n"
            "Quoted=\"  spaced  \"\r\n"
            "Single='x'\r\n"
            "Unbalanced=\"x\r\n"
            "OnlyQuotes=\"\"\r\n"
            "Inner=a \"b\" c\r\n"
            "Empty=\r\n"
            "Equals=a=b\r\n"
            "Twice=first\r\n"
            "twice=second\r\n"
            "NoEquals\r\n"
            "Accent=caf\xE9\r\n"
            "\r\n"
            "[ form ]\r\n"
            "Left=120\r\n"
            "[MAIN]\r\n"
            "Later=in a second Main section\r\n");

    struct Case {
        const char *section, *key, *expected;
    };
    const Case cases[] = {
        {"Main", "BackupPath", "C:\\Data\\Backup\\"}, // backslashes are plain characters
        {"main", "backuppath", "C:\\Data\\Backup\\"}, // names match without regard to case
        {"Main", "ExportDelim", ","}, // blanks and tabs trimmed
        {"Main", "Quoted", "  spaced  "}, // one pair of quotes removed
        {"Main", "Single", "x"},
        {"Main", "Unbalanced", "\"x"},
        {"Main", "OnlyQuotes", ""},
        {"Main", "Inner", "a \"b\" c"},
        {"Main", "Empty", ""}, // "Key=" is an empty value, not the default
        {"Main", "Equals", "a=b"},
        {"Main", "Twice", "first"}, // the first match wins
        {"Main", "NoEquals", "<default>"},
        {"Main", "Accent", "café"}, // cp1252
        {"Form", "Left", "120"}, // the section name is trimmed
        {"Main", "Left", "<default>"},
        {"Main", "Later", "<default>"}, // only the first section of a name counts
        {"Main", "Stray", "<default>"},
        {"Print", "Left", "<default>"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.section) + "/" + c.key);
        EXPECT_EQ(readSetting(QString::fromLatin1(c.section), QString::fromLatin1(c.key),
                      QStringLiteral("<default>"), path),
            QString::fromUtf8(c.expected));
    }
    EXPECT_TRUE(prompter.boxes.isEmpty());
}

TEST_F(IniAccessTest, MissingFileGivesTheDefault)
{
    EXPECT_EQ(readSetting(QStringLiteral("Main"), QStringLiteral("BackupPath"),
                  QStringLiteral("/data/Backup/"), path),
        QStringLiteral("/data/Backup/"));
    EXPECT_TRUE(prompter.boxes.isEmpty());
}

TEST_F(IniAccessTest, LongValuesComeBackWhole)
{
    const QString fields = QStringLiteral("Date~~Time~~Systolic~~Diastolic~~").repeated(20);
    ASSERT_GT(fields.size(), 600);
    ASSERT_EQ(
        writeSetting(QStringLiteral("Main"), QStringLiteral("ExportFields"), fields, path), 1);
    EXPECT_EQ(readSetting(QStringLiteral("Main"), QStringLiteral("ExportFields"), QString(), path),
        fields);
}

TEST_F(IniAccessTest, WritesChangeOneLineAndKeepTheRest)
{
    struct Case {
        const char *name;
        QByteArray before;
        const char *section, *key, *value;
        QByteArray after;
    };
    const Case cases[] = {
        {"replaces in place, keeping the name as written",
            "; settings\r\n[Main]\r\n  backuppath = C:\\old\\ \r\nExportDelim=,\r\n", "Main",
            "BackupPath", "/home/u/Backup/",
            "; settings\r\n[Main]\r\n  backuppath =/home/u/Backup/\r\nExportDelim=,\r\n"},
        {"adds a key after the last line of its section",
            "[Main]\r\nA=1\r\n\r\n[Form]\r\nLeft=1\r\n", "main", "B", "2",
            "[Main]\r\nA=1\r\nB=2\r\n\r\n[Form]\r\nLeft=1\r\n"},
        {"adds a key to an empty section", "[Form]\r\n[Main]\r\nA=1", "Form", "Top", "5",
            "[Form]\r\nTop=5\r\n[Main]\r\nA=1"},
        {"adds a key after a last line without line break", "[Main]\r\nA=1", "Main", "B", "",
            "[Main]\r\nA=1\r\nB=\r\n"},
        {"adds a section at the end", "[Main]\r\nA=1\r\n", "Form", "Left", "0",
            "[Main]\r\nA=1\r\n\r\n[Form]\r\nLeft=0\r\n"},
        {"keeps other line ends and bytes as they were", "[Main]\nX=caf\xE9\nA=old\n[Form]\n",
            "Main", "A", "new", "[Main]\nX=caf\xE9\nA=new\n[Form]\n"},
        {"creates a missing file", QByteArray(), "Main", "DataPath", "", "[Main]\r\nDataPath=\r\n"},
        {"writes cp1252", QByteArray(), "Main", "Currency", "€ é",
            "[Main]\r\nCurrency=\x80 \xE9\r\n"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(path);
        if (!c.before.isNull())
            setFile(c.before);
        EXPECT_EQ(writeSetting(QString::fromLatin1(c.section), QString::fromLatin1(c.key),
                      QString::fromUtf8(c.value), path),
            1);
        EXPECT_EQ(file(), c.after);
        EXPECT_EQ(readSetting(QString::fromLatin1(c.section), QString::fromLatin1(c.key),
                      QStringLiteral("<default>"), path),
            QString::fromUtf8(c.value));
    }
    EXPECT_TRUE(prompter.boxes.isEmpty());
}

TEST_F(IniAccessTest, ValuesOutsideCp1252SurviveAsUtf8)
{
    const QString folder = QStringLiteral("/home/Łukasz/Документы/Vantorelle/Backup/");
    ASSERT_EQ(writeSetting(QStringLiteral("Main"), QStringLiteral("BackupPath"), folder, path), 1);
    EXPECT_EQ(
        readSetting(QStringLiteral("Main"), QStringLiteral("BackupPath"), QString(), path), folder);
}

TEST_F(IniAccessTest, FailedWriteTellsTheUserAndKeepsTheFile)
{
    setFile("[Main]\r\nA=1\r\n");
    const QString blocked = dir.filePath(QStringLiteral("no folder/vantorelleplus.ini"));
    EXPECT_EQ(
        writeSetting(QStringLiteral("Main"), QStringLiteral("A"), QStringLiteral("2"), blocked), 0);
    // A folder where the file should be cannot be read nor replaced.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.ini")));
    EXPECT_EQ(writeSetting(QStringLiteral("Main"), QStringLiteral("A"), QStringLiteral("2"),
                  dir.filePath(QStringLiteral("folder.ini"))),
        0);

    ASSERT_EQ(prompter.boxes.size(), 2);
    for (const FakePrompter::Box &box : prompter.boxes) {
        EXPECT_EQ(box.title, QStringLiteral("Vantorelle Rize"));
        EXPECT_EQ(box.buttons, Prompter::OkOnly);
        EXPECT_EQ(box.icon, Prompter::NoIcon);
    }
    // Each names its file and why it failed.
    EXPECT_EQ(prompter.boxes[0].text,
        QStringLiteral("An error occurred while writing to the ini file.\r\n\r\nFilename = ")
            + blocked + QStringLiteral(" (Path not found)"));
    EXPECT_TRUE(prompter.boxes[1].text.startsWith(
        QStringLiteral("An error occurred while writing to the ini file.\r\n\r\nFilename = ")
        + dir.filePath(QStringLiteral("folder.ini")) + QStringLiteral(" (")));
    EXPECT_EQ(file(), QByteArray("[Main]\r\nA=1\r\n"));
}
