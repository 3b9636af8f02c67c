#include "reports/profile_report_options.h"

#include "reports/profile_sections.h"
#include "reports/settings_date.h"
#include "reports/settings_number.h"
#include "settings/settings_access.h"

#include <cmath>
#include <limits>

namespace vantorelle {

namespace {

int yyyymmdd(QDate date)
{
    return date.year() * 10000 + date.month() * 100 + date.day();
}

QDate settingsDate(const QString &settingsFile, const QString &key, QDate today)
{
    return dateFromSettingsText(
        readSetting(QStringLiteral("Main"), key, settingsDateText(today), settingsFile));
}

// The switch as a whole number, halves to even; a number beyond any switch
// value stays apart from 0 and 1.
int switchValue(double number)
{
    const double whole = std::nearbyint(number);
    if (!(std::abs(whole) <= std::numeric_limits<short>::max()))
        return -1;
    return static_cast<int>(whole);
}

} // namespace

ProfileReportOptions::ProfileReportOptions()
{
    printed.fill(true);
    details.fill(false);
}

ProfileReportOptions ProfileReportOptions::read(const QString &settingsFile, QDate today)
{
    ProfileReportOptions options;
    for (const ProfileSection &section : profileSections) {
        const int n = section.number;
        options.printed[n] = settingsNumber(settingsFile, QStringLiteral("PrintSection%1").arg(n),
                                 QStringLiteral("1"))
            == 1;
        if (section.forms == SectionForms::Chosen)
            options.details[n]
                = settingsNumber(settingsFile, QStringLiteral("PrintSectionType%1").arg(n),
                      QStringLiteral("0"))
                != 0;
    }
    options.range.switchValue = switchValue(
        settingsNumber(settingsFile, QStringLiteral("PrintDateRange"), QStringLiteral("0")));
    if (options.range.switchValue == 1) {
        options.range.first
            = yyyymmdd(settingsDate(settingsFile, QStringLiteral("PrintDateStart"), today));
        options.range.last
            = yyyymmdd(settingsDate(settingsFile, QStringLiteral("PrintDateEnd"), today));
    }
    return options;
}

} // namespace vantorelle
