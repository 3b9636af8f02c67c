#pragma once

#include "mainwin/record_editor_hooks.h"
#include "store/topics.h"

#include <QObject>

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class ContactsPanel;
class InsurancePanel;
class Main;
class PersonalPanel;
class TopicPanel;
struct PanelDescriptor;

// The record editor of the main window: one entry panel per topic, built by
// the panel engine from the topic's descriptor, and the frame every panel
// shares: the editing modes, clearing and showing a panel, and the Save
// command that validates the panel and stores the record.
class RecordEditor : public QObject, public RecordEditorHooks {
    Q_OBJECT
public:
    // Builds the panels into `main`'s panel area and connects the Save, Cancel,
    // Add and Edit buttons. `main` must outlive the editor; install the editor
    // in it before its load step.
    explicit RecordEditor(Main &main);
    ~RecordEditor() override;

    // ---- The frame
    // "Add" and "Edit" enter editing mode; any other text returns to normal mode.
    void ChangeMode(const QString &mode) override;
    // Empties the panel of `topic` for a new record; traps nothing.
    void clearFields(Topic topic) override;
    // Fills the panel of `topic` from the current row of its table.
    void ShowFields(Topic topic) override;
    // Validates the panel of the selected topic and stores it: all of it, or
    // nothing when any value, length or key is refused.
    void cmdNewSave_Click();

    // The Key of the profile the selector shows.
    std::string profileKey();

    // ---- Record commands
    void cmdAdd_Click();
    void cmdEdit_Click() override;
    void cmdNewCancel_Click() override;
    void cmdNew_Click() override;
    void cmdDel_Click();
    void cmdDelete_Click();
    void cmdViewProvider_Click();

    // ---- Start-up
    void setTextLimits() override;

    // The panel of `topic` (Personal and Legal share one).
    TopicPanel *panel(Topic topic) const { return panels_[topicIndex(topic)]; }

    // What the Personal, Insurance and Contacts panels remember of the record they show.
    const PersonalPanel &personalPanel() const { return *personal_; }
    const InsurancePanel &insurancePanel() const { return *insurance_; }
    const ContactsPanel &contactsPanel() const { return *contacts_; }

private:
    TopicPanel &addPanel(Topic topic, const PanelDescriptor &descriptor);
    // The record commands' buttons (record_commands.cpp).
    void connectRecordCommands();
    void addEditListButtons(TopicPanel &panel);
    void cmdEditList_Click(TopicPanel &panel, qint16 index);
    // What the Personal and Legal, Insurance and Contacts panels add to the
    // engine (profile_panels.cpp).
    void addProfileHooks();
    TopicPanel *panelAt(std::optional<Topic> topic) const;
    // Shows `panel` in front of the viewer, the other panels hidden.
    void bringToFront(TopicPanel &panel);
    // ShowFields of one panel; false when it failed (the user has been told).
    bool showPanel(TopicPanel &panel);
    // Validates and stores one panel; false when the validation refused it.
    bool save(TopicPanel &panel);
    void reselect(
        const TopicPanel &panel, const std::vector<std::string> &values, const std::string &key);

    Main &main_;
    std::array<TopicPanel *, TopicCount> panels_ {};
    std::unique_ptr<PersonalPanel> personal_;
    std::unique_ptr<InsurancePanel> insurance_;
    std::unique_ptr<ContactsPanel> contacts_;
};
