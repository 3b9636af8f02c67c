#pragma once

#include <QDate>
#include <QString>

namespace vantorelle {

// The quick date ranges of the graph window, in the order it lists them.
enum class QuickDateRange {
    Last7Days,
    Last14Days,
    Last1Month,
    Last2Months,
    Last3Months,
    Last6Months,
    Last9Months,
    Last12Months,
};
inline constexpr int quickDateRangeCount = 8;

// "Last 7 days" .. "Last 12 months".
QString quickDateRangeName(QuickDateRange range);

// The first day of `range` when it ends `today`: so many days, or months with
// the same day of the month, before it; a day the month lacks becomes its
// last day (one month before 31 March is 29 February in a leap year).
QDate quickDateRangeStart(QuickDateRange range, QDate today);

} // namespace vantorelle
