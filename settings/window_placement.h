#pragma once

#include "settings/settings_access.h"

class QWidget;

namespace vantorelle {

// The main window's position and size, kept in section "Form" of the settings
// file as "Left", "Top", "Width" and "Height" in twips.

// Writes the placement into `settingsFile`; a minimised window writes nothing,
// a maximised one its maximised size. A file that cannot be written is
// reported once, not once per value: to `tell`, or in a box when it is empty.
void saveWindowPlacement(
    QWidget *window, const QString &settingsFile, const SettingsFailure &tell = {});

// Moves the window to the placement stored in `settingsFile`. Nothing happens
// unless all four values are present and whole numbers of twips (after
// rounding), so a damaged settings file can never stop the start-up.
void restoreWindowPlacement(QWidget *window, const QString &settingsFile);

} // namespace vantorelle
