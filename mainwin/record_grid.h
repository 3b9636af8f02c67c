#pragma once

#include "mainwin/grid_layouts.h"
#include "mainwin/table_access.h"

#include <string>
#include <string_view>
#include <vector>

class QTableWidget;

namespace vantorelle {

using GridRow = std::vector<std::string>; // cell texts, cp1252 bytes

// The rows one topic's grid lists for the profile whose Key is `profileKey`,
// in the table's order. Providers, pharmacies and linked masters are looked up
// through indexes made once for the whole list. The walked table is left past
// its last row.
std::vector<GridRow> gridRows(const GridLayout &layout, std::string_view profileKey,
    const TableAccess &tables, const DisplayPreferences &display);

// Lays `grid` out for `layout` (headers, widths, key columns hidden) and puts
// `rows` in it cell by cell, with the grid's signals blocked; the first row,
// if any, becomes current.
void fillGrid(QTableWidget *grid, const GridLayout &layout, const std::vector<GridRow> &rows,
    std::string_view glucoseUnits);

} // namespace vantorelle
