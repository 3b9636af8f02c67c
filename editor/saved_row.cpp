#include "editor/saved_row.h"

#include "mainwin/main_window.h"

int savedRow(const QTableWidget *grid, const QString &text, const QString &key, int keyColumn)
{
    int found = -1;
    for (int row = 0; row < grid->rowCount(); ++row) {
        if (Main::gridText(grid, Main::gridIndex(row, 0, grid)) != text)
            continue;
        found = row;
        if (Main::gridText(grid, Main::gridIndex(row, keyColumn, grid)) == key)
            return row;
    }
    return found;
}
