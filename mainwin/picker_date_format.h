#pragma once

namespace vantorelle {

struct DisplayPreferences;

// Shows the dates of every date picker open in the program in the order and
// with the separator of the date preference. The main window calls it
// whenever the preferences change, at start-up too.
void applyDatePreferenceToPickers(const DisplayPreferences &preferences);

} // namespace vantorelle
