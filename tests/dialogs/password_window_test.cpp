#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "dialogs/password_window.h"
#include "support/find_control.h"

using namespace vantorelle;

TEST(PasswordWindow, AsksForThePasswordAndMasksIt)
{
    PasswordWindow window;
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Input Password"));
    EXPECT_EQ(findControl<QLabel>(window, "lblText")->text(),
        QStringLiteral("Vantorelle Rize has been password protected. Please enter the "
                       "correct password:"));
    EXPECT_EQ(findControl<QPushButton>(window, "cmdSave")->text(), QStringLiteral("&OK"));
    auto *password = findControl<QLineEdit>(window, "txtPassword");
    QTest::keyClicks(password, QStringLiteral("s3cret"));
    EXPECT_EQ(password->displayText(), QStringLiteral("******"));
}

TEST(PasswordWindow, EnterSubmitsTheTypedTextOnce)
{
    PasswordWindow window;
    QSignalSpy accepted(&window, &QDialog::accepted);
    QTimer::singleShot(0, &window, [&window] {
        auto *password = findControl<QLineEdit>(window, "txtPassword");
        QTest::keyClicks(password, QStringLiteral("Harvest Moon"));
        QTest::keyClick(password, Qt::Key_Return);
    });
    EXPECT_EQ(window.exec(), QDialog::Accepted);
    EXPECT_EQ(window.typedPassword(), QStringLiteral("Harvest Moon"));
    EXPECT_EQ(accepted.count(), 1);
}

TEST(PasswordWindow, OkSubmitsAnEmptyBoxAsEmptyText)
{
    PasswordWindow window;
    window.show();
    findControl<QPushButton>(window, "cmdSave")->click();
    EXPECT_EQ(window.result(), QDialog::Accepted);
    EXPECT_EQ(window.typedPassword(), QString());
    EXPECT_FALSE(window.isVisible());
}

TEST(PasswordWindow, CloseBoxSubmitsNothing)
{
    PasswordWindow window;
    QTimer::singleShot(0, &window, [&window] {
        QTest::keyClicks(
            findControl<QLineEdit>(window, "txtPassword"), QStringLiteral("second try"));
        window.close();
    });
    EXPECT_EQ(window.exec(), QDialog::Rejected);
    EXPECT_EQ(window.typedPassword(), QString());
}
