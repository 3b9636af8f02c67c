#pragma once

#include <QString>

namespace vantorelle {

// One value of the settings file at a time (see settings/settings_file.h for
// how names and values are matched).

// The value of `key` in `section` of `file`, whole; `defaultValue` when the
// file, the section or the key is missing or the file cannot be read.
QString readSetting(
    const QString &section, const QString &key, const QString &defaultValue, const QString &file);

// Stores `value` as `key` in `section` of `file`, creating what is missing.
// Returns 1 on success; otherwise tells the user, naming the file and the
// reason, and returns 0.
qint16 writeSetting(
    const QString &section, const QString &key, const QString &value, const QString &file);

} // namespace vantorelle
