#include "store/clock.h"
#include "store/stored_dates.h"

#include <gtest/gtest.h>

using namespace vantorelle;

namespace {

TEST(StoredDates, LeadingNumber)
{
    const std::pair<const char *, double> cases[] = {
        {"07", 7},
        {"7:", 7},
        {"ab", 0},
        {"", 0},
        {"  42x", 42},
        {"-3", -3},
        {"1.5", 1.5},
        {".", 0},
    };
    for (const auto &[text, number] : cases)
        EXPECT_DOUBLE_EQ(leadingNumber(text), number) << text;
}

TEST(StoredDates, FormatStoredDateByFormatAndSeparator)
{
    struct Case {
        const char *format, *separator, *date, *shown;
    };
    const Case cases[] = {
        {"mmddyyyy", "/", "20090305", "03/05/2009"},
        {"ddmmyyyy", ".", "20090305", "05.03.2009"},
        {"yyyymmdd", "-", "20090305", "2009-03-05"},
        {"DDMMYYYY", "/", "20090305", "03/05/2009"},
        {"anything", "/", "20090305", "03/05/2009"},
        {"ddmmyyyy", "/", "", ""},
        {"mmddyyyy", "/", "1990", "/90/1990"},
        {"mmddyyyy", "/", "x", "/x/x"},
        {"yyyymmdd", " - ", "20090305", "2009 - 03 - 05"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(formatStoredDate(c.date, dateFormatFromText(c.format), c.separator), c.shown)
            << c.format << c.date;
}

TEST(StoredDates, TwelveHourTime)
{
    const std::pair<const char *, const char *> cases[] = {
        {"00:00", "12:00 AM"},
        {"00:30", "12:30 AM"},
        {"09:05", "9:05 AM"},
        {"11:59", "11:59 AM"},
        {"12:00", "12:00 PM"},
        {"13:30", "1:30 PM"},
        {"23:59", "11:59 PM"},
        {"", ""},
        {"24:00", "12:00 PM"},
        {"7:45", "7:45 AM"},
        {"ab:cd", "12:cd AM"},
        {"5", "55 AM"},
    };
    for (const auto &[stored, shown] : cases)
        EXPECT_EQ(twelveHourTime(stored), shown) << stored;
}

TEST(StoredDates, CalcAgeCountsTheBirthday)
{
    FixedClock today({2010, 5, 12, 10, 0, 0});
    Clock::install(&today);
    const std::pair<const char *, const char *> cases[] = {
        {"19900512", "20"},
        {"19900513", "19"},
        {"19900511", "20"},
        {"20100101", ""},
        {"20100512", ""},
        {"20100601", "-1"},
        {"20120101", "-2"},
        {"1990", "20"},
        {"", ""},
    };
    for (const auto &[birth, age] : cases)
        EXPECT_EQ(ageInYears(birth), age) << birth;
    Clock::install(nullptr);
}

TEST(StoredDates, ValueCodes)
{
    EXPECT_EQ(activityCode("No"), "01");
    for (const char *value : {"Yes", "", "no", "NO", "No "})
        EXPECT_EQ(activityCode(value), "00") << value;

    std::string empty;
    EXPECT_EQ(defaultedTime(empty), "00:00");
    EXPECT_EQ(empty, "00:00");
    std::string time = "14:30";
    EXPECT_EQ(defaultedTime(time), "14:30");
    EXPECT_EQ(time, "14:30");
}

TEST(StoredDates, PaddedWholeNumber)
{
    EXPECT_EQ(paddedWholeNumber(79759684, 8), "79759684");
    EXPECT_EQ(paddedWholeNumber(42, 4), "0042");
    EXPECT_EQ(paddedWholeNumber(-1, 8), "-00000001");
    EXPECT_EQ(paddedWholeNumber(2.5, 1), "3");
    EXPECT_EQ(paddedWholeNumber(123456, 4), "123456");
}

} // namespace
