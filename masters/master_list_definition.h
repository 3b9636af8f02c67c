#pragma once

#include "store/field_tables.h"
#include "store/table_catalog.h"

#include <optional>
#include <span>
#include <string_view>

namespace vantorelle {

// The six master lists every profile shares, numbered as the Edit menu and
// the record editor's Edit List buttons number them.
enum class MasterListId {
    Contacts,
    Insurance,
    Locations,
    Pharmacies,
    Providers,
    ProviderTypes,
};

inline constexpr int masterListCount = 6;

// The list of number `index` (0..5); none for any other number.
std::optional<MasterListId> masterListFromIndex(int index);

// The kinds of entry control on a master list's panel.
enum class MasterControlKind {
    Text, // one-line text box
    Lines, // multi-line text box (addresses, notes)
    FixedList, // drop-down list of fixed items
    KeyList, // drop-down list of the Keys of another master table
    KeyCombo, // combo box the user may type into, listing the Keys of another master table
    Date, // date picker that may hold no date
};

// Where Enter in a control does not move the focus.
inline constexpr int noEnterMove = -1;

// One entry control: the field-table row it edits, row 0 being the name of a
// list keyed by name (its Key).
struct MasterControl {
    int row;
    MasterControlKind kind;
    std::string_view name; // object name: "txtConID(1)", "cboInsType"
    std::string_view label;
    int enterNext = noEnterMove; // the row whose control Enter moves to
    std::span<const std::string_view> items = {}; // a FixedList's items
    // The table whose Keys fill a KeyList or KeyCombo.
    std::optional<TableId> itemsFrom = std::nullopt;
    // Where the typing limit comes from when not from the list's own row:
    // the row `sizeRow` of `sizeFrom`.
    const FieldTable *sizeFrom = nullptr;
    int sizeRow = 0;
};

// Everything the master-list editor knows of one list, as data.
struct MasterListDefinition {
    MasterListId id;
    std::string_view title; // the list's item in the list chooser
    std::string_view caption; // its panel's caption
    TableId table;
    const FieldTable *fields;
    // The text of a row of the item list: `first`, or `first` + ", " + `second`.
    std::string_view first;
    std::string_view second = {};
    // A location or provider type is keyed by its name, which is stored
    // nowhere else; the others get a clock key when first stored.
    bool keyedByName = false;
    std::span<const int> required; // rows that must not be empty to save
    std::string_view blankLine1, blankLine2; // the message when one is empty
    int maximum; // most items the handheld takes
    std::string_view maximumText; // followed by the maximum and "."
    std::string_view maximumTitle;
    std::span<const MasterControl> controls; // in the order the panel shows them
};

const MasterListDefinition &masterListDefinition(MasterListId id);

} // namespace vantorelle
