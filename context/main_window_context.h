#pragma once

#include "store/topics.h"

#include <QString>

#include <optional>
#include <string>

namespace vantorelle {

class EditState;
struct Installation;
class Preferences;
class Store;

// A profile as the main window's profile selector lists it.
struct ListedProfile {
    std::string key; // its Key in the profile table, cp1252 bytes
    QString name; // "Last, First"
};

// The main window as the record editor and the windows beside it (master
// lists, reports, graphs, export and import) see it: the state of the run,
// what the window shows, and the refreshes that bring it up to date after
// they changed the tables. The main window implements it; tests fake it.
class MainWindowContext {
public:
    virtual ~MainWindowContext() = default;

    // ---- The state of the run
    virtual Store &store() = 0;
    virtual Preferences &preferences() = 0;
    virtual const Installation &installation() const = 0;
    virtual EditState &editState() = 0;
    // The signal that ended the desktop session ("SIGTERM" and the like), for
    // the error log's line on work left out; empty while the session goes on.
    virtual QString sessionEndCause() const = 0;

    // ---- What the window shows
    // The profile the selector shows; none while it lists none, or shows none.
    virtual std::optional<ListedProfile> currentProfile() const = 0;
    // The topic the topic list shows; none while it shows none.
    virtual std::optional<Topic> currentTopic() const = 0;

    // ---- Refreshes
    // Lists the profiles of the profile table again, by name, and shows the first.
    virtual void showRecords() = 0;
    // Shows the profile whose Key is `key`; false when the selector does not list it.
    virtual bool selectProfile(const std::string &key) = 0;
    // Shows the current topic of the current profile again: its list and record.
    virtual void showTopic() = 0;
    // Makes `topic` the current topic and shows it.
    virtual void selectTopic(Topic topic) = 0;
    // Fills every master-list control again from the master tables.
    virtual void fillMasterLists() = 0;
};

} // namespace vantorelle
