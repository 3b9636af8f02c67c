#include "mainwin/main_window.h"

namespace vantorelle {

void MainWindow::fillMasterLists()
{
    masterLists_.fill(tableAccess());
}

void MainWindow::registerMasterList(MasterList list, QComboBox *combo)
{
    masterLists_.add(list, combo);
}

void MainWindow::registerMasterList(MasterList list, QListWidget *listBox)
{
    masterLists_.add(list, listBox);
}

} // namespace vantorelle
