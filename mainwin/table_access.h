#pragma once

#include "store/memory_table.h"
#include "store/table_catalog.h"

#include <functional>

namespace vantorelle {

// How the main window's views reach the in-memory tables: the table of an id.
using TableAccess = std::function<MemoryTable &(TableId)>;

} // namespace vantorelle
