#include "reports/settings_number.h"

#include "settings/settings_access.h"
#include "store/stored_dates.h"

#include <cmath>

namespace vantorelle {

double settingsNumber(const QString &settingsFile, const QString &key, const QString &defaultValue)
{
    const QString text = readSetting(QStringLiteral("Main"), key, defaultValue, settingsFile);
    return leadingNumber(text.toLatin1().toStdString());
}

int settingsChoice(const QString &settingsFile, const QString &key, int defaultValue, int highest)
{
    const double whole
        = std::nearbyint(settingsNumber(settingsFile, key, QString::number(defaultValue)));
    if (!(whole >= 0 && whole <= highest))
        return defaultValue;
    return static_cast<int>(whole);
}

} // namespace vantorelle
