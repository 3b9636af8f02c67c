#pragma once

#include "store/display_preferences.h"
#include "store/memory_table.h"
#include "store/store_failure.h"
#include "store/table_catalog.h"
#include "store/table_rows.h"

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantorelle {

// The record store of one data folder: owns the 22 data tables and the
// preferences table for the whole run, loads them at start-up and writes them
// back whole. Every table is one shared object with one filter, sort and
// current row for all its users.
class Store {
public:
    // `dataPath` is the data folder; a missing final "/" is added.
    explicit Store(std::string dataPath);

    const std::string &dataPath() const { return dataPath_; }
    // The table file's full path (the <X>Path of the table): data folder + "Vantorelle<X>.cdb".
    std::string path(TableId table) const;

    // The start-up sequence: duplicate lines of the preferences file retired,
    // the preferences loaded (filter, sort "PrefsKey ASC") and their values
    // read over the defaults (loadedPreferences), the 22 tables loaded in reader
    // order, sorted "Key ASC" where the system keeps them so, given the
    // standard filter, and duplicate profiles retired (retireDuplicateProfiles). Returns every
    // load failure in order; a fatal one (a required table) ends the list and
    // the sequence: the program must end without saving. Call once.
    std::vector<StoreFailure> load();
    // The preference values the preferences table held when load() read it;
    // the defaults before, and when the table could not be read.
    const StoredPreferences &loadedPreferences() const { return loadedPreferences_; }

    MemoryTable &table(TableId table);

    // Read-only queries for the windows that only read (reports, graphs,
    // export): the rows the table's filter lets through, in Key order
    // ("PrefsKey" in the preferences; ordinal, rows of one Key in the order
    // they were added), with their values. No table's view or current row
    // moves. The rows of one profile are those whose Key begins with its key;
    // an empty profile key has none.
    TableRows profileRows(TableId table, std::string_view profileKey) const;
    TableRows tableRows(TableId table) const;
    // The number of rows the table's filter lets through.
    std::size_t visibleRowCount(TableId table) const;

    // Writes the 22 data tables whole, tombstones included, in the write order,
    // then the preferences (writePreferences). Each file is replaced atomically.
    // A table whose existing file could not be read completely at start-up, or
    // whose header block was not whole, is not written (its file stays as it
    // was). Returns the files not written.
    std::vector<StoreFailure> writeTables();
    // Writes the preferences file, as writeTables writes each table; a missing
    // one is created with its header.
    std::optional<StoreFailure> writePreferences();
    // Whether the file at `path` reads as a whole file of table `id`, header
    // block included: nothing, or why not (as loading it would fail).
    static std::optional<StoreFailure> checkTableFile(const std::string &path, TableId id);
    // Whether a table holds changes its file does not: made since it was read
    // or last written, or kept from a file that could not be written.
    bool hasUnsavedChanges() const;
    // At exit: deletes the table files shorter than 50 bytes, except the four
    // the next start-up cannot do without (name index, locations, provider
    // types, preferences) and those never written because they could not be
    // read whole. Returns the files that could not be deleted.
    std::vector<StoreFailure> removeNearEmptyFiles();

    // Retires rows with a repeated Key in MainID and MainNm (the first in
    // "Key ASC" order stays); both tables keep the standard filter and "Key ASC".
    void retireDuplicateProfiles();

    // Stores `newValue` for preference `key` unless it equals `previousValue`:
    // a new record ("0x00000000", "0x0008") or the found one ("0x0000" becomes
    // "0x0004"). A value longer than 200 characters is refused (TableError)
    // before anything changes. The file is written at the next writeTables.
    void setPreference(
        std::string_view key, std::string_view previousValue, std::string_view newValue);

    // A provider's Name (a pharmacy's Pharmacy) for a key: "" for an empty key
    // or an empty table, "<not found>" when no visible record has the key.
    // Leaves the table on the record found (or at EOF).
    std::string providerName(std::string_view key);
    std::string pharmacyName(std::string_view key);
    // The position of the record with this key in the table's current order
    // (its position in the editor's list), or -1. Leaves the table on it.
    int providerPosition(std::string_view key);
    int pharmacyPosition(std::string_view key);

private:
    std::optional<StoreFailure> loadTable(TableId id);
    std::optional<StoreFailure> writeTable(TableId id);
    std::string masterName(TableId master, std::string_view field, std::string_view key);
    int masterPosition(TableId master, std::string_view key);

    std::string dataPath_;
    StoredPreferences loadedPreferences_;
    std::vector<std::unique_ptr<MemoryTable>> tables_;
    // Load failures of files that exist but could not be read completely, or
    // whose header block is not whole: these files are never written.
    std::array<std::optional<StoreFailure>, tableCount> unreadable_;
    // Each table's change count when its file last matched it.
    std::array<std::uint64_t, tableCount> savedChanges_ {};
};

} // namespace vantorelle
