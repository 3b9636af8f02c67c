#include "platform/registry.h"

#include <QSettings>

namespace vantorelle {

namespace {

class SettingsRegistry : public Registry {
public:
    QVariant value(RegistryScope scope, const QString &name) const override
    {
        QSettings settings(QSettings::NativeFormat,
            scope == RegistryScope::CurrentUser ? QSettings::UserScope : QSettings::SystemScope,
            organisation, application);
        settings.setFallbacksEnabled(false);
        return settings.value(name);
    }

    bool setValue(const QString &name, const QVariant &value) override
    {
        QSettings settings(
            QSettings::NativeFormat, QSettings::UserScope, organisation, application);
        settings.setFallbacksEnabled(false);
        if (!settings.isWritable())
            return false;
        settings.setValue(name, value);
        settings.sync();
        return settings.status() == QSettings::NoError;
    }

private:
    static inline const QString organisation = QStringLiteral("Brasselwicket");
    static inline const QString application = QStringLiteral("Vantorelle");
};

SettingsRegistry settingsRegistry;
Registry *installed = nullptr;

} // namespace

Registry &registry()
{
    return installed ? *installed : settingsRegistry;
}

void installRegistry(Registry *registry)
{
    installed = registry;
}

} // namespace vantorelle
