#include "store/record_operations.h"

#include "store/criterion.h"
#include "store/keys.h"
#include "store/store.h"
#include "store/stored_dates.h"
#include "store/table_error.h"

#include <algorithm>

namespace vantorelle {

namespace {

constexpr std::size_t keyColumn = 2;

const std::string *find(const FieldValues &values, std::string_view field)
{
    for (const auto &[name, value] : values) {
        if (sameColumnName(name, field))
            return &value;
    }
    return nullptr;
}

std::string_view valueOf(const FieldValues &values, std::string_view field)
{
    const std::string *value = find(values, field);
    return value ? std::string_view(*value) : std::string_view();
}

FieldLookup lookupOf(const FieldValues &values)
{
    return [&values](std::string_view field) { return valueOf(values, field); };
}

// Every value must name a column and fit it, unless it is the value the row
// being replaced already holds (a value read from a file is kept as read).
void checkValues(const MemoryTable &table, const FieldValues &values, std::optional<RowHandle> old)
{
    for (const auto &[name, value] : values) {
        const std::size_t column = table.requireColumn(name);
        if (table.accepts(column, value) || (old && table.valueAt(*old, column) == value))
            continue;
        throw TableError(TableError::ValueRefused,
            "Multiple-step operation generated errors. Check each status value. (" + name + ")");
    }
}

void checkKey(std::string_view key)
{
    if (key.size() > maxKeyLength)
        throw TableError(TableError::ValueRefused,
            "Multiple-step operation generated errors. Check each status value. (Key)");
}

// Assigns checked values to the current row.
void assign(MemoryTable &table, const FieldValues &values)
{
    for (const auto &[name, value] : values) {
        const std::size_t column = table.requireColumn(name);
        if (table.accepts(column, value))
            table.setValue(column, value);
        else
            table.setValueAsRead(column, value);
    }
}

// Fields the editor did not give (hidden ones) move with a record replaced
// under a new key.
void carryOver(const MemoryTable &table, RowHandle old, FieldValues &values)
{
    for (std::size_t column = keyColumn + 1; column < table.columns().size(); ++column) {
        const std::string &name = table.columns()[column].name;
        if (!find(values, name))
            values.emplace_back(name, table.valueAt(old, column));
    }
}

bool isMasterKeyedByName(TableId master)
{
    return master == TableId::Location || master == TableId::ProvType;
}

} // namespace

RecordOperations::RecordOperations(Store &store)
    : store_(store)
{
}

std::optional<RowHandle> RecordOperations::locate(MemoryTable &table, const EditedRecord &record)
{
    if (record.row && table.isVisible(*record.row)
        && table.valueAt(*record.row, keyColumn) == record.key)
        return record.row;
    if (table.recordCount() == 0)
        return std::nullopt;
    table.moveFirst();
    if (table.find(Criterion::equal("Key", record.key)))
        return table.handle();
    return std::nullopt;
}

RowHandle RecordOperations::addRow(MemoryTable &table, std::string_view recId,
    std::string_view status, std::string_view key, const FieldValues &values)
{
    table.addNew();
    const RowHandle row = table.handle();
    table.setValueAsRead(0, recId);
    table.setValueAsRead(1, status);
    table.setValueAsRead(keyColumn, key);
    assign(table, values);
    table.update();
    return row;
}

void RecordOperations::updateRow(
    MemoryTable &table, RowHandle row, const FieldValues &values, bool keepNewAndDeleted)
{
    table.moveTo(row);
    assign(table, values);
    const std::string_view status = table.value(std::size_t {1});
    const bool modified = keepNewAndDeleted ? status.find("0008") == std::string_view::npos
            && status.find("0002") == std::string_view::npos
                                            : status == RecordStatus::unchanged;
    if (modified)
        table.setValue(std::size_t {1}, RecordStatus::modified);
    table.update();
}

SavedRecord RecordOperations::finish(MemoryTable &table, std::string key, RowHandle row)
{
    table.setFilter(table.filter()); // the saved row takes its place in the view's order
    table.moveTo(row);
    return {std::move(key), row};
}

SavedRecord RecordOperations::saveTopicRecord(
    TableId topic, std::string_view profileKey, const EditedRecord &record)
{
    MemoryTable &table = store_.table(topic);
    FieldValues values = record.values;
    if (topic == TableId::Appt) {
        // An appointment without a time is stored, and keyed, at "00:00".
        auto time = std::find_if(values.begin(), values.end(),
            [](const auto &value) { return sameColumnName(value.first, "Time"); });
        if (time == values.end())
            values.emplace_back("Time", "00:00");
        else
            defaultedTime(time->second);
    }
    const std::optional<RowHandle> old = record.key.empty() ? std::nullopt : locate(table, record);
    checkValues(table, values, old);

    if (record.key.empty()) {
        std::string key = uniqueKey(table, topic, profileKey, lookupOf(values));
        const RowHandle row = addRow(table, record.recId, record.status, key, values);
        return finish(table, std::move(key), row);
    }
    if (!old) {
        const RowHandle row = addRow(table, record.recId, record.status, record.key, values);
        return finish(table, record.key, row);
    }
    const bool rekey = std::any_of(keyRecipe(topic).rekeyFields.begin(),
        keyRecipe(topic).rekeyFields.end(), [&](std::string_view field) {
            const std::string *value = find(values, field);
            return value && *value != table.valueAt(*old, table.requireColumn(field));
        });
    if (!rekey) {
        updateRow(table, *old, values, true);
        return finish(table, record.key, *old);
    }
    // Replaced under a new key: a new record for the synchronisation, so that
    // no two rows share an id while one of them claims to be unchanged.
    carryOver(table, *old, values);
    table.moveTo(*old);
    table.applyDeleteRule();
    std::string key = uniqueKey(table, topic, profileKey, lookupOf(values));
    const RowHandle row = addRow(table, newRecordId, RecordStatus::added, key, values);
    return finish(table, std::move(key), row);
}

SavedRecord RecordOperations::saveProfile(const EditedRecord &record, bool adding,
    std::string_view shownFirst, std::string_view shownLast)
{
    MemoryTable &profiles = store_.table(TableId::MainID);
    MemoryTable &names = store_.table(TableId::MainNm);
    const std::string first(valueOf(record.values, "First"));
    const std::string last(valueOf(record.values, "Last"));
    const std::optional<RowHandle> old
        = record.key.empty() ? std::nullopt : locate(profiles, record);
    checkValues(profiles, record.values, old);
    const FieldValues none;
    const std::string profileKey = record.key.empty()
        ? uniqueKey(profiles, TableId::MainID, "", lookupOf(none))
        : record.key;

    // Keep the name index: a name row that no longer matches is retired, and
    // replaced, so that a profile never loses its name row by a save.
    bool retired = false;
    if (!adding && names.recordCount() > 0) {
        names.moveFirst();
        if (names.find(Criterion::equal("MainID", profileKey))
            && (names.value("First") != first || names.value("Last") != last)) {
            names.applyDeleteRule();
            retired = true;
        }
    }
    if (first != shownFirst || last != shownLast || retired) {
        const FieldValues name = {{"First", first}, {"Last", last}, {"MainID", profileKey}};
        const std::string nameKey = uniqueKey(names, TableId::MainNm, "", lookupOf(name));
        addRow(names, newRecordId, RecordStatus::added, nameKey, name);
    }

    if (adding || !old) {
        const RowHandle row
            = addRow(profiles, record.recId, record.status, profileKey, record.values);
        return finish(profiles, profileKey, row);
    }
    updateRow(profiles, *old, record.values, true);
    return finish(profiles, profileKey, *old);
}

std::optional<RowHandle> RecordOperations::profileLink(
    TableId links, std::string_view profileKey, std::string_view masterKey)
{
    MemoryTable &table = store_.table(links);
    if (table.recordCount() == 0 || profileKey.empty())
        return std::nullopt;
    const std::size_t masterColumn = 3; // InsID / ConID
    table.moveFirst();
    while (table.find(Criterion::startsWith("Key", std::string(profileKey)))) {
        if (table.value(masterColumn) == masterKey)
            return table.handle();
        table.moveNext();
    }
    return std::nullopt;
}

void RecordOperations::addLink(TableId links, std::string_view key, std::string_view masterKey)
{
    MemoryTable &table = store_.table(links);
    const FieldValues values
        = {{links == TableId::InsXref ? "InsID" : "ConID", std::string(masterKey)}};
    addRow(table, newRecordId, RecordStatus::added, key, values);
}

SavedRecord RecordOperations::storeMaster(
    TableId master, const EditedRecord &record, std::string_view key, bool isNew)
{
    MemoryTable &table = store_.table(master);
    const std::optional<RowHandle> old = isNew ? std::nullopt : locate(table, record);
    if (old) {
        updateRow(table, *old, record.values, true);
        return finish(table, std::string(key), *old);
    }
    const RowHandle row = addRow(table, record.recId, record.status, key, record.values);
    return finish(table, std::string(key), row);
}

SavedRecord RecordOperations::saveInsurance(std::string_view profileKey, bool profileAdding,
    const EditedRecord &entry, std::string_view shownCompany)
{
    MemoryTable &masters = store_.table(TableId::InsID);
    const std::string company(valueOf(entry.values, "Company"));
    const bool isNew = entry.key.empty();
    const std::optional<RowHandle> old = isNew ? std::nullopt : locate(masters, entry);
    checkValues(masters, entry.values, old);
    const FieldValues none;
    const std::string insuranceKey
        = isNew ? uniqueKey(masters, TableId::InsID, "", lookupOf(none)) : entry.key;

    // Only this profile's link: an edit from one profile never retires another's.
    if (!profileAdding && old) {
        if (auto link = profileLink(TableId::InsXref, profileKey, insuranceKey)) {
            if (masters.valueAt(*old, masters.requireColumn("Company")) != company) {
                store_.table(TableId::InsXref).moveTo(*link);
                store_.table(TableId::InsXref).applyDeleteRule();
            }
        }
    }
    if (company != shownCompany || isNew) {
        const FieldValues link = {{"Company", company}, {"InsID", insuranceKey}};
        const std::string linkKey = buildKey(TableId::InsXref, profileKey, lookupOf(link), {});
        auto existing = profileLink(TableId::InsXref, profileKey, insuranceKey);
        if (!existing || store_.table(TableId::InsXref).valueAt(*existing, keyColumn) != linkKey)
            addLink(TableId::InsXref, linkKey, insuranceKey);
    }
    return storeMaster(TableId::InsID, entry, insuranceKey, isNew);
}

SavedRecord RecordOperations::saveContact(std::string_view profileKey, bool profileAdding,
    const EditedRecord &contact, std::string_view shownFirst, std::string_view shownLast)
{
    MemoryTable &masters = store_.table(TableId::ConID);
    const std::string first(valueOf(contact.values, "ConFirst"));
    const std::string last(valueOf(contact.values, "ConLast"));
    const bool isNew = contact.key.empty();
    const std::optional<RowHandle> old = isNew ? std::nullopt : locate(masters, contact);
    checkValues(masters, contact.values, old);
    const FieldValues none;
    const std::string contactKey
        = isNew ? uniqueKey(masters, TableId::ConID, "", lookupOf(none)) : contact.key;

    if (!profileAdding && old) {
        if (auto link = profileLink(TableId::ConXref, profileKey, contactKey)) {
            if (masters.valueAt(*old, masters.requireColumn("ConFirst")) != first
                || masters.valueAt(*old, masters.requireColumn("ConLast")) != last) {
                store_.table(TableId::ConXref).moveTo(*link);
                store_.table(TableId::ConXref).applyDeleteRule();
            }
        }
    }
    if (first != shownFirst || last != shownLast || isNew) {
        const FieldValues link = {{"ConFirst", first}, {"ConLast", last}, {"ConID", contactKey}};
        const std::string linkKey = buildKey(TableId::ConXref, profileKey, lookupOf(link), {});
        auto existing = profileLink(TableId::ConXref, profileKey, contactKey);
        if (!existing || store_.table(TableId::ConXref).valueAt(*existing, keyColumn) != linkKey)
            addLink(TableId::ConXref, linkKey, contactKey);
    }
    return storeMaster(TableId::ConID, contact, contactKey, isNew);
}

SavedRecord RecordOperations::saveMasterItem(
    TableId master, const EditedRecord &item, std::string_view name)
{
    MemoryTable &table = store_.table(master);
    const std::optional<RowHandle> old = item.key.empty() ? std::nullopt : locate(table, item);
    checkValues(table, item.values, old);

    if (isMasterKeyedByName(master)) {
        checkKey(name);
        if (old && item.key == name) {
            updateRow(table, *old, item.values, false);
            return finish(table, item.key, *old);
        }
        // Renamed: replaced like a re-keyed record.
        const bool renamed = old.has_value();
        FieldValues values = item.values;
        if (renamed) {
            carryOver(table, *old, values);
            table.moveTo(*old);
            table.applyDeleteRule();
        }
        const RowHandle row = renamed
            ? addRow(table, newRecordId, RecordStatus::added, name, values)
            : addRow(table, item.recId, item.status, name, values);
        return finish(table, std::string(name), row);
    }

    if (old) {
        updateRow(table, *old, item.values, false);
        return finish(table, item.key, *old);
    }
    const FieldValues none;
    std::string key = item.key.empty() ? uniqueKey(table, master, "", lookupOf(none)) : item.key;
    const RowHandle row = addRow(table, item.recId, item.status, key, item.values);
    return finish(table, std::move(key), row);
}

bool RecordOperations::deleteRecord(TableId table, RowHandle row)
{
    MemoryTable &rows = store_.table(table);
    if (!rows.moveTo(row))
        return false;
    rows.applyDeleteRule();
    return true;
}

void RecordOperations::deleteProfile(std::string_view profileKey)
{
    if (profileKey.empty())
        return; // an empty prefix would reach every row
    const std::string key(profileKey);
    const auto retireAll = [](MemoryTable &table, const Criterion &criterion) {
        // One pass: each retired row leaves the view and the search goes on after it.
        for (table.moveFirst(); table.find(criterion); table.moveNext())
            table.applyDeleteRule();
    };
    retireAll(store_.table(TableId::MainID), Criterion::equal("Key", key));
    retireAll(store_.table(TableId::MainNm), Criterion::equal("MainID", key));
    for (TableId table : profileTables)
        retireAll(store_.table(table), Criterion::startsWith("Key", key));
}

} // namespace vantorelle
