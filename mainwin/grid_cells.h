#pragma once

#include <QString>

class QTableWidget;

namespace vantorelle {

// The text of the record grid's cell (`row`, `column`); "" outside the grid.
QString cellText(const QTableWidget *grid, int row, int column);

} // namespace vantorelle
