#include <gtest/gtest.h>

#include <QDir>
#include <QSignalSpy>

#include "settings/splash_window.h"
#include "support/fake_paths.h"

using namespace vantorelle;

TEST(SplashWindow, ShowsTheVersionAndStartsItsTimer)
{
    frmSplash splash;
    EXPECT_EQ(splash.lblTitle->text(), QStringLiteral("Vantorelle Rize"));
    EXPECT_EQ(splash.lblVersion->text(), QStringLiteral("Version: 5.5.2"));
    EXPECT_EQ(splash.Label1->text(), QStringLiteral("For the technical support, please go to:"));
    EXPECT_TRUE(splash.Timer1->isActive());
    EXPECT_EQ(splash.Timer1->interval(), 1500);
}

TEST(SplashWindow, TagStaysEmptyWhileEventsAreProcessedBeforeTheTimerFires)
{
    frmSplash splash;
    splash.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(splash.Tag(), QString());
}

TEST(SplashWindow, WaitReturnsOnceTheTimerHasMarkedTheTagExpired)
{
    frmSplash splash;
    splash.show();
    QSignalSpy expired(&splash, &frmSplash::expired);
    splash.waitUntilExpired();
    EXPECT_EQ(splash.Tag(), QStringLiteral("expired"));
    EXPECT_FALSE(splash.Timer1->isActive());
    EXPECT_EQ(expired.count(), 1);
}

TEST(SplashWindow, WaitAfterExpiryReturnsAtOnce)
{
    frmSplash splash;
    splash.Timer1->setInterval(1);
    splash.waitUntilExpired();
    // A second wait must not block: nothing would ever wake it.
    splash.waitUntilExpired();
    EXPECT_EQ(splash.Tag(), QStringLiteral("expired"));
}

TEST(SplashWindow, ShowsTheLogoShippedBesideTheProgram)
{
    const QString testData = qEnvironmentVariable("VANTORELLE_TEST_DATA");
    if (testData.isEmpty())
        GTEST_SKIP() << "VANTORELLE_TEST_DATA is set when ctest runs";
    // The source tree's data/ folder is what the build copies beside the program.
    FakePaths paths(
        QDir(testData + QStringLiteral("/../..")).canonicalPath() + QLatin1Char('/'), QString());
    frmSplash splash;
    EXPECT_FALSE(splash.Image1->pixmap().isNull());
}
