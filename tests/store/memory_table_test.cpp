#include "store/memory_table.h"
#include "store/record_status.h"
#include "store/table_error.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

using namespace vantorelle;

namespace {

MemoryTable makeTable()
{
    return MemoryTable({{"REC_ID", ColumnKind::FixedText, 10}, {"STATUS", ColumnKind::FixedText, 6},
        {"Key", ColumnKind::Text, 200}, {"Last", ColumnKind::Text, 80},
        {"First", ColumnKind::Text, 40}});
}

void add(MemoryTable &table, std::string_view key,
    std::string_view status = RecordStatus::unchanged, std::string_view last = "",
    std::string_view first = "")
{
    table.addNew();
    table.setValue("REC_ID", "0x00000001");
    table.setValue("STATUS", status);
    table.setValue("Key", key);
    table.setValue("Last", last);
    table.setValue("First", first);
    table.update();
}

// The keys of the view, walked as the callers walk it.
std::vector<std::string> keys(MemoryTable &table)
{
    std::vector<std::string> result;
    for (table.moveFirst(); !table.eof(); table.moveNext())
        result.emplace_back(table.value("Key"));
    return result;
}

using Keys = std::vector<std::string>;

TEST(MemoryTable, EmptyTableIsAtEofAndFindsNothing)
{
    MemoryTable table = makeTable();
    table.setFilter(Criterion::standardFilter());
    EXPECT_EQ(table.recordCount(), 0u);
    EXPECT_TRUE(table.eof());
    EXPECT_FALSE(table.find(Criterion::equal("Key", "a")));
    EXPECT_TRUE(table.eof());
    try {
        table.value("Key");
        FAIL() << "reading at EOF must fail";
    } catch (const TableError &error) {
        EXPECT_EQ(error.number(), TableError::NoCurrentRow);
    }
}

TEST(MemoryTable, ColumnsAreNamedWithoutRegardToCase)
{
    MemoryTable table = makeTable();
    add(table, "k1", "0x0004");
    EXPECT_EQ(table.value("Status"), "0x0004");
    EXPECT_EQ(table.value("status"), "0x0004");
    EXPECT_EQ(table.value("key"), "k1");
    EXPECT_EQ(table.value(std::size_t {2}), "k1");
    EXPECT_THROW(table.value("Nothing"), TableError);
    EXPECT_THROW(table.setSort({"nothing"}), TableError);
}

TEST(MemoryTable, RefusesValuesLongerThanTheColumnAndKeepsTheOldOne)
{
    MemoryTable table = makeTable();
    add(table, "old");
    EXPECT_THROW(table.setValue("Key", std::string(201, 'k')), TableError);
    EXPECT_EQ(table.value("Key"), "old");
    table.setValue("Key", std::string(200, 'k'));
    EXPECT_EQ(table.value("Key").size(), 200u);
    // A value carried unchanged from a file is kept whatever its length.
    table.setValueAsRead(2, std::string(250, 'x'));
    EXPECT_EQ(table.value("Key").size(), 250u);
}

TEST(MemoryTable, NumberColumnsHoldOnlyNumbers)
{
    MemoryTable table({{"PrefsNum1", ColumnKind::Single, 10}});
    table.addNew();
    table.setValue("PrefsNum1", "12");
    EXPECT_THROW(table.setValue("PrefsNum1", "abc"), TableError);
    EXPECT_THROW(table.setValue("PrefsNum1", ""), TableError);
    EXPECT_EQ(table.value("PrefsNum1"), "12");
}

TEST(MemoryTable, StandardFilterHidesTombstonesAndTheEmptyFilterShowsThem)
{
    MemoryTable table = makeTable();
    add(table, "a");
    add(table, "b", RecordStatus::deleted);
    add(table, "c", RecordStatus::added);
    table.setFilter(Criterion::standardFilter());
    EXPECT_EQ(table.recordCount(), 2u);
    EXPECT_EQ(keys(table), (Keys {"a", "c"}));
    table.setFilter(std::nullopt);
    EXPECT_EQ(table.recordCount(), 3u);
    EXPECT_EQ(keys(table), (Keys {"a", "b", "c"}));
}

TEST(MemoryTable, DeleteRuleRemovesNewRowsAndMarksOthers)
{
    MemoryTable table = makeTable();
    add(table, "a");
    add(table, "b", RecordStatus::added);
    add(table, "c", RecordStatus::modified);
    add(table, "d");
    table.setFilter(Criterion::standardFilter());

    ASSERT_TRUE(table.find(Criterion::equal("Key", "b")));
    table.applyDeleteRule();
    EXPECT_EQ(table.recordCount(), 3u);
    table.moveNext();
    EXPECT_EQ(table.value("Key"), "c"); // the row that followed the removed one

    table.applyDeleteRule(); // "c" becomes a tombstone
    EXPECT_EQ(table.recordCount(), 2u);
    table.moveNext();
    EXPECT_EQ(table.value("Key"), "d");
    table.moveFirst();
    EXPECT_FALSE(table.find(Criterion::equal("Key", "c")));

    table.setFilter(std::nullopt);
    EXPECT_EQ(keys(table), (Keys {"a", "c", "d"})); // "b" is gone for good
    table.moveFirst();
    ASSERT_TRUE(table.find(Criterion::equal("Key", "c")));
    EXPECT_EQ(table.value("STATUS"), RecordStatus::deleted);
}

TEST(MemoryTable, AddedRowStandsAtTheEndUntilTheViewIsRebuilt)
{
    MemoryTable table = makeTable();
    add(table, "b");
    add(table, "d");
    table.setSort({"Key"});
    table.setFilter(Criterion::standardFilter());
    add(table, "a");
    EXPECT_EQ(keys(table), (Keys {"b", "d", "a"}));
    EXPECT_EQ(table.recordCount(), 3u);
    table.setFilter(Criterion::standardFilter());
    EXPECT_EQ(keys(table), (Keys {"a", "b", "d"}));
}

TEST(MemoryTable, SortIsOrdinalAndStable)
{
    MemoryTable table = makeTable();
    add(table, "1", RecordStatus::unchanged, "smith", "bob");
    add(table, "2", RecordStatus::unchanged, "Smith", "ann");
    add(table, "3", RecordStatus::unchanged, "smith", "al");
    add(table, "4", RecordStatus::unchanged, "\xC9vora", "x"); // cp1252 bytes sort after ASCII
    add(table, "5", RecordStatus::unchanged, "smith", "bob");
    table.setSort({"Last", "First"});
    EXPECT_EQ(keys(table), (Keys {"2", "3", "1", "5", "4"}));
    table.setSort({"Last"});
    EXPECT_EQ(keys(table), (Keys {"2", "1", "3", "5", "4"}));
}

TEST(MemoryTable, FindSearchesForwardFromTheCurrentRow)
{
    MemoryTable table = makeTable();
    for (const char *key : {"p1a", "p1b", "p2a", "p1c", "p10"})
        add(table, key);
    table.setFilter(Criterion::standardFilter());
    table.setSort({"Key"});

    struct Case {
        Criterion criterion;
        Keys found;
    };
    const Case cases[] = {
        {Criterion::startsWith("Key", "p1"), {"p10", "p1a", "p1b", "p1c"}},
        {Criterion::equal("Key", "p1"), {}},
        {Criterion::equal("Key", "p1b"), {"p1b"}},
        {Criterion::startsWith("Key", ""), {"p10", "p1a", "p1b", "p1c", "p2a"}},
        {Criterion::startsWith("key", "p2"), {"p2a"}},
    };
    for (const Case &c : cases) {
        Keys found;
        table.moveFirst();
        for (bool hit = table.find(c.criterion); hit; hit = table.find(c.criterion)) {
            found.emplace_back(table.value("Key"));
            table.moveNext();
        }
        EXPECT_EQ(found, c.found) << c.criterion.literal;
        EXPECT_TRUE(table.eof());
    }
    // From a later row, earlier matches are not seen.
    table.moveFirst();
    ASSERT_TRUE(table.find(Criterion::equal("Key", "p2a")));
    EXPECT_FALSE(table.find(Criterion::equal("Key", "p1a")));
    // MoveNext past the end, then Find: still EOF, no error.
    table.moveFirst();
    for (int i = 0; i < 10; ++i)
        table.moveNext();
    EXPECT_FALSE(table.find(Criterion::startsWith("Key", "p")));
    EXPECT_TRUE(table.eof());
}

TEST(MemoryTable, RepeatedFindAndMarkRetiresAProfile)
{
    MemoryTable table = makeTable();
    for (const char *key : {"p1a", "p2a", "p1b", "p1c"})
        add(table, key);
    table.setSort({"Key"});
    table.setFilter(Criterion::standardFilter());
    int marked = 0;
    for (;;) {
        table.moveFirst();
        if (!table.find(Criterion::startsWith("Key", "p1")))
            break;
        table.applyDeleteRule();
        ++marked;
    }
    EXPECT_EQ(marked, 3);
    EXPECT_EQ(keys(table), (Keys {"p2a"}));
}

TEST(MemoryTable, WalkThatRetiresRepeatedKeysKeepsTheFirst)
{
    MemoryTable table = makeTable();
    add(table, "k", RecordStatus::unchanged, "first");
    add(table, "k", RecordStatus::added, "second");
    add(table, "k", RecordStatus::modified, "third");
    add(table, "m");
    table.setFilter(Criterion::standardFilter());
    table.setSort({"Key"});
    std::string previous;
    for (table.moveFirst(); !table.eof();) {
        const std::string key(table.value(2));
        if (key == previous)
            table.applyDeleteRule();
        table.moveNext();
        previous = key;
    }
    table.setFilter(std::nullopt);
    std::vector<std::pair<std::string, std::string>> rows;
    for (table.moveFirst(); !table.eof(); table.moveNext())
        rows.emplace_back(table.value("Last"), table.value("STATUS"));
    const std::vector<std::pair<std::string, std::string>> expected
        = {{"first", "0x0000"}, {"third", "0x0002"}, {"", "0x0000"}};
    EXPECT_EQ(rows, expected);
}

TEST(MemoryTable, HandlesReachTheRowShownEvenWhenKeysRepeat)
{
    MemoryTable table = makeTable();
    add(table, "same", RecordStatus::unchanged, "one");
    const RowHandle one = table.handle();
    add(table, "same", RecordStatus::added, "two");
    const RowHandle two = table.handle();
    table.setSort({"Key"});
    table.setFilter(Criterion::standardFilter());

    ASSERT_TRUE(table.moveTo(two));
    EXPECT_EQ(table.value("Last"), "two");
    ASSERT_TRUE(table.moveTo(one));
    EXPECT_EQ(table.value("Last"), "one");
    EXPECT_EQ(table.valueAt(two, 3), "two");

    table.moveTo(two);
    table.applyDeleteRule();
    EXPECT_FALSE(table.moveTo(two));
    EXPECT_FALSE(table.isVisible(two));
    table.moveTo(one);
    table.applyDeleteRule();
    EXPECT_FALSE(table.moveTo(one)); // a tombstone is out of the view
    table.setFilter(std::nullopt);
    EXPECT_TRUE(table.moveTo(one));
}

TEST(MemoryTable, ContainsValueSeesTombstonesAndNewRows)
{
    MemoryTable table = makeTable();
    add(table, "b", RecordStatus::deleted);
    add(table, "a");
    table.setSort({"Key"});
    table.setFilter(Criterion::standardFilter());
    add(table, "c", RecordStatus::added);
    for (const char *key : {"a", "b", "c"})
        EXPECT_TRUE(table.containsValue(2, key)) << key;
    EXPECT_FALSE(table.containsValue(2, "d"));
    table.moveFirst();
    ASSERT_TRUE(table.find(Criterion::equal("Key", "c")));
    table.applyDeleteRule();
    EXPECT_FALSE(table.containsValue(2, "c")); // removed for good
}

// The view against a plain model of the same rules: random adds, deletes, key
// changes in place, rebuilds and finds must agree step by step. This guards the
// binary search and the rows that leave the view between rebuilds. After each
// step the read-only query must give the model's rows, and must move nothing
// (the next step's checks would see it).
TEST(MemoryTable, AgreesWithAPlainModelUnderRandomOperations)
{
    struct ModelRow {
        std::string key, status;
        bool alive = true;
    };
    std::vector<ModelRow> rows;
    std::vector<std::size_t> view;
    std::vector<bool> inView;
    std::size_t pos = 0;
    bool sorted = false;

    MemoryTable table = makeTable();
    std::mt19937 random(20240315);
    std::mt19937 queryRandom(7); // the query's own choices leave the steps as they were
    const auto randomKey = [&] {
        std::string key = "p" + std::to_string(random() % 5);
        key += static_cast<char>('a' + random() % 4);
        return key;
    };
    const auto visible = [&](std::size_t row) { return rows[row].alive && inView[row]; };
    const auto modelRebuild = [&] {
        std::vector<std::size_t> order;
        for (std::size_t r = 0; r < rows.size(); ++r) {
            inView[r] = false;
            if (rows[r].alive && rows[r].status != "0x0002")
                order.push_back(r);
        }
        if (sorted)
            std::stable_sort(order.begin(), order.end(),
                [&](std::size_t a, std::size_t b) { return rows[a].key < rows[b].key; });
        for (std::size_t r : order)
            inView[r] = true;
        view = order;
        pos = 0;
    };
    const auto modelCurrent = [&]() -> long {
        return pos < view.size() && visible(view[pos]) ? static_cast<long>(view[pos]) : -1;
    };
    const auto skip = [&] {
        while (pos < view.size() && !visible(view[pos]))
            ++pos;
    };

    table.setFilter(Criterion::standardFilter());
    for (int step = 0; step < 4000; ++step) {
        const unsigned op = random() % 10;
        if (op < 3) { // add
            const std::string key = randomKey();
            const std::string status = random() % 2 ? "0x0008" : "0x0000";
            add(table, key, status);
            rows.push_back({key, status});
            inView.push_back(true);
            view.push_back(rows.size() - 1);
            pos = view.size() - 1;
        } else if (op == 3) { // rebuild
            sorted = random() % 4 != 0;
            // "Last" is empty in every row: each of these sorts is the Key order.
            const std::vector<std::string> sorts[] = {{"Key"}, {"Key", "Last"}, {"Last", "Key"}};
            if (sorted)
                table.setSort(sorts[queryRandom() % 3]);
            else
                table.setSort({});
            modelRebuild();
        } else if (op == 4) {
            table.moveFirst();
            pos = 0;
            skip();
        } else if (op == 5) {
            table.moveNext();
            if (pos < view.size())
                ++pos;
            skip();
        } else if (op <= 7) { // find
            const bool prefix = random() % 2;
            const std::string literal = prefix ? randomKey().substr(0, 2) : randomKey();
            const Criterion criterion
                = prefix ? Criterion::startsWith("Key", literal) : Criterion::equal("Key", literal);
            table.find(criterion);
            std::size_t i = pos;
            while (i < view.size() && !(visible(view[i]) && criterion.matches(rows[view[i]].key)))
                ++i;
            pos = i;
        } else if (op == 8 && modelCurrent() >= 0) { // delete rule
            const auto row = static_cast<std::size_t>(modelCurrent());
            table.applyDeleteRule();
            if (rows[row].status == "0x0008")
                rows[row].alive = false;
            else
                rows[row].status = "0x0002";
            inView[row] = false;
        } else if (op == 9 && modelCurrent() >= 0) { // key changed in place
            const auto row = static_cast<std::size_t>(modelCurrent());
            const std::string key = randomKey();
            table.setValue("Key", key);
            table.update();
            rows[row].key = key;
        }
        const long current = modelCurrent();
        ASSERT_EQ(table.eof(), pos >= view.size()) << "step " << step;
        if (current >= 0) {
            ASSERT_EQ(table.handle(), static_cast<RowHandle>(current)) << "step " << step;
        }
        ASSERT_EQ(table.recordCount(),
            static_cast<std::size_t>(std::count_if(view.begin(), view.end(), visible)))
            << "step " << step;

        // "", "p", "p3" or "p3b": every row, many, a few, one Key.
        const std::string key
            = "p" + std::to_string(queryRandom() % 5) + static_cast<char>('a' + queryRandom() % 4);
        const std::string prefix = key.substr(0, queryRandom() % 4);
        std::vector<RowHandle> expected;
        for (std::size_t r = 0; r < rows.size(); ++r) {
            if (rows[r].alive && rows[r].status != "0x0002" && rows[r].key.starts_with(prefix))
                expected.push_back(static_cast<RowHandle>(r));
        }
        std::stable_sort(expected.begin(), expected.end(),
            [&](RowHandle a, RowHandle b) { return rows[a].key < rows[b].key; });
        ASSERT_EQ(table.rowsByValue(2, prefix), expected)
            << "step " << step << " prefix " << prefix;
    }
}

} // namespace
