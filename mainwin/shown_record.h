#pragma once

#include "mainwin/record_views.h"
#include "mainwin/table_access.h"
#include "store/display_preferences.h"

#include <string>
#include <string_view>

namespace vantorelle {

// What the record viewer shows for one row of the record grid.
struct ShownRecord {
    std::string rtf; // the record view; header and closing brace only when nothing is found
    ViewButton button = ViewButton::None; // None unless the record names its provider or pharmacy
    std::string masterKey; // the Key the button opens
    bool found = false; // the record was found and is the current row of its table
};

// Finds the record of grid topic `topic` whose Key is `key` and builds its
// view. The found record stays the current record of its table: the Edit and
// Delete commands read it there. Personal and Legal give an empty view.
ShownRecord shownRecordOf(Topic topic, std::string_view key, const TableAccess &tables,
    const DisplayPreferences &display);

} // namespace vantorelle
