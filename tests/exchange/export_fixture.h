#pragma once

#include "store/store.h"

#include <string>
#include <utility>
#include <vector>

namespace vantorelle {

// Values of a record by field name, cp1252 bytes.
using FieldValues = std::vector<std::pair<std::string, std::string>>;

// Adds a record to `table` of `store` with `key`, `values` and `status`, as
// the table holds a record loaded from its file.
void addRecord(Store &store, TableId table, const std::string &key, const FieldValues &values,
    const std::string &status = "0x0000");

// Gives every data table the view start-up leaves it with: deleted records
// hidden. Call before adding records.
void hideDeletedRecords(Store &store);

// Two profiles with the masters, links and records of the topic export tests:
// Ann ("Lee, Ann", key annKey) with records of most topics, Ben (benKey) with
// one appointment and one insurance link.
inline const std::string annKey = "20240101120000p";
inline const std::string benKey = "20240202130000p";
void addFamily(Store &store);

} // namespace vantorelle
