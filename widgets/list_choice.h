#pragma once

#include <QString>

class QComboBox;

namespace vantorelle {

// A drop-down list whose choice is stored shows exactly the value a record
// holds: "" chooses nothing, and a value its items lack (one made on the
// handheld) is shown as an item of its own, there until dropStoredOnly().
void showInList(QComboBox &list, const QString &value);

// Takes away the items showInList() added for values the list lacks; a list
// that showed one then shows nothing chosen.
void dropStoredOnly(QComboBox &list);

} // namespace vantorelle
