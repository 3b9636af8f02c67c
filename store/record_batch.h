#pragma once

#include "store/clock.h"
#include "store/record_operations.h"
#include "store/table_catalog.h"

#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

namespace vantorelle {

class MemoryTable;
class Store;

// New records of one profile added to a topic table one after another, as an
// import adds them: each one "0x00000000" / "0x0008" under a key built by its
// table's recipe, and a clock-made key that a row already holds (tombstones
// included) advanced by a second until it is unique, so two records of the
// same date and time get two keys.
//
// The cost of a record does not grow with the table: the profile's keys are
// gathered once, when the batch begins, and the rows are sorted into the
// table's view once, at finish(). Until then the new rows sit at the end of
// the view.
class RecordBatch {
public:
    // `table` is a topic table, whose keys begin with the profile's key.
    RecordBatch(Store &store, TableId table, std::string profileKey);
    RecordBatch(const RecordBatch &) = delete;
    RecordBatch &operator=(const RecordBatch &) = delete;
    // Finishes the batch.
    ~RecordBatch();

    // Adds a record with `values` (the table's own fields, by name; any not
    // given are empty). A value longer than its column, or naming none, is
    // refused (TableError) before anything changes.
    void add(const FieldValues &values);

    // The number of records added.
    std::size_t added() const { return added_; }

    // Sorts the new rows into the table's view (its filter and sort are kept);
    // the view's first row becomes current. Once; later calls do nothing.
    void finish();

private:
    std::string newKey(const FieldValues &values);

    MemoryTable &rows_;
    TableId table_;
    std::string profileKey_;
    std::unordered_set<std::string> taken_; // keys of the profile's rows, old and new
    // The last clock reading used for each set of key values: lines alike
    // take the next second at once instead of trying every one taken before.
    std::unordered_map<std::string, LocalDateTime> lastClock_;
    std::size_t added_ = 0;
    bool finished_ = false;
};

} // namespace vantorelle
