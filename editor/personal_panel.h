#pragma once

#include "editor/panel_descriptor.h"
#include "editor/panel_hooks.h"

#include <string>

class QLineEdit;

namespace vantorelle {

class MainWindowContext;
class TopicPanel;

// The Personal and Legal panel: one panel for both topics, editing the
// profile record. Saving keeps the profile's name index in step, gives a new
// profile its Key and shows the saved profile in the selector.
class PersonalPanel : public PanelHooks {
public:
    static const PanelDescriptor descriptor;

    // Adds the age box beside the birth date of `panel`, which it keeps in step.
    PersonalPanel(MainWindowContext &context, TopicPanel &panel);

    // The names as last shown ("" for a new profile): a save under other names
    // replaces the profile's name-index row.
    std::string shownFirst;
    std::string shownLast;

    // A cleared panel starts a new profile: no names shown.
    void afterClear() override;
    void afterShow() override;
    SavedRecord store(const EditedRecord &record) override;
    // The selector lists the saved profile, found by its Key (two people may
    // share a name), and the topic is shown again.
    bool refresh(const SavedRecord &saved) override;

private:
    MainWindowContext &context_;
    TopicPanel &panel_;
    QLineEdit *const age_; // "txtAge": the age in years of the birth date shown
    bool relist_ = false; // the selector lacks the saved profile or its new name
};

} // namespace vantorelle
