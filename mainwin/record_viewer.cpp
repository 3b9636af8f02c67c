#include "mainwin/main_window.h"

int Main::gridIndex(int row, int col, const QTableWidget *grid)
{
    return row * grid->columnCount() + col;
}

void Main::gridViewer_Click()
{
}
