#pragma once

namespace vantorelle {

class MainWindowContext;

// Enters editing: a record of the shown profile is being added or changed.
// While a new profile is being entered, or no profile exists yet, that is
// entering a new profile.
void beginEditing(MainWindowContext &context);

} // namespace vantorelle
