#pragma once

#include "store/memory_table.h"

#include <QString>

#include <optional>

class QTableWidget;
class QTableWidgetItem;

namespace vantorelle {

// The text of the record grid's cell (`row`, `column`); "" outside the grid.
QString cellText(const QTableWidget *grid, int row, int column);

// A key cell of the record grid keeps, beside the Key it shows, the handle of
// the table row it was filled from. Rows that share a Key (the key recipes
// allow it) are told apart by it: whatever finds the record a person picked or
// saved goes by the handle, never by the first row of the Key.
void keepListedRow(QTableWidgetItem *keyCell, RowHandle row);
// The handle key cell (`row`, `column`) keeps; nullopt outside the grid or for
// a cell that keeps none.
std::optional<RowHandle> listedRow(const QTableWidget *grid, int row, int column);

} // namespace vantorelle
