#include "reports/quick_date_range.h"

#include <gtest/gtest.h>

#include <ostream>

using namespace vantorelle;

namespace {

struct RangeCase {
    const char *name;
    QuickDateRange range;
    QDate today;
    QDate start;
};

void PrintTo(const RangeCase &c, std::ostream *out)
{
    *out << c.name;
}

class QuickDateRangeStart : public ::testing::TestWithParam<RangeCase> { };

TEST_P(QuickDateRangeStart, EndsToday)
{
    const RangeCase &c = GetParam();
    EXPECT_EQ(quickDateRangeStart(c.range, c.today), c.start);
}

INSTANTIATE_TEST_SUITE_P(Ranges, QuickDateRangeStart,
    ::testing::Values(
        RangeCase {"SevenDays", QuickDateRange::Last7Days, QDate(2024, 3, 3), QDate(2024, 2, 25)},
        RangeCase {
            "FourteenDays", QuickDateRange::Last14Days, QDate(2024, 1, 10), QDate(2023, 12, 27)},
        RangeCase {"OneMonth", QuickDateRange::Last1Month, QDate(2026, 3, 15), QDate(2026, 2, 15)},
        RangeCase {"ThreeMonthsIntoLastYear", QuickDateRange::Last3Months, QDate(2026, 2, 15),
            QDate(2025, 11, 15)},
        RangeCase {
            "NineMonths", QuickDateRange::Last9Months, QDate(2026, 10, 5), QDate(2026, 1, 5)},
        RangeCase {
            "TwelveMonths", QuickDateRange::Last12Months, QDate(2026, 6, 10), QDate(2025, 6, 10)},
        RangeCase {"ADayTheMonthLacks", QuickDateRange::Last1Month, QDate(2024, 3, 31),
            QDate(2024, 2, 29)},
        RangeCase {"LeapDayAYearBack", QuickDateRange::Last12Months, QDate(2024, 2, 29),
            QDate(2023, 2, 28)}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(QuickDateRange, NamesInListOrder)
{
    QStringList names;
    for (int range = 0; range < quickDateRangeCount; ++range)
        names << quickDateRangeName(static_cast<QuickDateRange>(range));
    EXPECT_EQ(names,
        QStringList({"Last 7 days", "Last 14 days", "Last 1 month", "Last 2 months",
            "Last 3 months", "Last 6 months", "Last 9 months", "Last 12 months"}));
}

} // namespace
