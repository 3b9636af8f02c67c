#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "settings/password_window.h"
#include "settings/settings_globals.h"

namespace {

class PasswordWindow : public ::testing::Test {
protected:
    void SetUp() override { saved = TypedPassword; }
    void TearDown() override { TypedPassword = saved; }

    QString saved;
};

} // namespace

TEST_F(PasswordWindow, AsksForThePasswordAndMasksIt)
{
    frmPassword window;
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Input Password"));
    EXPECT_EQ(window.lblText->text(),
        QStringLiteral("Vantorelle Rize has been password protected. Please enter the "
                       "correct password:"));
    EXPECT_EQ(window.cmdSave->text(), QStringLiteral("&OK"));
    QTest::keyClicks(window.txtPassword, QStringLiteral("s3cret"));
    EXPECT_EQ(window.txtPassword->displayText(), QStringLiteral("******"));
}

TEST_F(PasswordWindow, EnterSubmitsTheTypedTextOnce)
{
    TypedPassword = QStringLiteral("");
    frmPassword window;
    QSignalSpy accepted(&window, &QDialog::accepted);
    QTimer::singleShot(0, &window, [&window] {
        QTest::keyClicks(window.txtPassword, QStringLiteral("Harvest Moon"));
        QTest::keyClick(window.txtPassword, Qt::Key_Return);
    });
    EXPECT_EQ(window.exec(), QDialog::Accepted);
    EXPECT_EQ(TypedPassword, QStringLiteral("Harvest Moon"));
    EXPECT_EQ(accepted.count(), 1);
}

TEST_F(PasswordWindow, OkSubmitsAnEmptyBoxAsEmptyText)
{
    TypedPassword = QStringLiteral("left over");
    frmPassword window;
    window.show();
    window.cmdSave->click();
    EXPECT_EQ(TypedPassword, QString());
    EXPECT_FALSE(window.isVisible());
}

TEST_F(PasswordWindow, CloseBoxLeavesTypedPasswordUnchanged)
{
    TypedPassword = QStringLiteral("first try");
    frmPassword window;
    QTimer::singleShot(0, &window, [&window] {
        QTest::keyClicks(window.txtPassword, QStringLiteral("second try"));
        window.close();
    });
    EXPECT_EQ(window.exec(), QDialog::Rejected);
    EXPECT_EQ(TypedPassword, QStringLiteral("first try"));
}
