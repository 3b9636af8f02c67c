#include "editor/history_panels.h"

#include "mainwin/master_list_filler.h"
#include "store/store.h"

namespace vantorelle {

namespace {

using enum ControlKind;

// ---- Allergies

constexpr PanelControl allergyControls[] = {
    {.row = 1, .kind = Text, .name = "txtAllergy(1)", .label = "Allergy:", .enterNext = 2},
    {.row = 2, .kind = Text, .name = "txtAllergy(2)", .label = "Reaction:"},
    {.row = 3,
        .kind = Date,
        .name = "dtAllergyDate",
        .label = "Date:",
        .clear = ClearTo::None,
        .enterNext = 4,
        .checkBox = true},
    {.row = 4, .kind = Notes, .name = "txtAllergy(4)", .label = "Notes:"},
};

// ---- Illnesses/Conditions

constexpr PanelControl illnessControls[] = {
    {.row = 1,
        .kind = Text,
        .name = "txtIllness(1)",
        .label = "Illness/Condition:",
        .enterNext = 2},
    {.row = 2, .kind = Notes, .name = "txtIllness(2)", .label = "Symptoms:"},
    {.row = 3,
        .kind = Date,
        .name = "dtIllnessDate1",
        .label = "Onset Date:",
        .clear = ClearTo::None,
        .enterNext = 4,
        .checkBox = true},
    {.row = 4,
        .kind = Date,
        .name = "dtIllnessDate2",
        .label = "Cured Date:",
        .clear = ClearTo::None,
        .enterNext = 5,
        .checkBox = true},
    {.row = 5, .kind = Notes, .name = "txtIllness(5)", .label = "Diagnosis:"},
    {.row = 6,
        .kind = KeyList,
        .name = "cboIllnessProvider",
        .label = "Physician:",
        .enterNext = 7,
        .master = MasterList::Providers},
    {.row = 7,
        .kind = EditCombo,
        .name = "cboIllnessLocation",
        .label = "Location:",
        .enterNext = 9,
        .master = MasterList::Locations},
    {.row = 8, .kind = Notes, .name = "txtIllness(8)", .label = "Treatment:"},
    {.row = 9, .kind = Notes, .name = "txtIllness(9)", .label = "Notes:"},
};

// ---- Surgeries/Hospitalizations

constexpr PanelControl surgeryControls[] = {
    {.row = 1, .kind = Text, .name = "txtSurgery(1)", .label = "Surgery/Hospitalization:"},
    {.row = 2,
        .kind = Date,
        .name = "dtSurgeryDate",
        .label = "Date:",
        .clear = ClearTo::None,
        .enterNext = 3,
        .checkBox = true},
    {.row = 3, .kind = Text, .name = "txtSurgery(3)", .label = "Amount:", .enterNext = 4},
    {.row = 4,
        .kind = KeyList,
        .name = "cboSurgeryProvider",
        .label = "Physician:",
        .enterNext = 5,
        .master = MasterList::Providers},
    {.row = 5,
        .kind = EditCombo,
        .name = "cboSurgeryLocation",
        .label = "Location:",
        .enterNext = 6,
        .master = MasterList::Locations},
    {.row = 6, .kind = Notes, .name = "txtSurgery(6)", .label = "Instructions:"},
    {.row = 7, .kind = Notes, .name = "txtSurgery(7)", .label = "Notes:"},
};

// ---- Appointments

// A time of "00:00" is what an appointment without a time is stored with, so
// it shows as no time.
constexpr PanelControl apptControls[] = {
    {.row = 1,
        .kind = KeyList,
        .name = "cboApptProvider",
        .label = "Physician:",
        .enterNext = 2,
        .master = MasterList::Providers},
    {.row = 2,
        .kind = Date,
        .name = "dtApptDate1",
        .label = "Date:",
        .clear = ClearTo::None,
        .enterNext = 3,
        .checkBox = true},
    {.row = 3,
        .kind = Time,
        .name = "dtApptTime1",
        .label = "Time:",
        .clear = ClearTo::None,
        .enterNext = 4,
        .checkBox = true,
        .midnightShowsNone = true},
    {.row = 4,
        .kind = EditCombo,
        .name = "cboApptLocation",
        .label = "Location:",
        .enterNext = 5,
        .master = MasterList::Locations},
    {.row = 5, .kind = Notes, .name = "txtAppt(5)", .label = "Reason:"},
    {.row = 6, .kind = Notes, .name = "txtAppt(6)", .label = "Diagnosis:"},
    {.row = 7, .kind = Notes, .name = "txtAppt(7)", .label = "Treatment:"},
    {.row = 8, .kind = Notes, .name = "txtAppt(8)", .label = "Notes:"},
    {.row = 9,
        .kind = Date,
        .name = "dtApptDate2",
        .label = "Follow-up Date:",
        .clear = ClearTo::None,
        .enterNext = 10,
        .checkBox = true},
    {.row = 10,
        .kind = Time,
        .name = "dtApptTime2",
        .label = "Time:",
        .clear = ClearTo::None,
        .checkBox = true,
        .midnightShowsNone = true},
};

// The grid lists an appointment by its physician's name.
std::string providerName(Store &store, const std::vector<std::string> &values)
{
    return store.providerName(values[1]);
}

// ---- Medications

constexpr std::string_view yesNo[] = {"Yes", "No"};

constexpr PanelControl medControls[] = {
    {.row = 1, .kind = Text, .name = "txtMed(1)", .label = "Medication:", .enterNext = 2},
    {.row = 2, .kind = Text, .name = "txtMed(2)", .label = "Take:", .enterNext = 3},
    {.row = 3, .kind = Text, .name = "txtMed(3)", .label = "Dosage:", .enterNext = 4},
    {.row = 4,
        .kind = KeyList,
        .name = "cboMedProvider",
        .label = "Physician:",
        .enterNext = 6,
        .master = MasterList::Providers},
    {.row = 5, .kind = Text, .name = "txtMed(5)", .label = "Purpose:"},
    {.row = 6,
        .kind = Date,
        .name = "dtMedDate1",
        .label = "Start Date:",
        .clear = ClearTo::None,
        .enterNext = 7,
        .checkBox = true},
    {.row = 7,
        .kind = Date,
        .name = "dtMedDate2",
        .label = "Stop Date:",
        .clear = ClearTo::None,
        .enterNext = 5,
        .checkBox = true},
    {.row = 8,
        .kind = KeyList,
        .name = "cboMedPharmacy",
        .label = "Pharmacy:",
        .enterNext = 9,
        .master = MasterList::Pharmacies},
    {.row = 9, .kind = Text, .name = "txtMed(9)", .label = "Rx #:", .enterNext = 10},
    {.row = 10,
        .kind = ListCombo,
        .name = "cboMedActive",
        .label = "Active:",
        .items = yesNo,
        .enterNext = 11},
    {.row = 11, .kind = Notes, .name = "txtMed(11)", .label = "Notes:"},
};

// ---- Vaccinations

constexpr std::string_view vaccinations[]
    = {"DTaP", "Td", "Flu", "HepB", "HepA", "Hib", "MMR", "IPV", "OPV", "PCV", "PPV", "Var"};

// The date pickers of vaccinations and tests have no check box: a date is required.
constexpr PanelControl vaccControls[] = {
    {.row = 1,
        .kind = EditCombo,
        .name = "cboVaccination",
        .label = "Vaccination",
        .items = vaccinations,
        .enterNext = 2},
    {.row = 2,
        .kind = Date,
        .name = "dtVaccDate",
        .label = "Date:",
        .clear = ClearTo::Now,
        .enterNext = 3},
    {.row = 3,
        .kind = KeyList,
        .name = "cboVaccProvider",
        .label = "Physician:",
        .enterNext = 4,
        .master = MasterList::Providers},
    {.row = 4,
        .kind = EditCombo,
        .name = "cboVaccLocation",
        .label = "Location:",
        .enterNext = 5,
        .master = MasterList::Locations},
    {.row = 5, .kind = Notes, .name = "txtVacc(5)", .label = "Notes:"},
};

// ---- Tests

constexpr PanelControl testControls[] = {
    {.row = 1, .kind = Text, .name = "txtTest(1)", .label = "Test:", .enterNext = 2},
    {.row = 2,
        .kind = Date,
        .name = "dtTestDate",
        .label = "Date:",
        .clear = ClearTo::Now,
        .enterNext = 3},
    {.row = 3, .kind = Text, .name = "txtTest(3)", .label = "Amount:", .enterNext = 4},
    {.row = 4,
        .kind = KeyList,
        .name = "cboTestProvider",
        .label = "Physician:",
        .enterNext = 5,
        .master = MasterList::Providers},
    {.row = 5,
        .kind = EditCombo,
        .name = "cboTestLocation",
        .label = "Location:",
        .enterNext = 6,
        .master = MasterList::Locations},
    {.row = 6, .kind = Notes, .name = "txtTest(6)", .label = "Result:"},
    {.row = 7, .kind = Notes, .name = "txtTest(7)", .label = "Goal:"},
    {.row = 8, .kind = Notes, .name = "txtTest(8)", .label = "Notes:"},
};

// ---- Family History

constexpr std::string_view relations[] = {"Father", "Mother", "Brother", "Sister", "Grandfather",
    "Grandmother", "Great-Grandfather", "Great-Grandmother", "Son", "Daughter", "Uncle", "Aunt"};
constexpr std::string_view sides[] = {"Paternal", "Maternal"};

constexpr PanelControl familyControls[] = {
    {.row = 1, .kind = Text, .name = "txtFamily(1)", .label = "First Name:", .enterNext = 2},
    {.row = 2, .kind = Text, .name = "txtFamily(2)", .label = "Last Name:", .enterNext = 3},
    {.row = 3,
        .kind = EditCombo,
        .name = "cboFamilyRelation",
        .label = "Relation:",
        .items = relations,
        .enterNext = 4,
        .typeAhead = false},
    {.row = 4,
        .kind = EditCombo,
        .name = "cboFamilySide",
        .label = "Side:",
        .items = sides,
        .enterNext = 5,
        .typeAhead = false},
    {.row = 5,
        .kind = Date,
        .name = "dtFamilyDate1",
        .label = "Birthdate:",
        .clear = ClearTo::None,
        .enterNext = 6,
        .checkBox = true},
    {.row = 6,
        .kind = Date,
        .name = "dtFamilyDate2",
        .label = "Deceased:",
        .clear = ClearTo::None,
        .enterNext = 7,
        .checkBox = true},
    {.row = 7, .kind = Notes, .name = "txtFamily(7)", .label = "Illnesses/Diseases/Conditions:"},
    {.row = 8, .kind = Notes, .name = "txtFamily(8)", .label = "Notes:"},
};

// The grid lists a relative as "Last, First".
std::string relativeName(const std::vector<std::string> &values, const DisplayPreferences &)
{
    return values[2] + ", " + values[1];
}

constexpr int firstRow[] = {1};
constexpr int firstTwoRows[] = {1, 2};

} // namespace

const PanelDescriptor allergiesPanel = {
    .caption = "Allergy",
    .boxes = "txtAllergy",
    .table = TableId::Allergy,
    .fields = &allergyFields,
    .controls = allergyControls,
    .required = firstRow,
    .message = {"The allergy field cannot be blank.", "Please enter an allergy."},
    .endColumn = 2,
};

const PanelDescriptor illnessesPanel = {
    .caption = "Illness or Condition",
    .boxes = "txtIllness",
    .table = TableId::Illness,
    .fields = &illnessFields,
    .controls = illnessControls,
    .required = firstRow,
    .message
    = {"The illness/condition field cannot be blank.", "Please enter an illness or condition."},
    .endColumn = 3,
};

const PanelDescriptor surgeriesPanel = {
    .caption = "Surgery or Hospitalization",
    .boxes = "txtSurgery",
    .table = TableId::Surgery,
    .fields = &surgeryFields,
    .controls = surgeryControls,
    .required = firstRow,
    .message = {"The surgery/hospitalization field cannot be blank.",
        "Please enter a surgery or hospitalization."},
    .endColumn = 2,
};

const PanelDescriptor appointmentsPanel = {
    .caption = "Appointment",
    .boxes = "txtAppt",
    .table = TableId::Appt,
    .fields = &apptFields,
    .controls = apptControls,
    .required = firstRow,
    .message = {"The physician field cannot be blank.", "Please enter or select a physician."},
    .endColumn = 2,
    .reselectLookup = providerName,
};

const PanelDescriptor medicationsPanel = {
    .caption = "Medication",
    .boxes = "txtMed",
    .table = TableId::Med,
    .fields = &medFields,
    .controls = medControls,
    .required = firstRow,
    .message = {"The medication field cannot be blank.", "Please enter a medication."},
    .endColumn = 3,
};

const PanelDescriptor vaccinationsPanel = {
    .caption = "Vaccination",
    .boxes = "txtVacc",
    .table = TableId::Vacc,
    .fields = &vaccFields,
    .controls = vaccControls,
    .required = firstTwoRows,
    .message
    = {"The vaccination and date fields cannot be blank.", "Please enter a vaccination and date."},
    .endColumn = 3,
};

const PanelDescriptor testsPanel = {
    .caption = "Test",
    .boxes = "txtTest",
    .table = TableId::Test,
    .fields = &testFields,
    .controls = testControls,
    .required = firstTwoRows,
    .message = {"The test and date fields cannot be blank.", "Please enter a test and date."},
    .endColumn = 3,
};

const PanelDescriptor familyHistoryPanel = {
    .caption = "Family History",
    .boxes = "txtFamily",
    .table = TableId::Family,
    .fields = &familyFields,
    .controls = familyControls,
    .required = firstTwoRows,
    .message = {"The name fields cannot be blank.", "Please enter a full name."},
    .endColumn = 3,
    .reselectText = relativeName,
};

} // namespace vantorelle
