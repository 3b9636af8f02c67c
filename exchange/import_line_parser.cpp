#include "exchange/import_line_parser.h"

#include <algorithm>
#include <optional>

namespace vantorelle {

namespace {

constexpr std::string_view quoteAndComma = "\",";

// The position of the quote that closes the quoted column whose opening quote
// is at `open`; nothing when no quote followed by a comma comes after it.
std::optional<std::size_t> closingQuote(std::string_view line, std::size_t open)
{
    std::size_t found = line.find(quoteAndComma, open + 1);
    if (found == std::string_view::npos)
        return std::nullopt;
    for (;;) {
        const std::size_t before = found - 1;
        const bool doubled = before != open && line[before] == '"' && line[before - 1] != '"';
        if (!doubled)
            return found;
        const std::size_t next = line.find(quoteAndComma, found + 1);
        if (next == std::string_view::npos)
            return found;
        found = next;
    }
}

// `quoted` with every doubled quote made one, cut to `size` characters.
// Returns how many characters of `quoted` were taken.
std::size_t assignUnquoted(std::string &value, std::string_view quoted, std::size_t size)
{
    value.clear();
    std::size_t i = 0;
    for (; i < quoted.size() && value.size() < size; ++i) {
        value.push_back(quoted[i]);
        if (quoted[i] == '"' && i + 1 < quoted.size() && quoted[i + 1] == '"')
            ++i;
    }
    return i;
}

} // namespace

ImportLineParser::ImportLineParser(ImportDelimiter delimiter, std::vector<std::size_t> columnSizes)
    : delimiter_(delimiter == ImportDelimiter::Comma ? ',' : '\t')
    , sizes_(std::move(columnSizes))
    , values_(sizes_.size())
    , sources_(sizes_.size())
{
}

ImportLineParser::Result ImportLineParser::parse(std::string_view line)
{
    if (line.find_first_not_of(' ') == std::string_view::npos)
        return Result::Blank;
    // The delimiter after the last column ends it like the others.
    line_.assign(line);
    line_.push_back(delimiter_);
    const std::string_view text = line_;
    std::size_t start = 0;
    for (std::size_t column = 0; column < sizes_.size(); ++column) {
        std::string &value = values_[column];
        Source &source = sources_[column];
        const std::size_t size = sizes_[column];
        if (delimiter_ == ',' && start < text.size() && text[start] == '"') {
            const std::optional<std::size_t> close = closingQuote(text, start);
            if (!close) {
                for (std::string &each : values_)
                    each.clear();
                return Result::UnclosedQuote;
            }
            source.begin = start + 1;
            source.end = source.begin
                + assignUnquoted(value, text.substr(start + 1, *close - start - 1), size);
            start = *close + 2;
            continue;
        }
        const std::size_t end = text.find(delimiter_, start);
        if (end == std::string_view::npos) {
            value.clear();
            source = {start, start};
            continue;
        }
        value.assign(text.substr(start, std::min(end - start, size)));
        source = {start, start + value.size()};
        start = end + 1;
    }
    return Result::Read;
}

} // namespace vantorelle
