#include "store/field_tables.h"

namespace vantorelle {

namespace {

constexpr FieldRow mainIdRows[] = {
    {"First Name", "First", 40},
    {"Last Name", "Last", 80},
    {"Birthdate", "Birth", 20},
    {"Phone Number", "Phone1", 20},
    {"Phone Type", "PhoneType1", 20},
    {"Phone Number 2", "Phone2", 20},
    {"Phone Type 2", "PhoneType2", 20},
    {"Phone Number 3", "Phone3", 20},
    {"Phone Type 3", "PhoneType3", 20},
    {"ID # (SSN)", "SSN", 25},
    {"ID# Type", "SSNType", 25},
    {"Gender", "Gender", 5},
    {"Marital Status", "Marital", 30},
    {"Address", "Address", 200},
    {"Blood Type", "Blood", 5},
    {"Height", "Height", 25},
    {"Weight", "Weight", 25},
    {"Blood Pressure", "BP", 15},
    {"Pulse", "Pulse", 15},
    {"Cholesterol", "Cholesterol", 50},
    {"Organ Donor", "Donor", 5},
    {"Will Information", "Will", 500},
    {"Living Will", "LivWill", 500},
    {"Power of Attorney", "Attorney", 500},
    {"Next of Kin", "Kin", 200},
    {"Resuscitation Status", "Resusc", 200},
    {"Notes", "Notes", 2000},
    {"Other1", "Other1", 10},
    {"Other2", "Other2", 10},
    {"Other3", "Other3", 10},
    {"Other4", "Other4", 10},
    {"Other5", "Other5", 10},
    {"Other6", "Other6", 10},
};

constexpr FieldRow insIdRows[] = {
    {"Company", "Company", 80},
    {"Type", "Type", 50},
    {"Group #", "Group", 30},
    {"Policy #", "Policy", 30},
    {"Date", "Date", 20},
    {"Phone", "Phone1", 20},
    {"FAX", "Phone2", 20},
    {"Address", "Address", 200},
    {"Notes", "Notes", 2000},
    {"Other1", "Other1", 5},
    {"Other2", "Other2", 5},
    {"Other3", "Other3", 5},
};

constexpr FieldRow conIdRows[] = {
    {"First Name", "ConFirst", 40},
    {"Last Name", "ConLast", 80},
    {"Home Phone", "Phone1", 20},
    {"Work Phone", "Phone2", 20},
    {"Mobile Phone", "Phone3", 20},
    {"Other Phone", "Phone4", 20},
    {"Address", "Address", 200},
    {"Notes", "Notes", 2000},
    {"Other1", "Other1", 5},
    {"Other2", "Other2", 5},
    {"Other3", "Other3", 5},
};

constexpr FieldRow allergyRows[] = {
    {"Allergy", "Allergy", 80},
    {"Reaction", "Reaction", 500},
    {"Date", "Date", 20},
    {"Notes", "Notes", 2000},
    {"Other1", "Other1", 5},
    {"Other2", "Other2", 5},
    {"Other3", "Other3", 5},
};

constexpr FieldRow illnessRows[] = {
    {"Illness/Condition", "Illness", 80},
    {"Symptoms", "Symptoms", 2000},
    {"Onset Date", "Date", 20},
    {"Cured Date", "Date2", 20},
    {"Diagnosis", "Diagnosis", 2000},
    {"Provider", "ProvID", 200},
    {"Location", "Location", 100},
    {"Treatment", "Treatment", 2000},
    {"Notes", "Notes", 2000},
    {"Other1", "Other1", 5},
    {"Other2", "Other2", 5},
    {"Other3", "Other3", 5},
};

constexpr FieldRow surgeryRows[] = {
    {"Surgery/Hospitalization", "Surgery", 200},
    {"Date", "Date", 20},
    {"Amount", "Amount", 10},
    {"Provider", "ProvID", 200},
    {"Location", "Location", 100},
    {"Instructions", "Instructions", 2000},
    {"Notes", "Notes", 2000},
    {"Other1", "Other1", 5},
    {"Other2", "Other2", 5},
    {"Other3", "Other3", 5},
};

constexpr FieldRow apptRows[] = {
    {"Physician", "ProvID", 100},
    {"Date", "Date", 20},
    {"Time", "Time", 20},
    {"Location", "Location", 100},
    {"Reason", "Reason", 2000},
    {"Diagnosis", "Diagnosis", 2000},
    {"Treatment", "Treatment", 2000},
    {"Notes", "Notes", 2000},
    {"Follow-up Date", "Date2", 20},
    {"Follow-up Time", "Time2", 20},
    {"Other1", "Other1", 5},
    {"Other2", "Other2", 5},
    {"Other3", "Other3", 5},
};

constexpr FieldRow medRows[] = {
    {"Medication", "Medication", 100},
    {"Take", "Take", 100},
    {"Dosage", "Dosage", 100},
    {"Physician", "ProvID", 100},
    {"Purpose", "Purpose", 500},
    {"Start Date", "Date", 20},
    {"Stop Date", "Date2", 20},
    {"Pharmacy", "PharmID", 100},
    {"Rx #", "RxNum", 50},
    {"Active", "Active", 10},
    {"Notes", "Notes", 2000},
    {"Other1", "Other1", 5},
    {"Other2", "Other2", 5},
    {"Other3", "Other3", 5},
};

constexpr FieldRow vaccRows[] = {
    {"Vaccination", "Vaccination", 100},
    {"Date", "Date", 20},
    {"Physician", "ProvID", 100},
    {"Location", "Location", 100},
    {"Notes", "Notes", 2000},
    {"Other1", "Other1", 5},
    {"Other2", "Other2", 5},
    {"Other3", "Other3", 5},
};

constexpr FieldRow testRows[] = {
    {"Test", "Test", 100},
    {"Date", "Date", 20},
    {"Amount", "Amount", 10},
    {"Physician", "ProvID", 100},
    {"Location", "Location", 100},
    {"Result", "Result", 1000},
    {"Goal", "Goal", 1000},
    {"Notes", "Notes", 2000},
    {"Other1", "Other1", 5},
    {"Other2", "Other2", 5},
    {"Other3", "Other3", 5},
};

constexpr FieldRow bpRows[] = {
    {"Systolic", "SBP", 5},
    {"Diastolic", "DBP", 5},
    {"Pulse", "Pulse", 5},
    {"Date", "Date", 20},
    {"Time", "Time", 20},
    {"Activity", "Activity", 100},
    {"Notes", "Notes", 2000},
    {"Other1", "Other1", 5},
    {"Other2", "Other2", 5},
    {"Other3", "Other3", 5},
};

constexpr FieldRow cholRows[] = {
    {"Total", "Total", 10},
    {"LDL", "LDL", 10},
    {"HDL", "HDL", 10},
    {"Triglycerides", "Triglycerides", 10},
    {"Date", "Date", 20},
    {"Time", "Time", 20},
    {"Notes", "Notes", 2000},
    {"Other1", "Other1", 5},
    {"Other2", "Other2", 5},
    {"Other3", "Other3", 5},
};

constexpr FieldRow weightRows[] = {
    {"Weight", "Weight", 25},
    {"Date", "Date", 20},
    {"Time", "Time", 20},
    {"Notes", "Notes", 2000},
    {"Other1", "Other1", 5},
    {"Other2", "Other2", 5},
    {"Other3", "Other3", 5},
};

constexpr FieldRow glucoseRows[] = {
    {"Glucose", "Glucose", 10},
    {"Units", "Units", 10},
    {"Carbs", "Carbs", 10},
    {"Event", "Event", 100},
    {"Date", "Date", 20},
    {"Time", "Time", 20},
    {"Notes", "Notes", 2000},
    {"Insulin", "Insulin", 30},
    {"Other2", "Other2", 5},
    {"Other3", "Other3", 5},
    {"Other4", "Other4", 5},
    {"Other5", "Other5", 5},
    {"Other6", "Other6", 5},
};

constexpr FieldRow familyRows[] = {
    {"First Name", "FamFirst", 40},
    {"Last Name", "FamLast", 80},
    {"Relation", "Relation", 50},
    {"Side", "Side", 50},
    {"Birthdate", "Date", 20},
    {"Deceased", "Date2", 20},
    {"Illnesses", "Illness", 2000},
    {"Notes", "Notes", 2000},
    {"Other1", "Other1", 5},
    {"Other2", "Other2", 5},
    {"Other3", "Other3", 5},
};

constexpr FieldRow pharmIdRows[] = {
    {"Pharmacy", "Pharmacy", 100},
    {"Contact", "Name", 100},
    {"Phone", "Phone1", 20},
    {"FAX", "Phone2", 20},
    {"Hours", "Hours", 100},
    {"Address", "Address", 200},
    {"Email", "Email", 200},
    {"Website", "Website", 200},
    {"Notes", "Notes", 2000},
    {"Other1", "Other1", 5},
    {"Other2", "Other2", 5},
    {"Other3", "Other3", 5},
};

constexpr FieldRow provIdRows[] = {
    {"Name", "Name", 100},
    {"Type/Specialty", "Type", 50},
    {"Office Phone", "Phone1", 20},
    {"Emergency Phone", "Phone2", 20},
    {"FAX", "Phone3", 20},
    {"Clinic/Hospital", "Location", 100},
    {"Hours", "Hours", 100},
    {"Address", "Address", 200},
    {"Email", "Email", 200},
    {"Website", "Website", 200},
    {"Notes", "Notes", 2000},
    {"Other1", "Other1", 5},
    {"Other2", "Other2", 5},
    {"Other3", "Other3", 5},
};

constexpr FieldRow hiddenOnlyRows[] = {
    {"Other1", "Other1", 5},
    {"Other2", "Other2", 5},
    {"Other3", "Other3", 5},
};

} // namespace

const FieldTable mainIdFields {27, mainIdRows};
const FieldTable insIdFields {9, insIdRows};
const FieldTable conIdFields {8, conIdRows};
const FieldTable allergyFields {4, allergyRows};
const FieldTable illnessFields {9, illnessRows};
const FieldTable surgeryFields {7, surgeryRows};
const FieldTable apptFields {10, apptRows};
const FieldTable medFields {11, medRows};
const FieldTable vaccFields {5, vaccRows};
const FieldTable testFields {8, testRows};
const FieldTable bpFields {7, bpRows};
const FieldTable cholFields {7, cholRows};
const FieldTable weightFields {4, weightRows};
const FieldTable glucoseFields {8, glucoseRows};
const FieldTable familyFields {8, familyRows};
const FieldTable pharmIdFields {9, pharmIdRows};
const FieldTable provIdFields {11, provIdRows};
const FieldTable locationFields {0, hiddenOnlyRows};
const FieldTable provTypeFields {0, hiddenOnlyRows};

} // namespace vantorelle
