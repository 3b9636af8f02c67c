#include "store/memory_table.h"

#include "store/record_status.h"
#include "store/table_error.h"

#include <algorithm>
#include <cstdlib>

namespace vantorelle {

namespace {

char asciiLower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// What a number column accepts: a decimal number, blanks around it allowed.
bool isNumber(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return false;
    const auto last = text.find_last_not_of(" \t");
    const std::string number(text.substr(first, last - first + 1));
    char *end = nullptr;
    std::strtod(number.c_str(), &end);
    return end == number.c_str() + number.size();
}

} // namespace

bool sameColumnName(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
        return asciiLower(x) == asciiLower(y);
    });
}

MemoryTable::MemoryTable(std::vector<Column> columns)
    : columns_(std::move(columns))
{
}

std::optional<std::size_t> MemoryTable::columnIndex(std::string_view name) const
{
    for (std::size_t i = 0; i < columns_.size(); ++i) {
        if (sameColumnName(columns_[i].name, name))
            return i;
    }
    return std::nullopt;
}

std::size_t MemoryTable::requireColumn(std::string_view name) const
{
    if (auto index = columnIndex(name))
        return *index;
    throw TableError(TableError::UnknownColumn,
        "Item cannot be found in the collection corresponding to the requested name or "
        "ordinal: "
            + std::string(name));
}

std::string_view MemoryTable::cell(std::uint32_t row, std::size_t column) const
{
    const std::uint32_t *ends = &ends_[row * width()];
    const std::uint32_t start = column == 0 ? 0 : ends[column - 1];
    return std::string_view(bytes_[row]).substr(start, ends[column] - start);
}

void MemoryTable::putCell(std::uint32_t row, std::size_t column, std::string_view value)
{
    std::uint32_t *ends = &ends_[row * width()];
    const std::uint32_t start = column == 0 ? 0 : ends[column - 1];
    const std::uint32_t oldLength = ends[column] - start;
    bytes_[row].replace(start, oldLength, value);
    const auto grow = static_cast<std::uint32_t>(value.size()) - oldLength; // wraps as intended
    for (std::size_t c = column; c < width(); ++c)
        ends[c] += grow;

    // A changed sort value may break the order the binary search relies on.
    if (std::find(sortColumns_.begin(), sortColumns_.end(), column) != sortColumns_.end()) {
        if (row < orderedRows_)
            orderValid_ = false;
        if (state_[row].inView && state_[row].viewPos < sortedEnd_)
            sortedEnd_ = state_[row].viewPos;
    }
}

bool MemoryTable::accepts(std::size_t column, std::string_view value) const
{
    const Column &c = columns_[column];
    return c.kind == ColumnKind::Single ? isNumber(value)
                                        : value.size() <= static_cast<std::size_t>(c.size);
}

bool MemoryTable::passesFilter(std::uint32_t row) const
{
    return !filterColumn_ || filter_->matches(cell(row, *filterColumn_));
}

bool MemoryTable::sortsBefore(std::uint32_t a, std::uint32_t b) const
{
    for (std::size_t column : sortColumns_) {
        const int order = cell(a, column).compare(cell(b, column));
        if (order != 0)
            return order < 0;
    }
    return false;
}

void MemoryTable::setFilter(std::optional<Criterion> filter)
{
    filterColumn_ = filter ? std::optional(requireColumn(filter->column)) : std::nullopt;
    filter_ = std::move(filter);
    rebuild();
}

void MemoryTable::setSort(std::vector<std::string> columns)
{
    std::vector<std::size_t> indexes;
    for (const std::string &name : columns)
        indexes.push_back(requireColumn(name));
    if (indexes != sortColumns_)
        orderValid_ = false;
    sort_ = std::move(columns);
    sortColumns_ = std::move(indexes);
    rebuild();
}

// Brings order_ up to date: a full stable sort when it is stale, else only the
// rows added since are sorted and merged in (stable: older rows first on ties).
void MemoryTable::refreshOrder()
{
    const auto rowCount = static_cast<std::uint32_t>(state_.size());
    std::size_t sortedRows = 0;
    if (orderValid_) {
        std::erase_if(order_, [this](std::uint32_t row) { return !state_[row].alive; });
        sortedRows = order_.size();
    } else {
        order_.clear();
        orderedRows_ = 0;
    }
    for (auto row = static_cast<std::uint32_t>(orderedRows_); row < rowCount; ++row) {
        if (state_[row].alive)
            order_.push_back(row);
    }

    // Sort the new rows by their first sort value held beside them, which
    // keeps the comparisons in cache; later sort columns only break ties.
    struct Entry {
        std::string_view first;
        std::uint32_t row;
    };
    std::vector<Entry> entries;
    entries.reserve(order_.size() - sortedRows);
    for (std::size_t i = sortedRows; i < order_.size(); ++i)
        entries.push_back({cell(order_[i], sortColumns_.front()), order_[i]});
    std::stable_sort(entries.begin(), entries.end(), [this](const Entry &a, const Entry &b) {
        const int order = a.first.compare(b.first);
        return order != 0 ? order < 0 : sortsBefore(a.row, b.row);
    });
    for (std::size_t i = 0; i < entries.size(); ++i)
        order_[sortedRows + i] = entries[i].row;
    const auto less = [this](std::uint32_t a, std::uint32_t b) { return sortsBefore(a, b); };
    std::inplace_merge(order_.begin(), order_.begin() + static_cast<std::ptrdiff_t>(sortedRows),
        order_.end(), less);
    orderedRows_ = rowCount;
    orderValid_ = true;
}

void MemoryTable::rebuild()
{
    for (RowState &state : state_)
        state.inView = false;
    view_.clear();
    const auto consider = [this](std::uint32_t row) {
        if (!state_[row].alive || !passesFilter(row))
            return;
        state_[row].inView = true;
        state_[row].viewPos = static_cast<std::uint32_t>(view_.size());
        view_.push_back(row);
    };
    if (sortColumns_.empty()) {
        orderValid_ = false;
        for (std::uint32_t row = 0; row < state_.size(); ++row)
            consider(row);
        sortedEnd_ = 0;
    } else {
        refreshOrder();
        for (std::uint32_t row : order_)
            consider(row);
        sortedEnd_ = view_.size();
    }
    visibleCount_ = view_.size();
    pos_ = 0;

    // Deleted rows are now referenced by neither the view nor the order.
    for (std::uint32_t row : released_)
        std::string().swap(bytes_[row]);
    released_.clear();
}

void MemoryTable::skipHidden()
{
    while (pos_ < view_.size() && !state_[view_[pos_]].inView)
        ++pos_;
}

void MemoryTable::moveFirst()
{
    pos_ = 0;
    skipHidden();
}

void MemoryTable::moveNext()
{
    if (pos_ < view_.size())
        ++pos_;
    skipHidden();
}

bool MemoryTable::find(const Criterion &criterion)
{
    const std::size_t column = requireColumn(criterion.column);
    std::size_t from = pos_;
    if (from >= view_.size())
        return false;
    // Walking a run of matches: the current row is the next one.
    if (state_[view_[from]].inView && criterion.matches(cell(view_[from], column)))
        return true;

    const bool binary = criterion.test != Criterion::Test::NotEqual && !sortColumns_.empty()
        && sortColumns_.front() == column && from < sortedEnd_;
    if (binary) {
        const auto begin = view_.begin() + static_cast<std::ptrdiff_t>(from);
        const auto end = view_.begin() + static_cast<std::ptrdiff_t>(sortedEnd_);
        auto it = std::lower_bound(begin, end, std::string_view(criterion.literal),
            [&](std::uint32_t row, std::string_view literal) {
                return cell(row, column) < literal;
            });
        for (; it != end && criterion.matches(cell(*it, column)); ++it) {
            if (state_[*it].inView) {
                pos_ = static_cast<std::size_t>(it - view_.begin());
                return true;
            }
        }
        from = sortedEnd_;
    }
    for (std::size_t i = from; i < view_.size(); ++i) {
        const std::uint32_t row = view_[i];
        if (state_[row].inView && criterion.matches(cell(row, column))) {
            pos_ = i;
            return true;
        }
    }
    pos_ = view_.size();
    return false;
}

std::uint32_t MemoryTable::currentRow() const
{
    if (pos_ >= view_.size() || !state_[view_[pos_]].inView)
        throw TableError(TableError::NoCurrentRow,
            "Either BOF or EOF is True, or the current record has been deleted. "
            "Requested operation requires a current record.");
    return view_[pos_];
}

RowHandle MemoryTable::handle() const
{
    return currentRow();
}

bool MemoryTable::moveTo(RowHandle row)
{
    if (!isVisible(row))
        return false;
    pos_ = state_[row].viewPos;
    return true;
}

std::string_view MemoryTable::value(std::string_view column) const
{
    return cell(currentRow(), requireColumn(column));
}

std::string_view MemoryTable::value(std::size_t column) const
{
    const std::uint32_t row = currentRow();
    if (column >= width())
        throw TableError(TableError::UnknownColumn,
            "Item cannot be found in the collection corresponding to the requested "
            "name or ordinal.");
    return cell(row, column);
}

void MemoryTable::setValue(std::string_view column, std::string_view value)
{
    setValue(requireColumn(column), value);
}

void MemoryTable::setValue(std::size_t column, std::string_view value)
{
    const std::uint32_t row = currentRow();
    if (column >= width() || !accepts(column, value))
        throw TableError(TableError::ValueRefused,
            "Multiple-step operation generated errors. Check each status value. ("
                + (column < width() ? columns_[column].name : std::string()) + ")");
    if (cell(row, column) == value)
        return;
    putCell(row, column, value);
    ++changes_;
}

void MemoryTable::setValueAsRead(std::size_t column, std::string_view value)
{
    const std::uint32_t row = currentRow();
    const bool noNumber = columns_[column].kind == ColumnKind::Single && !isNumber(value);
    putCell(row, column, noNumber ? std::string_view() : value);
    ++changes_;
}

void MemoryTable::addNew()
{
    const auto row = static_cast<std::uint32_t>(state_.size());
    bytes_.emplace_back();
    ends_.resize(ends_.size() + width(), 0);
    state_.push_back({static_cast<std::uint32_t>(view_.size()), true, true});
    view_.push_back(row);
    ++visibleCount_;
    pos_ = state_[row].viewPos;
    ++changes_;
}

void MemoryTable::update()
{
    const std::uint32_t row = currentRow();
    if (!passesFilter(row)) {
        state_[row].inView = false;
        --visibleCount_;
    }
}

void MemoryTable::deleteRow()
{
    const std::uint32_t row = currentRow();
    state_[row].alive = false;
    state_[row].inView = false;
    --visibleCount_;
    released_.push_back(row);
    ++changes_;
}

void MemoryTable::applyDeleteRule()
{
    const std::size_t status = requireColumn("STATUS");
    if (value(status) == RecordStatus::added) {
        deleteRow();
    } else {
        setValue(status, RecordStatus::deleted);
        update();
    }
}

bool MemoryTable::isVisible(RowHandle row) const
{
    return row < state_.size() && state_[row].alive && state_[row].inView;
}

std::string_view MemoryTable::valueAt(RowHandle row, std::size_t column) const
{
    if (row >= state_.size() || !state_[row].alive || column >= width())
        throw TableError(TableError::NoCurrentRow, "The record has been deleted.");
    return cell(row, column);
}

std::size_t MemoryTable::byteCount() const
{
    std::size_t bytes = 0;
    for (std::size_t row = 0; row < state_.size(); ++row) {
        if (state_[row].alive)
            bytes += bytes_[row].size();
    }
    return bytes;
}

bool MemoryTable::containsValue(std::size_t column, std::string_view value) const
{
    std::uint32_t linearFrom = 0;
    if (orderValid_ && !sortColumns_.empty() && sortColumns_.front() == column) {
        auto it = std::lower_bound(order_.begin(), order_.end(), value,
            [&](std::uint32_t row, std::string_view v) { return cell(row, column) < v; });
        for (; it != order_.end() && cell(*it, column) == value; ++it) {
            if (state_[*it].alive)
                return true;
        }
        linearFrom = static_cast<std::uint32_t>(orderedRows_);
    }
    for (std::uint32_t row = linearFrom; row < state_.size(); ++row) {
        if (state_[row].alive && cell(row, column) == value)
            return true;
    }
    return false;
}

std::vector<std::string> MemoryTable::valuesStartingWith(
    std::size_t column, std::string_view prefix) const
{
    std::vector<std::string> values;
    std::uint32_t linearFrom = 0;
    if (orderValid_ && !sortColumns_.empty() && sortColumns_.front() == column) {
        auto it = std::lower_bound(order_.begin(), order_.end(), prefix,
            [&](std::uint32_t row, std::string_view p) { return cell(row, column) < p; });
        for (; it != order_.end() && cell(*it, column).starts_with(prefix); ++it) {
            if (state_[*it].alive)
                values.emplace_back(cell(*it, column));
        }
        linearFrom = static_cast<std::uint32_t>(orderedRows_);
    }
    for (std::uint32_t row = linearFrom; row < state_.size(); ++row) {
        if (state_[row].alive && cell(row, column).starts_with(prefix))
            values.emplace_back(cell(row, column));
    }
    return values;
}

std::vector<RowHandle> MemoryTable::rowsByValue(std::size_t column, std::string_view prefix) const
{
    if (column >= width())
        throw TableError(TableError::UnknownColumn,
            "Item cannot be found in the collection corresponding to the requested "
            "name or ordinal.");
    const auto byValue = [this, column](std::uint32_t a, std::uint32_t b) {
        return cell(a, column) < cell(b, column);
    };
    const auto wanted = [this, column, prefix](std::uint32_t row) {
        return state_[row].alive && cell(row, column).starts_with(prefix) && passesFilter(row);
    };

    std::vector<RowHandle> rows;
    std::uint32_t scanFrom = 0;
    if (orderValid_ && !sortColumns_.empty() && sortColumns_.front() == column) {
        auto it = std::lower_bound(order_.begin(), order_.end(), prefix,
            [&](std::uint32_t row, std::string_view p) { return cell(row, column) < p; });
        for (; it != order_.end() && cell(*it, column).starts_with(prefix); ++it) {
            if (wanted(*it))
                rows.push_back(*it);
        }
        // Later sort columns order equal values; here the order of addition does.
        if (sortColumns_.size() > 1)
            std::sort(rows.begin(), rows.end(), [&](std::uint32_t a, std::uint32_t b) {
                const int order = cell(a, column).compare(cell(b, column));
                return order != 0 ? order < 0 : a < b;
            });
        scanFrom = static_cast<std::uint32_t>(orderedRows_);
    }

    // Rows outside the sort order, met in the order of addition: a stable sort
    // and a stable merge keep that order among equal values.
    const auto sortedRows = static_cast<std::ptrdiff_t>(rows.size());
    for (std::uint32_t row = scanFrom; row < state_.size(); ++row) {
        if (wanted(row))
            rows.push_back(row);
    }
    std::stable_sort(rows.begin() + sortedRows, rows.end(), byValue);
    std::inplace_merge(rows.begin(), rows.begin() + sortedRows, rows.end(), byValue);
    return rows;
}

void MemoryTable::appendRow(const RowValues &values)
{
    const auto row = static_cast<std::uint32_t>(state_.size());
    const std::size_t count = std::min(values.size(), width());
    const std::uint32_t used = count == 0 ? 0 : values.ends()[count - 1];
    bytes_.emplace_back(values.bytes().data(), used);
    ends_.insert(ends_.end(), values.ends().begin(),
        values.ends().begin() + static_cast<std::ptrdiff_t>(count));
    ends_.resize(ends_.size() + (width() - count), used);
    state_.push_back({});
    ++changes_;
    for (std::size_t c = 0; c < count; ++c) {
        if (columns_[c].kind == ColumnKind::Single && !isNumber(cell(row, c)))
            putCell(row, c, {});
    }
    if (passesFilter(row)) {
        state_[row].inView = true;
        state_[row].viewPos = static_cast<std::uint32_t>(view_.size());
        view_.push_back(row);
        ++visibleCount_;
    }
}

} // namespace vantorelle
