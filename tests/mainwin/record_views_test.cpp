#include "mainwin/record_views.h"

#include "fixture_tables.h"
#include "store/clock.h"
#include "store/topics.h"

#include <gtest/gtest.h>

using namespace vantorelle;

namespace {

const std::string header = "{\\rtf1\\ansi {\\colortbl;\\red0\\green0\\blue255;}";

class ProfileSummaryTest : public ::testing::Test {
protected:
    void SetUp() override { Clock::install(&clock); }
    void TearDown() override { Clock::install(nullptr); }

    std::string summary(Topic topic, const std::string &profileKey)
    {
        MemoryTable &profiles = tables(TableId::MainID);
        profiles.moveFirst();
        EXPECT_TRUE(profiles.find(Criterion::equal("Key", profileKey)));
        ValueSources sources;
        sources.record = RecordRef::current(profiles);
        return recordViewText(recordView(topic), sources);
    }

    FixedClock clock {{2009, 3, 5, 7, 8, 9}};
    FixtureTables tables;
};

} // namespace

TEST_F(ProfileSummaryTest, PersonalShowsTheAgeAndEscapesEveryValue)
{
    EXPECT_EQ(summary(Topic::Personal, "doejane20080101101010p"),
        header
            + R"(\b Name:\b0\tab Jane Doe\line\b Birthdate:\b0\tab 06/15/1970 (Age: 38)\line)"
              R"(\b Gender:\b0\tab F\line\b Blood Type:\b0\tab A+\line)"
              R"(\b SSN:\b0\tab 123-45-6789\line\b Home Ph:\b0\tab 555-1234\line)"
              R"(\b Address:\b0\tab 1 Main St\line\tab Springfield\line)"
              R"(\b Pulse:\b0\tab 70\line\b Blood Press:\b0\tab 120/80\line)"
              R"(\b Height:\b0\tab 5'6"\line\b Weight:\b0\tab 140\line)"
              R"(\b Cholesterol:\b0\tab 180\line})");
}

TEST_F(ProfileSummaryTest, PersonalLabelsComeFromTheRecordsTypes)
{
    // An empty ID type still labels its number; a phone type is escaped as data.
    EXPECT_EQ(summary(Topic::Personal, "abbotbob20080101101012p"),
        header
            + R"(\b Name:\b0\tab Bob Abbot\line\b Birthdate:\b0\tab 01/01/2000 (Age: 9)\line)"
              R"(\b :\b0\tab 99\line\b \{Cell\}:\b0\tab 555-9\line})");
}

TEST_F(ProfileSummaryTest, AnAgeUnderOneYearIsEmpty)
{
    clock.set({2000, 6, 1, 0, 0, 0});
    EXPECT_NE(summary(Topic::Personal, "abbotbob20080101101012p")
                  .find(R"(\b Birthdate:\b0\tab 01/01/2000 (Age: )\line)"),
        std::string::npos);
}

TEST_F(ProfileSummaryTest, LegalShowsTheNameEvenWhenAllElseIsEmpty)
{
    EXPECT_EQ(summary(Topic::Legal, "doeadam20080101101011p"),
        header + R"(\b Name:\b0\tab Adam Doe\line})");
    EXPECT_EQ(summary(Topic::Legal, "doejane20080101101010p"),
        header
            + R"(\b Name:\b0\tab Jane Doe\line\b Marital Status:\b0\tab Married\line)"
              R"(\b Organ Donor:\b0\tab Yes\line\b Will:\b0\tab \{in the safe\}\line)"
              R"(\b Pwr of Attorney:\b0\tab John Doe\line\b Next of Kin:\b0\tab John Doe\line)"
              R"(\b Resusc Status:\b0\tab Full\line\b Notes:\b0\tab typed \\b here\line})");
}
