#pragma once

#include "platform/date_time_picker.h"
#include "store/display_preferences.h"

namespace vantorelle {

// Makes `picker` show its date in the order and with the separator of the
// date preference, as the pickers of the main window do.
void showPreferredDateFormat(DateTimePicker &picker, const DisplayPreferences &display);

} // namespace vantorelle
