#include "editor/record_editor.h"

#include "editor/contacts_panel.h"
#include "editor/insurance_panel.h"
#include "editor/personal_panel.h"
#include "editor/topic_panel.h"
#include "mainwin/record_editor_host.h"

namespace vantorelle {

// The panels of the profile itself and of its shared master records.

void RecordEditor::addProfileHooks()
{
    TopicPanel &profile = *panel(Topic::Personal);
    personal_ = std::make_unique<PersonalPanel>(host_, profile);
    profile.setHooks(personal_.get());

    TopicPanel &insurance = *panel(Topic::Insurance);
    insurance_ = std::make_unique<InsurancePanel>(*this, host_, insurance);
    insurance.setHooks(insurance_.get());

    TopicPanel &contacts = *panel(Topic::Contacts);
    contacts_ = std::make_unique<ContactsPanel>(*this, host_, contacts);
    contacts.setHooks(contacts_.get());
}

} // namespace vantorelle
