#pragma once

#include <string>
#include <string_view>

namespace vantorelle {

// The record and provider views are RTF text built here, as cp1252 bytes like
// the values in them, and shown through RichTextReader.

// Opens a record view: the document and its colour table (default and blue).
inline constexpr std::string_view recordViewHeader
    = "{\\rtf1\\ansi {\\colortbl;\\red0\\green0\\blue255;}";
// Closes a record view.
inline constexpr std::string_view recordViewEnd = "}";

// `text` as RTF shows it literally: backslashes doubled, braces escaped, and
// each CR LF a line break whose next line starts at the value's tab stop.
std::string rtfEscape(std::string_view text);

// One field line of a record view: the label in bold with a colon, a tab, the
// value and a line break; the empty text for an empty value. Label and value
// are both escaped, since labels may come from the data too.
std::string rtfField(std::string_view label, std::string_view value);

} // namespace vantorelle
