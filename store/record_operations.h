#pragma once

#include "store/memory_table.h"
#include "store/record_status.h"
#include "store/table_catalog.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vantorelle {

class Store;

// Field name (any case) and value as stored: dates "yyyymmdd", times "HH:mm".
using FieldValues = std::vector<std::pair<std::string, std::string>>;

// A record as an editor saves it.
struct EditedRecord {
    std::string key = {}; // the key box: empty for a new record
    std::optional<RowHandle> row = {}; // the row shown for editing, when known
    std::string recId = std::string(newRecordId); // the hidden record-id box
    std::string status = std::string(RecordStatus::added); // the hidden status box
    FieldValues values; // the table's own fields
};

struct SavedRecord {
    std::string key;
    RowHandle row = 0;
};

// The store operations the editors call, so that no window re-implements the
// rules of keys, statuses, the name index and the links. Every save leaves the
// saved row current; a value longer than its column is refused (TableError)
// before anything changes, unless it is the value the row already holds.
class RecordOperations {
public:
    explicit RecordOperations(Store &store);

    // Saves a topic record (Allergy .. Family, Chol) of the profile `profileKey`:
    // a new record is added under a key built by its table's recipe; an edited
    // one keeps its key and is updated in place ("0x0004" unless it is new or
    // deleted) while its re-key values are unchanged, and is otherwise
    // replaced: the old row goes by the delete rule and a new row
    // ("0x00000000", "0x0008") is added under a new key. An appointment's empty
    // time is stored as "00:00". The table's filter is assigned again, so the
    // row takes its place in the sort order.
    SavedRecord saveTopicRecord(
        TableId topic, std::string_view profileKey, const EditedRecord &record);

    // Saves a profile (Personal and Legal topics): a new profile gets a clock
    // key; the name index is kept (a changed name retires the old name row and
    // adds one) before the MainID row is stored. `adding` is the editor's Add
    // mode; `shownFirst`/`shownLast` the names it showed ("" for a new profile).
    SavedRecord saveProfile(const EditedRecord &record, bool adding, std::string_view shownFirst,
        std::string_view shownLast);

    // Saves an insurance entry of the profile `profileKey` and keeps its link:
    // the profile's own link to the entry is retired when the company changed,
    // and a link is added when the company differs from `shownCompany` ("" after
    // picking an entry from the list) or the entry is new.
    SavedRecord saveInsurance(std::string_view profileKey, bool profileAdding,
        const EditedRecord &entry, std::string_view shownCompany);
    // The same for a contact, by its first and last names.
    SavedRecord saveContact(std::string_view profileKey, bool profileAdding,
        const EditedRecord &contact, std::string_view shownFirst, std::string_view shownLast);

    // Saves an item of the master-list editor: contacts, insurance, pharmacies
    // and providers get a clock key when new and are updated in place under it
    // ("0x0000" becomes "0x0004"); a location or provider type is keyed by
    // `name` as typed, and replaced under the new name when it changed.
    SavedRecord saveMasterItem(
        TableId master, const EditedRecord &item, std::string_view name = {});

    // Applies the delete rule to one row; false when it is no longer visible.
    bool deleteRecord(TableId table, RowHandle row);

    // Deletes a profile by the delete rule: its MainID row, its name-index rows
    // and its rows in the fourteen profile tables. Master entries stay.
    void deleteProfile(std::string_view profileKey);

private:
    std::optional<RowHandle> locate(MemoryTable &table, const EditedRecord &record);
    RowHandle addRow(MemoryTable &table, std::string_view recId, std::string_view status,
        std::string_view key, const FieldValues &values);
    void updateRow(
        MemoryTable &table, RowHandle row, const FieldValues &values, bool keepNewAndDeleted);
    void addLink(TableId links, std::string_view key, std::string_view masterKey);
    std::optional<RowHandle> profileLink(
        TableId links, std::string_view profileKey, std::string_view masterKey);
    SavedRecord storeMaster(
        TableId master, const EditedRecord &record, std::string_view key, bool isNew);
    SavedRecord finish(MemoryTable &table, std::string key, RowHandle row);

    Store &store_;
};

} // namespace vantorelle
