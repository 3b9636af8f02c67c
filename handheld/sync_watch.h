#pragma once

class QTimer;

namespace vantorelle {

class MainWindowActions;

// The watch for a synchronisation on the handheld: HotSync rewrites the table
// files while it runs, so the program must not go on holding them. The title
// of the synchronisation's progress window, matched exactly.
inline constexpr const char *hotsyncWindowTitle = "Hotsync Progress";

// One look: when the progress window is open, closes the main window for the
// synchronisation (MainWindowActions::closeForHotsync), whose close step stops
// the watch and saves the tables. Returns true when it found the window.
bool checkForHotsync(MainWindowActions &main);

// Makes `timer` the watch: one look every second while it runs. The main
// window starts and stops it.
void connectSyncWatch(QTimer &timer, MainWindowActions &main);

} // namespace vantorelle
