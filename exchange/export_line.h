#pragma once

#include <string>
#include <string_view>

namespace vantorelle {

// The field delimiter choices of the export dialog.
enum class ExportDelimiter {
    Comma,
    Tab,
    Custom,
};

// The text written after every value: ",", TAB, or the custom text as typed
// (it may be empty or longer than one character).
std::string exportDelimiterText(ExportDelimiter choice, std::string_view custom);

// Appends one value of an export line (a caption of the header line, or a
// record's formatted value) and the delimiter after it, so every line ends with
// the delimiter. Each line break (CR LF, a lone CR or a lone LF) is written as
// one space, so a value never breaks its line and its words stay apart. A value
// then holding the delimiter or a double quote is enclosed in double quotes,
// each quote inside doubled; with an empty delimiter every non-empty value is
// enclosed, so that values written side by side stay apart.
void appendExportValue(std::string &line, std::string_view value, std::string_view delimiter);

// Ends a line of an export file: CR LF, after the last line too.
void appendLineEnd(std::string &text);

} // namespace vantorelle
