#pragma once

#include "store/memory_table.h"

#include <string_view>

namespace vantorelle {

// One row of an in-memory table, read by field name without moving the
// table's current row.
struct RecordRef {
    const MemoryTable *table = nullptr;
    RowHandle row = 0;

    // The current row of `table`.
    static RecordRef current(const MemoryTable &table) { return {&table, table.handle()}; }

    // The row's value of `field`; "" when there is no row. An unknown field
    // throws TableError.
    std::string_view value(std::string_view field) const;
};

} // namespace vantorelle
