#include <gtest/gtest.h>

#include <QDir>
#include <QLabel>
#include <QSignalSpy>
#include <QTimer>

#include "dialogs/splash_window.h"
#include "support/fake_paths.h"
#include "support/find_control.h"

using namespace vantorelle;

TEST(SplashWindow, ShowsTheVersionAndStartsItsTimer)
{
    SplashWindow splash;
    EXPECT_EQ(findControl<QLabel>(splash, "lblTitle")->text(), QStringLiteral("Vantorelle Rize"));
    EXPECT_EQ(findControl<QLabel>(splash, "lblVersion")->text(), QStringLiteral("Version: 5.5.2"));
    EXPECT_EQ(findControl<QLabel>(splash, "Label1")->text(),
        QStringLiteral("For the technical support, please go to:"));
    const auto *timer = splash.findChild<QTimer *>(QStringLiteral("Timer1"));
    ASSERT_TRUE(timer);
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 1500);
}

TEST(SplashWindow, NotExpiredWhileEventsAreProcessedBeforeTheTimerFires)
{
    SplashWindow splash;
    splash.show();
    QCoreApplication::processEvents();
    EXPECT_FALSE(splash.hasExpired());
}

TEST(SplashWindow, WaitReturnsOnceTheTimerHasFired)
{
    SplashWindow splash;
    splash.show();
    QSignalSpy expired(&splash, &SplashWindow::expired);
    splash.waitUntilExpired();
    EXPECT_TRUE(splash.hasExpired());
    EXPECT_FALSE(splash.findChild<QTimer *>(QStringLiteral("Timer1"))->isActive());
    EXPECT_EQ(expired.count(), 1);
}

TEST(SplashWindow, WaitAfterExpiryReturnsAtOnce)
{
    SplashWindow splash;
    splash.setShowTime(1);
    splash.waitUntilExpired();
    // A second wait must not block: nothing would ever wake it.
    splash.waitUntilExpired();
    EXPECT_TRUE(splash.hasExpired());
}

TEST(SplashWindow, ShowsTheLogoShippedBesideTheProgram)
{
    const QString testData = qEnvironmentVariable("VANTORELLE_TEST_DATA");
    if (testData.isEmpty())
        GTEST_SKIP() << "VANTORELLE_TEST_DATA is set when ctest runs";
    // The source tree's data/ folder is what the build copies beside the program.
    FakePaths paths(
        QDir(testData + QStringLiteral("/../..")).canonicalPath() + QLatin1Char('/'), QString());
    SplashWindow splash;
    EXPECT_FALSE(findControl<QLabel>(splash, "Image1")->pixmap().isNull());
}
