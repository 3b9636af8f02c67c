#pragma once

#include "store/field_tables.h"
#include "store/table_catalog.h"
#include "store/topics.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace vantorelle {

// How a topic export writes a field's stored value.
enum class ExportConversion {
    AsStored,
    Date, // shown in the date format and separator of the preferences
    Time12, // on the 12-hour clock
    ProviderName, // the provider's name for its Key
    PharmacyName, // the pharmacy's name for its Key
};

// One topic the export dialog offers, in the order of its topic list (the
// stored "ExportData" index): where a profile's records are and which of their
// fields are written as the views show them.
struct ExportTopic {
    Topic topic;
    std::string_view entry; // "Insurance List"
    const FieldTable *fields; // its visible captions are the fields the user picks from
    TableId records; // the rows of a profile: the topic's table, or the link table
    std::string_view linkField = {}; // of a link row: the Key of the master holding the values
    TableId master = TableId::MainID; // with linkField: the master table

    // Only the fields named exactly "Date", "Time", "ProvID" and "PharmID" are
    // converted, and each only for the topics whose views show it converted.
    bool showsDate = false;
    bool showsTime = false;
    bool namesProvider = false;
    bool namesPharmacy = false;

    // How the field named `name` is written.
    ExportConversion conversion(std::string_view name) const;
};

inline constexpr std::size_t exportTopicCount = 14;

// Insurance, contacts, then the topics of the topic list from allergies to
// family history.
extern const std::array<ExportTopic, exportTopicCount> exportTopics;

} // namespace vantorelle
