#pragma once

#include "store/line_reader.h"

#include <QString>

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vantorelle {

// The text of an import file as the tables hold text (cp1252 bytes), handed out
// a line at a time. A leading UTF-8 byte-order mark is dropped; a file that is
// valid UTF-8 is decoded, each of its characters outside cp1252 becoming "?"
// (replacedIn() tells where); any other file is taken as cp1252 already. A
// line ends at CR LF or a lone CR, or at LF in a file with no CR at all.
class ImportText {
public:
    // `fileBytes`: the whole file as read.
    explicit ImportText(std::string_view fileBytes);
    ImportText(const ImportText &) = delete;
    ImportText &operator=(const ImportText &) = delete;

    // The next line, without its line end; false after the last one.
    bool nextLine(std::string_view &line) { return lines_.next(line); }

    // The positions in `line`, a line this text handed out, of the "?" that
    // stand for characters cp1252 cannot hold, in order.
    std::vector<std::size_t> replacedIn(std::string_view line) const;

    // The whole converted text.
    const std::string &text() const { return text_; }

private:
    // Positions in text_ of the "?" that replaced a character, in order
    // (filled while text_ is made).
    std::vector<std::size_t> replaced_;
    std::string text_;
    LineReader lines_;
};

// Reads the whole file at `path` into `bytes`; false when it cannot be opened
// or read.
bool readImportFile(const QString &path, std::string &bytes);

} // namespace vantorelle
