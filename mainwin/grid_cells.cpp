#include "mainwin/grid_cells.h"

#include <QTableWidget>

namespace vantorelle {

int gridIndex(int row, int col, const QTableWidget *grid)
{
    return row * grid->columnCount() + col;
}

QString gridText(const QTableWidget *grid, int index)
{
    const int columns = grid->columnCount();
    const QTableWidgetItem *item
        = columns > 0 && index >= 0 ? grid->item(index / columns, index % columns) : nullptr;
    return item ? item->text() : QString();
}

} // namespace vantorelle
