#include "store/store.h"

#include "store/criterion.h"
#include "store/file_cleanup.h"
#include "store/record_status.h"
#include "store/table_error.h"
#include "store/table_file.h"

namespace vantorelle {

namespace {

std::string loadDetails(const std::string &path)
{
    return "If this is a new install, try synchronizing your handheld again. Also, you may need "
           "the "
           "MDAC update from our support page.\r\n\r\nFilename = "
        + path;
}

std::string operationOf(TableId id)
{
    const int number = tableSpec(id).readerNumber;
    return "loading data source " + (number == 0 ? std::string("prefs") : std::to_string(number));
}

// The tables the system keeps in "Key ASC" order from start-up on.
constexpr TableId keySorted[] = {
    TableId::MainNm,
    TableId::InsXref,
    TableId::ConXref,
    TableId::Allergy,
    TableId::Illness,
    TableId::Surgery,
    TableId::Appt,
    TableId::Med,
    TableId::Vacc,
    TableId::Test,
    TableId::BP,
    TableId::Weight,
    TableId::Glucose,
    TableId::Family,
    TableId::Chol,
};

// Files in the order the exit goes over them; the next start-up cannot do
// without the four required ones, so they are never removed.
constexpr TableId exitOrder[] = {
    TableId::MainID,
    TableId::MainNm,
    TableId::InsXref,
    TableId::InsID,
    TableId::ConID,
    TableId::ConXref,
    TableId::Allergy,
    TableId::Illness,
    TableId::Surgery,
    TableId::Appt,
    TableId::Med,
    TableId::Vacc,
    TableId::Test,
    TableId::BP,
    TableId::Weight,
    TableId::Glucose,
    TableId::Family,
    TableId::PharmID,
    TableId::ProvID,
    TableId::Location,
    TableId::ProvType,
    TableId::Chol,
    TableId::Prefs,
};

constexpr std::size_t preferenceSize = 200;

// The Key of every table, the preferences' PrefsKey: the value after REC_ID and STATUS.
constexpr std::size_t keyColumn = 2;

} // namespace

Store::Store(std::string dataPath)
    : dataPath_(std::move(dataPath))
{
    if (!dataPath_.empty() && !dataPath_.ends_with('/'))
        dataPath_ += '/';
    for (std::size_t i = 0; i < tableCount; ++i)
        tables_.push_back(std::make_unique<MemoryTable>(tableColumns(static_cast<TableId>(i))));
}

std::string Store::path(TableId table) const
{
    return dataPath_ + tableFileName(table);
}

MemoryTable &Store::table(TableId table)
{
    return *tables_[static_cast<std::size_t>(table)];
}

TableRows Store::profileRows(TableId id, std::string_view profileKey) const
{
    const MemoryTable &rows = *tables_[static_cast<std::size_t>(id)];
    if (profileKey.empty())
        return TableRows(rows, {}); // an empty prefix would reach every profile
    return TableRows(rows, rows.rowsByValue(keyColumn, profileKey));
}

TableRows Store::tableRows(TableId id) const
{
    const MemoryTable &rows = *tables_[static_cast<std::size_t>(id)];
    return TableRows(rows, rows.rowsByValue(keyColumn, {}));
}

std::size_t Store::visibleRowCount(TableId id) const
{
    return tables_[static_cast<std::size_t>(id)]->recordCount();
}

std::optional<StoreFailure> Store::loadTable(TableId id)
{
    auto failure = TableFile(path(id), tableLayout(id)).read(table(id));
    savedChanges_[static_cast<std::size_t>(id)] = table(id).changeCount();
    if (!failure)
        return std::nullopt;
    failure->operation = operationOf(id);
    if (failure->number == StoreFailure::invalidFileFormat) {
        // Every record was read: the program can go on with them, but the
        // file stays as it is, since the header block it needs cannot be rebuilt.
        failure->details += "\r\n\r\nIts records are shown as they were read, but the file is "
                            "not written back: changes to them cannot be saved. Synchronize "
                            "the handheld again or restore a backup to mend it.\r\n\r\n"
                            "Filename = "
            + failure->path;
    } else {
        failure->details = loadDetails(failure->path);
        failure->fatal = tableSpec(id).requiredAtStart;
    }
    if (failure->number != 53) // the file is there but could not be read whole
        unreadable_[static_cast<std::size_t>(id)] = failure;
    return failure;
}

std::vector<StoreFailure> Store::load()
{
    std::vector<StoreFailure> failures;
    retireDuplicateKeys(path(TableId::Prefs)); // a file it cannot clean is loaded as it is

    if (auto failure = loadTable(TableId::Prefs)) {
        failures.push_back(*failure);
        if (failure->fatal)
            return failures;
    }
    MemoryTable &prefs = table(TableId::Prefs);
    prefs.setFilter(Criterion::standardFilter());
    prefs.setSort({"PrefsKey"});

    StoredPreferences &loaded = loadedPreferences_;
    const std::pair<const char *, std::string *> preferences[] = {
        {"password", &loaded.password},
        {"currency_symbol", &loaded.currencySymbol},
        {"date_format", &loaded.dateFormat},
        {"date_sep", &loaded.dateSeparator},
        {"glucose_units", &loaded.glucoseUnits},
    };
    if (prefs.recordCount() > 0) {
        for (const auto &[key, value] : preferences) {
            prefs.moveFirst();
            if (prefs.find(Criterion::equal("PrefsKey", key)))
                *value = prefs.value("PrefsStr1");
        }
    }

    for (TableId id : readerOrder) {
        if (auto failure = loadTable(id)) {
            failures.push_back(*failure);
            if (failure->fatal)
                return failures;
        }
    }
    for (TableId id : keySorted)
        table(id).setSort({"Key"});
    for (TableId id : readerOrder)
        table(id).setFilter(Criterion::standardFilter());
    retireDuplicateProfiles();
    return failures;
}

std::vector<StoreFailure> Store::writeTables()
{
    std::vector<StoreFailure> failures;
    for (TableId id : saveOrder) {
        if (auto failure = writeTable(id))
            failures.push_back(*failure);
    }
    if (auto failure = writePreferences())
        failures.push_back(*failure);
    return failures;
}

std::optional<StoreFailure> Store::writePreferences()
{
    return writeTable(TableId::Prefs);
}

std::optional<StoreFailure> Store::writeTable(TableId id)
{
    if (const auto &unread = unreadable_[static_cast<std::size_t>(id)]) {
        StoreFailure kept = *unread;
        kept.operation = "saving the databases";
        kept.details = (unread->number == StoreFailure::invalidFileFormat
                               ? "The file's header block was missing or broken at start-up, and "
                                 "the file was left as it was."
                               : "The file could not be read completely at start-up and was left "
                                 "as it was.")
            + std::string("\r\n\r\nFilename = ") + kept.path;
        return kept;
    }
    auto failure = TableFile(path(id), tableLayout(id)).write(table(id));
    if (failure) {
        failure->operation = "saving the databases";
        failure->details = failure->number == StoreFailure::invalidFileFormat
            ? failure->details + " The file was left as it was.\r\n\r\nFilename = " + failure->path
            : "Filename = " + failure->path;
    } else {
        savedChanges_[static_cast<std::size_t>(id)] = table(id).changeCount();
    }
    return failure;
}

std::optional<StoreFailure> Store::checkTableFile(const std::string &path, TableId id)
{
    MemoryTable rows(tableColumns(id));
    return TableFile(path, tableLayout(id)).read(rows);
}

bool Store::hasUnsavedChanges() const
{
    for (std::size_t i = 0; i < tableCount; ++i) {
        if (tables_[i]->changeCount() != savedChanges_[i])
            return true;
    }
    return false;
}

std::vector<StoreFailure> Store::removeNearEmptyFiles()
{
    std::vector<StoreFailure> failures;
    for (TableId id : exitOrder) {
        // A file left as it was because it could not be read whole stays.
        if (tableSpec(id).requiredAtStart || unreadable_[static_cast<std::size_t>(id)])
            continue;
        if (auto failure = removeNearEmptyFile(path(id))) {
            failure->operation = "removing empty table files";
            failure->details = "Filename = " + failure->path;
            failures.push_back(*failure);
        }
    }
    return failures;
}

void Store::retireDuplicateProfiles()
{
    for (TableId id : {TableId::MainID, TableId::MainNm}) {
        MemoryTable &rows = table(id);
        rows.setFilter(Criterion::standardFilter());
        rows.setSort({"Key"});
        std::string previous;
        for (rows.moveFirst(); !rows.eof();) {
            std::string key(rows.value(keyColumn));
            if (key == previous)
                rows.applyDeleteRule();
            rows.moveNext();
            previous = std::move(key);
        }
    }
}

void Store::setPreference(
    std::string_view key, std::string_view previousValue, std::string_view newValue)
{
    if (newValue == previousValue)
        return;
    if (key.size() > preferenceSize || newValue.size() > preferenceSize)
        throw TableError(TableError::ValueRefused,
            "Multiple-step operation generated errors. Check each status value. "
            "(PrefsStr1)");
    MemoryTable &prefs = table(TableId::Prefs);
    bool found = false;
    if (prefs.recordCount() > 0) {
        prefs.moveFirst();
        found = prefs.find(Criterion::equal("PrefsKey", std::string(key)));
    }
    if (!found) {
        prefs.addNew();
        prefs.setValue("REC_ID", newRecordId);
        prefs.setValue("STATUS", RecordStatus::added);
        prefs.setValue("PrefsKey", key);
    } else if (prefs.value("STATUS") == RecordStatus::unchanged) {
        prefs.setValue("STATUS", RecordStatus::modified);
    }
    prefs.setValue("PrefsStr1", newValue);
    prefs.update();
}

std::string Store::masterName(TableId master, std::string_view field, std::string_view key)
{
    if (key.empty())
        return {};
    MemoryTable &rows = table(master);
    if (rows.recordCount() == 0)
        return {};
    rows.moveFirst();
    if (!rows.find(Criterion::equal("Key", std::string(key))))
        return "<not found>";
    return std::string(rows.value(field));
}

int Store::masterPosition(TableId master, std::string_view key)
{
    MemoryTable &rows = table(master);
    if (rows.recordCount() == 0)
        return -1;
    int position = 0;
    for (rows.moveFirst(); !rows.eof(); rows.moveNext(), ++position) {
        if (rows.value(keyColumn) == key)
            return position;
    }
    return -1;
}

std::string Store::providerName(std::string_view key)
{
    return masterName(TableId::ProvID, "Name", key);
}

std::string Store::pharmacyName(std::string_view key)
{
    return masterName(TableId::PharmID, "Pharmacy", key);
}

int Store::providerPosition(std::string_view key)
{
    return masterPosition(TableId::ProvID, key);
}

int Store::pharmacyPosition(std::string_view key)
{
    return masterPosition(TableId::PharmID, key);
}

} // namespace vantorelle
