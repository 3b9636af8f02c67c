#include "exchange/import_dates.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

using namespace vantorelle;

namespace {

constexpr auto monthFirst = ImportDateOrder::MonthDayYear;
constexpr auto dayFirst = ImportDateOrder::DayMonthYear;
const std::optional<std::string> refused;

struct DateCase {
    const char *name;
    const char *text;
    ImportDateOrder order;
    std::optional<std::string> stored;
};

void PrintTo(const DateCase &c, std::ostream *out)
{
    *out << c.name;
}

class ImportDateTable : public ::testing::TestWithParam<DateCase> { };

TEST_P(ImportDateTable, ConvertsOrRefuses)
{
    const DateCase &c = GetParam();
    EXPECT_EQ(importDate(c.text, c.order), c.stored) << '"' << c.text << '"';
}

const DateCase dateCases[] = {
    {"MonthFirstOneDigit", "3/7/2024", monthFirst, "20240307"},
    {"DayFirstOneDigit", "3/7/2024", dayFirst, "20240703"},
    {"MonthFirstTwoDigits", "12/25/2008", monthFirst, "20081225"},
    {"DayFirstTwoDigits", "25/12/2008", dayFirst, "20081225"},
    {"LeadingZeros", "03/07/2024", monthFirst, "20240307"},
    {"BlanksAround", "  3/7/2024 ", monthFirst, "20240307"},
    {"TabAround", "\t3/7/2024", dayFirst, "20240703"},
    {"LastDayOfMonth", "4/30/2024", monthFirst, "20240430"},
    {"Feb29LeapYear", "2/29/2024", monthFirst, "20240229"},
    {"Feb29LeapCentury", "29/2/2000", dayFirst, "20000229"},
    {"Feb29NonLeapYear", "2/29/2023", monthFirst, refused},
    {"Feb29NonLeapCentury", "2/29/1900", monthFirst, refused},
    {"DayOutsideMonth", "4/31/2024", monthFirst, refused},
    {"Day32", "1/32/2024", monthFirst, refused},
    {"Month13MonthFirst", "13/1/2024", monthFirst, refused},
    {"Month13DayFirst", "1/13/2024", dayFirst, refused},
    {"Month13ReadTheOtherWay", "13/1/2024", dayFirst, "20240113"},
    {"WrongOrder", "12/25/2008", dayFirst, refused},
    {"MonthZero", "0/5/2024", monthFirst, refused},
    {"DayZero", "5/0/2024", monthFirst, refused},
    {"YearZero", "1/1/0000", monthFirst, refused},
    {"TwoDigitYear", "12/25/08", monthFirst, refused},
    {"FiveDigitYear", "1/1/02024", monthFirst, refused},
    {"ThreeDigitMonth", "003/7/2024", monthFirst, refused},
    {"Hyphens", "3-7-2024", monthFirst, refused},
    {"ExtraPart", "3/7/2024/1", monthFirst, refused},
    {"TimeAfterDate", "3/7/2024 08:05", monthFirst, refused},
    {"BlankInsideDate", "3 /7/2024", monthFirst, refused},
    {"Sign", "+3/7/2024", monthFirst, refused},
    {"Empty", "", monthFirst, refused},
    {"Blanks", "   ", monthFirst, refused},
    {"Words", "March 7, 2024", monthFirst, refused},
};

INSTANTIATE_TEST_SUITE_P(Dates, ImportDateTable, ::testing::ValuesIn(dateCases),
    [](const ::testing::TestParamInfo<DateCase> &info) { return std::string(info.param.name); });

struct TimeCase {
    const char *name;
    const char *text;
    std::optional<std::string> stored;
};

void PrintTo(const TimeCase &c, std::ostream *out)
{
    *out << c.name;
}

class ImportTimeTable : public ::testing::TestWithParam<TimeCase> { };

TEST_P(ImportTimeTable, ConvertsOrRefuses)
{
    const TimeCase &c = GetParam();
    EXPECT_EQ(importTime(c.text), c.stored) << '"' << c.text << '"';
}

const TimeCase timeCases[] = {
    {"OneDigitHour", "8:05", "08:05"},
    {"TwoDigitHour", "08:05", "08:05"},
    {"Evening", "20:05", "20:05"},
    {"Midnight", "0:00", "00:00"},
    {"LastMinute", "23:59", "23:59"},
    {"SecondsDropped", "08:05:30", "08:05"},
    {"Pm", "8:05 PM", "20:05"},
    {"PmWithoutBlank", "8:05PM", "20:05"},
    {"PmLowerCase", "8:05 pm", "20:05"},
    {"Am", "8:05 AM", "08:05"},
    {"TwelveAm", "12:00 AM", "00:00"},
    {"TwelveThirtyAm", "12:30 am", "00:30"},
    {"TwelvePm", "12:00 PM", "12:00"},
    {"ElevenPm", "11:59 PM", "23:59"},
    {"SecondsAndPm", "8:05:30 PM", "20:05"},
    {"BlanksAround", " 8:05 ", "08:05"},
    {"EmptyIsNoTime", "", ""},
    {"BlanksAreNoTime", "  ", ""},
    {"Hour24", "24:00", refused},
    {"Minute60", "8:60", refused},
    {"OneDigitMinute", "8:5", refused},
    {"ThreeDigitHour", "123:00", refused},
    {"Second60", "8:05:60", refused},
    {"EmptySeconds", "8:05:", refused},
    {"ThirteenPm", "13:00 PM", refused},
    {"ZeroAm", "0:30 AM", refused},
    {"NoColon", "805", refused},
    {"Dot", "8.05", refused},
    {"OtherSuffix", "8:05 XM", refused},
    {"SplitSuffix", "8:05 P M", refused},
    {"SuffixOnly", "PM", refused},
    {"BlankInsideTime", "8 :05", refused},
    {"Words", "noon", refused},
};

INSTANTIATE_TEST_SUITE_P(Times, ImportTimeTable, ::testing::ValuesIn(timeCases),
    [](const ::testing::TestParamInfo<TimeCase> &info) { return std::string(info.param.name); });

} // namespace
