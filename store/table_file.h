#pragma once

#include "store/memory_table.h"
#include "store/store_failure.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vantorelle {

class RowValues;

// How one table is laid out in its file.
struct FileLayout {
    enum class Line {
        Quoted, // REC_ID,STATUS,"Key","f1",...,"fN"
        Prefs, // REC_ID,STATUS,"PrefsKey","Str1","Str2","Str3",Num1,Num2,Num3
    };
    Line line = Line::Quoted;
    // A CR LF in a value is written as the two characters \n, and \n or \N read
    // back as CR LF in every field but the Key and the last one (the tables whose
    // fields come from a field table).
    bool lineBreakStep = true;
    // Shorter lines are skipped on reading, as are lines beginning with "#".
    std::size_t shortestRecordLine = 4;
    // Type letter of the "#FLDNUM:" lines the header rebuild appends.
    std::string fieldType = "S";
};

// The table file format shared with the handheld's transfer tools: a header
// block of "#" lines, then one record line per row, every line ended by CR LF.
// A table read and written back is unchanged, byte for byte.
class TableFile {
public:
    TableFile(std::string path, FileLayout layout);

    const std::string &path() const { return path_; }

    // Reads every record line into `table` (values kept as read) and makes the
    // first row current. On failure the table keeps the rows read before it; a
    // file whose header block is not whole (headerFault) is read to its end and
    // then fails as "Invalid file format".
    std::optional<StoreFailure> read(MemoryTable &table) const;
    // The same from the bytes of a file.
    void readBytes(std::string_view content, MemoryTable &table) const;

    // Rewrites the file from every row of `table`, tombstones included, in the
    // table's sort order: the rebuilt header, then the record lines. The filter
    // is lifted for the walk and assigned back (which moves to the first row).
    // The file is replaced atomically; a missing file is created with a new header.
    // A file whose header block is not whole is left as it is ("Invalid file
    // format"): the handheld's tools could not read it back without one.
    std::optional<StoreFailure> write(MemoryTable &table) const;
    // The bytes `write` puts in the file, for a file that begins with
    // `previousContent` (its whole header block at least), or that does not
    // exist (nullopt).
    std::string bytes(MemoryTable &table, std::optional<std::string_view> previousContent) const;

    // Cuts one record line into the values of a table of `columnCount` columns.
    void cutLine(std::string_view line, std::size_t columnCount, RowValues &values) const;
    // Appends the record line of `row` and CR LF to `out`.
    void appendLine(const MemoryTable &table, RowHandle row, std::string &out) const;

    // The header block for a file whose previous text is `previousContent`:
    // "#RECCNT:", "#SYNCMODE:" and "#FLDCNT:" lines rewritten, other "#" lines
    // kept in place, consecutive equal lines written once, and the "#FLDNUM:"
    // lines missing after the last declared one appended. Lines joined by CR LF,
    // none after the last.
    static std::string updatedHeader(std::string_view previousContent, std::int64_t recordCount,
        int fieldCount, std::string_view fieldType);
    // What is wrong with the header block at the start of a table file's text,
    // as a sentence; nothing when it is whole. A whole header block begins the
    // file and holds the "#RECCNT:", "#SYNCMODE" and "#FLDCNT:" lines that the
    // handheld's tools read, each ended as a line (not by a lone LF). The
    // "#FLDNUM:" lines may be short: the rebuild appends those missing.
    static std::optional<std::string> headerFault(std::string_view content);
    // The header of a file written for the first time.
    static std::string newHeader(
        std::int64_t recordCount, int fieldCount, std::string_view fieldType);

    // The handheld's copy (".cdi") of a table file's bytes, which replaces the
    // handheld's data at its next synchronisation. Lines beginning with "#" or
    // shorter than 11 characters are header lines, kept as they are but for a
    // "#SYNCMODE" line, which becomes "#SYNCMODE: MERGE". Every record goes as
    // new: its record id and status become "0x00000000,0x0000", or
    // "0x00000000,0x0002" for a deleted one; from the comma before the Key on
    // the line is unchanged. Every line ends in CR LF.
    static std::string handheldCopy(std::string_view content);

private:
    int fieldCount(const MemoryTable &table) const;

    std::string path_;
    FileLayout layout_;
};

} // namespace vantorelle
