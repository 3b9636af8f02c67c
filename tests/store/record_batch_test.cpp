#include "store/clock.h"
#include "store/memory_table.h"
#include "store/record_batch.h"
#include "store/record_status.h"
#include "store/store.h"
#include "store/table_error.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace vantorelle;

namespace {

const std::string profile = "20240101120000p";

class RecordBatchTest : public ::testing::Test {
protected:
    RecordBatchTest()
        : clock_({2026, 12, 10, 19, 30, 0})
    {
        Clock::install(&clock_);
        readings().setFilter(Criterion::standardFilter());
        readings().setSort({"Key"});
    }
    ~RecordBatchTest() override { Clock::install(nullptr); }

    MemoryTable &readings() { return store.table(TableId::BP); }

    // A row as the table file would have held it.
    void addStored(const std::string &key, std::string_view status)
    {
        readings().addNew();
        readings().setValueAsRead(1, status);
        readings().setValueAsRead(2, key);
        readings().update();
    }

    // The view's rows, "key status date".
    std::vector<std::string> shown()
    {
        std::vector<std::string> rows;
        for (readings().moveFirst(); !readings().eof(); readings().moveNext())
            rows.push_back(std::string(readings().value("Key")) + " "
                + std::string(readings().value("STATUS")) + " "
                + std::string(readings().value("Date")));
        return rows;
    }

    Store store {"/nonexistent/"};
    FixedClock clock_;
};

TEST_F(RecordBatchTest, NewRecordsTakeFreeKeysAndJoinTheOrderAtTheEnd)
{
    // The key of 2024-03-07 08:05 read at the frozen clock, held by a tombstone
    // that the view hides; one second later is free.
    const std::string first = profile + "79759692" + "9194" + "20261210193000p";
    addStored(first, RecordStatus::deleted);
    readings().setSort({"Key"}); // the stored rows sorted, as after loading
    addStored(profile + "79799898" + "9999" + "20200101000000p", RecordStatus::unchanged);

    {
        RecordBatch batch(store, TableId::BP, profile);
        batch.add({{"SBP", "120"}, {"Date", "20240307"}, {"Time", "08:05"}});
        batch.add({{"SBP", "121"}, {"Date", "20240307"}, {"Time", "08:05"}});
        batch.add({{"SBP", "118"}, {"Date", "20250101"}, {"Time", ""}});
        EXPECT_EQ(batch.added(), 3U);
    }

    EXPECT_EQ(shown(),
        (std::vector<std::string> {
            profile + "797498989999" + "20261210193000p 0x0008 20250101",
            profile + "797596929194" + "20261210193001p 0x0008 20240307",
            profile + "797596929194" + "20261210193002p 0x0008 20240307",
            profile + "797998989999" + "20200101000000p 0x0000 ",
        }));
    readings().moveFirst();
    EXPECT_EQ(readings().value("REC_ID"), "0x00000000");
    EXPECT_EQ(readings().value("SBP"), "118");
    EXPECT_EQ(readings().value("Notes"), "");
}

TEST_F(RecordBatchTest, KeysOfAnotherProfileDoNotCount)
{
    addStored("20230101120000p797596929194"
              "20261210193000p",
        RecordStatus::unchanged);
    RecordBatch batch(store, TableId::BP, profile);
    batch.add({{"Date", "20240307"}, {"Time", "08:05"}});
    batch.finish();
    EXPECT_EQ(shown().back(), profile + "79759692919420261210193000p 0x0008 20240307");
}

TEST_F(RecordBatchTest, AValueLongerThanItsFieldIsRefusedBeforeAnythingChanges)
{
    RecordBatch batch(store, TableId::BP, profile);
    EXPECT_THROW(batch.add({{"SBP", "1234567"}, {"Date", "20240307"}}), TableError);
    EXPECT_THROW(batch.add({{"Nothing", "1"}}), TableError);
    batch.finish();
    EXPECT_EQ(readings().recordCount(), 0U);
    EXPECT_EQ(batch.added(), 0U);
}

} // namespace
