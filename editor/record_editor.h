#pragma once

#include "mainwin/record_editor_hooks.h"
#include "store/memory_table.h"
#include "store/topics.h"

#include <QObject>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace vantorelle {

class ContactsPanel;
class InsurancePanel;
class PersonalPanel;
class RecordEditorHost;
class TopicPanel;
struct PanelDescriptor;

// The record editor of the main window: one entry panel per topic, built by
// the panel engine from the topic's descriptor, and the frame every panel
// shares: entering and leaving the editing modes, clearing and showing a
// panel, and the Save command that validates the panel and stores the record.
class RecordEditor : public QObject, public RecordEditorHooks {
    Q_OBJECT
public:
    // Builds the panels into the host's panel area. The host must outlive the
    // editor; install the editor in it before its load step.
    explicit RecordEditor(RecordEditorHost &host);
    ~RecordEditor() override;

    // ---- The frame
    // Empties the panel of `topic` for a new record; traps nothing.
    void clearPanel(Topic topic) override;
    // Fills the panel of `topic` from the current row of its table.
    void showPanel(Topic topic) override;
    // Validates the panel of the selected topic and stores it: all of it, or
    // nothing when any value, length or key is refused.
    void saveRecord() override;

    // The Key of the profile the selector shows.
    std::string profileKey();

    // ---- Record commands (record_commands.cpp)
    // Starts a new profile on the Personal panel.
    void newProfile() override;
    // Empties the panel of the listed topic for a new record.
    void addRecord() override;
    // Shows the record the main window shows on its topic's panel.
    void editRecord() override;
    // Drops the panel's work and shows the topic again.
    void cancelEditing() override;

    // ---- Start-up
    void setTextLimits() override;

    // Fills every master list again, as the master-list editor's closing
    // does; the master-list combos of `shown`, the panel in front, keep what
    // they show, as after an Edit List button.
    void fillMasterLists(TopicPanel &shown);

    // The panel of `topic` (Personal and Legal share one).
    TopicPanel *panel(Topic topic) const { return panels_[topicIndex(topic)]; }

    // What the Personal and Insurance panels remember of the record they show.
    const PersonalPanel &personalPanel() const { return *personal_; }
    const InsurancePanel &insurancePanel() const { return *insurance_; }

private:
    TopicPanel &addPanel(Topic topic, const PanelDescriptor &descriptor);
    // The Edit List buttons of a panel (record_commands.cpp).
    void addEditListButtons(TopicPanel &panel);
    void editList(TopicPanel &panel, int index);
    // Runs `refill`, which fills the master lists again, and gives the
    // master-list combos of `panel` back what they showed.
    void keepingChoices(TopicPanel &panel, const std::function<void()> &refill);
    // What the Personal and Legal, Insurance and Contacts panels add to the
    // engine (profile_panels.cpp).
    void addProfileHooks();
    TopicPanel *panelAt(std::optional<Topic> topic) const;
    // Shows `panel` in front of the viewer, the other panels hidden.
    void bringToFront(TopicPanel &panel);
    // Fills one panel from its table; false when it failed (the user has been told).
    bool fill(TopicPanel &panel);
    // Validates and stores one panel; false when the validation refused it.
    bool save(TopicPanel &panel);
    void reselect(const TopicPanel &panel, const std::vector<std::string> &values, RowHandle saved);

    RecordEditorHost &host_;
    std::array<TopicPanel *, topicCount> panels_ {};
    std::unique_ptr<PersonalPanel> personal_;
    std::unique_ptr<InsurancePanel> insurance_;
    std::unique_ptr<ContactsPanel> contacts_;
};

} // namespace vantorelle
