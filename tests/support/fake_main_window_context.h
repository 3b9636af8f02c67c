#pragma once

#include "context/edit_state.h"
#include "context/main_window_context.h"
#include "settings/installation.h"
#include "settings/preferences.h"
#include "store/store.h"

#include <QStringList>

#include <set>
#include <string>

namespace vantorelle {

// A main window as the windows beside it see it, without its controls: a
// store on `dataFolder` (loaded by the test when it wants tables from files),
// preferences and an installation of its own, and a note of every refresh
// asked for ("showRecords", "selectProfile(<key>)", "showTopic",
// "selectTopic(<n>)", "fillMasterLists"). The profiles in `listed` are the
// ones the selector lists; `profile` and `topic` are what it shows.
class FakeMainWindowContext : public MainWindowContext {
public:
    explicit FakeMainWindowContext(const std::string &dataFolder = std::string())
        : store_(dataFolder)
    {
    }

    Store &store() override { return store_; }
    Preferences &preferences() override { return preferences_; }
    const Installation &installation() const override { return installation_; }
    EditState &editState() override { return editState_; }
    QString sessionEndCause() const override { return endedBy; }
    std::optional<ListedProfile> currentProfile() const override { return profile; }
    std::optional<Topic> currentTopic() const override { return topic; }

    void showRecords() override { refreshes << QStringLiteral("showRecords"); }
    bool selectProfile(const std::string &key) override
    {
        refreshes << QStringLiteral("selectProfile(%1)").arg(QString::fromStdString(key));
        return listed.count(key) > 0;
    }
    void showTopic() override { refreshes << QStringLiteral("showTopic"); }
    void selectTopic(Topic shown) override
    {
        refreshes << QStringLiteral("selectTopic(%1)").arg(topicIndex(shown));
        topic = shown;
    }
    void fillMasterLists() override { refreshes << QStringLiteral("fillMasterLists"); }

    // The installation starts with no data folder (no settings file, no logs).
    void setInstallation(Installation installation) { installation_ = std::move(installation); }

    std::optional<ListedProfile> profile;
    std::optional<Topic> topic;
    std::set<std::string> listed;
    QStringList refreshes;
    QString endedBy; // what sessionEndCause() answers: the signal that ended the session

private:
    Installation installation_;
    Store store_;
    Preferences preferences_;
    EditState editState_;
};

} // namespace vantorelle
