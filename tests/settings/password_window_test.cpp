#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "settings/password_window.h"

using namespace vantorelle;

TEST(PasswordWindow, AsksForThePasswordAndMasksIt)
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

TEST(PasswordWindow, EnterSubmitsTheTypedTextOnce)
{
    frmPassword window;
    QSignalSpy accepted(&window, &QDialog::accepted);
    QTimer::singleShot(0, &window, [&window] {
        QTest::keyClicks(window.txtPassword, QStringLiteral("Harvest Moon"));
        QTest::keyClick(window.txtPassword, Qt::Key_Return);
    });
    EXPECT_EQ(window.exec(), QDialog::Accepted);
    EXPECT_EQ(window.typedPassword(), QStringLiteral("Harvest Moon"));
    EXPECT_EQ(accepted.count(), 1);
}

TEST(PasswordWindow, OkSubmitsAnEmptyBoxAsEmptyText)
{
    frmPassword window;
    window.show();
    window.cmdSave->click();
    EXPECT_EQ(window.result(), QDialog::Accepted);
    EXPECT_EQ(window.typedPassword(), QString());
    EXPECT_FALSE(window.isVisible());
}

TEST(PasswordWindow, CloseBoxSubmitsNothing)
{
    frmPassword window;
    QTimer::singleShot(0, &window, [&window] {
        QTest::keyClicks(window.txtPassword, QStringLiteral("second try"));
        window.close();
    });
    EXPECT_EQ(window.exec(), QDialog::Rejected);
    EXPECT_EQ(window.typedPassword(), QString());
}
