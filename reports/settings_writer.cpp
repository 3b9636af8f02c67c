#include "reports/settings_writer.h"

#include "settings/settings_access.h"

namespace vantorelle {

void writeSettings(const QString &settingsFile, const SettingsValues &values)
{
    for (const auto &[key, value] : values) {
        if (writeSetting(QStringLiteral("Main"), key, value, settingsFile) != 1)
            return;
    }
}

} // namespace vantorelle
