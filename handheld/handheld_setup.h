#pragma once

#include "settings/installation.h"

namespace vantorelle {

class MainWindowActions;

// Setting up the PC for a handheld through the outside tools shipped in the
// program folder. Every step is written to the setup log.

// Prepares the PC for the installation's handheld: Palm registers the HotSync
// conduit, queues the handheld program for installation and may move the data
// folder to the HotSync user's folder (`installation` then names the new one);
// Windows Mobile runs its installer; BlackBerry shows how to install by hand;
// the others only log. `main` is the running main window (its watch is off
// while the Palm tools run), or nullptr during the start-up, before it has
// loaded any table. A failure is shown in the error box and ends the setup;
// the steps done before stay done.
void setUpHandheld(Installation &installation, MainWindowActions *main = nullptr);

// For a Palm installation: makes the folder named on the "UserPath: " line of
// the install tool's log ("CASLcopy.log") the data folder, in `installation`
// and in the registry. When the data folder is then still unknown the user is
// told and the program ends (through `main`, or at once when there is none);
// the result is false in that case. Throws AppError when a file cannot be
// read, copied or logged.
bool locateHandheldDataFolder(Installation &installation, MainWindowActions *main = nullptr);

// The menu's Reinstall Handheld Software: runs the setup for the
// installation's platform with the watch off. A Palm setup may move the data
// folder, so the tables are saved first (nothing is set up when they cannot
// all be saved); when the folder did move, the user is asked to start the
// program again and the main window closes without writing the old tables
// over the new folder.
void reinstallHandheld(const Installation &installation, MainWindowActions &main);

} // namespace vantorelle
