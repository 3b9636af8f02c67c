#include "reports/date_range.h"

#include <gtest/gtest.h>

#include <string>

using namespace vantorelle;

namespace {

// The range from the 10th to the 20th of March 2024, switched on.
constexpr DateRange march {1, 20240310, 20240320};

struct MedicationCase {
    const char *name;
    double start, stop;
    bool taken;
};

void PrintTo(const MedicationCase &c, std::ostream *out)
{
    *out << c.name;
}

class MedicationPeriod : public ::testing::TestWithParam<MedicationCase> { };

TEST_P(MedicationPeriod, IsTakenWhenItOverlapsTheRange)
{
    EXPECT_EQ(march.takesPeriod(GetParam().start, GetParam().stop), GetParam().taken);
}

INSTANTIATE_TEST_SUITE_P(Range, MedicationPeriod,
    ::testing::Values(MedicationCase {"StartedBeforeNeverStopped", 20240305, 0, true},
        MedicationCase {"StoppedBeforeTheRange", 20240305, 20240308, false},
        MedicationCase {"RunsThroughTheRange", 20240305, 20240325, true},
        MedicationCase {"StartedWithinStoppedAfter", 20240312, 20240402, true},
        MedicationCase {"StartedBeforeStoppedWithin", 20240301, 20240315, true},
        MedicationCase {"StartedAfterNeverStopped", 20240321, 0, false},
        MedicationCase {"StartedAfterTheRange", 20240321, 20240330, false},
        MedicationCase {"NeitherDate", 0, 0, true},
        MedicationCase {"StartedOnTheFirstDay", 20240310, 0, true},
        MedicationCase {"StoppedOnTheFirstDay", 20240301, 20240310, true},
        MedicationCase {"StartedOnTheLastDay", 20240320, 20240401, true},
        MedicationCase {"StoppedTheDayBefore", 20240301, 20240309, false},
        MedicationCase {"StartedTheDayAfter", 20240321, 20240322, false}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(DateRange, TakesTheDaysOfTheRangeBothIncluded)
{
    EXPECT_FALSE(march.takes(20240309));
    EXPECT_TRUE(march.takes(20240310));
    EXPECT_TRUE(march.takes(20240320));
    EXPECT_FALSE(march.takes(20240321));
    EXPECT_FALSE(march.takes(0)); // a record without a date
    constexpr DateRange oneDay {1, 20240315, 20240315};
    EXPECT_TRUE(oneDay.takes(20240315));
    EXPECT_FALSE(oneDay.takes(20240316));
}

TEST(DateRange, OffTakesEveryRecordAnyOtherSwitchNone)
{
    constexpr DateRange off {0, 20240310, 20240320};
    EXPECT_TRUE(off.takes(0));
    EXPECT_TRUE(off.takes(19000101));
    EXPECT_TRUE(off.takesPeriod(20240401, 20240402));
    constexpr DateRange other {2, 20240310, 20240320};
    EXPECT_FALSE(other.takes(20240315));
    EXPECT_FALSE(other.takesPeriod(20240315, 0));
}

} // namespace
