#pragma once

#include <QString>

class QTableWidget;

namespace vantorelle {

// The record grid's cells as one array of texts, row after row.

// The index of cell (row, col) in the array.
int gridIndex(int row, int col, const QTableWidget *grid);

// The text of the cell at `index`; "" outside the grid.
QString gridText(const QTableWidget *grid, int index);

} // namespace vantorelle
