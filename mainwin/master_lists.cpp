#include "mainwin/main_window.h"

namespace vantorelle {

void Main::fillMasterLists()
{
    masterLists_.fill(tableAccess());
}

void Main::registerMasterList(MasterList list, QComboBox *combo)
{
    masterLists_.add(list, combo);
}

void Main::registerMasterList(MasterList list, QListWidget *listBox)
{
    masterLists_.add(list, listBox);
}

} // namespace vantorelle
