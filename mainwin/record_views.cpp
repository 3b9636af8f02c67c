#include "mainwin/record_views.h"

#include "documents/rtf_field.h"

#include <array>

namespace vantorelle {

namespace {

using R = FieldValue::Rule;
using L = ViewLine::Label;

constexpr ViewLine line(std::string_view label, FieldValue value)
{
    return {L::Fixed, label, value};
}
constexpr ViewLine text(std::string_view label, std::string_view field)
{
    return line(label, {R::Text, field});
}
constexpr ViewLine date(std::string_view label, std::string_view field)
{
    return line(label, {R::Date, field});
}
// The two blanks keep the line even when the date and time are empty.
constexpr ViewLine dateTime(std::string_view label, std::string_view date, std::string_view time)
{
    return line(label, {R::DateTime, date, time, "  "});
}
constexpr ViewLine physician()
{
    return line("Physician", {R::Provider, "ProvID"});
}
constexpr ViewLine amount()
{
    return {L::WithCurrency, "Amount", {R::Text, "Amount"}};
}
constexpr ViewLine name(std::string_view first, std::string_view last)
{
    return line("Name", {R::Join, first, last, " "});
}

constexpr ViewLine personal[] = {
    name("First", "Last"),
    line("Birthdate", {R::DateWithAge, "Birth"}),
    text("Gender", "Gender"),
    text("Blood Type", "Blood"),
    {L::FromField, "SSNType", {R::Text, "SSN"}},
    {L::FromField, "PhoneType1", {R::Text, "Phone1"}},
    text("Address", "Address"),
    text("Pulse", "Pulse"),
    text("Blood Press", "BP"),
    text("Height", "Height"),
    text("Weight", "Weight"),
    text("Cholesterol", "Cholesterol"),
};
constexpr ViewLine legal[] = {
    name("First", "Last"),
    text("Marital Status", "Marital"),
    text("Organ Donor", "Donor"),
    text("Will", "Will"),
    text("Living Will", "LivWill"),
    text("Pwr of Attorney", "Attorney"),
    text("Next of Kin", "Kin"),
    text("Resusc Status", "Resusc"),
    text("Notes", "Notes"),
};
constexpr ViewLine insurance[] = {
    text("Company", "Company"),
    text("Type", "Type"),
    text("Group #", "Group"),
    text("Policy #", "Policy"),
    date("Date", "Date"),
    text("Phone", "Phone1"),
    text("FAX", "Phone2"),
    text("Address", "Address"),
    text("Notes", "Notes"),
};
constexpr ViewLine contacts[] = {
    name("ConLast", "ConFirst"),
    text("Home Ph", "Phone1"),
    text("Work Ph", "Phone2"),
    text("Mobile Ph", "Phone3"),
    text("Address", "Address"),
    text("Notes", "Notes"),
};
constexpr ViewLine allergies[] = {
    text("Allergy", "Allergy"),
    text("Reaction", "Reaction"),
    date("Date", "Date"),
    text("Notes", "Notes"),
};
constexpr ViewLine illnesses[] = {
    text("Illness", "Illness"),
    text("Symptoms", "Symptoms"),
    date("Onset Date", "Date"),
    date("Cured Date", "Date2"),
    text("Diagnosis", "Diagnosis"),
    text("Treatment", "Treatment"),
    physician(),
    text("Location", "Location"),
    text("Notes", "Notes"),
};
constexpr ViewLine surgeries[] = {
    text("Surgery", "Surgery"),
    date("Date", "Date"),
    amount(),
    physician(),
    text("Location", "Location"),
    text("Instructions", "Instructions"),
    text("Notes", "Notes"),
};
constexpr ViewLine appointments[] = {
    physician(),
    dateTime("Date/Time", "Date", "Time"),
    text("Location", "Location"),
    text("Reason", "Reason"),
    text("Diagnosis", "Diagnosis"),
    text("Treatment", "Treatment"),
    text("Notes", "Notes"),
    dateTime("Follow-up", "Date2", "Time2"),
};
constexpr ViewLine medications[] = {
    text("Medication", "Medication"),
    text("Take", "Take"),
    text("Dosage", "Dosage"),
    physician(),
    date("Start Date", "Date"),
    date("Stop Date", "Date2"),
    text("Purpose", "Purpose"),
    line("Pharmacy", {R::Pharmacy, "PharmID"}),
    text("Rx #", "RxNum"),
    text("Active", "Active"),
    text("Notes", "Notes"),
};
constexpr ViewLine vaccinations[] = {
    text("Vaccination", "Vaccination"),
    date("Date", "Date"),
    physician(),
    text("Location", "Location"),
    text("Notes", "Notes"),
};
constexpr ViewLine tests[] = {
    text("Test", "Test"),
    date("Date", "Date"),
    amount(),
    physician(),
    text("Location", "Location"),
    text("Result", "Result"),
    text("Goal", "Goal"),
    text("Notes", "Notes"),
};
constexpr ViewLine bloodPressure[] = {
    line("Blood Press", {R::Join, "SBP", "DBP", " / "}),
    text("Pulse", "Pulse"),
    dateTime("Date/Time", "Date", "Time"),
    text("Activity", "Activity"),
    text("Notes", "Notes"),
};
constexpr ViewLine weight[] = {
    text("Weight", "Weight"),
    dateTime("Date/Time", "Date", "Time"),
    text("Notes", "Notes"),
};
constexpr ViewLine glucose[] = {
    line("Glucose", {R::Join, "Glucose", "Units", " "}),
    text("Carbs (g)", "Carbs"),
    text("Insulin", "Insulin"),
    text("Event", "Event"),
    dateTime("Date/Time", "Date", "Time"),
    text("Notes", "Notes"),
};
constexpr ViewLine cholesterol[] = {
    text("Total", "Total"),
    text("LDL", "LDL"),
    text("HDL", "HDL"),
    text("Tri", "Triglycerides"),
    dateTime("Date/Time", "Date", "Time"),
    text("Notes", "Notes"),
};
constexpr ViewLine family[] = {
    line("Name", {R::Join, "FamLast", "FamFirst", ", "}),
    text("Relation", "Relation"),
    text("Side", "Side"),
    date("Birthdate", "Date"),
    date("Deceased", "Date2"),
    text("Illnesses", "Illness"),
    text("Notes", "Notes"),
};

constexpr std::array<RecordView, topicCount> views = {{
    {Topic::Personal, TableId::MainID, ViewButton::None, personal},
    {Topic::Legal, TableId::MainID, ViewButton::None, legal},
    {Topic::Insurance, TableId::InsID, ViewButton::None, insurance},
    {Topic::Contacts, TableId::ConID, ViewButton::None, contacts},
    {Topic::Allergies, TableId::Allergy, ViewButton::None, allergies},
    {Topic::Illnesses, TableId::Illness, ViewButton::Provider, illnesses},
    {Topic::Surgeries, TableId::Surgery, ViewButton::Provider, surgeries},
    {Topic::Appointments, TableId::Appt, ViewButton::Provider, appointments},
    {Topic::Medications, TableId::Med, ViewButton::Pharmacy, medications},
    {Topic::Vaccinations, TableId::Vacc, ViewButton::Provider, vaccinations},
    {Topic::Tests, TableId::Test, ViewButton::Provider, tests},
    {Topic::BloodPressure, TableId::BP, ViewButton::None, bloodPressure},
    {Topic::Weight, TableId::Weight, ViewButton::None, weight},
    {Topic::Glucose, TableId::Glucose, ViewButton::None, glucose},
    {Topic::Cholesterol, TableId::Chol, ViewButton::None, cholesterol},
    {Topic::FamilyHistory, TableId::Family, ViewButton::None, family},
}};
static_assert(coversTopicsInOrder(views));

std::string labelText(const ViewLine &line, const ValueSources &sources)
{
    switch (line.labelKind) {
    case L::WithCurrency:
        return std::string(line.label)
            .append(" (")
            .append(sources.display.currencySymbol)
            .append(")");
    case L::FromField:
        return std::string(sources.record.value(line.label));
    case L::Fixed:
        break;
    }
    return std::string(line.label);
}

} // namespace

const RecordView &recordView(Topic topic)
{
    return views[topicIndex(topic)];
}

std::string recordViewText(const RecordView &view, const ValueSources &sources)
{
    std::string rtf(recordViewHeader);
    for (const ViewLine &line : view.lines)
        rtf += rtfField(labelText(line, sources), fieldValueText(line.value, sources));
    rtf += recordViewEnd;
    return rtf;
}

} // namespace vantorelle
