#include "mainwin/saved_row.h"

#include "mainwin/grid_cells.h"

#include <QTableWidget>

namespace vantorelle {

int savedRow(const QTableWidget *grid, const QString &text, const QString &key, int keyColumn)
{
    int found = -1;
    for (int row = 0; row < grid->rowCount(); ++row) {
        if (cellText(grid, row, 0) != text)
            continue;
        found = row;
        if (cellText(grid, row, keyColumn) == key)
            return row;
    }
    return found;
}

} // namespace vantorelle
