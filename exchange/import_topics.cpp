#include "exchange/import_topics.h"

namespace vantorelle {

const std::array<ImportTopic, importTopicCount> importTopics = {{
    {Topic::BloodPressure, "Blood Pressure", &bpFields, TableId::BP},
    {Topic::Weight, "Weight", &weightFields, TableId::Weight},
    {Topic::Glucose, "Glucose", &glucoseFields, TableId::Glucose, true},
    {Topic::Cholesterol, "Cholesterol", &cholFields, TableId::Chol},
}};

} // namespace vantorelle
