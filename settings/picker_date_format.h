#pragma once

namespace vantorelle {

class DateTimePicker;
struct DisplayPreferences;

// Shows the dates of `picker` in the order and with the separator of the date
// preference; for a window made after the preferences were last applied.
void applyDatePreference(DateTimePicker &picker, const DisplayPreferences &preferences);

// Shows the dates of every date picker open in the program in the order and
// with the separator of the date preference. The main window calls it
// whenever the preferences change, at start-up too.
void applyDatePreferenceToPickers(const DisplayPreferences &preferences);

} // namespace vantorelle
