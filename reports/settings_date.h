#pragma once

#include <QDate>
#include <QString>

namespace vantorelle {

// The dates the print options keep in the settings file ("PrintDateStart",
// "PrintDateEnd"), in one form whatever the user's locale: month/day/year
// with a four-digit year ("6/11/2024"), the form settings files of earlier
// installations hold.

// Today's date from the program's clock: what a date the windows keep holds
// until the user chooses another.
QDate today();

QString settingsDateText(QDate date);

// The date a settings text holds: month/day/year, or year-month-day when it
// begins with a four-digit year ("2024-06-11"); any separators; a two-digit
// year is 1930..2029. Whatever follows the date (a time of day) is ignored.
// Throws AppError (type mismatch) when the text holds no such date.
QDate dateFromSettingsText(const QString &text);

// The date of `key` in section "Main" of the settings file, or `fallback`
// when the key is missing or holds no date.
QDate settingsDateOr(const QString &settingsFile, const QString &key, QDate fallback);

} // namespace vantorelle
