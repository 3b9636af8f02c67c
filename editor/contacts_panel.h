#pragma once

#include "editor/master_picker.h"
#include "editor/panel_descriptor.h"

namespace vantorelle {

// The Contacts panel: a contact of the master list, linked to the current
// profile when saved.
class ContactsPanel : public MasterPicker {
    Q_OBJECT
public:
    static const PanelDescriptor descriptor;

    ContactsPanel(RecordEditor &editor, RecordEditorHost &host, TopicPanel &panel);

    // The names as last shown: a save under other names replaces the
    // profile's link. A pick forgets them, so that the picked contact is linked.
    std::string shownFirst;
    std::string shownLast;

    SavedRecord store(const EditedRecord &record) override;

protected:
    void remember(const std::vector<std::string> &values) override;
    void forget() override;
};

} // namespace vantorelle
