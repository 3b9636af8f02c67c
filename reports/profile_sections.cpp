#include "reports/profile_sections.h"

namespace vantorelle {

namespace {

using Item = DetailsItem;

constexpr Item fieldRows(int firstRow, int rowsLeftOut = 0)
{
    return {Item::Kind::FieldRows, firstRow, rowsLeftOut};
}
constexpr Item line(std::string_view label, CellValue cell)
{
    return {Item::Kind::Line, 0, 0, Item::Label::Text, label, 0, cell};
}
constexpr Item captionLine(int captionRow, CellValue cell, std::string_view unlessEmpty = {})
{
    return {Item::Kind::Line, 0, 0, Item::Label::Caption, {}, captionRow, cell, unlessEmpty};
}
// A line labelled by another field of the record, left out without a value.
constexpr Item labelledLine(std::string_view labelField, std::string_view field)
{
    return {
        Item::Kind::Line, 0, 0, Item::Label::FieldValue, labelField, 0, {asStored(field)}, field};
}

// ---- Personal and Legal
constexpr Item personalDetails[] = {
    line("Name", joined(asStored("Last"), " ", asStored("First"))),
    captionLine(3, {asDate("Birth")}, "Birth"),
    labelledLine("PhoneType1", "Phone1"),
    labelledLine("SSNType", "SSN"),
    fieldRows(12),
};

// ---- Insurance
constexpr ListColumn insuranceColumns[] = {
    {"Ins Company", 0.25, {asStored("Company")}},
    {"Type", 0.25, {asStored("Type")}},
    {"Group #", 0.25, {asStored("Group")}},
    {"Policy #", 0.25, {asStored("Policy")}},
};
constexpr Item allFieldRows[] = {fieldRows(1)};

// ---- Contacts
constexpr ListColumn contactColumns[] = {
    {"Contact Name", 0.25, joined(asStored("ConFirst"), " ", asStored("ConLast"))},
    {"Home Phone", 0.25, {asStored("Phone1")}},
    {"Work Phone", 0.25, {asStored("Phone2")}},
    {"Mobile Phone", 0.25, {asStored("Phone3")}},
};
constexpr Item contactDetails[] = {
    line("Name", joined(asStored("ConFirst"), " ", asStored("ConLast"))),
    fieldRows(3),
};

// ---- Allergies
constexpr ListColumn allergyColumns[] = {
    {"Allergy", 0.5, {asStored("Allergy")}},
    {"Date", 0.5, {asDate("Date")}},
};
constexpr ShownField allergyShown[] = {asDate("Date")};

// ---- Illnesses
constexpr ListColumn illnessColumns[] = {
    {"Illness", 0.5, {asStored("Illness")}},
    {"Onset Date", 0.25, {asDate("Date")}},
    {"Cured Date", 0.25, {asDate("Date2")}},
};
constexpr ShownField illnessShown[] = {asDate("Date"), asDate("Date2"), asProvider("ProvID")};

// ---- Surgeries
constexpr ListColumn surgeryColumns[] = {
    {"Surgery", 0.5, {asStored("Surgery")}},
    {"Date", 0.25, {asDate("Date")}},
    {"Provider", 0.25, {asProvider("ProvID")}},
};
constexpr ShownField surgeryShown[] = {asDate("Date"), asProvider("ProvID")};

// ---- Appointments
constexpr ListColumn appointmentColumns[] = {
    {"Appointment With", 0.5, {asProvider("ProvID")}},
    {"Date", 0.25, {asDate("Date")}},
    {"Time", 0.25, {asTime("Time")}},
};
// The follow-up date and time, the last two field rows, are one line.
constexpr Item appointmentDetails[] = {
    captionLine(1, {asProvider("ProvID")}),
    line("Date/Time", dateTime("Date", "Time")),
    fieldRows(4, 2),
    line("Follow Up Date/Time", dateTime("Date2", "Time2")),
};

// ---- Medications
constexpr ListColumn medicationColumns[] = {
    {"Medication", 0.25, {asStored("Medication")}},
    {"Take", 0.25, {asStored("Take")}},
    {"Dosage", 0.25, {asStored("Dosage")}},
    {"Physician", 0.25, {asProvider("ProvID")}},
};
constexpr ShownField medicationShown[]
    = {asProvider("ProvID"), asPharmacy("PharmID"), asDate("Date"), asDate("Date2")};

// ---- Vaccinations (the widths add up to more than the page: the last column
// reaches into the right margin)
constexpr ListColumn vaccinationColumns[] = {
    {"Vaccination", 0.2, {asStored("Vaccination")}},
    {"Date", 0.2, {asDate("Date")}},
    {"Physician", 0.2, {asProvider("ProvID")}},
    {"Location", 0.22, {asStored("Location")}},
    {"Notes", 0.22, {asStored("Notes")}},
};

// ---- Tests
constexpr ListColumn testColumns[] = {
    {"Test", 0.5, {asStored("Test")}},
    {"Date", 0.25, {asDate("Date")}},
    {"Physician", 0.25, {asProvider("ProvID")}},
};
constexpr ShownField testShown[] = {asDate("Date"), asProvider("ProvID")};

// ---- Readings
constexpr ListColumn bloodPressureColumns[] = {
    {"Blood Pressure", 0.2, joined(asStored("SBP"), "/", asStored("DBP"))},
    {"Pulse", 0.11, {asStored("Pulse")}},
    {"Date/Time", 0.25, dateTime("Date", "Time")},
    {"Activity", 0.15, {asStored("Activity")}},
    {"Notes", 0.3, {asStored("Notes")}},
};
constexpr ListColumn weightColumns[] = {
    {"Weight", 0.17, {asStored("Weight")}},
    {"Date/Time", 0.28, dateTime("Date", "Time")},
    {"Notes", 0.55, {asStored("Notes")}},
};
constexpr ListColumn glucoseColumns[] = {
    {"Glucose (%1)", 0.11, {asGlucose("Glucose")}},
    {"Carbs(g)", 0.11, {asStored("Carbs")}},
    {"Insulin", 0.11, {asStored("Insulin")}},
    {"Event", 0.18, {asStored("Event")}},
    {"Date/Time", 0.24, dateTime("Date", "Time")},
    {"Notes", 0.25, {asStored("Notes")}},
};
constexpr ListColumn cholesterolColumns[] = {
    {"Total", 0.09, {asStored("Total")}},
    {"LDL", 0.09, {asStored("LDL")}},
    {"HDL", 0.09, {asStored("HDL")}},
    {"Triglycerides", 0.17, {asStored("Triglycerides")}},
    {"Date/Time", 0.26, dateTime("Date", "Time")},
    {"Notes", 0.3, {asStored("Notes")}},
};

// ---- Family History
constexpr ListColumn familyColumns[] = {
    {"Family Member", 0.25, joined(asStored("FamFirst"), " ", asStored("FamLast"))},
    {"Relation", 0.25, {asStored("Relation")}},
    {"Side", 0.25, {asStored("Side")}},
    {"Birthdate", 0.25, {asDate("Date")}},
};
constexpr Item familyDetails[] = {
    line("Name", joined(asStored("FamFirst"), " ", asStored("FamLast"))),
    fieldRows(3),
};
constexpr ShownField familyShown[] = {asDate("Date"), asDate("Date2")};

using R = SectionRecords;
using D = SectionDates;
using F = SectionForms;
constexpr TableId none = TableId::MainID; // no master list

} // namespace

const std::array<ProfileSection, 15> profileSections = {{
    {0, "Personal and Legal", TableId::MainID, none, {}, &mainIdFields, R::Profile, D::Undated,
        F::DetailsOnly, {}, personalDetails, {}},
    {1, "Insurance", TableId::InsXref, TableId::InsID, "InsID", &insIdFields, R::Links, D::Undated,
        F::Chosen, insuranceColumns, allFieldRows, {}},
    {2, "Contacts", TableId::ConXref, TableId::ConID, "ConID", &conIdFields, R::Links, D::Undated,
        F::Chosen, contactColumns, contactDetails, {}},
    {3, "Allergies", TableId::Allergy, none, {}, &allergyFields, R::Topic, D::Undated, F::Chosen,
        allergyColumns, allFieldRows, allergyShown},
    {4, "Illnesses", TableId::Illness, none, {}, &illnessFields, R::Topic, D::Dated, F::Chosen,
        illnessColumns, allFieldRows, illnessShown},
    {5, "Surgeries", TableId::Surgery, none, {}, &surgeryFields, R::Topic, D::Dated, F::Chosen,
        surgeryColumns, allFieldRows, surgeryShown},
    {6, "Appointments", TableId::Appt, none, {}, &apptFields, R::Topic, D::Dated, F::Chosen,
        appointmentColumns, appointmentDetails, {}},
    {7, "Medications", TableId::Med, none, {}, &medFields, R::Topic, D::Period, F::Chosen,
        medicationColumns, allFieldRows, medicationShown},
    {8, "Vaccinations", TableId::Vacc, none, {}, &vaccFields, R::Topic, D::Dated, F::ListOnly,
        vaccinationColumns, {}, {}},
    {9, "Tests", TableId::Test, none, {}, &testFields, R::Topic, D::Dated, F::Chosen, testColumns,
        allFieldRows, testShown},
    {10, "Blood Pressure", TableId::BP, none, {}, &bpFields, R::Topic, D::Dated, F::ListOnly,
        bloodPressureColumns, {}, {}},
    {11, "Weight", TableId::Weight, none, {}, &weightFields, R::Topic, D::Dated, F::ListOnly,
        weightColumns, {}, {}},
    {12, "Glucose", TableId::Glucose, none, {}, &glucoseFields, R::Topic, D::Dated, F::ListOnly,
        glucoseColumns, {}, {}},
    {14, "Cholesterol", TableId::Chol, none, {}, &cholFields, R::Topic, D::Dated, F::ListOnly,
        cholesterolColumns, {}, {}},
    {13, "Family History", TableId::Family, none, {}, &familyFields, R::Topic, D::Undated,
        F::Chosen, familyColumns, familyDetails, familyShown},
}};

} // namespace vantorelle
