#include "settings/settings_file.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

using namespace vantorelle;

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// Found by fuzzing: a file whose lines end in LF alone is split on LF, so a
// line added with CR LF made the whole file one line for the next reader and
// every other value unreadable. Added lines take the file's own line end.
TEST(SettingsFile, AddedLinesEndAsTheFileLinesEnd)
{
    struct Case {
        QByteArray before;
        QString section;
        QByteArray after;
    };
    const Case cases[] = {
        {"[Form]\nLeft=10\n[Main]\nDataPath=\n", "Form",
            "[Form]\nLeft=10\nWidth=9000\n[Main]\nDataPath=\n"},
        {"[Main]\nDataPath=\n[Form]\nLeft=10", "Form",
            "[Main]\nDataPath=\n[Form]\nLeft=10\nWidth=9000\n"},
        {"[Main]\nDataPath=\n", "Form", "[Main]\nDataPath=\n\n[Form]\nWidth=9000\n"},
        {"[Form]\r\nLeft=10\r\n", "Form", "[Form]\r\nLeft=10\r\nWidth=9000\r\n"},
        {"[Main]", "Form", "[Main]\r\n\r\n[Form]\r\nWidth=9000\r\n"},
        {"", "Form", "[Form]\r\nWidth=9000\r\n"},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(SettingsFile::withValue(c.before, c.section, "Width", "9000"), c.after)
            << c.before.toStdString();
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("vantorelleplus.ini"));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(c.before);
        file.close();

        SettingsFile::write(path, c.section, QStringLiteral("Width"), QStringLiteral("9000"));
        EXPECT_EQ(readAll(path), c.after) << c.before.toStdString();
        EXPECT_EQ(
            SettingsFile::read(path, c.section, QStringLiteral("Width")), QStringLiteral("9000"));
        if (c.before.contains("Left")) {
            EXPECT_EQ(SettingsFile::read(path, QStringLiteral("Form"), QStringLiteral("Left")),
                QStringLiteral("10"));
        }
        if (c.before.contains("DataPath")) {
            EXPECT_EQ(SettingsFile::read(path, QStringLiteral("Main"), QStringLiteral("DataPath")),
                QString(""));
        }
    }
}

// The file's bytes in memory read as the file does.
TEST(SettingsFile, ReadsValuesFromBytes)
{
    const QByteArray content
        = "[Main]\r\nDataPath = \"C:\\Data\\\" \r\nEmpty=\r\ndatapath=second\r\n"
          "[Other]\r\nKey=1\r\n";
    const struct {
        const char *section, *key;
        std::optional<QString> value;
    } cases[] = {
        {"Main", "DataPath", "C:\\Data\\"}, // trimmed, quotes removed, backslashes kept
        {"MAIN", "DATAPATH", "C:\\Data\\"}, // names without regard to case; the first wins
        {"Main", "Empty", ""},
        {"Main", "Key", std::nullopt},
        {"Other", "Key", "1"},
        {"None", "Key", std::nullopt},
    };
    for (const auto &c : cases)
        EXPECT_EQ(SettingsFile::readBytes(content, c.section, c.key), c.value)
            << c.section << "/" << c.key;
    EXPECT_EQ(SettingsFile::readBytes(QByteArray(), "Main", "DataPath"), std::nullopt);
}

} // namespace
