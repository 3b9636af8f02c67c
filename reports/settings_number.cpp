#include "reports/settings_number.h"

#include "settings/settings_access.h"
#include "store/stored_dates.h"

namespace vantorelle {

double settingsNumber(const QString &settingsFile, const QString &key, const QString &defaultValue)
{
    const QString text = readSetting(QStringLiteral("Main"), key, defaultValue, settingsFile);
    return leadingNumber(text.toLatin1().toStdString());
}

} // namespace vantorelle
