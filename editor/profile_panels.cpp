#include "editor/record_editor.h"

#include "editor/contacts_panel.h"
#include "editor/insurance_panel.h"
#include "editor/personal_panel.h"
#include "editor/topic_panel.h"

// The panels of the profile itself and of its shared master records.

void RecordEditor::addProfileHooks()
{
    TopicPanel &profile = *panel(Topic::Personal);
    personal_ = std::make_unique<PersonalPanel>(main_, profile);
    profile.setHooks(personal_.get());

    TopicPanel &insurance = *panel(Topic::Insurance);
    insurance_ = std::make_unique<InsurancePanel>(*this, main_, insurance);
    insurance.setHooks(insurance_.get());

    TopicPanel &contacts = *panel(Topic::Contacts);
    contacts_ = std::make_unique<ContactsPanel>(*this, main_, contacts);
    contacts.setHooks(contacts_.get());
}
