#pragma once

#include "mainwin/record_views.h"
#include "mainwin/table_access.h"
#include "store/display_preferences.h"

#include <optional>
#include <string>

namespace vantorelle {

// What the record viewer shows for one row of the record grid.
struct ShownRecord {
    std::string rtf; // the record view; header and closing brace only when nothing is found
    ViewButton button = ViewButton::None; // None unless the record names its provider or pharmacy
    std::string masterKey; // the Key the button opens
    bool found = false; // the record was found and is the current row of its table
};

// Builds the view of row `row` of grid topic `topic`'s table (the master
// table for insurance and contacts), the row a grid row keeps (listedRow).
// That row stays the current record of its table: the Edit command reads it
// there. No row, or a row no longer in the table's view, gives an empty view;
// so do Personal and Legal.
ShownRecord shownRecordOf(Topic topic, std::optional<RowHandle> row, const TableAccess &tables,
    const DisplayPreferences &display);

} // namespace vantorelle
