#include "store/record_status.h"
#include "store/store.h"
#include "store/table_error.h"

#include "store_test_support.h"

#include <gtest/gtest.h>

#include <array>

using namespace vantorelle;

namespace fs = std::filesystem;

namespace {

const std::string annKey = "20090305070809p";
const std::string bobKey = "20100101101010p";

// Where every table's view stands: its rows in view order and its current row.
struct ViewState {
    std::vector<RowHandle> view;
    bool eof = true;
    RowHandle current = 0;
    bool operator==(const ViewState &) const = default;
};

// The fixture folder tests/data/basic, loaded.
class StoreQuery : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const auto &entry : fs::directory_iterator(testDataPath() / "basic"))
            fs::copy_file(entry.path(), folder.path() / entry.path().filename());
        ASSERT_TRUE(store.load().empty());
    }

    // Reading it walks the view, then puts the current row back.
    ViewState viewState(TableId id)
    {
        MemoryTable &table = store.table(id);
        ViewState state;
        state.eof = table.eof();
        if (!state.eof)
            state.current = table.handle();
        for (table.moveFirst(); !table.eof(); table.moveNext())
            state.view.push_back(table.handle());
        if (!state.eof)
            table.moveTo(state.current);
        return state;
    }

    std::array<ViewState, tableCount> everyView()
    {
        std::array<ViewState, tableCount> states;
        for (std::size_t i = 0; i < tableCount; ++i)
            states[i] = viewState(static_cast<TableId>(i));
        return states;
    }

    static std::vector<std::string> keys(const TableRows &rows)
    {
        std::vector<std::string> result;
        for (RowView row : rows)
            result.emplace_back(row.value("Key"));
        return result;
    }

    TempFolder folder;
    Store store {folder.folder()};
};

TEST_F(StoreQuery, ProfileRowsInKeyOrderWithTheirValues)
{
    const TableRows rows = store.profileRows(TableId::BP, annKey);
    ASSERT_EQ(rows.size(), 2u);
    // The inverted date puts the evening reading of the day first.
    EXPECT_EQ(rows[0].value("Time"), "18:00");
    EXPECT_EQ(rows[0].value("sbp"), "130"); // names without regard to case
    EXPECT_EQ(rows[1].value("Time"), "08:00");
    EXPECT_EQ(rows[1].value("Notes"), "Before\r\nbreakfast");
    EXPECT_EQ(rows[1].value(std::size_t {0}), "0x00000021");
    EXPECT_EQ(store.table(TableId::BP).valueAt(rows[1].handle(), 3), "120");
    EXPECT_THROW(rows[0].value("Pressure"), TableError);

    EXPECT_EQ(keys(store.profileRows(TableId::BP, bobKey)),
        std::vector<std::string> {"20100101101010p79759684919920240315080001p"});
    EXPECT_EQ(store.tableRows(TableId::BP).size(), 3u);
    EXPECT_TRUE(store.profileRows(TableId::BP, "19990101000000p").empty());
}

TEST_F(StoreQuery, EmptyProfileKeySelectsNoRows)
{
    ASSERT_FALSE(store.tableRows(TableId::BP).empty());
    EXPECT_TRUE(store.profileRows(TableId::BP, "").empty());
}

TEST_F(StoreQuery, TombstonesAreHidden)
{
    EXPECT_EQ(keys(store.profileRows(TableId::Allergy, annKey)),
        std::vector<std::string> {annKey + "peanuts"}); // "dust" is a tombstone

    // A row retired since the last rebuild is hidden at once.
    MemoryTable &allergies = store.table(TableId::Allergy);
    ASSERT_TRUE(allergies.moveTo(store.profileRows(TableId::Allergy, annKey)[0].handle()));
    allergies.applyDeleteRule();
    EXPECT_TRUE(store.profileRows(TableId::Allergy, annKey).empty());
}

TEST_F(StoreQuery, RowsAddedSinceTheLastSortStandInKeyOrder)
{
    MemoryTable &bp = store.table(TableId::BP);
    const auto add = [&](const std::string &key) {
        bp.addNew();
        bp.setValue("REC_ID", newRecordId);
        bp.setValue("STATUS", RecordStatus::added);
        bp.setValue("Key", key);
        bp.update();
    };
    // Between the two readings of the fixture, before both, and one with the
    // same Key as a reading of the file: it follows the older row.
    add(annKey + "797596849199202403150800005p");
    add(annKey + "000");
    add(annKey + "79759684819920240315180000p");
    EXPECT_EQ(keys(store.profileRows(TableId::BP, annKey)),
        (std::vector<std::string> {annKey + "000", annKey + "79759684819920240315180000p",
            annKey + "79759684819920240315180000p", annKey + "797596849199202403150800005p",
            annKey + "79759684919920240315080000p"}));
    const TableRows rows = store.profileRows(TableId::BP, annKey);
    EXPECT_EQ(rows[1].value("REC_ID"), "0x00000020") << "the row of the file comes first";
    EXPECT_EQ(rows[2].value("REC_ID"), newRecordId);
}

TEST_F(StoreQuery, ReadingMovesNoViewAndNoCurrentRow)
{
    // Current rows in the middle of a view, at its end and after a find.
    store.table(TableId::BP).moveFirst();
    store.table(TableId::BP).moveNext();
    store.table(TableId::Allergy).moveFirst();
    while (!store.table(TableId::Allergy).eof())
        store.table(TableId::Allergy).moveNext();
    store.table(TableId::MainNm).moveFirst();
    ASSERT_TRUE(store.table(TableId::MainNm).find(Criterion::equal("MainID", bobKey)));
    const auto before = everyView();

    for (std::size_t i = 0; i < tableCount; ++i) {
        const auto id = static_cast<TableId>(i);
        store.profileRows(id, annKey);
        store.profileRows(id, bobKey);
        store.tableRows(id);
    }
    EXPECT_EQ(everyView(), before);
    EXPECT_EQ(store.table(TableId::BP).sort(), std::vector<std::string> {"Key"});
    EXPECT_EQ(store.table(TableId::BP).filter(), Criterion::standardFilter());
}

TEST_F(StoreQuery, UnsortedTablesAndThePreferencesInKeyOrderToo)
{
    // The providers keep the order of addition; the query gives Key order.
    MemoryTable &providers = store.table(TableId::ProvID);
    for (const char *key : {"20090306090000p", "20090306080100p"}) {
        providers.addNew();
        providers.setValue("REC_ID", newRecordId);
        providers.setValue("STATUS", RecordStatus::added);
        providers.setValue("Key", key);
        providers.update();
    }
    EXPECT_EQ(keys(store.tableRows(TableId::ProvID)),
        (std::vector<std::string> {"20090306080100p", "20090306080200p", "20090306090000p"}));

    const TableRows preferences = store.tableRows(TableId::Prefs);
    ASSERT_FALSE(preferences.empty());
    for (std::size_t i = 1; i < preferences.size(); ++i)
        EXPECT_LE(preferences[i - 1].value("PrefsKey"), preferences[i].value("PrefsKey"));
    for (RowView row : preferences)
        EXPECT_NE(row.value("STATUS"), RecordStatus::deleted);
}

} // namespace
