#pragma once

#include "store/store.h"

#include <cstddef>
#include <optional>
#include <string_view>
#include <unordered_map>

namespace vantorelle {

// The visible rows of a master table by Key, made once per export so that
// thousands of records find their masters without a search each, and without
// moving the table's view. For a Key held twice the first row in Key order
// counts. Valid while no row of the table is added, changed or deleted.
class MasterLookup {
public:
    MasterLookup(Store &store, TableId master);

    std::optional<RowView> find(std::string_view key) const;

    // The value of `column` of the master with `key`, as the provider and
    // pharmacy name lookups give it: "" for an empty key or an empty table,
    // "<not found>" for a Key the table does not hold.
    std::string_view name(std::string_view key, std::size_t column) const;

private:
    const MemoryTable &table_;
    std::unordered_map<std::string_view, RowHandle> rows_;
};

} // namespace vantorelle
