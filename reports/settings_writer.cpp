#include "reports/settings_writer.h"

#include "settings/ini_access.h"

namespace vantorelle {

void writeSettings(const QString &settingsFile, const SettingsValues &values)
{
    for (const auto &[key, value] : values) {
        if (WriteIni(QStringLiteral("Main"), key, value, settingsFile) != 1)
            return;
    }
}

} // namespace vantorelle
