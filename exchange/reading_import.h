#pragma once

#include "exchange/import_dates.h"
#include "exchange/import_line_parser.h"
#include "exchange/import_topics.h"
#include "store/record_batch.h"
#include "store/record_operations.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantorelle {

class Store;

// What an import is to do, settled when it starts.
struct ReadingImportChoices {
    const ImportTopic *topic = nullptr;
    // The column order: one entry per column of the file, the caption of a
    // field of the topic or anything else for a column that is not imported
    // (cp1252).
    std::vector<std::string> columns;
    ImportDelimiter delimiter = ImportDelimiter::Comma;
    ImportDateOrder dateOrder = ImportDateOrder::MonthDayYear;
    // The units every reading of a topic that asks for them is stored with.
    std::string units;
};

// Adds the readings of an import file to a profile, one line at a time: each
// line that is not blank becomes a new record of the topic ("0x00000000",
// "0x0008", a key by the table's recipe), its columns mapped to the fields
// they name (the last of two columns naming one field wins), each value cut to
// its field's size. A line whose Date column is empty is counted but adds
// nothing. A line that cannot be read (a quoted column never closed), or whose
// date or time is no real date or clock time, is refused: nothing is stored
// for it and refusal() says why.
//
// The records join the table's order at finish() (or when the import goes).
class ReadingImport {
public:
    enum class LineResult {
        Blank, // not counted
        Added,
        // Added, a value of it holding a "?" that stands for a character the
        // tables cannot hold.
        AddedWithReplacements,
        NoDate, // counted, nothing added
        Refused, // counted, nothing added; see refusal()
    };

    ReadingImport(Store &store, ReadingImportChoices choices, std::string profileKey);

    // `replaced`: the positions in `line`, in order, of the "?" that stand for
    // characters the tables cannot hold (ImportText::replacedIn).
    LineResult addLine(std::string_view line, const std::vector<std::size_t> &replaced = {});

    // Lines that were not blank.
    std::size_t counted() const { return counted_; }
    std::size_t added() const { return batch_.added(); }
    // Why the last refused line was refused.
    const std::string &refusal() const { return refusal_; }

    void finish() { batch_.finish(); }

private:
    // Whether a position of `replaced` lies in a value that is stored.
    bool storesAnyOf(const std::vector<std::size_t> &replaced) const;

    ReadingImportChoices choices_;
    // The field of each column of the file, an index into values_; none for a
    // column not imported.
    std::vector<std::optional<std::size_t>> columnFields_;
    // Whether each column's value is stored: it names a field, no later column
    // names the same one, and it is not a value the import sets itself.
    std::vector<bool> storedColumns_;
    ImportLineParser parser_;
    RecordBatch batch_;
    FieldValues values_; // every visible field of the topic, in field-table order
    std::optional<std::size_t> dateField_, timeField_, unitsField_;
    std::size_t counted_ = 0;
    std::string refusal_;
};

} // namespace vantorelle
