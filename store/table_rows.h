#pragma once

#include "store/memory_table.h"

#include <cstddef>
#include <iterator>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vantorelle {

// One row found by a read-only query: its handle and its values, read without
// moving the table's current row.
class RowView {
public:
    RowView(const MemoryTable &table, RowHandle row)
        : table_(&table)
        , row_(row)
    {
    }

    RowHandle handle() const { return row_; }
    std::string_view value(std::size_t column) const { return table_->valueAt(row_, column); }
    // By column name, compared without regard to case; an unknown name throws TableError.
    std::string_view value(std::string_view column) const
    {
        return value(table_->requireColumn(column));
    }

private:
    const MemoryTable *table_;
    RowHandle row_;
};

// The rows a read-only query found in one table, in Key order. Valid while no
// row of the table is added, changed or deleted.
class TableRows {
public:
    class Iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = RowView;
        using difference_type = std::ptrdiff_t;
        using pointer = void;
        using reference = RowView;

        Iterator() = default;
        Iterator(const MemoryTable *table, std::vector<RowHandle>::const_iterator at)
            : table_(table)
            , at_(at)
        {
        }
        RowView operator*() const { return RowView(*table_, *at_); }
        Iterator &operator++()
        {
            ++at_;
            return *this;
        }
        Iterator operator++(int)
        {
            Iterator before = *this;
            ++at_;
            return before;
        }
        bool operator==(const Iterator &other) const { return at_ == other.at_; }

    private:
        const MemoryTable *table_ = nullptr;
        std::vector<RowHandle>::const_iterator at_;
    };

    TableRows(const MemoryTable &table, std::vector<RowHandle> rows)
        : table_(&table)
        , rows_(std::move(rows))
    {
    }

    std::size_t size() const { return rows_.size(); }
    bool empty() const { return rows_.empty(); }
    RowView operator[](std::size_t i) const { return RowView(*table_, rows_[i]); }
    const std::vector<RowHandle> &handles() const { return rows_; }
    Iterator begin() const { return Iterator(table_, rows_.begin()); }
    Iterator end() const { return Iterator(table_, rows_.end()); }

private:
    const MemoryTable *table_;
    std::vector<RowHandle> rows_;
};

} // namespace vantorelle
