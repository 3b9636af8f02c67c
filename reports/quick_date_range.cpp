#include "reports/quick_date_range.h"

#include <array>
#include <cstddef>

namespace vantorelle {

namespace {

struct RangeSpan {
    const char *name;
    int days;
    int months;
};

// In QuickDateRange order.
constexpr std::array<RangeSpan, quickDateRangeCount> spans = {{
    {"Last 7 days", 7, 0},
    {"Last 14 days", 14, 0},
    {"Last 1 month", 0, 1},
    {"Last 2 months", 0, 2},
    {"Last 3 months", 0, 3},
    {"Last 6 months", 0, 6},
    {"Last 9 months", 0, 9},
    {"Last 12 months", 0, 12},
}};

const RangeSpan &spanOf(QuickDateRange range)
{
    return spans[static_cast<std::size_t>(range)];
}

} // namespace

QString quickDateRangeName(QuickDateRange range)
{
    return QString::fromLatin1(spanOf(range).name);
}

QDate quickDateRangeStart(QuickDateRange range, QDate today)
{
    const RangeSpan &span = spanOf(range);
    return today.addDays(-span.days).addMonths(-span.months);
}

} // namespace vantorelle
