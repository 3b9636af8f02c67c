#pragma once

#include <QString>

#include <functional>
#include <utility>
#include <vector>

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

// Keys and their values, in the order they are written.
using SettingsValues = std::vector<std::pair<QString, QString>>;

// Told the message of a write that failed, which names the file and the reason.
using SettingsFailure = std::function<void(const QString &message)>;

// Stores `values` in `section` of `file`, one key after the other. When a
// write fails it is told once and the keys after it are left as they were:
// the next ones would fail the same way, each with a message of its own. It
// is told to `tell`, or to the user in a box when `tell` is empty.
void writeSettings(const QString &section, const SettingsValues &values, const QString &file,
    const SettingsFailure &tell = {});

} // namespace vantorelle
