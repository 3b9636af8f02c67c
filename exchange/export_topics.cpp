#include "exchange/export_topics.h"

namespace vantorelle {

namespace {

using enum TableId;

constexpr ExportTopic link(Topic topic, std::string_view entry, const FieldTable *fields,
    TableId links, std::string_view linkField, TableId master)
{
    return {topic, entry, fields, links, linkField, master};
}

// A topic's own records; `date`, `time`, `provider` and `pharmacy` say which
// fields are converted.
constexpr ExportTopic records(Topic topic, std::string_view entry, const FieldTable *fields,
    TableId table, bool date, bool time = false, bool provider = false, bool pharmacy = false)
{
    return {topic, entry, fields, table, {}, MainID, date, time, provider, pharmacy};
}

constexpr std::array<ExportTopic, exportTopicCount> topics = {{
    link(Topic::Insurance, "Insurance List", &insIdFields, InsXref, "InsID", InsID),
    link(Topic::Contacts, "Contacts List", &conIdFields, ConXref, "ConID", ConID),
    records(Topic::Allergies, "Allergies List", &allergyFields, Allergy, true),
    records(Topic::Illnesses, "Illnesses/Conditions List", &illnessFields, Illness, true),
    records(Topic::Surgeries, "Surgeries/Hospitalizations List", &surgeryFields, Surgery, true),
    records(Topic::Appointments, "Appointments List", &apptFields, Appt, true, true, true),
    records(Topic::Medications, "Medications List", &medFields, Med, true, false, true, true),
    records(Topic::Vaccinations, "Vaccinations List", &vaccFields, Vacc, true, false, true),
    records(Topic::Tests, "Tests List", &testFields, Test, true, false, true),
    records(Topic::BloodPressure, "Blood Pressure Data List", &bpFields, BP, true, true),
    records(Topic::Weight, "Weight Data List", &weightFields, Weight, true, true),
    records(Topic::Glucose, "Glucose Data List", &glucoseFields, Glucose, true, true),
    records(Topic::Cholesterol, "Cholesterol Data List", &cholFields, Chol, true, true),
    records(Topic::FamilyHistory, "Family History List", &familyFields, Family, false),
}};
static_assert(coversTopicsInOrder(topics, Topic::Insurance));

} // namespace

const std::array<ExportTopic, exportTopicCount> exportTopics = topics;

ExportConversion ExportTopic::conversion(std::string_view name) const
{
    if (name == "Date" && showsDate)
        return ExportConversion::Date;
    if (name == "Time" && showsTime)
        return ExportConversion::Time12;
    if (name == "ProvID" && namesProvider)
        return ExportConversion::ProviderName;
    if (name == "PharmID" && namesPharmacy)
        return ExportConversion::PharmacyName;
    return ExportConversion::AsStored;
}

} // namespace vantorelle
