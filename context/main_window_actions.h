#pragma once

#include <QStringList>

namespace vantorelle {

// What the handheld, backup and watch commands need of the main window. The
// main window implements it; the commands never see its widgets.
class MainWindowActions {
public:
    virtual ~MainWindowActions() = default;

    // Save All as the File menu runs it: pending editor work is cancelled, every
    // table is written and the current profile is shown again. Returns the table
    // files that could not be written (the main window has already named them
    // to the user); empty when every table was written.
    virtual QStringList saveAll() = 0;

    // Drops the editor's pending work (a record being added or edited), as its
    // Cancel button does; nothing when there is none.
    virtual void discardEditorWork() = 0;

    // Makes the table files on disk the ones to keep (they were restored,
    // retrieved or moved): the close step will not write the tables over them.
    virtual void keepFilesOnExit() = 0;

    // Unloads the main window: its close step runs, which skips writing the
    // tables once keepFilesOnExit() was called, and the program ends.
    virtual void closeMainWindow() = 0;

    // Ends the program at once, without the close step: nothing is written.
    virtual void endApplication() = 0;

    // Closes the program because a synchronisation on the handheld is running:
    // the close step asks nothing and ends with the "Hotsync Detected"
    // message. A command at work finishes first; a question or dialog it has
    // open ends unanswered, which stops the command with nothing changed.
    virtual void closeForHotsync() = 0;

    // Turns the synchronisation watch (the one-second timer) on or off.
    virtual void setWatchEnabled(bool enabled) = 0;
};

} // namespace vantorelle
