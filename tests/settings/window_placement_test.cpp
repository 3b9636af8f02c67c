#include <gtest/gtest.h>

#include "settings/settings_access.h"
#include "settings/window_placement.h"
#include "support/fake_prompter.h"

#include <QFile>
#include <QTemporaryDir>
#include <QWidget>

using namespace vantorelle;

namespace {

class FormPlacementTest : public ::testing::Test {
protected:
    void setFile(const QByteArray &bytes)
    {
        QFile file(settingsFile);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QTemporaryDir dir;
    const QString settingsFile = dir.filePath(QStringLiteral("vantorelleplus.ini"));
    FakePrompter prompter;
};

} // namespace

TEST_F(FormPlacementTest, PlacementIsSavedInTwipsAndRestored)
{
    QWidget form;
    form.move(100, 50);
    form.resize(800, 600);
    saveWindowPlacement(&form, settingsFile);

    EXPECT_TRUE(prompter.boxes.isEmpty());
    const char *keys[] = {"Left", "Top", "Width", "Height"};
    const char *twips[] = {"1500", "750", "12000", "9000"};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(
            readSetting(QStringLiteral("Form"), QLatin1String(keys[i]), QString(), settingsFile),
            QLatin1String(twips[i]));
    }

    QWidget restored;
    restoreWindowPlacement(&restored, settingsFile);
    EXPECT_EQ(restored.pos(), QPoint(100, 50));
    EXPECT_EQ(restored.size(), QSize(800, 600));
}

TEST_F(FormPlacementTest, MinimisedWindowKeepsThePreviousPlacement)
{
    setFile("[Form]\r\nLeft=15\r\nTop=30\r\nWidth=9000\r\nHeight=6000\r\n");
    QWidget form;
    form.resize(500, 400);
    form.setWindowState(Qt::WindowMinimized);
    saveWindowPlacement(&form, settingsFile);

    QFile file(settingsFile);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(
        file.readAll(), QByteArray("[Form]\r\nLeft=15\r\nTop=30\r\nWidth=9000\r\nHeight=6000\r\n"));
}

TEST_F(FormPlacementTest, OnlyAWholePlacementIsRestored)
{
    struct Case {
        const char *name;
        QByteArray file;
        QRect expected; // left, top, width, height in pixels
    };
    const QRect untouched(7, 8, 640, 480);
    const Case cases[] = {
        {"no settings file", QByteArray(), untouched},
        {"no Form section", "[Main]\r\nLeft=15\r\n", untouched},
        {"Left alone", "[Form]\r\nLeft=1500\r\n", untouched},
        {"Height missing", "[Form]\r\nLeft=1500\r\nTop=750\r\nWidth=12000\r\n", untouched},
        {"empty value", "[Form]\r\nLeft=1500\r\nTop=\r\nWidth=12000\r\nHeight=9000\r\n", untouched},
        {"not a number", "[Form]\r\nLeft=1500\r\nTop=abc\r\nWidth=12000\r\nHeight=9000\r\n",
            untouched},
        {"beyond 32 bits", "[Form]\r\nLeft=1500\r\nTop=750\r\nWidth=99999999999\r\nHeight=9000\r\n",
            untouched},
        {"whole placement", "[Form]\r\nLeft=1500\r\nTop=-150\r\nWidth=12000\r\nHeight=9000\r\n",
            QRect(100, -10, 800, 600)},
        {"fractions rounded",
            "[Form]\r\nLeft=1499.6\r\nTop= 750 \r\nWidth=12000\r\nHeight=9000.4\r\n",
            QRect(100, 50, 800, 600)},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(settingsFile);
        if (!c.file.isNull())
            setFile(c.file);
        QWidget form;
        form.move(untouched.topLeft());
        form.resize(untouched.size());
        restoreWindowPlacement(&form, settingsFile);
        EXPECT_EQ(QRect(form.pos(), form.size()), c.expected);
    }
    EXPECT_TRUE(prompter.boxes.isEmpty());
}
