#include "reports/settings_date.h"

#include "platform/app_error.h"
#include "settings/settings_access.h"
#include "store/clock.h"

#include <QRegularExpression>

namespace vantorelle {

namespace {

// Two-digit years are read as the years 1930 to 2029.
constexpr int lastTwoDigitYear = 29;

} // namespace

QDate today()
{
    const LocalDateTime now = Clock::current().now();
    return QDate(now.year, now.month, now.day);
}

QString settingsDateText(QDate date)
{
    return QStringLiteral("%1/%2/%3").arg(date.month()).arg(date.day()).arg(date.year());
}

QDate dateFromSettingsText(const QString &text)
{
    static const QRegularExpression date(
        QStringLiteral("^\\s*(\\d{1,4})\\D{1,3}(\\d{1,2})\\D{1,3}(\\d{1,4})(?:\\D|$)"));
    const QRegularExpressionMatch match = date.match(text);
    if (!match.hasMatch())
        throw AppError(AppError::TypeMismatch);
    const bool yearFirst = match.capturedLength(1) == 4;
    int year = match.captured(yearFirst ? 1 : 3).toInt();
    const int month = match.captured(yearFirst ? 2 : 1).toInt();
    const int day = match.captured(yearFirst ? 3 : 2).toInt();
    const int yearDigits = match.capturedLength(yearFirst ? 1 : 3);
    if (yearDigits <= 2)
        year += year <= lastTwoDigitYear ? 2000 : 1900;
    else if (yearDigits != 4)
        throw AppError(AppError::TypeMismatch);
    const QDate result(year, month, day);
    if (!result.isValid())
        throw AppError(AppError::TypeMismatch);
    return result;
}

QDate settingsDateOr(const QString &settingsFile, const QString &key, QDate fallback)
{
    try {
        return dateFromSettingsText(
            readSetting(QStringLiteral("Main"), key, settingsDateText(fallback), settingsFile));
    } catch (const AppError &) {
        return fallback;
    }
}

} // namespace vantorelle
