#include <gtest/gtest.h>

#include "dialogs/about_window.h"
#include "dialogs/os_version.h"
#include "support/fake_registry.h"
#include "support/find_control.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace vantorelle;

namespace {

class AboutWindowTest : public ::testing::Test {
protected:
    Installation installation {QStringLiteral("/opt/vantorelle/"),
        QStringLiteral("/home/ann/Documents/Vantorelle/"), Platform::Palm};

    // The text's lines without their CR LF ends (the text ends with one).
    static QStringList lines(const QString &text)
    {
        EXPECT_TRUE(text.endsWith(QStringLiteral("\r\n")));
        QStringList all = text.split(QStringLiteral("\r\n"));
        all.removeLast();
        return all;
    }

    FakeRegistry registry;
};

} // namespace

TEST_F(AboutWindowTest, InformationTextListsEveryLineInOrder)
{
    registry.machine = {{"app_path", "C:\\Program Files\\Vantorelle\\"},
        {"install_date", "20240115"}, {"install_type", "Palm"}};
    registry.user = {{"install_date", "20240116"}, {"install_type", "WM"}};

    const QStringList expected = {
        "Application: Vantorelle Rize",
        "Version: 5.5.2",
        "Platform: Windows PC and Palm OS",
        "OS: " + osVersionName(),
        "",
        "Data Path: /home/ann/Documents/Vantorelle/",
        "Program Path: /opt/vantorelle/",
        "",
        "HKLM\\app_path: C:\\Program Files\\Vantorelle\\",
        "HKLM\\install_date: 20240115",
        "HKLM\\install_type: Palm",
        "",
        "HKCU\\install_date: 20240116",
        "HKCU\\install_type: WM",
    };
    EXPECT_EQ(lines(AboutWindow::infoText(installation)), expected);
}

TEST_F(AboutWindowTest, MissingRegistryValuesShowNa)
{
    registry.machine = {{"install_type", "Win"}};
    registry.user = {{"install_date", "20240116"}};

    const QStringList shown = lines(AboutWindow::infoText(installation)).mid(8);
    const QStringList expected = {
        "HKLM\\app_path: na",
        "HKLM\\install_date: na",
        "HKLM\\install_type: Win",
        "",
        "HKCU\\install_date: 20240116",
        "HKCU\\install_type: na",
    };
    EXPECT_EQ(shown, expected);
}

TEST_F(AboutWindowTest, MachineValueDoesNotStandInForAMissingUserValue)
{
    registry.machine = {{"install_date", "20240115"}, {"install_type", "BB"}};

    const QStringList shown = lines(AboutWindow::infoText(installation));
    EXPECT_EQ(shown.at(12), QStringLiteral("HKCU\\install_date: na"));
    EXPECT_EQ(shown.at(13), QStringLiteral("HKCU\\install_type: na"));
}

TEST_F(AboutWindowTest, PlatformLineFollowsTheInstallType)
{
    const struct {
        const char *installType;
        const char *line;
    } cases[] = {
        {"Palm", "Platform: Windows PC and Palm OS"},
        {"WM", "Platform: Windows PC and Windows Mobile"},
        {"BB", "Platform: Windows PC and Blackberry"},
        {"Win", "Platform: Windows PC Only"},
        {"", "Platform: Unknown"},
        {"palm", "Platform: Unknown"},
        {"Symbian", "Platform: Unknown"},
    };
    for (const auto &c : cases) {
        installation.platform = platformNamed(QString::fromUtf8(c.installType));
        EXPECT_EQ(lines(AboutWindow::infoText(installation)).at(2), QString::fromUtf8(c.line))
            << "install type \"" << c.installType << "\"";
    }
}

TEST_F(AboutWindowTest, WindowShowsTheTextAsLinesUnderItsCaption)
{
    AboutWindow about(installation);
    EXPECT_EQ(about.windowTitle(), QStringLiteral("About Vantorelle Rize"));
    EXPECT_EQ(findControl<QLabel>(about, "lblTitle")->text(), QStringLiteral("Vantorelle Rize"));
    EXPECT_EQ(findControl<QLabel>(about, "Label1")->text(),
        QStringLiteral("For technical support, please go to:"));
    EXPECT_EQ(findControl<QPlainTextEdit>(about, "txtInfo")->toPlainText(),
        AboutWindow::infoText(installation).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

TEST_F(AboutWindowTest, OkClosesTheWindow)
{
    AboutWindow about(installation);
    about.show();
    findControl<QPushButton>(about, "cmdOK")->click();
    EXPECT_FALSE(about.isVisible());
    EXPECT_EQ(about.result(), QDialog::Accepted);
}
