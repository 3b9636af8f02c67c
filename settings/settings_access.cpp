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

qint16 writeSetting(
    const QString &section, const QString &key, const QString &value, const QString &file)
{
    try {
        SettingsFile::write(file, section, key, value);
        return 1;
    } catch (const AppError &error) {
        prompter().ask(QString::fromUtf8(AppInfo::title),
            QStringLiteral("An error occurred while writing to the ini file.\r\n\r\nFilename = ")
                + file + QStringLiteral(" (") + error.description() + QLatin1Char(')'));
        return 0;
    }
}

void writeSettings(const QString &section, const SettingsValues &values, const QString &file)
{
    for (const auto &[key, value] : values) {
        if (writeSetting(section, key, value, file) != 1)
            return;
    }
}

} // namespace vantorelle
