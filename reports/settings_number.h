#pragma once

#include <QString>

namespace vantorelle {

// A number the print options keep in section "Main" of the settings file: the
// number the text of `key` begins with (0 for none; `defaultValue` when the key
// is missing).
double settingsNumber(const QString &settingsFile, const QString &key, const QString &defaultValue);

// A choice a window keeps as a whole number from 0 to `highest` (a check box,
// a list's index): the number of `key`, rounded halves to even, or
// `defaultValue` when the key is missing or its number is out of range.
int settingsChoice(const QString &settingsFile, const QString &key, int defaultValue, int highest);

} // namespace vantorelle
