#pragma once

#include <QString>

namespace vantorelle {

// A number the print options keep in section "Main" of the settings file: the
// number the text of `key` begins with (0 for none; `defaultValue` when the key
// is missing).
double settingsNumber(const QString &settingsFile, const QString &key, const QString &defaultValue);

} // namespace vantorelle
