#include <gtest/gtest.h>

#include "platform/registry.h"

#include <QSettings>
#include <QTemporaryDir>

using namespace vantorelle;

namespace {

// Points both scopes of the native settings at a temporary folder.
class RegistryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, userDir.path());
        QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, machineDir.path());
    }

    // What the installer leaves in the machine's key.
    void installerWrites(const QString &name, const QVariant &value)
    {
        QSettings machine(QSettings::NativeFormat, QSettings::SystemScope,
            QStringLiteral("Brasselwicket"), QStringLiteral("Vantorelle"));
        machine.setValue(name, value);
    }

    QTemporaryDir userDir, machineDir;
};

} // namespace

TEST_F(RegistryTest, UserValuesAreWrittenAndReadBack)
{
    const QString longPath = QStringLiteral("/home/user/") + QString(2000, QLatin1Char('d'))
        + QStringLiteral("/Vantorelle/");
    EXPECT_TRUE(registry().setValue(QStringLiteral("data_path"), longPath));
    EXPECT_TRUE(registry().setValue(QStringLiteral("install_type"), QStringLiteral("Palm")));
    EXPECT_EQ(registry().value(RegistryScope::CurrentUser, QStringLiteral("data_path")), longPath);
    EXPECT_EQ(registry().value(RegistryScope::CurrentUser, QStringLiteral("install_type")),
        QStringLiteral("Palm"));
    EXPECT_FALSE(
        registry().value(RegistryScope::CurrentUser, QStringLiteral("install_date")).isValid());
}

TEST_F(RegistryTest, ScopesAreKeptApart)
{
    installerWrites(QStringLiteral("install_type"), QStringLiteral("WM"));
    installerWrites(QStringLiteral("install_date"), QStringLiteral("2026-12-08"));
    registry().setValue(QStringLiteral("install_type"), QStringLiteral("Palm"));

    EXPECT_EQ(registry().value(RegistryScope::LocalMachine, QStringLiteral("install_type")),
        QStringLiteral("WM"));
    EXPECT_EQ(registry().value(RegistryScope::CurrentUser, QStringLiteral("install_type")),
        QStringLiteral("Palm"));
    // No fallback: the user has no install date even though the machine has one.
    EXPECT_FALSE(
        registry().value(RegistryScope::CurrentUser, QStringLiteral("install_date")).isValid());
}

TEST_F(RegistryTest, UnwritableStoreReportsFailure)
{
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
        userDir.filePath(QStringLiteral("missing/and/blocked")));
    QFile blocker(userDir.filePath(QStringLiteral("missing")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly)); // a file where the folder should be
    blocker.close();
    EXPECT_FALSE(registry().setValue(QStringLiteral("data_path"), QStringLiteral("/x/")));
}
