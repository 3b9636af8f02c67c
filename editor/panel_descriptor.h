#pragma once

#include "store/display_preferences.h"
#include "store/field_tables.h"
#include "store/table_catalog.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vantorelle {

class Store;
class TopicPanel;
enum class MasterList; // mainwin/master_list_filler.h

// What one topic's entry panel is made of, as data: the panel engine
// (TopicPanel) builds, clears, shows and reads the panel from it, and the
// record-save frame (RecordEditor) validates and stores it. A topic supplies
// code only where its panel truly differs, through the hooks at the end.

// The kinds of entry control. Each edits one row of the topic's field table.
enum class ControlKind {
    Text, // one-line text box, an element of the panel's text-box array
    Notes, // multi-line text box, likewise
    EditCombo, // editable combo box: a fixed list, any text stored as typed
    ListCombo, // drop-down list: its items, and a stored value it lacks as one more;
               // stores the chosen item's text
    Date, // date picker: "yyyymmdd", or "" without a date
    Time, // time picker: "HH:mm", or "" without a time
    KeyList, // drop-down list of a master list: stores the chosen item's Key,
             // shows the item whose Key is stored (none for a Key it lacks)
};

// What clearing the panel for a new record puts into a control.
enum class ClearTo {
    Empty, // "" (a list: no item chosen)
    None, // a picker without a value
    Now, // a picker with the present date or time
    Text, // the control's `clearText` (a list: the item of that text)
};

// Enter in a control: moves to the control of another row, or stays the control's own.
inline constexpr int enterPasses = 0;

struct PanelControl {
    int row; // the field-table row the control edits
    ControlKind kind;
    std::string_view name; // "txtBP(1)", "dtBPDate": the control's object name
    std::string_view label; // its caption on the panel; "" stands it beside the previous control
    ClearTo clear = ClearTo::Empty;
    std::span<const std::string_view> items = {}; // the fixed list of a combo box
    int enterNext = enterPasses; // the row whose control Enter moves to
    bool checkBox = false; // a picker with a check box, so it can be left without a value
    bool midnightShowsNone = false; // a stored time "00:00" is shown as no time
    bool checkBoxOnNone = false; // showing no time gives the picker its check box for good
    std::string_view clearText = {}; // what ClearTo::Text puts into the control
    bool asLabel = false; // stands in the label column, as the caption of the control after it
    std::string_view heading = {}; // a caption line of its own above the control
    // The master list that fills the combo box (a KeyList, or an editable
    // combo of locations); its items come with each fill, not from `items`.
    std::optional<MasterList> master = std::nullopt;
    // An editable combo box completes what the user types from its list; a
    // plain one (family relation and side) only takes the text as typed.
    bool typeAhead = true;
};

// The two lines of a validation message: "The ... cannot be blank." / "Please enter ...".
struct RequiredMessage {
    std::string_view line1;
    std::string_view line2;
};

struct HiddenBoxNames {
    std::string_view key, id, status;
};

// The editor's table of panels by topic says which topic a descriptor is for.
struct PanelDescriptor {
    std::string_view caption; // the panel's frame caption
    // The hidden boxes' prefix: "txtBP" names txtBPKey, txtBPIDNum and txtBPSTATUS.
    std::string_view boxes;
    TableId table; // its key recipe and re-key list are the store's
    const FieldTable *fields;
    std::span<const PanelControl> controls; // in the order the panel shows them
    std::span<const int> required; // rows that must not be empty to save
    RequiredMessage message;
    int endColumn; // the last grid column selected when the saved row is reselected

    // The text the grid's first column shows for the saved values (values[i] is
    // row i, as stored) under the display preferences; nullptr: the value of row 1.
    std::string (*reselectText)(
        const std::vector<std::string> &values, const DisplayPreferences &display)
        = nullptr;
    // The same where the grid shows a master's name looked up in the store.
    std::string (*reselectLookup)(Store &store, const std::vector<std::string> &values) = nullptr;
    // Runs at the end of clearing the panel for a new record.
    void (*afterClear)(TopicPanel &panel, const DisplayPreferences &display) = nullptr;
    // Hidden boxes named apart from the prefix ("txtKey", "txtID", "txtSTATUS").
    HiddenBoxNames hiddenBoxes = {};
};

} // namespace vantorelle
