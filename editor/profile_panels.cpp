#include "editor/record_editor.h"

#include "editor/contacts_panel.h"
#include "editor/insurance_panel.h"
#include "editor/personal_panel.h"
#include "editor/topic_panel.h"
#include "mainwin/topics.h"

// The panels of the profile itself and of its shared master records.

void RecordEditor::addProfilePanels()
{
    // The Legal topic edits the same profile record on the same panel.
    TopicPanel &main = addPanel(PersonalPanel::descriptor);
    frmButtons[Topic::Legal] = &main;
    personal = std::make_unique<PersonalPanel>(main_, main);
    main.setHooks(personal.get());
    txtMainID = main.textBoxes();
    dtDate0 = main.picker(3);
    txtAge = personal->txtAge;
    cboPhoneType = main.combo(5);
    cboSSNType = main.combo(11);
    cboGender = main.combo(12);
    cboMarital = main.combo(13);
    cboBlood = main.combo(15);
    cboDonor = main.combo(21);
    cboAttorney = main.combo(24);
    cboKin = main.combo(25);
    txtKey = main.keyBox;
    txtID = main.idBox;
    txtSTATUS = main.statusBox;

    TopicPanel &ins = addPanel(InsurancePanel::descriptor);
    insurance = std::make_unique<InsurancePanel>(*this, main_, ins);
    ins.setHooks(insurance.get());
    txtInsID = ins.textBoxes();
    cboInsType = ins.combo(2);
    dtInsDate = ins.picker(5);
    txtInsKey = ins.keyBox;
    txtInsIDNum = ins.idBox;
    txtInsSTATUS = ins.statusBox;
    cmdInsuranceSelect = insurance->button;
    lstInsuranceSelect = insurance->list;

    TopicPanel &con = addPanel(ContactsPanel::descriptor);
    contacts = std::make_unique<ContactsPanel>(*this, main_, con);
    con.setHooks(contacts.get());
    txtConID = con.textBoxes();
    txtConKey = con.keyBox;
    txtConIDNum = con.idBox;
    txtConSTATUS = con.statusBox;
    cmdContactSelect = contacts->button;
    lstContactSelect = contacts->list;
}
