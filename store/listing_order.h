#pragma once

#include "store/table_catalog.h"
#include "store/table_rows.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vantorelle {

// The order the program lists a table's records in, everywhere a person sees
// them: profiles by last and first name, each master list by its name, every
// other table by Key (a profile's records together, newest first).
std::span<const std::string_view> listingOrder(TableId table);
// The same as a sort for MemoryTable::setSort.
std::vector<std::string> listingSort(TableId table);

// `rows` of `table` in its listing order: ordinal and stable, so rows that
// compare alike stay in Key order.
std::vector<RowView> inListingOrder(const TableRows &rows, TableId table);

} // namespace vantorelle
