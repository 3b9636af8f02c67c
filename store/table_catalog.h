#pragma once

#include "store/field_tables.h"
#include "store/memory_table.h"
#include "store/table_file.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace vantorelle {

// The 22 data tables in reader order (DataSource1 .. DataSource22), then the
// preferences table.
enum class TableId {
    MainID,
    MainNm,
    InsXref,
    InsID,
    ConID,
    ConXref,
    Allergy,
    Illness,
    Surgery,
    Appt,
    Med,
    Vacc,
    Test,
    BP,
    Weight,
    Glucose,
    Family,
    PharmID,
    ProvID,
    Location,
    ProvType,
    Chol,
    Prefs,
};

inline constexpr std::size_t tableCount = 23;

// Everything the store knows about one table, as data.
struct TableSpec {
    TableId id;
    std::string_view name; // X in "Vantorelle<X>.cdb"
    int readerNumber; // n in "loading data source n"; 0 for the preferences
    const FieldTable *fields; // nullptr: a fixed column list (MainNm, InsXref, ConXref, Prefs)
    bool requiredAtStart; // without it the program cannot start
};

const TableSpec &tableSpec(TableId id);
// "Vantorelle<X>.cdb"
std::string tableFileName(TableId id);
// REC_ID, STATUS, Key and the table's own fields, in file order.
std::vector<Column> tableColumns(TableId id);
FileLayout tableLayout(TableId id);

// The data tables in the order writeTables writes them (Chol after BP).
extern const std::array<TableId, 22> saveOrder;
// The data tables in reader order.
extern const std::array<TableId, 22> readerOrder;
// The fourteen tables whose rows belong to a profile by the Key prefix.
extern const std::array<TableId, 14> profileTables;

} // namespace vantorelle
