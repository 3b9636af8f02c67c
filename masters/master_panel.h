#pragma once

#include "masters/master_list_definition.h"
#include "store/display_preferences.h"
#include "store/memory_table.h"
#include "store/store.h"
#include "widgets/date_time_picker.h"
#include "widgets/panel_field.h"
#include "widgets/text_box.h"

#include <QComboBox>
#include <QGroupBox>

#include <string>
#include <vector>

namespace vantorelle {

// The entry panel of one master list, built from its definition: it clears itself
// for a new item, shows a stored item, and gives back the value of every
// field as it is to be stored.
//
// A control the user did not change since the item was shown gives back the
// stored value, not what it shows: a type the list does not offer, a date the
// picker cannot show, a field without a control (a contact's Other Phone)
// survive a save unchanged.
class MasterPanel : public QGroupBox {
    Q_OBJECT
public:
    MasterPanel(const MasterListDefinition &definition, QWidget *parent = nullptr);

    const MasterListDefinition &definition() const { return definition_; }

    // Fills the combo boxes that list another master table (provider types,
    // locations) from `store`, in Key order.
    void fillMasterCombos(Store &store);
    // Dates show in the order and with the separator of the date preference.
    void setDatePreference(const DisplayPreferences &display);

    // Empties every control for a new item: nothing chosen in a list.
    void clear();
    // Shows the item in row `row` of `table`: a list shows exactly the stored
    // value, one it does not offer as it is.
    void showItem(const MemoryTable &table, RowHandle row);
    // Enables or disables every entry control.
    void setEditable(bool editable);

    // The control of row `row` (0: a name-keyed list's name), or nullptr.
    QWidget *control(int row) const;
    // The control that takes the focus when editing begins.
    QWidget *firstControl() const;

    // The value of every row as stored (cp1252 bytes, CR LF line breaks):
    // element 0 is the name of a list keyed by name, element i field-table row i.
    std::vector<std::string> values() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Slot : PanelField {
        const MasterControl *control = nullptr;
    };

    void build();
    QWidget *makeControl(Slot &slot);
    int sizeOf(const MasterControl &control) const;

    const MasterListDefinition &definition_;
    std::vector<Slot> slots_; // by row; rows without a control have an empty slot
    std::vector<bool> touched_; // by row: the user changed the control
    std::vector<std::string> stored_; // by row: the shown item's values; empty for a new item
    bool filling_ = false; // the panel itself is setting the controls
};

} // namespace vantorelle
