#pragma once

#include "exchange/export_file.h"
#include "exchange/export_topics.h"
#include "store/display_preferences.h"
#include "store/store.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vantorelle {

// One topic of one profile as delimited text: a header line of the chosen
// captions, then a line per record of the profile with the chosen fields in
// the chosen order, dates, times and master names as the views show them.
// Every value is followed by the delimiter and every line ends with CR LF (see
// appendExportValue for quoting and line breaks). Records are read through the
// store's read-only query, in Key order; no table's view moves.
class TopicExport {
public:
    // `captions`: the fields to write, in file order, each the caption of one of
    // the topic's visible fields (the same one may come twice). Every caption is
    // resolved here, before any file is opened: throws AppError for a caption
    // that is not one of them. `delimiter` and the captions are cp1252 bytes.
    TopicExport(Store &store, const ExportTopic &topic, const std::vector<std::string> &captions,
        std::string delimiter, const DisplayPreferences &display);

    // Appends the whole export of the profile whose Key is `profileKey` to
    // `file`; returns the number of record lines.
    std::size_t write(
        std::string_view profileKey, ExportFile &file, const ExportProgress &progress = {}) const;

private:
    struct Field {
        std::string_view caption;
        std::size_t column; // in the table holding the values
        ExportConversion conversion;
    };

    Store &store_;
    const ExportTopic &topic_;
    std::vector<Field> fields_;
    std::string delimiter_;
    DisplayPreferences display_;
};

} // namespace vantorelle
