#pragma once

#include "mainwin/record_ref.h"

#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace vantorelle {

// The rows of a master table by Key, made once per fill so that a grid of
// thousands of rows finds its providers, pharmacies and linked masters without
// searching the master table row by row. Only the rows the table's filter lets
// through are indexed; for a Key held twice the first row in the table's order
// counts, as a search from the first row would find it.
class MasterIndex {
public:
    // Walks `table` from its first row; the table is left past its last row.
    // `nameField` is the field name() returns.
    MasterIndex(MemoryTable &table, std::string_view nameField);

    std::optional<RecordRef> find(std::string_view key) const;

    // The master's name for `key`, as the provider and pharmacy lookups give it:
    // "" for an empty key or an empty table, "<not found>" for a Key the table
    // does not hold.
    std::string name(std::string_view key) const;

private:
    const MemoryTable *table_;
    std::string nameField_;
    std::map<std::string, RowHandle, std::less<>> rows_;
};

} // namespace vantorelle
