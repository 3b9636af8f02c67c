#include "store/keys.h"
#include "store/record_operations.h"
#include "store/record_status.h"
#include "store/store.h"
#include "store/table_error.h"

#include "store_test_support.h"

#include <gtest/gtest.h>

using namespace vantorelle;

namespace fs = std::filesystem;

namespace {

const std::string annKey = "20090305070809p"; // synchronised rows
const std::string bobKey = "20100101101010p"; // rows made on the PC
const std::string insuranceKey = "20090306080000p";

class RecordOperationsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const auto &entry : fs::directory_iterator(testDataPath() / "basic"))
            fs::copy_file(entry.path(), folder.path() / entry.path().filename());
        ASSERT_TRUE(store.load().empty());
        Clock::install(&clock);
    }
    void TearDown() override { Clock::install(nullptr); }

    // Every row of a table, tombstones included: "key status".
    std::vector<std::string> allRows(TableId id, std::string_view prefix = {})
    {
        MemoryTable &table = store.table(id);
        const auto kept = table.filter();
        table.setFilter(std::nullopt);
        std::vector<std::string> rows;
        for (table.moveFirst(); !table.eof(); table.moveNext()) {
            if (table.value("Key").starts_with(prefix))
                rows.push_back(
                    std::string(table.value("Key")) + " " + std::string(table.value("STATUS")));
        }
        table.setFilter(kept);
        return rows;
    }

    EditedRecord shown(TableId id, RowHandle row)
    {
        MemoryTable &table = store.table(id);
        EditedRecord record;
        record.row = row;
        record.key = table.valueAt(row, 2);
        record.recId = table.valueAt(row, 0);
        record.status = table.valueAt(row, 1);
        return record;
    }

    TempFolder folder;
    Store store {folder.folder()};
    RecordOperations operations {store};
    FixedClock clock {LocalDateTime {2024, 3, 15, 14, 30, 5}};
};

using Rows = std::vector<std::string>;

TEST_F(RecordOperationsTest, NewTopicRecordIsAddedUnderItsRecipeKey)
{
    EditedRecord record;
    record.values = {{"SBP", "118"}, {"DBP", "76"}, {"Date", "20240316"}, {"Time", "07:15"}};
    const SavedRecord saved = operations.saveTopicRecord(TableId::BP, annKey, record);
    EXPECT_EQ(saved.key, annKey + "797596839284" + "20240315143005p");
    MemoryTable &bp = store.table(TableId::BP);
    EXPECT_EQ(bp.handle(), saved.row);
    EXPECT_EQ(bp.value("REC_ID"), newRecordId);
    EXPECT_EQ(bp.value("STATUS"), RecordStatus::added);
    EXPECT_EQ(bp.value("SBP"), "118");
    // The filter was assigned again: the newest reading is now first.
    bp.moveFirst();
    EXPECT_EQ(bp.handle(), saved.row);
}

TEST_F(RecordOperationsTest, UnchangedRekeyValuesUpdateInPlace)
{
    const std::vector<RowHandle> rows = store.profileRows(TableId::BP, annKey).handles();
    ASSERT_EQ(rows.size(), 2u);
    EditedRecord record = shown(TableId::BP, rows[0]);
    record.values = {{"Pulse", "99"}, {"Notes", "after a walk"}};
    const SavedRecord saved = operations.saveTopicRecord(TableId::BP, annKey, record);
    EXPECT_EQ(saved.row, rows[0]);
    EXPECT_EQ(saved.key, record.key);
    EXPECT_EQ(store.table(TableId::BP).value("STATUS"), RecordStatus::modified);
    EXPECT_EQ(store.table(TableId::BP).value("Pulse"), "99");
    EXPECT_EQ(store.table(TableId::BP).value("REC_ID"), "0x00000020");
    EXPECT_EQ(allRows(TableId::BP).size(), 3u);
}

TEST_F(RecordOperationsTest, ChangedRekeyValueReplacesTheRecordUnderANewKey)
{
    const RowHandle row = store.profileRows(TableId::BP, annKey)[0].handle();
    EditedRecord record = shown(TableId::BP, row);
    const std::string oldKey = record.key;
    record.values = {{"SBP", "131"}};
    const SavedRecord saved = operations.saveTopicRecord(TableId::BP, annKey, record);
    EXPECT_NE(saved.key, oldKey);
    EXPECT_EQ(store.table(TableId::BP).value("REC_ID"), newRecordId);
    EXPECT_EQ(store.table(TableId::BP).value("STATUS"), RecordStatus::added);
    EXPECT_EQ(store.table(TableId::BP).value("DBP"), "85"); // the other values move with it
    const Rows rows = allRows(TableId::BP, annKey);
    EXPECT_NE(std::find(rows.begin(), rows.end(), oldKey + " 0x0002"), rows.end());
    EXPECT_NE(std::find(rows.begin(), rows.end(), saved.key + " 0x0008"), rows.end());

    // A record never synchronised is simply replaced.
    const RowHandle bobRow = store.profileRows(TableId::BP, bobKey)[0].handle();
    EditedRecord bob = shown(TableId::BP, bobRow);
    bob.values = {{"Time", "09:00"}};
    const SavedRecord moved = operations.saveTopicRecord(TableId::BP, bobKey, bob);
    EXPECT_EQ(allRows(TableId::BP, bobKey), Rows {moved.key + " 0x0008"});
}

TEST_F(RecordOperationsTest, AppointmentWithoutTimeIsStoredAtMidnight)
{
    EditedRecord record;
    record.values = {{"ProvID", ""}, {"Date", "20240401"}, {"Time", ""}};
    const SavedRecord saved = operations.saveTopicRecord(TableId::Appt, bobKey, record);
    EXPECT_EQ(saved.key, bobKey + "7975959800:00");
    EXPECT_EQ(store.table(TableId::Appt).value("Time"), "00:00");
}

TEST_F(RecordOperationsTest, SaveReachesTheRowShownWhenKeysRepeat)
{
    EditedRecord first;
    first.values = {{"Allergy", "Cats"}, {"Reaction", "one"}};
    EditedRecord second;
    second.values = {{"Allergy", "cats"}, {"Reaction", "two"}};
    const SavedRecord a = operations.saveTopicRecord(TableId::Allergy, bobKey, first);
    const SavedRecord b = operations.saveTopicRecord(TableId::Allergy, bobKey, second);
    ASSERT_EQ(a.key, b.key);
    EditedRecord edit = shown(TableId::Allergy, b.row);
    edit.values = {{"Reaction", "two, edited"}};
    operations.saveTopicRecord(TableId::Allergy, bobKey, edit);
    EXPECT_EQ(store.table(TableId::Allergy).valueAt(a.row, 4), "one");
    EXPECT_EQ(store.table(TableId::Allergy).valueAt(b.row, 4), "two, edited");
}

TEST_F(RecordOperationsTest, OverLongValuesAreRefusedUnlessTheyAreAlreadyStored)
{
    EditedRecord record;
    record.values = {{"Allergy", std::string(81, 'a')}};
    EXPECT_THROW(operations.saveTopicRecord(TableId::Allergy, bobKey, record), TableError);
    EXPECT_EQ(allRows(TableId::Allergy).size(), 3u) << "nothing was added";
    record.values = {{"NoSuchField", "x"}};
    EXPECT_THROW(operations.saveTopicRecord(TableId::Allergy, bobKey, record), TableError);

    // A value read longer than its column is saved back as it was.
    MemoryTable &allergies = store.table(TableId::Allergy);
    allergies.moveFirst();
    allergies.setValueAsRead(4, std::string(600, 'r'));
    EditedRecord edit = shown(TableId::Allergy, allergies.handle());
    edit.values = {{"Reaction", std::string(600, 'r')}, {"Notes", "checked"}};
    EXPECT_NO_THROW(operations.saveTopicRecord(TableId::Allergy, annKey, edit));
    EXPECT_EQ(allergies.value("Reaction").size(), 600u);
}

TEST_F(RecordOperationsTest, NewProfilesGetDistinctKeysAndANameRow)
{
    EditedRecord ann;
    ann.values = {{"First", "Cy"}, {"Last", "Dee"}};
    const SavedRecord first = operations.saveProfile(ann, true, "", "");
    const SavedRecord second = operations.saveProfile(ann, true, "", ""); // the same second
    EXPECT_EQ(first.key, "20240315143005p");
    EXPECT_EQ(second.key, "20240315143006p");
    EXPECT_EQ(store.table(TableId::MainID).value("STATUS"), RecordStatus::added);
    MemoryTable &names = store.table(TableId::MainNm);
    names.moveFirst();
    ASSERT_TRUE(names.find(Criterion::startsWith("Key", "deecy")));
    EXPECT_EQ(names.value("MainID"), first.key);
    EXPECT_EQ(names.value("STATUS"), RecordStatus::added);
    EXPECT_EQ(names.value("Key"), "deecy20240315143005p");
}

TEST_F(RecordOperationsTest, NameIndexFollowsRenames)
{
    MemoryTable &profiles = store.table(TableId::MainID);
    profiles.moveFirst();
    ASSERT_TRUE(profiles.find(Criterion::equal("Key", annKey)));
    EditedRecord ann = shown(TableId::MainID, profiles.handle());
    ann.values = {{"First", "Ann"}, {"Last", "Lee"}, {"Phone1", "555-0199"}};
    operations.saveProfile(ann, false, "Ann", "Lee");
    EXPECT_EQ(allRows(TableId::MainNm),
        (Rows {"leeann" + annKey + " 0x0000", "leeanne20090101000000p 0x0002",
            "oneilbob" + bobKey + " 0x0008"}));
    EXPECT_EQ(profiles.value("STATUS"), RecordStatus::modified);

    ann.values = {{"First", "Anna"}, {"Last", "Lee"}};
    operations.saveProfile(ann, false, "Ann", "Lee");
    EXPECT_EQ(allRows(TableId::MainNm),
        (Rows {"leeann" + annKey + " 0x0002", "leeanna20240315143005p 0x0008",
            "leeanne20090101000000p 0x0002", "oneilbob" + bobKey + " 0x0008"}));

    // Never synchronised: the old name row goes for good.
    profiles.moveFirst();
    ASSERT_TRUE(profiles.find(Criterion::equal("Key", bobKey)));
    EditedRecord bob = shown(TableId::MainID, profiles.handle());
    bob.values = {{"First", "Rob"}, {"Last", "O'Neil"}};
    operations.saveProfile(bob, false, "Bob", "O'Neil");
    const Rows names = allRows(TableId::MainNm);
    EXPECT_EQ(std::count_if(names.begin(), names.end(),
                  [](const std::string &r) { return r.starts_with("oneil"); }),
        1);
    EXPECT_NE(std::find(names.begin(), names.end(), "oneilrob20240315143005p 0x0008"), names.end());
}

TEST_F(RecordOperationsTest, ProfileNeverLosesItsNameRow)
{
    // The name row holds other names than the profile shows (changed on the handheld).
    MemoryTable &profiles = store.table(TableId::MainID);
    profiles.moveFirst();
    ASSERT_TRUE(profiles.find(Criterion::equal("Key", annKey)));
    EditedRecord ann = shown(TableId::MainID, profiles.handle());
    ann.values = {{"First", "Annie"}, {"Last", "Lee"}};
    operations.saveProfile(ann, false, "Annie", "Lee");
    MemoryTable &names = store.table(TableId::MainNm);
    names.moveFirst();
    ASSERT_TRUE(names.find(Criterion::equal("MainID", annKey)));
    EXPECT_EQ(names.value("First"), "Annie");
}

TEST_F(RecordOperationsTest, InsuranceLinksOfOtherProfilesAreNeverRetired)
{
    MemoryTable &insurance = store.table(TableId::InsID);
    insurance.moveFirst();
    EditedRecord entry = shown(TableId::InsID, insurance.handle());
    entry.values = {{"Company", "ACME Care"}};
    // Bob picks Ann's insurance from the list and renames its company.
    operations.saveInsurance(bobKey, false, entry, "");
    EXPECT_EQ(allRows(TableId::InsXref),
        (Rows {annKey + "acme health" + insuranceKey + " 0x0000",
            bobKey + "acme care" + insuranceKey + " 0x0008"}));
    EXPECT_EQ(insurance.value("STATUS"), RecordStatus::modified);
    EXPECT_EQ(allRows(TableId::InsID).size(), 1u) << "the master entry is not duplicated";

    // Ann renames it from her own profile: only her link is replaced.
    entry = shown(TableId::InsID, insurance.handle());
    entry.values = {{"Company", "ACME Plus"}};
    operations.saveInsurance(annKey, false, entry, "ACME Care");
    EXPECT_EQ(allRows(TableId::InsXref),
        (Rows {annKey + "acme health" + insuranceKey + " 0x0002",
            annKey + "acme plus" + insuranceKey + " 0x0008",
            bobKey + "acme care" + insuranceKey + " 0x0008"}));
}

TEST_F(RecordOperationsTest, NewContactIsAlwaysLinked)
{
    EditedRecord contact;
    contact.values = {{"ConFirst", "Jo"}, {"ConLast", "Smith"}};
    // The editor still remembers the names of the contact it showed last.
    const SavedRecord saved = operations.saveContact(bobKey, false, contact, "Jo", "Smith");
    EXPECT_EQ(saved.key, "20240315143005p");
    const Rows links = allRows(TableId::ConXref, bobKey);
    EXPECT_NE(std::find(links.begin(), links.end(), bobKey + "smithjo20240315143005p 0x0008"),
        links.end());
    EXPECT_EQ(store.table(TableId::ConID).value("STATUS"), RecordStatus::added);
}

TEST_F(RecordOperationsTest, MasterItems)
{
    // A location renamed: a new row under the new name, the old one retired.
    MemoryTable &locations = store.table(TableId::Location);
    locations.moveFirst();
    ASSERT_TRUE(locations.find(Criterion::equal("Key", "Clinic")));
    const SavedRecord renamed = operations.saveMasterItem(
        TableId::Location, shown(TableId::Location, locations.handle()), "clinic");
    EXPECT_EQ(renamed.key, "clinic");
    EXPECT_EQ(locations.value("REC_ID"), newRecordId);
    EXPECT_EQ(
        allRows(TableId::Location), (Rows {"Clinic 0x0002", "St. Mary's 0x0008", "clinic 0x0008"}));

    // A provider edited in place; a new pharmacy gets a clock key.
    MemoryTable &providers = store.table(TableId::ProvID);
    providers.moveFirst();
    EditedRecord provider = shown(TableId::ProvID, providers.handle());
    provider.values = {{"Phone1", "555-0601"}};
    operations.saveMasterItem(TableId::ProvID, provider);
    EXPECT_EQ(providers.value("STATUS"), RecordStatus::modified);
    EditedRecord pharmacy;
    pharmacy.values = {{"Pharmacy", "New Drug"}};
    EXPECT_EQ(operations.saveMasterItem(TableId::PharmID, pharmacy).key, "20240315143005p");
}

TEST_F(RecordOperationsTest, ARenamedLocationKeepsItsHiddenFields)
{
    // Values the handheld keeps in the fields the editor never shows.
    MemoryTable &locations = store.table(TableId::Location);
    locations.moveFirst();
    ASSERT_TRUE(locations.find(Criterion::equal("Key", "Clinic")));
    locations.setValue("Other2", "W-4");
    locations.update();

    const SavedRecord renamed = operations.saveMasterItem(
        TableId::Location, shown(TableId::Location, locations.handle()), "North Clinic");
    ASSERT_EQ(locations.handle(), renamed.row);
    EXPECT_EQ(locations.value("Other2"), "W-4");
    EXPECT_EQ(locations.value("STATUS"), RecordStatus::added);
}

TEST_F(RecordOperationsTest, DeletingAProfileRetiresItsRowsEverywhere)
{
    operations.deleteProfile(annKey);
    MemoryTable &profiles = store.table(TableId::MainID);
    profiles.moveFirst();
    EXPECT_FALSE(profiles.find(Criterion::equal("Key", annKey)));
    for (TableId id : profileTables)
        EXPECT_TRUE(store.profileRows(id, annKey).empty()) << tableSpec(id).name;
    MemoryTable &names = store.table(TableId::MainNm);
    names.moveFirst();
    EXPECT_FALSE(names.find(Criterion::equal("MainID", annKey)));
    EXPECT_EQ(store.profileRows(TableId::BP, bobKey).size(), 1u) << "other profiles stay";
    EXPECT_EQ(store.table(TableId::InsID).recordCount(), 1u) << "master entries stay";
    EXPECT_EQ(allRows(TableId::BP, annKey).size(), 2u) << "synchronised rows stay as tombstones";

    operations.deleteProfile(bobKey);
    EXPECT_TRUE(allRows(TableId::BP, bobKey).empty()) << "rows made on the PC are gone";
    operations.deleteProfile("");
    EXPECT_EQ(store.table(TableId::Location).recordCount(), 2u);
}

TEST_F(RecordOperationsTest, DeletingARowByItsHandle)
{
    const std::vector<RowHandle> rows = store.profileRows(TableId::BP, annKey).handles();
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_TRUE(operations.deleteRecord(TableId::BP, rows[1]));
    EXPECT_FALSE(operations.deleteRecord(TableId::BP, rows[1]));
    EXPECT_EQ(store.profileRows(TableId::BP, annKey).handles(), std::vector<RowHandle> {rows[0]});
}

} // namespace
