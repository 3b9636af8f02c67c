#pragma once

#include "store/criterion.h"
#include "store/row_values.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantorelle {

// Column kinds, numbered as the column declarations of the tables number them.
enum class ColumnKind {
    FixedText = 129, // REC_ID (10), STATUS (6)
    Text = 200, // Key and every field: at most `size` characters
    Single = 4, // the preferences' numbers: holds the text of a number, or nothing
};

struct Column {
    std::string name;
    ColumnKind kind = ColumnKind::Text;
    int size = 0;
};

// Column and field names match whatever their letter case (ASCII).
bool sameColumnName(std::string_view a, std::string_view b);

// A row's identity for the whole run. Never reused and never written to a file,
// so the grid, viewer and editor reach the row they showed even when two rows
// share a Key.
using RowHandle = std::uint32_t;

// One in-memory table: declared columns, rows of byte strings, and one view
// (filter + stable ordinal sort) with one current row shared by every user.
//
// View rules the callers rely on:
// - setFilter/setSort rebuild the view once and make its first row current;
// - addNew places the new row at the end of the view until the next rebuild;
// - an update that makes a row fail the filter takes it out of the view at once;
// - after deleteRow, or such an update, the position stays where the row was:
//   moveNext goes to the row that followed it;
// - find searches forward from the current row. On the sorted part of the view
//   an equality or prefix search on the first sort column is a binary search.
//
// Values are bytes as read from the files (cp1252); a value read stays valid
// until its row is changed. Errors (no current row, an unknown column, a value
// the column refuses) throw TableError.
class MemoryTable {
public:
    explicit MemoryTable(std::vector<Column> columns);

    const std::vector<Column> &columns() const { return columns_; }
    // The position of the column named `name`, compared without regard to case.
    std::optional<std::size_t> columnIndex(std::string_view name) const;
    // The same; an unknown name throws TableError.
    std::size_t requireColumn(std::string_view name) const;

    // ---- The view
    const std::optional<Criterion> &filter() const { return filter_; }
    void setFilter(std::optional<Criterion> filter);
    // Column names, each ascending; empty: the order of addition.
    const std::vector<std::string> &sort() const { return sort_; }
    void setSort(std::vector<std::string> columns);
    // Rows in the view.
    std::size_t recordCount() const { return visibleCount_; }
    void moveFirst();
    void moveNext();
    bool eof() const { return pos_ >= view_.size(); }
    // Makes the first row at or after the current one that meets `criterion`
    // current and returns true; else the position is EOF and it returns false.
    bool find(const Criterion &criterion);
    // The current row's handle, and back: moveTo fails (false, position kept)
    // when the row is gone or not in the view.
    RowHandle handle() const;
    bool moveTo(RowHandle row);

    // ---- The current row
    std::string_view value(std::string_view column) const;
    std::string_view value(std::size_t column) const;
    // Refuses a text longer than its column, or a number column's text that is
    // not a number (TableError); the column then keeps its value.
    void setValue(std::string_view column, std::string_view value);
    void setValue(std::size_t column, std::string_view value);
    // For a value the store carries unchanged from a file: kept even when longer
    // than its column, as it was read (a number column's text that is not a
    // number leaves the column without a value, as on reading).
    void setValueAsRead(std::size_t column, std::string_view value);
    // Whether setValue would take `value` for `column`.
    bool accepts(std::size_t column, std::string_view value) const;
    void addNew();
    // Ends a change of the current row (values take effect at once; update
    // settles the row's place in the view).
    void update();
    // Removes the current row for good: in no view and never written again.
    void deleteRow();
    // The only way the system removes a record: a row never synchronised
    // ("0x0008") is removed, any other becomes a tombstone ("0x0002").
    void applyDeleteRule();

    // ---- Any row, without moving the current one
    bool isVisible(RowHandle row) const;
    std::string_view valueAt(RowHandle row, std::size_t column) const;
    // The bytes of the values of every row.
    std::size_t byteCount() const;
    // Whether any row, hidden ones and tombstones included, holds `value`.
    bool containsValue(std::size_t column, std::string_view value) const;
    // The values of `column` that begin with `prefix`, of every row, hidden
    // ones and tombstones included. A binary search where the order is sorted
    // on `column` first, plus a pass over the rows added since.
    std::vector<std::string> valuesStartingWith(std::size_t column, std::string_view prefix) const;
    // The rows the filter lets through whose value in `column` begins with
    // `prefix` (every row for ""), ordered by that value, ordinal, rows of
    // equal value in the order of addition. Leaves the view and the current
    // row as they are. Where the view is sorted on `column` first this is a
    // binary search on the sort order, plus a pass over the rows added since.
    std::vector<RowHandle> rowsByValue(std::size_t column, std::string_view prefix) const;

    // Adds a row read from a file: values in column order, kept as read (a
    // number column's text that is not a number is left empty); missing values
    // are empty, surplus ones ignored. The row joins the view like addNew+update.
    void appendRow(const RowValues &values);

    // Grows with every change of the rows (a row added, deleted, or a value
    // set to another); moving, filtering and sorting leave it. Whoever writes
    // the table notes it, to tell later whether anything changed since.
    std::uint64_t changeCount() const { return changes_; }

private:
    struct RowState {
        std::uint32_t viewPos = 0;
        bool alive = true;
        bool inView = false;
    };

    std::size_t width() const { return columns_.size(); }
    std::uint32_t currentRow() const;
    std::string_view cell(std::uint32_t row, std::size_t column) const;
    void putCell(std::uint32_t row, std::size_t column, std::string_view value);
    bool passesFilter(std::uint32_t row) const;
    bool sortsBefore(std::uint32_t a, std::uint32_t b) const;
    void refreshOrder();
    void rebuild();
    void skipHidden();

    std::vector<Column> columns_;

    // Rows in the order of addition; a RowHandle is the index here.
    std::uint64_t changes_ = 0;
    std::vector<std::string> bytes_; // each row's values back to back
    std::vector<std::uint32_t> ends_; // width() end offsets per row
    std::vector<RowState> state_;
    std::vector<std::uint32_t> released_; // deleted rows whose bytes go at the next rebuild

    std::optional<Criterion> filter_;
    std::optional<std::size_t> filterColumn_;
    std::vector<std::string> sort_;
    std::vector<std::size_t> sortColumns_;

    // Every live row [0, orderedRows_) in sort order; rows added later are
    // merged in at the next rebuild. Makes re-filtering a sorted table cheap.
    std::vector<std::uint32_t> order_;
    std::size_t orderedRows_ = 0;
    bool orderValid_ = false;

    std::vector<std::uint32_t> view_; // may hold rows that left the view since the rebuild
    std::size_t sortedEnd_ = 0; // view_[0, sortedEnd_) is in sort order
    std::size_t visibleCount_ = 0;
    std::size_t pos_ = 0;
};

} // namespace vantorelle
