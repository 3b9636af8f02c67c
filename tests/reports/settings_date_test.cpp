#include "platform/app_error.h"
#include "reports/settings_date.h"

#include <gtest/gtest.h>

using namespace vantorelle;

TEST(SettingsDate, ReadsTheFormsSettingsFilesHold)
{
    const struct {
        const char *text;
        QDate date;
    } cases[] = {
        {"6/11/2024", QDate(2024, 6, 11)},
        {"06/01/2024", QDate(2024, 6, 1)},
        {"12/31/1999 11:59:00 PM", QDate(1999, 12, 31)}, // the time is ignored
        {" 3-4-2024", QDate(2024, 3, 4)},
        {"2024-06-11", QDate(2024, 6, 11)},
        {"2024/6/1", QDate(2024, 6, 1)},
        {"6/11/24", QDate(2024, 6, 11)},
        {"6/11/29", QDate(2029, 6, 11)},
        {"6/11/30", QDate(1930, 6, 11)},
    };
    for (const auto &c : cases)
        EXPECT_EQ(dateFromSettingsText(QString::fromLatin1(c.text)), c.date) << c.text;
}

TEST(SettingsDate, TextWithoutADateIsAFailure)
{
    for (const char *text : {"", "today", "13/1/2024", "2/30/2024", "6/11", "6/11/202"})
        EXPECT_THROW(dateFromSettingsText(QString::fromLatin1(text)), AppError) << text;
}

TEST(SettingsDate, WrittenDatesReadBack)
{
    EXPECT_EQ(settingsDateText(QDate(2024, 6, 1)), "6/1/2024");
    for (const QDate date : {QDate(2024, 6, 1), QDate(1999, 12, 31), QDate(2030, 1, 2)})
        EXPECT_EQ(dateFromSettingsText(settingsDateText(date)), date);
}
