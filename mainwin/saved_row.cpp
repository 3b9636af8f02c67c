#include "mainwin/saved_row.h"

#include "mainwin/grid_cells.h"

#include <QTableWidget>

namespace vantorelle {

int savedRow(const QTableWidget *grid, const QString &text, RowHandle saved, int keyColumn)
{
    int found = -1;
    for (int row = 0; row < grid->rowCount(); ++row) {
        if (cellText(grid, row, 0) != text)
            continue;
        found = row;
        if (listedRow(grid, row, keyColumn) == saved)
            return row;
    }
    return found;
}

} // namespace vantorelle
