#pragma once

#include "store/field_tables.h"
#include "store/table_catalog.h"
#include "store/topics.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace vantorelle {

// One topic of readings the import dialog offers, in the order of its topic
// list (the stored "ImportData" index).
struct ImportTopic {
    Topic topic;
    std::string_view entry; // "Blood Pressure"
    const FieldTable *fields; // its visible captions name the columns of a file
    TableId records;
    // The units of every reading are asked once for the whole file, and stored
    // in the field "Units" whatever the file holds.
    bool asksUnits = false;
};

inline constexpr std::size_t importTopicCount = 4;

extern const std::array<ImportTopic, importTopicCount> importTopics;

// The column order's entry for a column of the file that is not imported;
// any entry that is no caption of the topic is passed over alike.
inline constexpr std::string_view ignoredColumn = "IGNORE this field";

} // namespace vantorelle
