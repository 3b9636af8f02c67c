#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vantorelle {

// The column separator of an import file.
enum class ImportDelimiter {
    Comma,
    Tab,
};

// Splits the lines of an import file into the values of their columns.
//
// Every column runs to the next delimiter, except that with the comma a column
// beginning with a double quote is quoted: it runs to the first quote followed
// by a comma that is not the second of a doubled quote (a quote after another
// quote that is neither the opening one nor itself after a quote); when no later
// quote and comma follow such a doubled one, it closes the value after all.
// Inside the value each doubled quote gives one quote. With TAB, quotes are
// ordinary characters. Values keep their blanks, columns missing from the line
// are empty, columns beyond the last one taken are ignored, and each value is
// cut to its column's size (bytes are characters: the text is cp1252).
class ImportLineParser {
public:
    enum class Result {
        Blank, // nothing but blanks: no record; values() unchanged
        Read, // values() holds the line's columns
        UnclosedQuote, // a quoted column has no closing quote and comma; values() empty
    };

    // One size per column taken from the file, in file order (0 for a column
    // that is not imported).
    ImportLineParser(ImportDelimiter delimiter, std::vector<std::size_t> columnSizes);

    Result parse(std::string_view line);

    // Where in a line a value was taken from: its first position and one past
    // its last (quotes outside, a doubled quote counting two).
    struct Source {
        std::size_t begin = 0;
        std::size_t end = 0;
    };

    // The value of each column of the last line read.
    const std::vector<std::string> &values() const { return values_; }
    // Where each of those values was taken from.
    const std::vector<Source> &sources() const { return sources_; }

private:
    char delimiter_;
    std::vector<std::size_t> sizes_;
    std::vector<std::string> values_;
    std::vector<Source> sources_;
    std::string line_; // the line being cut, with a delimiter after its last column
};

} // namespace vantorelle
