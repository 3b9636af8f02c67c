#include "store/clock.h"
#include "store/criterion.h"
#include "store/record_batch.h"
#include "store/record_operations.h"
#include "store/record_status.h"
#include "store/store.h"
#include "store/table_error.h"

#include "store_test_support.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>

using namespace vantorelle;

namespace fs = std::filesystem;

namespace {

// A copy of the fixture folder tests/data/basic to load and save.
class BasicFolder : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const auto &entry : fs::directory_iterator(testDataPath() / "basic"))
            fs::copy_file(entry.path(), folder.path() / entry.path().filename());
    }

    std::string file(TableId id) const { return folder.file(tableFileName(id)); }
    std::string original(TableId id) const
    {
        return readBytes(testDataPath() / "basic" / tableFileName(id));
    }

    std::vector<std::string> keys(MemoryTable &table)
    {
        std::vector<std::string> result;
        for (table.moveFirst(); !table.eof(); table.moveNext())
            result.emplace_back(table.value("Key"));
        return result;
    }

    TempFolder folder;
};

TEST_F(BasicFolder, LoadsAndSavesEveryFileByteForByte)
{
    Store store(folder.path().string()); // the final "/" is added
    ASSERT_TRUE(store.load().empty());
    EXPECT_EQ(store.table(TableId::MainID).recordCount(), 2u);
    EXPECT_EQ(store.table(TableId::Allergy).recordCount(), 2u); // the tombstone is hidden
    EXPECT_EQ(store.table(TableId::BP).recordCount(), 3u);
    ASSERT_TRUE(store.writeTables().empty());
    for (std::size_t i = 0; i < tableCount; ++i) {
        const auto id = static_cast<TableId>(i);
        EXPECT_EQ(readBytes(file(id)), original(id)) << tableFileName(id);
    }
    EXPECT_EQ(store.table(TableId::Allergy).filter(), Criterion::standardFilter());
    EXPECT_EQ(store.table(TableId::Allergy).recordCount(), 2u);
}

TEST_F(BasicFolder, StartUpReadsThePreferencesAndSetsTheViews)
{
    Store store(folder.folder());
    ASSERT_TRUE(store.load().empty());
    const StoredPreferences &loaded = store.loadedPreferences();
    EXPECT_EQ(loaded.dateFormat, "ddmmyyyy");
    EXPECT_EQ(loaded.dateSeparator, "."); // the tombstone "-" is not seen
    EXPECT_EQ(loaded.currencySymbol, "\x80");
    EXPECT_EQ(loaded.password, ""); // no record: the default
    EXPECT_EQ(loaded.glucoseUnits, "mg/dL");

    EXPECT_EQ(store.table(TableId::BP).sort(), std::vector<std::string> {"Key"});
    EXPECT_EQ(store.table(TableId::Prefs).sort(), std::vector<std::string> {"PrefsKey"});
    EXPECT_TRUE(store.table(TableId::InsID).sort().empty());
    EXPECT_EQ(store.table(TableId::Location).filter(), Criterion::standardFilter());
    // Newest reading first within a profile: 18:00 before 08:00 of the same day.
    const std::vector<std::string> bp = keys(store.table(TableId::BP));
    ASSERT_EQ(bp.size(), 3u);
    EXPECT_LT(bp[0], bp[1]);
    store.table(TableId::BP).moveFirst();
    EXPECT_EQ(store.table(TableId::BP).value("Time"), "18:00");
    EXPECT_EQ(store.path(TableId::Chol), folder.folder() + "VantorelleChol.cdb");
}

TEST_F(BasicFolder, ReaderFailures)
{
    struct Case {
        TableId missing;
        const char *operation;
        bool fatal;
    };
    using enum TableId;
    const Case cases[] = {
        {MainID, "loading data source 1", false},
        {MainNm, "loading data source 2", true},
        {InsXref, "loading data source 3", false},
        {InsID, "loading data source 4", false},
        {ConID, "loading data source 5", false},
        {ConXref, "loading data source 6", false},
        {Allergy, "loading data source 7", false},
        {Illness, "loading data source 8", false},
        {Surgery, "loading data source 9", false},
        {Appt, "loading data source 10", false},
        {Med, "loading data source 11", false},
        {Vacc, "loading data source 12", false},
        {Test, "loading data source 13", false},
        {BP, "loading data source 14", false},
        {Weight, "loading data source 15", false},
        {Glucose, "loading data source 16", false},
        {Family, "loading data source 17", false},
        {PharmID, "loading data source 18", false},
        {ProvID, "loading data source 19", false},
        {Location, "loading data source 20", true},
        {ProvType, "loading data source 21", true},
        {Chol, "loading data source 22", false},
        {Prefs, "loading data source prefs", true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.operation);
        const std::string path = file(c.missing);
        fs::rename(path, path + ".away");
        Store store(folder.folder());
        const std::vector<StoreFailure> failures = store.load();
        ASSERT_EQ(failures.size(), 1u);
        const StoreFailure &failure = failures.front();
        EXPECT_EQ(failure.operation, c.operation);
        EXPECT_EQ(failure.fatal, c.fatal);
        EXPECT_EQ(failure.number, 53);
        EXPECT_EQ(failure.description, "File not found");
        EXPECT_EQ(failure.details,
            "If this is a new install, try synchronizing your handheld again. Also, you may need "
            "the MDAC update from our support page.\r\n\r\nFilename = "
                + path);
        EXPECT_EQ(store.table(c.missing).recordCount(), 0u);
        if (c.fatal) {
            EXPECT_EQ(store.table(TableId::Chol).recordCount(), 0u)
                << "the start-up stops at a required table";
        } else {
            EXPECT_EQ(store.table(TableId::PharmID).recordCount()
                    + store.table(TableId::Chol).recordCount(),
                c.missing == PharmID || c.missing == Chol ? 1u : 2u)
                << "the start-up goes on";
            // A missing table is written at save, with a header of its own.
            ASSERT_TRUE(store.writeTables().empty());
            EXPECT_TRUE(readBytes(path).starts_with("#RECCNT: 0\r\n#SYNCMODE: MERGE\r\n#FLDCNT: "));
            fs::remove(path);
        }
        fs::rename(path + ".away", path);
    }
}

TEST_F(BasicFolder, FileThatCouldNotBeReadIsNotWrittenBack)
{
    // A folder where the allergy table should be: there, but not readable as a file.
    const std::string path = file(TableId::Allergy);
    fs::remove(path);
    fs::create_directory(path);
    Store store(folder.folder());
    const std::vector<StoreFailure> failures = store.load();
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_EQ(failures[0].operation, "loading data source 7");
    EXPECT_FALSE(failures[0].fatal);

    const std::vector<StoreFailure> unsaved = store.writeTables();
    ASSERT_EQ(unsaved.size(), 1u);
    EXPECT_EQ(unsaved[0].path, path);
    EXPECT_TRUE(fs::is_directory(path));
    EXPECT_EQ(readBytes(file(TableId::BP)), original(TableId::BP)) << "the other tables are saved";
}

// A table file whose header block is missing or broken, as a transfer tool may
// leave it: said once at start, naming the file; its records are there, but
// the file is never written back, and each save says so.
TEST_F(BasicFolder, AFileWithoutAWholeHeaderBlockIsToldAndNeverWritten)
{
    struct Case {
        TableId table;
        const char *operation;
        std::string bytes; // the file as the tool left it
        std::string fault;
        std::size_t records; // read all the same
    };
    using enum TableId;
    const auto recordsOf = [this](TableId id) {
        const std::string bytes = original(id);
        return bytes.substr(bytes.find("\r\n0x") + 2);
    };
    const Case cases[] = {
        {BP, "loading data source 14", recordsOf(BP), "The file has no header block.", 3},
        {MainNm, "loading data source 2", "#SYNCMODE: MERGE\r\n#FLDCNT: 6\r\n" + recordsOf(MainNm),
            "Its header block has no \"#RECCNT:\" line.", 2},
        {Prefs, "loading data source prefs", "", "The file has no header block.", 0},
        {Weight, "loading data source 15", "0x00000001,0x0000,\"k\"\r\n",
            "The file has no header block.", 1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.operation);
        const std::string path = file(c.table);
        writeBytes(path, c.bytes);

        Store store(folder.folder());
        const std::vector<StoreFailure> failures = store.load();
        ASSERT_EQ(failures.size(), 1u);
        EXPECT_EQ(failures[0].operation, c.operation);
        EXPECT_EQ(failures[0].number, 321);
        EXPECT_FALSE(failures[0].fatal) << "the start-up goes on";
        EXPECT_EQ(failures[0].details,
            c.fault
                + "\r\n\r\nIts records are shown as they were read, but the file is not written "
                  "back: changes to them cannot be saved. Synchronize the handheld again or "
                  "restore a backup to mend it.\r\n\r\nFilename = "
                + path);
        EXPECT_EQ(store.table(c.table).recordCount(), c.records);
        EXPECT_EQ(store.table(Chol).recordCount(), 1u) << "every table is loaded";

        const std::vector<StoreFailure> unsaved = store.writeTables();
        ASSERT_EQ(unsaved.size(), 1u);
        EXPECT_EQ(unsaved[0].path, path);
        EXPECT_EQ(unsaved[0].details,
            "The file's header block was missing or broken at start-up, and the file was left "
            "as it was.\r\n\r\nFilename = "
                + path);
        EXPECT_EQ(readBytes(path), c.bytes);
        EXPECT_EQ(readBytes(file(Chol)), original(Chol)) << "the other tables are saved";
        EXPECT_TRUE(store.removeNearEmptyFiles().empty());
        EXPECT_EQ(readBytes(path), c.bytes) << "not removed, however short";
        writeBytes(path, original(c.table));
    }
}

TEST_F(BasicFolder, CheckingATableFile)
{
    const std::string table = file(TableId::BP);
    EXPECT_FALSE(Store::checkTableFile(table, TableId::BP));
    writeBytes(table, "0x1,0x0000,\"k\"\r\n");
    EXPECT_EQ(Store::checkTableFile(table, TableId::BP)->details, "The file has no header block.");
    fs::remove(table);
    EXPECT_EQ(Store::checkTableFile(table, TableId::BP)->number, 53);
    fs::create_directory(table);
    EXPECT_EQ(Store::checkTableFile(table, TableId::BP)->number, 75);
}

TEST_F(BasicFolder, SaveReportsFilesItCouldNotWrite)
{
    Store store(folder.folder());
    ASSERT_TRUE(store.load().empty());
    fs::remove(file(TableId::Vacc));
    fs::create_directory(file(TableId::Vacc)); // cannot be replaced by a file
    const std::vector<StoreFailure> unsaved = store.writeTables();
    ASSERT_EQ(unsaved.size(), 1u);
    EXPECT_EQ(unsaved[0].path, file(TableId::Vacc));
    EXPECT_EQ(unsaved[0].operation, "saving the databases");
    EXPECT_EQ(readBytes(file(TableId::Weight)), original(TableId::Weight));
}

TEST_F(BasicFolder, ChangesCountAsUnsavedUntilTheirFileIsWritten)
{
    Store store(folder.folder());
    ASSERT_TRUE(store.load().empty());
    EXPECT_FALSE(store.hasUnsavedChanges()) << "reading, filtering and sorting change nothing";
    MemoryTable &readings = store.table(TableId::BP);
    readings.moveFirst();
    readings.setValue("SBP", std::string(readings.value("SBP"))); // the value it has
    readings.update();
    EXPECT_FALSE(store.hasUnsavedChanges());

    readings.setValue("SBP", "199");
    readings.update();
    EXPECT_TRUE(store.hasUnsavedChanges());
    fs::remove(file(TableId::BP));
    fs::create_directory(file(TableId::BP)); // cannot be replaced by a file
    ASSERT_EQ(store.writeTables().size(), 1u);
    EXPECT_TRUE(store.hasUnsavedChanges()) << "the change is not in its file";

    fs::remove(file(TableId::BP));
    EXPECT_TRUE(store.writeTables().empty());
    EXPECT_FALSE(store.hasUnsavedChanges());
    store.setPreference("date_sep", ".", "-");
    EXPECT_TRUE(store.hasUnsavedChanges());
}

// Whatever a close could lose counts as unsaved, so that it asks before
// losing it and says "no record is lost" only when none is: a record added
// by the editor or an import, a record deleted by either rule, and not a
// value set to the one it has.
TEST_F(BasicFolder, EveryChangeARecordCanUndergoCountsAsUnsaved)
{
    const FixedClock clock({2026, 3, 7, 9, 5, 0});
    Clock::install(&clock);
    const std::string profile = "20090305070809p";
    const FieldValues reading
        = {{"SBP", "150"}, {"DBP", "95"}, {"Date", "20260307"}, {"Time", "09:05"}};
    // Deletes the allergy whose Key begins so, by the delete rule.
    const auto deleteAllergy = [](Store &store, const std::string &key) {
        MemoryTable &allergies = store.table(TableId::Allergy);
        allergies.moveFirst();
        ASSERT_TRUE(allergies.find(Criterion::startsWith("Key", key)));
        ASSERT_TRUE(RecordOperations(store).deleteRecord(TableId::Allergy, allergies.handle()));
    };
    const struct {
        const char *name;
        std::function<void(Store &)> change;
        bool unsaved;
    } cases[] = {
        {"a value set to the one it has",
            [](Store &store) {
                MemoryTable &readings = store.table(TableId::BP);
                readings.moveFirst();
                readings.setValue("Activity", std::string(readings.value("Activity")));
                readings.update();
            },
            false},
        {"a row added, before any value is set",
            [](Store &store) {
                MemoryTable &readings = store.table(TableId::BP);
                readings.addNew();
                readings.update();
            },
            true},
        {"a reading added",
            [&](Store &store) {
                RecordOperations(store).saveTopicRecord(TableId::BP, profile, {.values = reading});
            },
            true},
        {"readings imported",
            [&](Store &store) {
                RecordBatch batch(store, TableId::BP, profile);
                batch.add(reading);
                batch.finish();
            },
            true},
        {"a synchronised record deleted: marked",
            [&](Store &store) { deleteAllergy(store, profile + "peanuts"); }, true},
        {"a record new on the PC deleted: removed",
            [&](Store &store) { deleteAllergy(store, "20100101101010ppenicillin"); }, true},
        {"a record added and saved, then deleted",
            [&](Store &store) {
                RecordOperations(store).saveTopicRecord(
                    TableId::Allergy, profile, {.values = {{"Allergy", "Latex"}}});
                ASSERT_TRUE(store.writeTables().empty());
                ASSERT_FALSE(store.hasUnsavedChanges());
                deleteAllergy(store, profile + "latex");
            },
            true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Store store(folder.folder());
        ASSERT_TRUE(store.load().empty());
        ASSERT_FALSE(store.hasUnsavedChanges());
        c.change(store);
        EXPECT_EQ(store.hasUnsavedChanges(), c.unsaved);
    }
    Clock::install(nullptr);
}

TEST_F(BasicFolder, DeleteRuleAndStatusesAcrossASave)
{
    Store store(folder.folder());
    ASSERT_TRUE(store.load().empty());
    MemoryTable &allergies = store.table(TableId::Allergy);
    allergies.moveFirst();
    ASSERT_TRUE(allergies.find(Criterion::startsWith("Key", "20100101101010p"))); // "0x0008"
    allergies.applyDeleteRule();
    allergies.moveFirst();
    ASSERT_TRUE(allergies.find(Criterion::equal("Key", "20090305070809ppeanuts"))); // "0x0000"
    allergies.applyDeleteRule();
    EXPECT_EQ(allergies.recordCount(), 0u);
    ASSERT_TRUE(store.writeTables().empty());

    Store again(folder.folder());
    ASSERT_TRUE(again.load().empty());
    MemoryTable &reloaded = again.table(TableId::Allergy);
    EXPECT_EQ(reloaded.recordCount(), 0u);
    reloaded.setFilter(std::nullopt);
    EXPECT_EQ(keys(reloaded),
        (std::vector<std::string> {"20090305070809pdust", "20090305070809ppeanuts"}));
    reloaded.moveFirst();
    reloaded.moveNext();
    EXPECT_EQ(reloaded.value("STATUS"), RecordStatus::deleted);
    EXPECT_TRUE(readBytes(file(TableId::Allergy)).find("#RECCNT: 2\r\n") != std::string::npos);
}

TEST_F(BasicFolder, RetiringDuplicateProfilesKeepsTheFirstOfEachKey)
{
    Store store(folder.folder());
    ASSERT_TRUE(store.load().empty());
    MemoryTable &profiles = store.table(TableId::MainID);
    profiles.setSort({"Last", "First"});
    for (const char *status : {"0x0008", "0x0000"}) {
        profiles.addNew();
        profiles.setValue("REC_ID", "0x00000099");
        profiles.setValue("STATUS", status);
        profiles.setValue("Key", "20090305070809p");
        profiles.setValue("First", status);
        profiles.update();
    }
    store.retireDuplicateProfiles();
    EXPECT_EQ(profiles.sort(), std::vector<std::string> {"Key"});
    EXPECT_EQ(profiles.recordCount(), 2u);
    profiles.setFilter(std::nullopt);
    std::multiset<std::string> rows;
    for (profiles.moveFirst(); !profiles.eof(); profiles.moveNext())
        rows.insert(
            std::string(profiles.value("First")) + "/" + std::string(profiles.value("STATUS")));
    // The file's row stays; the new copy is gone; the synchronised copy is a tombstone.
    EXPECT_EQ(rows, (std::multiset<std::string> {"Ann/0x0000", "Bob/0x0008", "0x0000/0x0002"}));
}

TEST_F(BasicFolder, SetPreferenceStatuses)
{
    Store store(folder.folder());
    ASSERT_TRUE(store.load().empty());
    MemoryTable &prefs = store.table(TableId::Prefs);
    const auto record = [&](const char *key) {
        prefs.moveFirst();
        EXPECT_TRUE(prefs.find(Criterion::equal("PrefsKey", key))) << key;
        return std::string(prefs.value("STATUS")) + " " + std::string(prefs.value("PrefsStr1"));
    };
    const std::size_t count = prefs.recordCount();

    store.setPreference("currency_symbol", "$", "$");
    EXPECT_EQ(record("currency_symbol"), "0x0000 \x80") << "an unchanged value is not stored";
    store.setPreference("confirm_del", "0", "0");
    EXPECT_EQ(prefs.recordCount(), count);

    store.setPreference("currency_symbol", "\x80", "\xA3");
    EXPECT_EQ(record("currency_symbol"), "0x0004 \xA3");
    store.setPreference("date_format", "ddmmyyyy", "yyyymmdd");
    EXPECT_EQ(record("date_format"), "0x0004 yyyymmdd");
    store.setPreference("date_sep", ".", "/");
    EXPECT_EQ(record("date_sep"), "0x0008 /");
    store.setPreference("password", "", "secret");
    EXPECT_EQ(record("password"), "0x0008 secret");
    prefs.moveFirst();
    prefs.find(Criterion::equal("PrefsKey", "password"));
    EXPECT_EQ(prefs.value("REC_ID"), newRecordId);
    EXPECT_EQ(prefs.recordCount(), count + 1);

    EXPECT_THROW(store.setPreference("currency_symbol", "", std::string(201, 'x')), TableError);
    EXPECT_EQ(record("currency_symbol"), "0x0004 \xA3");

    ASSERT_TRUE(store.writeTables().empty());
    const std::string saved = readBytes(file(TableId::Prefs));
    EXPECT_NE(saved.find("#RECCNT: 6\r\n"), std::string::npos);
    EXPECT_NE(saved.find("0x0000002E,0x0002,\"date_sep\",\"-\",\"\",\"\",0,0,0\r\n"
                         "0x00000000,0x0008,\"date_sep\",\"/\",\"\",\"\",0,0,0\r\n"
                         "0x0000002F,0x0000,\"glucose_units\",\"mg/dL\",\"\",\"\",1,2,3\r\n"
                         "0x00000000,0x0008,\"password\",\"secret\",\"\",\"\",0,0,0\r\n"),
        std::string::npos);
    EXPECT_EQ(prefs.filter(), Criterion::standardFilter());
}

TEST_F(BasicFolder, MissingPreferencesFileIsCreatedAgainAtSave)
{
    Store store(folder.folder());
    ASSERT_TRUE(store.load().empty());
    fs::remove(file(TableId::Prefs));
    ASSERT_FALSE(store.writePreferences());
    const std::string saved = readBytes(file(TableId::Prefs));
    EXPECT_TRUE(saved.starts_with(
        "#RECCNT: 5\r\n#SYNCMODE: MERGE\r\n#FLDCNT: 7\r\n#FLDNUM:1 TYPE:N SIZE:0\r\n"));
    EXPECT_TRUE(saved.ends_with("\"glucose_units\",\"mg/dL\",\"\",\"\",1,2,3\r\n"));
}

TEST_F(BasicFolder, RemovesNearEmptyFilesButNeverTheRequiredOnes)
{
    Store store(folder.folder());
    ASSERT_TRUE(store.load().empty());
    for (TableId id :
        {TableId::Vacc, TableId::MainNm, TableId::Location, TableId::ProvType, TableId::Prefs})
        writeBytes(file(id), "#RECCNT: 0\r\n");
    writeBytes(file(TableId::Test), std::string(50, '#'));
    writeBytes(file(TableId::Weight), std::string(49, '#'));
    writeBytes(file(TableId::Glucose), "");
    EXPECT_TRUE(store.removeNearEmptyFiles().empty());
    for (TableId id : {TableId::Vacc, TableId::Weight, TableId::Glucose})
        EXPECT_FALSE(fs::exists(file(id))) << tableFileName(id);
    for (TableId id : {TableId::Test, TableId::MainNm, TableId::Location, TableId::ProvType,
             TableId::Prefs, TableId::BP})
        EXPECT_TRUE(fs::exists(file(id))) << tableFileName(id);
}

TEST_F(BasicFolder, ProviderAndPharmacyLookups)
{
    Store store(folder.folder());
    ASSERT_TRUE(store.load().empty());
    EXPECT_EQ(store.providerName("20090306080200p"), "Dr. Who");
    EXPECT_EQ(store.providerName(""), "");
    EXPECT_EQ(store.providerName("20090306080400p"), "<not found>"); // deleted
    EXPECT_EQ(store.providerName("nobody"), "<not found>");
    EXPECT_EQ(store.pharmacyName("20090306080300p"), "Corner Drug");
    EXPECT_EQ(store.providerPosition("20090306080200p"), 0);
    EXPECT_EQ(store.providerPosition("20090306080400p"), -1);
    EXPECT_EQ(store.providerPosition(""), -1);
    EXPECT_EQ(store.pharmacyPosition("20090306080300P"), -1) << "exact comparison";
    EXPECT_TRUE(store.table(TableId::PharmID).eof());

    // Positions follow the table's current order.
    MemoryTable &providers = store.table(TableId::ProvID);
    providers.addNew();
    providers.setValue("STATUS", "0x0008");
    providers.setValue("Key", "20240101000000p");
    providers.setValue("Name", "Dr. Able");
    providers.update();
    EXPECT_EQ(store.providerPosition("20240101000000p"), 1);
    providers.setSort({"Name"});
    EXPECT_EQ(store.providerPosition("20240101000000p"), 0);
    EXPECT_EQ(store.providerPosition("20090306080200p"), 1);

    // An empty table: "" and -1, the position untouched.
    MemoryTable &pharmacies = store.table(TableId::PharmID);
    pharmacies.moveFirst();
    pharmacies.applyDeleteRule();
    EXPECT_EQ(store.pharmacyName("20090306080300p"), "");
    EXPECT_EQ(store.pharmacyPosition("20090306080300p"), -1);
}

} // namespace
