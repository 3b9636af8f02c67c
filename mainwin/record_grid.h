#pragma once

#include "mainwin/grid_layouts.h"
#include "mainwin/table_access.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

class QTableWidget;
class QWidget;

namespace vantorelle {

// One row of the record grid: its cells' texts (cp1252 bytes) and the table
// rows its key columns' Keys come from.
struct GridRow {
    std::vector<std::string> cells;
    RowHandle record = 0; // the topic record; the master record for insurance and contacts
    std::optional<RowHandle> link; // insurance and contacts: the profile's link record
};

// The rows one topic's grid lists for the profile whose Key is `profileKey`,
// in the table's order. Providers, pharmacies and linked masters are looked up
// through indexes made once for the whole list. The walked table is left past
// its last row.
std::vector<GridRow> gridRows(const GridLayout &layout, std::string_view profileKey,
    const TableAccess &tables, const DisplayPreferences &display);

// Lays `grid` out for `layout` (headers, key columns hidden) and puts
// `rows` in it cell by cell, each key cell keeping the handle of its row
// (keepListedRow), with the grid's signals blocked; the first row, if any,
// becomes current.
void fillGrid(QTableWidget *grid, const GridLayout &layout, const std::vector<GridRow> &rows,
    std::string_view glucoseUnits);

// The least width in pixels each column of `layout` was designed with, for
// ColumnFitter; the last shown column, designed to reach the grid's edge, and
// the hidden ones have none (0).
std::vector<int> designedWidths(const GridLayout &layout, const QWidget *grid);

} // namespace vantorelle
