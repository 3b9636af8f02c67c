#include "store/keys.h"
#include "store/memory_table.h"
#include "store/record_status.h"

#include <gtest/gtest.h>

#include <map>

using namespace vantorelle;

namespace {

// Freezes the clock for one test.
class FrozenClock {
public:
    explicit FrozenClock(LocalDateTime at)
        : clock_(at)
    {
        Clock::install(&clock_);
    }
    ~FrozenClock() { Clock::install(nullptr); }
    void set(LocalDateTime at) { clock_.set(at); }

private:
    FixedClock clock_;
};

FieldLookup lookup(const std::map<std::string, std::string> &values)
{
    return [&values](std::string_view field) -> std::string_view {
        auto it = values.find(std::string(field));
        return it == values.end() ? std::string_view() : std::string_view(it->second);
    };
}

TEST(Keys, NewRecordKeyFromTheClock)
{
    FrozenClock clock({2009, 3, 5, 7, 8, 9});
    EXPECT_EQ(clockKey(), "20090305070809p");
    clock.set({2010, 12, 31, 23, 5, 0});
    EXPECT_EQ(clockKey(), "20101231230500p");
}

TEST(Keys, NextSecondCarries)
{
    EXPECT_EQ(clockKey(nextSecond({2010, 12, 31, 23, 59, 59})), "20110101000000p");
    EXPECT_EQ(clockKey(nextSecond({2024, 2, 28, 23, 59, 59})), "20240229000000p");
    EXPECT_EQ(clockKey(nextSecond({2023, 2, 28, 23, 59, 59})), "20230301000000p");
    EXPECT_EQ(clockKey(nextSecond({2009, 3, 5, 7, 8, 9})), "20090305070810p");
}

TEST(Keys, InvertDateAndTime)
{
    const std::pair<const char *, const char *> dates[] = {
        {"", "00000000"},
        {"20240315", "79759684"},
        {"99999999", "00000000"},
        {"abc", "99999999"},
        {"19000101", "80999898"},
        {"100000000", "-00000001"},
        {"123456789012345678901234567890", "-123456789012345677877719597056"},
    };
    for (const auto &[date, inverted] : dates)
        EXPECT_EQ(invertedDate(date), inverted) << date;
    const std::pair<const char *, const char *> times[] = {
        {"", "9999"},
        {"00:00", "9999"},
        {"14:30", "8569"},
        {"23:59", "7640"},
        {"7:45", "9992"},
    };
    for (const auto &[time, inverted] : times)
        EXPECT_EQ(invertedTime(time), inverted) << time;
}

TEST(Keys, KeyTextOf)
{
    EXPECT_EQ(keyTextOf("O'Brien*Smith"), "obriensmith");
    EXPECT_EQ(keyTextOf("Hay Fever, Severe"), "hay fever, severe");
    // cp1252 capitals: 0xC9 É, 0xDE Þ, 0x8A Š, 0x8C Œ, 0x8E Ž; 0xD7 × is no letter.
    EXPECT_EQ(keyTextOf("\xC9\xD7\xDE\x8A\x8C\x8E\xE9"), "\xE9\xD7\xFE\x9A\x9C\x9E\xE9");
}

TEST(Keys, RecipeOfEveryTable)
{
    using enum TableId;
    const std::string profile = "20090305070809p";
    const LocalDateTime clock {2024, 3, 15, 14, 30, 5};
    const std::string stamp = "20240315143005p";
    struct Case {
        TableId table;
        std::map<std::string, std::string> values;
        std::string key;
    };
    const Case cases[] = {
        {MainID, {}, stamp},
        {InsID, {}, stamp},
        {ProvID, {}, stamp},
        {MainNm, {{"First", "Ann"}, {"Last", "O'Lee"}}, "oleeann" + stamp},
        {InsXref, {{"Company", "ACME*"}, {"InsID", "20240102090000p"}},
            profile + "acme20240102090000p"},
        {ConXref, {{"ConFirst", "Bo"}, {"ConLast", "Dee"}, {"ConID", "20240102090000p"}},
            profile + "deebo20240102090000p"},
        {Allergy, {{"Allergy", "Hay Fever, Severe"}}, profile + "hay fever, severe"},
        {Illness, {{"Illness", "Flu"}, {"Date", "20240315"}}, profile + "79759684flu"},
        {Surgery, {{"Surgery", "Knee"}, {"Date", ""}}, profile + "00000000knee"},
        {Appt, {{"ProvID", "20200101000000p"}, {"Date", "20240315"}, {"Time", ""}},
            profile + "7975968400:0020200101000000p"},
        {Med, {{"Medication", "Aspirin"}, {"Date", "20240315"}, {"Active", "No"}},
            profile + "0179759684aspirin3005"},
        {Vacc, {{"Vaccination", "Tetanus"}, {"Date", "20240315"}}, profile + "tetanus79759684"},
        {Test, {{"Test", "A1C"}, {"Date", "20240315"}}, profile + "79759684" + stamp},
        {BP, {{"Date", "20240315"}, {"Time", "14:30"}}, profile + "797596848569" + stamp},
        {Chol, {{"Date", "20240315"}, {"Time", ""}}, profile + "797596849999" + stamp},
        {Weight, {{"Date", ""}, {"Time", "00:00"}}, profile + "000000009999" + stamp},
        {Glucose, {{"Date", "20240315"}, {"Time", "23:59"}}, profile + "797596847640" + stamp},
        {Family, {{"FamFirst", "Jo"}, {"FamLast", "Roe"}}, profile + "roejo" + stamp},
        {Location, {{"Key", "St. Mary's *Clinic*"}}, "St. Mary's *Clinic*"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(buildKey(c.table, profile, lookup(c.values), clock), c.key)
            << tableSpec(c.table).name;
}

TEST(Keys, RekeyLists)
{
    using enum TableId;
    using Fields = std::vector<std::string_view>;
    EXPECT_EQ(keyRecipe(BP).rekeyFields, (Fields {"SBP", "DBP", "Date", "Time"}));
    EXPECT_EQ(keyRecipe(Chol).rekeyFields, (Fields {"Total", "LDL", "Date", "Time"}));
    EXPECT_EQ(keyRecipe(Glucose).rekeyFields, (Fields {"Glucose", "Date", "Time"}));
    EXPECT_EQ(keyRecipe(Test).rekeyFields, (Fields {"Test", "Date"}));
    EXPECT_EQ(keyRecipe(Med).rekeyFields, (Fields {"Medication", "Date", "Active"}));
    EXPECT_TRUE(keyRecipe(MainID).rekeyFields.empty());
    EXPECT_FALSE(keyRecipe(Allergy).usesClock());
    EXPECT_TRUE(keyRecipe(Med).usesClock());
}

TEST(Keys, NewerReadingsSortFirst)
{
    using enum TableId;
    const LocalDateTime clock {2024, 3, 15, 9, 0, 0};
    const std::map<std::string, std::string> morning = {{"Date", "20240315"}, {"Time", "08:00"}};
    const std::map<std::string, std::string> evening = {{"Date", "20240315"}, {"Time", "18:00"}};
    const std::map<std::string, std::string> dayBefore = {{"Date", "20240314"}, {"Time", "23:00"}};
    const auto bp = [&](const auto &values) { return buildKey(BP, "p", lookup(values), clock); };
    EXPECT_LT(bp(evening), bp(morning));
    EXPECT_LT(bp(morning), bp(dayBefore));
    const auto appt
        = [&](const auto &values) { return buildKey(Appt, "p", lookup(values), clock); };
    EXPECT_LT(appt(morning), appt(evening)); // appointments of a day by ascending time
}

TEST(Keys, LongKeysAreCutTo200KeepingTheirStart)
{
    const std::map<std::string, std::string> values
        = {{"Surgery", std::string(200, 's')}, {"Date", "20240315"}};
    const std::string key = buildKey(TableId::Surgery, "20090305070809p", lookup(values), {});
    EXPECT_EQ(key.size(), 200u);
    EXPECT_TRUE(key.starts_with("20090305070809p79759684sss"));
}

TEST(Keys, ClockKeysAreUniqueInTheirTable)
{
    FrozenClock clock({2009, 3, 5, 7, 8, 9});
    MemoryTable profiles(tableColumns(TableId::MainID));
    const std::map<std::string, std::string> none;
    for (const char *status : {"0x0002", "0x0008", "0x0000"}) {
        const std::string key = uniqueKey(profiles, TableId::MainID, "", lookup(none));
        profiles.addNew();
        profiles.setValue("STATUS", status);
        profiles.setValue("Key", key);
        profiles.update();
    }
    profiles.setFilter(Criterion::standardFilter()); // the tombstone still holds its key
    EXPECT_EQ(uniqueKey(profiles, TableId::MainID, "", lookup(none)), "20090305070812p");

    // Keys without a clock part may repeat, as the recipes make them.
    MemoryTable allergies(tableColumns(TableId::Allergy));
    const std::map<std::string, std::string> values = {{"Allergy", "Dust"}};
    allergies.addNew();
    allergies.setValue("Key", "pdust");
    EXPECT_EQ(uniqueKey(allergies, TableId::Allergy, "p", lookup(values)), "pdust");
}

TEST(Keys, KeyWhoseClockPartWasCutStaysAsItIs)
{
    FrozenClock clock({2009, 3, 5, 7, 8, 9});
    MemoryTable family(tableColumns(TableId::Family));
    const std::map<std::string, std::string> values = {{"FamLast", std::string(250, 'r')}};
    const std::string key = uniqueKey(family, TableId::Family, "p", lookup(values));
    family.addNew();
    family.setValueAsRead(2, key);
    EXPECT_EQ(uniqueKey(family, TableId::Family, "p", lookup(values)), key);
}

} // namespace
