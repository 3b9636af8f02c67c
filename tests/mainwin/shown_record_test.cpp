#include "mainwin/shown_record.h"

#include "fixture_tables.h"
#include "mainwin/record_views.h"
#include "store/criterion.h"
#include "store/topics.h"

#include <gtest/gtest.h>

#include <optional>

using namespace vantorelle;

namespace {

const std::string header = "{\\rtf1\\ansi {\\colortbl;\\red0\\green0\\blue255;}";
const std::string jane = "doejane20080101101010p";

std::string view(const std::string &lines)
{
    return header + lines + "}";
}

struct Case {
    Topic topic;
    std::string key;
    std::string lines;
    ViewButton button = ViewButton::None;
    std::string masterKey = {};
};

class ShownRecordTest : public ::testing::Test {
protected:
    // The row of `topic`'s table with `key`; nullopt when there is none.
    std::optional<RowHandle> rowOf(Topic topic, const std::string &key)
    {
        MemoryTable &table = tables(recordView(topic).table);
        table.moveFirst();
        if (!table.find(Criterion::equal("Key", key)))
            return std::nullopt;
        return table.handle();
    }
    ShownRecord shown(Topic topic, const std::string &key)
    {
        return shownRecordOf(topic, rowOf(topic, key), tables.access(), prefs);
    }

    FixtureTables tables;
    DisplayPreferences prefs;
};

} // namespace

TEST_F(ShownRecordTest, ShowsEachTopicsLines)
{
    const Case cases[] = {
        {Topic::Insurance, "acmehealth20080101101010p",
            R"(\b Company:\b0\tab Acme Health\line\b Type:\b0\tab PPO\line)"
            R"(\b Group #:\b0\tab G-1\line\b Policy #:\b0\tab P-9\line\b Date:\b0\tab 01/02/2008\line)"
            R"(\b Phone:\b0\tab 555-0001\line\b Address:\b0\tab PO Box 1\line)"},
        {Topic::Contacts, "majormary20080101101010p",
            R"(\b Name:\b0\tab Major Mary\line\b Home Ph:\b0\tab 555-2000\line)"
            R"(\b Work Ph:\b0\tab 555-3000\line\b Notes:\b0\tab neighbour\line)"},
        {Topic::Contacts, "solo20080101101010p", R"(\b Name:\b0\tab Solo \line)"},
        {Topic::Allergies, jane + "dust79919797",
            R"(\b Allergy:\b0\tab Dust\line\b Reaction:\b0\tab Sneezing\line\tab Itching\line)"
            R"(\b Date:\b0\tab 02/02/2008\line\b Notes:\b0\tab a \{b\} c\line)"},
        {Topic::Allergies, jane + "peanuts79919898", R"(\b Allergy:\b0\tab Peanuts\line)"},
        {Topic::Illnesses, jane + "flu79918989",
            R"(\b Illness:\b0\tab Flu\line\b Symptoms:\b0\tab Fever\line)"
            R"(\b Onset Date:\b0\tab 10/10/2008\line\b Cured Date:\b0\tab 10/20/2008\line)"
            R"(\b Diagnosis:\b0\tab Influenza\line\b Treatment:\b0\tab Rest\line)"
            R"(\b Physician:\b0\tab Dr. Who\line\b Location:\b0\tab city clinic\line\b Notes:\b0\tab n\line)",
            ViewButton::Provider, "drwho20080101101010p"},
        // a provider deleted from the master list
        {Topic::Illnesses, jane + "cold79918888",
            R"(\b Illness:\b0\tab Cold\line\b Physician:\b0\tab <not found>\line)",
            ViewButton::Provider, "drgone20080101101010p"},
        {Topic::Surgeries, jane + "79917777appendix",
            R"(\b Surgery:\b0\tab Appendix\line\b Date:\b0\tab 11/11/2008\line)"
            R"(\b Amount ($):\b0\tab 1200\line\b Physician:\b0\tab Dr. Who\line)"
            R"(\b Location:\b0\tab general hospital\line\b Instructions:\b0\tab Rest\line)"
            R"(\b Notes:\b0\tab ok\line)",
            ViewButton::Provider, "drwho20080101101010p"},
        {Topic::Appointments, jane + "7991767608:30",
            R"(\b Physician:\b0\tab Dr. Who\line\b Date/Time:\b0\tab 12/12/2008  8:30 AM\line)"
            R"(\b Location:\b0\tab city clinic\line\b Reason:\b0\tab Checkup\line)"
            R"(\b Follow-up:\b0\tab   \line)",
            ViewButton::Provider, "drwho20080101101010p"},
        {Topic::Appointments, jane + "7991757500:00",
            R"(\b Date/Time:\b0\tab 12/13/2008  \line\b Follow-up:\b0\tab 01/01/2009  1:05 PM\line)"},
        {Topic::Medications, jane + "aspirin0079917474",
            R"(\b Medication:\b0\tab Aspirin\line\b Take:\b0\tab daily\line)"
            R"(\b Dosage:\b0\tab 81 mg\line\b Physician:\b0\tab Dr. Who\line)"
            R"(\b Start Date:\b0\tab 01/01/2008\line\b Purpose:\b0\tab heart\line)"
            R"(\b Pharmacy:\b0\tab Corner Drugs\line\b Rx #:\b0\tab RX1\line\b Active:\b0\tab Yes\line)",
            ViewButton::Pharmacy, "cornerdrugs20080101101010p"},
        // the physician of a medication gives no button
        {Topic::Medications, jane + "zinc0079917373",
            R"(\b Medication:\b0\tab Zinc\line\b Physician:\b0\tab Dr. Who\line)"},
        {Topic::Vaccinations, jane + "flushot79917272",
            R"(\b Vaccination:\b0\tab Flu shot\line\b Date:\b0\tab 10/01/2008\line)"
            R"(\b Physician:\b0\tab Dr. Who\line\b Location:\b0\tab city clinic\line)",
            ViewButton::Provider, "drwho20080101101010p"},
        {Topic::Tests, jane + "blood79917171",
            R"(\b Test:\b0\tab Blood\line\b Date:\b0\tab 10/02/2008\line\b Amount ($):\b0\tab 50\line)"
            R"(\b Physician:\b0\tab Dr. Who\line\b Result:\b0\tab fine\line)",
            ViewButton::Provider, "drwho20080101101010p"},
        {Topic::BloodPressure, jane + "79917070762920080101101040p",
            R"(\b Blood Press:\b0\tab 120 / 80\line\b Pulse:\b0\tab 72\line)"
            R"(\b Date/Time:\b0\tab 09/29/2008  11:10 PM\line\b Activity:\b0\tab resting\line)"},
        {Topic::BloodPressure, jane + "79917069999920080101101041p",
            R"(\b Blood Press:\b0\tab 130 / \line\b Date/Time:\b0\tab 09/30/2008  \line)"},
        {Topic::Weight, jane + "79916969999920080101101042p",
            R"(\b Weight:\b0\tab 140\line\b Date/Time:\b0\tab 10/30/2008  \line)"},
        // the record's own units, never converted
        {Topic::Glucose, jane + "79916868915920080101101043p",
            R"(\b Glucose:\b0\tab 5.5 mmol/L\line\b Carbs (g):\b0\tab 30\line)"
            R"(\b Insulin:\b0\tab 2\line\b Event:\b0\tab Before Breakfast\line)"
            R"(\b Date/Time:\b0\tab 11/30/2008  8:40 AM\line)"},
        {Topic::Cholesterol, jane + "79916766999920080101101045p",
            R"(\b Total:\b0\tab 180\line\b LDL:\b0\tab 100\line\b HDL:\b0\tab 50\line)"
            R"(\b Tri:\b0\tab 150\line\b Date/Time:\b0\tab 12/30/2008  12:00 PM\line)"
            R"(\b Notes:\b0\tab fasting\line)"},
        {Topic::FamilyHistory, jane + "mom",
            R"(\b Name:\b0\tab , \line\b Relation:\b0\tab Mother\line\b Side:\b0\tab Maternal\line)"
            R"(\b Birthdate:\b0\tab 01/01/1940\line\b Illnesses:\b0\tab Diabetes\line)"},
    };
    for (const Case &c : cases) {
        const ShownRecord record = shown(c.topic, c.key);
        EXPECT_EQ(record.rtf, view(c.lines)) << c.key;
        EXPECT_EQ(record.button, c.button) << c.key;
        EXPECT_EQ(record.masterKey, c.masterKey) << c.key;
    }
}

TEST_F(ShownRecordTest, LeavesTheFoundRecordCurrent)
{
    shown(Topic::Medications, jane + "zinc0079917373");
    EXPECT_EQ(tables(TableId::Med).value("Medication"), "Zinc");
}

TEST_F(ShownRecordTest, NoRowOrARowGoneGivesAnEmptyView)
{
    const std::optional<RowHandle> flu = rowOf(Topic::Illnesses, jane + "flu79918989");
    MemoryTable &illnesses = tables(TableId::Illness);
    ASSERT_TRUE(flu && illnesses.moveTo(*flu));
    illnesses.applyDeleteRule();
    for (const std::optional<RowHandle> row : {std::optional<RowHandle>(), flu}) {
        const ShownRecord record = shownRecordOf(Topic::Illnesses, row, tables.access(), prefs);
        EXPECT_EQ(record.rtf, view(""));
        EXPECT_EQ(record.button, ViewButton::None);
        EXPECT_FALSE(record.found);
    }
}

TEST_F(ShownRecordTest, PersonalAndLegalGiveAnEmptyView)
{
    EXPECT_EQ(shown(Topic::Personal, jane).rtf, view(""));
    EXPECT_EQ(shown(Topic::Legal, jane).rtf, view(""));
}

TEST_F(ShownRecordTest, AmountLabelCarriesTheCurrencySymbol)
{
    prefs.currencySymbol = "\x80"; // the euro sign in cp1252
    const ShownRecord record = shown(Topic::Tests, jane + "blood79917171");
    EXPECT_NE(record.rtf.find("\\b Amount (\x80):\\b0\\tab 50\\line"), std::string::npos);
}
