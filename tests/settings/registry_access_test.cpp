#include <gtest/gtest.h>

#include "platform/app_error.h"
#include "settings/registry_access.h"
#include "support/fake_registry.h"

#include <QDate>

using namespace vantorelle;

namespace {

class RegistryAccessTest : public ::testing::Test {
protected:
    FakeRegistry registry;
};

} // namespace

TEST_F(RegistryAccessTest, ValuesReadByKind)
{
    registry.user = {
        {"data_path", QStringLiteral("/home/u/Documents/Vantorelle/")},
        {"blob", QByteArray("\x01\x00\x02", 3)},
        {"count", 42},
        {"huge", qlonglong(1) << 40},
        {"list", QStringList {"a", "b"}},
        {"when", QDate(2026, 12, 8)},
        {"flag", true},
    };
    struct Case {
        const char *name;
        QVariant expected;
    };
    const Case cases[] = {
        {"data_path", QStringLiteral("/home/u/Documents/Vantorelle/")},
        {"blob", QByteArray("\x01\x00\x02", 3)},
        {"count", 42},
        {"huge", QString()},
        {"list", QStringLiteral("a") + QChar(0) + QStringLiteral("b")},
        {"when", QString()},
        {"flag", QString()},
        {"missing", QStringLiteral("<default>")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const QVariant value = readRegistryValue(RegistryScope::CurrentUser,
            QLatin1String(programRegistryKey), QLatin1String(c.name), QStringLiteral("<default>"));
        EXPECT_EQ(value.typeId(), c.expected.typeId());
        EXPECT_EQ(value, c.expected);
    }
}

TEST_F(RegistryAccessTest, MissingKeyOrValueGivesTheDefaultUnchanged)
{
    registry.machine = {{"install_type", QStringLiteral("WM")}};
    EXPECT_EQ(
        readRegistryValue(RegistryScope::LocalMachine,
            QStringLiteral("software\\brasselwicket\\vantorelle"), QStringLiteral("install_type")),
        QStringLiteral("WM"));
    EXPECT_EQ(readRegistryValue(RegistryScope::LocalMachine, QStringLiteral("Software\\Other"),
                  QStringLiteral("install_type"), 7),
        QVariant(7));
    EXPECT_EQ(readRegistryValue(RegistryScope::CurrentUser, QLatin1String(programRegistryKey),
                  QStringLiteral("install_type"), 7),
        QVariant(7));
    EXPECT_FALSE(readRegistryValue(RegistryScope::CurrentUser, QLatin1String(programRegistryKey),
        QStringLiteral("install_type"))
                     .isValid());
}

TEST_F(RegistryAccessTest, ValuesStoredByKind)
{
    struct Case {
        const char *name;
        QVariant value, stored;
    };
    const Case cases[] = {
        {"text", QStringLiteral("Palm"), QStringLiteral("Palm")},
        {"byte", QVariant::fromValue(uchar(0xFE)), QByteArray(1, '\xFE')},
        {"short", QVariant::fromValue(short(-3)), -3},
        {"long", 70000, 70000},
        {"bytes", QByteArray("ab"), QByteArray("ab")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_TRUE(writeRegistryValue(RegistryScope::CurrentUser,
            QLatin1String(programRegistryKey), QLatin1String(c.name), c.value));
        EXPECT_EQ(registry.user.value(QLatin1String(c.name)), c.stored);
    }
}

TEST_F(RegistryAccessTest, UnsupportedKindsStoreNothing)
{
    for (const QVariant &value : {QVariant(QDate(2026, 12, 8)), QVariant(true), QVariant(1.5)}) {
        try {
            writeRegistryValue(RegistryScope::CurrentUser, QLatin1String(programRegistryKey),
                QStringLiteral("install_date"), value);
            ADD_FAILURE() << "no error";
        } catch (const AppError &e) {
            EXPECT_EQ(e.number(), 1001);
            EXPECT_EQ(e.description(), QStringLiteral("Unsupported value type"));
        }
    }
    EXPECT_TRUE(registry.user.isEmpty());
}

TEST_F(RegistryAccessTest, WritesThatCannotHappenAreFalse)
{
    EXPECT_FALSE(writeRegistryValue(RegistryScope::LocalMachine, QLatin1String(programRegistryKey),
        QStringLiteral("install_type"), QStringLiteral("WM")));
    EXPECT_FALSE(writeRegistryValue(RegistryScope::CurrentUser, QStringLiteral("Software\\Other"),
        QStringLiteral("install_type"), QStringLiteral("WM")));
    registry.failWrites = true;
    EXPECT_FALSE(writeRegistryValue(RegistryScope::CurrentUser, QLatin1String(programRegistryKey),
        QStringLiteral("install_type"), QStringLiteral("WM")));
    EXPECT_TRUE(registry.user.isEmpty());
    EXPECT_TRUE(registry.machine.isEmpty());
}
