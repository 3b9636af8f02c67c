#pragma once

#include "mainwin/table_access.h"

#include <QPointer>

#include <vector>

class QComboBox;
class QListWidget;

namespace vantorelle {

// The master lists the record editor offers.
enum class MasterList {
    Insurance, // "Company (Type)", by company
    Contacts, // "First Last", by last and first name
    Pharmacies, // by name
    Providers, // by name
    Locations, // a location's name is its Key
};

// Fills the editor's master-list pick lists and combo boxes from the master
// tables. The editor registers each control once with the list it offers; a
// fill empties every control and gives it one item per undeleted master, in
// the list's order, each item carrying the master's Key as its data
// (Qt::UserRole). The master tables keep that order and are left past their
// last row, so item i of a list is row i of its table.
class MasterListFiller {
public:
    void add(MasterList list, QComboBox *combo);
    void add(MasterList list, QListWidget *listBox);

    // Refills every registered control, list by list in the order above;
    // signals of the controls are blocked meanwhile, and no item is left
    // selected.
    void fill(const TableAccess &tables) const;

private:
    struct Target {
        MasterList list;
        QPointer<QComboBox> combo;
        QPointer<QListWidget> listBox;
    };
    std::vector<Target> targets_;
};

} // namespace vantorelle
