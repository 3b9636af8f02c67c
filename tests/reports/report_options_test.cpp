#include "platform/app_error.h"
#include "reports/master_list_options.h"
#include "reports/profile_report_options.h"
#include "support/temporary_install.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace vantorelle;

namespace {

const QDate today(2024, 6, 11);

class ReportOptions : public ::testing::Test {
protected:
    void writeSettings(const QByteArray &mainSection)
    {
        writeFile(file, "[Form]\r\nPrintSection3=0\r\n[Main]\r\n" + mainSection);
    }

    QTemporaryDir dir;
    QString file = dir.filePath("vantorelleplus.ini");
};

TEST_F(ReportOptions, WithoutSettingsEverySectionPrintsAsAListForAllDates)
{
    const ProfileReportOptions options = ProfileReportOptions::read(file, today);
    for (int n = 0; n < ProfileReportOptions::sectionCount; ++n) {
        EXPECT_TRUE(options.printed[n]) << n;
        EXPECT_FALSE(options.details[n]) << n;
    }
    EXPECT_EQ(options.range.switchValue, 0);
    EXPECT_TRUE(MasterListOptions::read(file).printed == MasterListOptions().printed);
}

TEST_F(ReportOptions, ASectionPrintsOnlyWhenItsNumberIsOne)
{
    writeSettings(
        "PrintSection0=0\r\nPrintSection1=2\r\nPrintSection2=yes\r\nPrintSection3=1.0\r\n"
        "PrintSection4= 1\r\nprintsection5=0\r\nPrintSection14=1st\r\nPrintSection13=\r\n");
    const ProfileReportOptions options = ProfileReportOptions::read(file, today);
    const bool expected[] = {false, false, false, true, true, false, true, true, true, true, true,
        true, true, false, true};
    for (int n = 0; n < ProfileReportOptions::sectionCount; ++n)
        EXPECT_EQ(options.printed[n], expected[n]) << "PrintSection" << n;
}

TEST_F(ReportOptions, DetailsAreReadForTheSectionsThatOfferThem)
{
    writeSettings("PrintSectionType1=1\r\nPrintSectionType3=2\r\nPrintSectionType4=0\r\n"
                  "PrintSectionType8=1\r\nPrintSectionType10=1\r\nPrintSectionType13=1\r\n"
                  "PrintSectionType0=1\r\n");
    const ProfileReportOptions options = ProfileReportOptions::read(file, today);
    for (int n = 0; n < ProfileReportOptions::sectionCount; ++n)
        EXPECT_EQ(options.details[n], n == 1 || n == 3 || n == 13) << "PrintSectionType" << n;
}

TEST_F(ReportOptions, TheRangeIsReadWhileItIsOn)
{
    writeSettings("PrintDateRange=1\r\nPrintDateStart=3/10/2024\r\nPrintDateEnd=2024-03-20\r\n");
    const DateRange range = ProfileReportOptions::read(file, today).range;
    EXPECT_EQ(range.switchValue, 1);
    EXPECT_EQ(range.first, 20240310);
    EXPECT_EQ(range.last, 20240320);
}

TEST_F(ReportOptions, AMissingDayIsToday)
{
    writeSettings("PrintDateRange=1\r\nPrintDateStart=1/2/2024\r\n");
    const DateRange range = ProfileReportOptions::read(file, today).range;
    EXPECT_EQ(range.first, 20240102);
    EXPECT_EQ(range.last, 20240611);
}

TEST_F(ReportOptions, AnUnreadableDayFailsOnlyWhileTheRangeIsOn)
{
    writeSettings("PrintDateRange=0\r\nPrintDateStart=soon\r\n");
    EXPECT_EQ(ProfileReportOptions::read(file, today).range.switchValue, 0);
    writeSettings("PrintDateRange=1\r\nPrintDateStart=soon\r\n");
    EXPECT_THROW(ProfileReportOptions::read(file, today), AppError);
}

TEST_F(ReportOptions, TheRangeSwitchIsAWholeNumber)
{
    const struct {
        const char *text;
        int switchValue;
    } cases[] = {{"0.4", 0}, {"0.6", 1}, {"1.5", 2}, {"2", 2}, {"yes", 0}, {"99999999", -1}};
    for (const auto &c : cases) {
        writeSettings(QByteArray("PrintDateRange=") + c.text + "\r\n");
        EXPECT_EQ(ProfileReportOptions::read(file, today).range.switchValue, c.switchValue)
            << c.text;
    }
}

TEST_F(ReportOptions, AMasterListPrintsOnlyWhenItsNumberIsOne)
{
    writeSettings("PrintList0=0\r\nPrintList1=1.0\r\nPrintList2=2\r\nPrintList3=yes\r\n"
                  "PrintSection4=0\r\n");
    const auto printed = MasterListOptions::read(file).printed;
    const std::array<bool, 6> expected {false, true, false, false, true, true};
    EXPECT_EQ(printed, expected);
}

} // namespace
