#include "reports/settings_number.h"

#include "settings/ini_access.h"
#include "store/stored_dates.h"

namespace vantorelle {

double settingsNumber(const QString &settingsFile, const QString &key, const QString &defaultValue)
{
    const QString text = ReadIni(QStringLiteral("Main"), key, defaultValue, settingsFile);
    return LeadingNumber(text.toLatin1().toStdString());
}

} // namespace vantorelle
