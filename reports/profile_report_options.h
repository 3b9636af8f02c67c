#pragma once

#include "reports/date_range.h"

#include <QDate>
#include <QString>

#include <array>

namespace vantorelle {

// What the profile report holds, as the print options keep it in the
// settings file (section "Main").
struct ProfileReportOptions {
    static constexpr int sectionCount = 15;

    // Section n is printed ("PrintSection<n>" equals 1; missing: printed).
    std::array<bool, sectionCount> printed;
    // Section n is printed in its details form ("PrintSectionType<n>" is not
    // 0; missing: the list form). Read for the sections that offer the choice.
    std::array<bool, sectionCount> details;
    // "PrintDateRange" (missing: 0), "PrintDateStart" and "PrintDateEnd"
    // (missing: `today`), the days read only while the range is on.
    DateRange range;

    // Every section, in its list form, with no date range.
    ProfileReportOptions();

    // The options the settings file `settingsFile` holds. Throws AppError
    // when the range is on and a day is not a date.
    static ProfileReportOptions read(const QString &settingsFile, QDate today);
};

} // namespace vantorelle
