#include "mainwin/grid_cells.h"

#include <QTableWidget>

namespace vantorelle {

QString cellText(const QTableWidget *grid, int row, int column)
{
    const QTableWidgetItem *item = grid->item(row, column);
    return item ? item->text() : QString();
}

} // namespace vantorelle
