#include "settings/settings_access.h"

#include "platform/app_error.h"
#include "platform/prompter.h"
#include "settings/app_info.h"
#include "settings/settings_file.h"

namespace vantorelle {

QString readSetting(
    const QString &section, const QString &key, const QString &defaultValue, const QString &file)
{
    return SettingsFile::read(file, section, key).value_or(defaultValue);
}

namespace {

bool storeSetting(const QString &section, const QString &key, const QString &value,
    const QString &file, const SettingsFailure &tell)
{
    try {
        SettingsFile::write(file, section, key, value);
        return true;
    } catch (const AppError &error) {
        const QString message
            = QStringLiteral("An error occurred while writing to the ini file.\r\n\r\nFilename = ")
            + file + QStringLiteral(" (") + error.description() + QLatin1Char(')');
        if (tell)
            tell(message);
        else
            prompter().ask(QString::fromUtf8(AppInfo::title), message);
        return false;
    }
}

} // namespace

qint16 writeSetting(
    const QString &section, const QString &key, const QString &value, const QString &file)
{
    return storeSetting(section, key, value, file, {}) ? 1 : 0;
}

void writeSettings(const QString &section, const SettingsValues &values, const QString &file,
    const SettingsFailure &tell)
{
    for (const auto &[key, value] : values) {
        if (!storeSetting(section, key, value, file, tell))
            return;
    }
}

} // namespace vantorelle
