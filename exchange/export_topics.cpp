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

constexpr std::array<ExportTopic, ExportTopicCount> topics = {{
    link(Topic::Insurance, "Insurance List", &InsIDFields, InsXref, "InsID", InsID),
    link(Topic::Contacts, "Contacts List", &ConIDFields, ConXref, "ConID", ConID),
    records(Topic::Allergies, "Allergies List", &AllergyFields, Allergy, true),
    records(Topic::Illnesses, "Illnesses/Conditions List", &IllnessFields, Illness, true),
    records(Topic::Surgeries, "Surgeries/Hospitalizations List", &SurgeryFields, Surgery, true),
    records(Topic::Appointments, "Appointments List", &ApptFields, Appt, true, true, true),
    records(Topic::Medications, "Medications List", &MedFields, Med, true, false, true, true),
    records(Topic::Vaccinations, "Vaccinations List", &VaccFields, Vacc, true, false, true),
    records(Topic::Tests, "Tests List", &TestFields, Test, true, false, true),
    records(Topic::BloodPressure, "Blood Pressure Data List", &BPFields, BP, true, true),
    records(Topic::Weight, "Weight Data List", &WeightFields, Weight, true, true),
    records(Topic::Glucose, "Glucose Data List", &GlucoseFields, Glucose, true, true),
    records(Topic::Cholesterol, "Cholesterol Data List", &CholFields, Chol, true, true),
    records(Topic::FamilyHistory, "Family History List", &FamilyFields, Family, false),
}};
static_assert(coversTopicsInOrder(topics, Topic::Insurance));

} // namespace

const std::array<ExportTopic, ExportTopicCount> ExportTopics = topics;

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
