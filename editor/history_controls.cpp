#include "editor/record_editor.h"

#include "editor/history_panels.h"
#include "editor/topic_panel.h"

// The controls of the health-history panels, under the names the editor's
// code and its handlers use.

void RecordEditor::addHistoryPanels()
{
    TopicPanel &allergy = addPanel(AllergiesPanel);
    txtAllergy = allergy.textBoxes();
    dtAllergyDate = allergy.picker(3);
    txtAllergyKey = allergy.keyBox;
    txtAllergyIDNum = allergy.idBox;
    txtAllergySTATUS = allergy.statusBox;

    TopicPanel &illness = addPanel(IllnessesPanel);
    txtIllness = illness.textBoxes();
    dtIllnessDate1 = illness.picker(3);
    dtIllnessDate2 = illness.picker(4);
    cboIllnessProvider = illness.combo(6);
    cboIllnessLocation = illness.combo(7);
    txtIllnessKey = illness.keyBox;
    txtIllnessIDNum = illness.idBox;
    txtIllnessSTATUS = illness.statusBox;

    TopicPanel &surgery = addPanel(SurgeriesPanel);
    txtSurgery = surgery.textBoxes();
    dtSurgeryDate = surgery.picker(2);
    cboSurgeryProvider = surgery.combo(4);
    cboSurgeryLocation = surgery.combo(5);
    txtSurgeryKey = surgery.keyBox;
    txtSurgeryIDNum = surgery.idBox;
    txtSurgerySTATUS = surgery.statusBox;

    TopicPanel &appt = addPanel(AppointmentsPanel);
    txtAppt = appt.textBoxes();
    cboApptProvider = appt.combo(1);
    dtApptDate1 = appt.picker(2);
    dtApptTime1 = appt.picker(3);
    cboApptLocation = appt.combo(4);
    dtApptDate2 = appt.picker(9);
    dtApptTime2 = appt.picker(10);
    txtApptKey = appt.keyBox;
    txtApptIDNum = appt.idBox;
    txtApptSTATUS = appt.statusBox;

    TopicPanel &med = addPanel(MedicationsPanel);
    txtMed = med.textBoxes();
    cboMedProvider = med.combo(4);
    dtMedDate1 = med.picker(6);
    dtMedDate2 = med.picker(7);
    cboMedPharmacy = med.combo(8);
    cboMedActive = med.combo(10);
    txtMedKey = med.keyBox;
    txtMedIDNum = med.idBox;
    txtMedSTATUS = med.statusBox;

    TopicPanel &vacc = addPanel(VaccinationsPanel);
    txtVacc = vacc.textBoxes();
    cboVaccination = vacc.combo(1);
    dtVaccDate = vacc.picker(2);
    cboVaccProvider = vacc.combo(3);
    cboVaccLocation = vacc.combo(4);
    txtVaccKey = vacc.keyBox;
    txtVaccIDNum = vacc.idBox;
    txtVaccSTATUS = vacc.statusBox;

    TopicPanel &test = addPanel(TestsPanel);
    txtTest = test.textBoxes();
    dtTestDate = test.picker(2);
    cboTestProvider = test.combo(4);
    cboTestLocation = test.combo(5);
    txtTestKey = test.keyBox;
    txtTestIDNum = test.idBox;
    txtTestSTATUS = test.statusBox;

    TopicPanel &family = addPanel(FamilyHistoryPanel);
    txtFamily = family.textBoxes();
    cboFamilyRelation = family.combo(3);
    cboFamilySide = family.combo(4);
    dtFamilyDate1 = family.picker(5);
    dtFamilyDate2 = family.picker(6);
    txtFamilyKey = family.keyBox;
    txtFamilyIDNum = family.idBox;
    txtFamilySTATUS = family.statusBox;
}
