#pragma once

#include "exchange/export_file.h"
#include "store/clock.h"
#include "store/store.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace vantorelle {

// The whole database as one ".lxp" file: the header line naming the file and
// the day, then a line per visible record of the profiles, the master lists,
// the links and the topics, table by table (see lxp_format.h). Values are
// written as stored. Records are read through the store's read-only query, in
// Key order; no table's view moves.
class DatabaseExport {
public:
    explicit DatabaseExport(Store &store);

    // Appends the whole export to `file`; `path` is the file's name as the
    // user chose it and `date` the day of the export, both for the header
    // line (cp1252 bytes). Returns the number of record lines.
    std::size_t write(ExportFile &file, std::string_view path, std::string_view date,
        const ExportProgress &progress = {}) const;

private:
    Store &store_;
};

// The day of the header line: "Mar 8, 2024", the month as the user's
// language abbreviates it, in cp1252.
std::string lxpHeaderDate(const LocalDateTime &day);

} // namespace vantorelle
