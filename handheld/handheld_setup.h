#pragma once

#include "settings/installation.h"

namespace vantorelle {

class MainWindowActions;

// Setting up the PC for a handheld through the outside tools shipped in the
// program folder. Every step is written to the setup log.

// How a setup ended.
enum class SetupOutcome {
    Done, // every step ran; a tool missing from the program folder was told and skipped
    Cancelled, // the user cancelled at the Windows Mobile installer's question
    Failed, // a step or an outside tool failed and the user was told; nothing after it ran
    Stopped, // a box ended unanswered (the program is closing); nothing after it ran
    Ending, // no data folder could be found: the program is ending
};

// Prepares the PC for the installation's handheld: Palm registers the HotSync
// conduit, queues the handheld program for installation and may move the data
// folder to the HotSync user's folder (`installation` then names the new one);
// Windows Mobile runs its installer; BlackBerry shows how to install by hand;
// the others only log. `main` is the running main window (its watch is off
// while the Palm tools run), or nullptr during the start-up, before it has
// loaded any table. A tool that ends with another exit code than 0, or
// crashes, has failed. A failure is shown and ends the setup; the steps done
// before stay done, but the data folder changes only once the new one holds
// the data.
SetupOutcome setUpHandheld(Installation &installation, MainWindowActions *main = nullptr);

// The menu's Reinstall Handheld Software: runs the setup for the
// installation's platform with the watch off. The Palm hotsyncs rewrite the
// table files, so the tables are saved first (nothing is set up when they
// cannot all be saved), and from the hotsync on no close writes them again:
// the user is asked to start the program again and the main window closes.
void reinstallHandheld(const Installation &installation, MainWindowActions &main);

} // namespace vantorelle
