#include "exchange/export_line.h"

namespace vantorelle {

namespace {

constexpr std::string_view lineBreaks = "\r\n";

bool needsQuotes(std::string_view value, std::string_view delimiter)
{
    if (delimiter.empty())
        return !value.empty();
    return value.find(delimiter) != std::string_view::npos
        || value.find('"') != std::string_view::npos;
}

} // namespace

std::string exportDelimiterText(ExportDelimiter choice, std::string_view custom)
{
    switch (choice) {
    case ExportDelimiter::Comma:
        return ",";
    case ExportDelimiter::Tab:
        return "\t";
    case ExportDelimiter::Custom:
        break;
    }
    return std::string(custom);
}

void appendExportValue(std::string &line, std::string_view value, std::string_view delimiter)
{
    // Kept, a line break would end the record's line; dropped, it would join
    // the words on either side.
    std::string spaced;
    if (value.find_first_of(lineBreaks) != std::string_view::npos) {
        for (std::size_t i = 0; i < value.size(); ++i) {
            const char c = value[i];
            if (c == '\r' && i + 1 < value.size() && value[i + 1] == '\n')
                ++i;
            spaced.push_back(c == '\r' || c == '\n' ? ' ' : c);
        }
        value = spaced;
    }
    if (needsQuotes(value, delimiter)) {
        line.push_back('"');
        for (char c : value) {
            line.push_back(c);
            if (c == '"')
                line.push_back('"');
        }
        line.push_back('"');
    } else {
        line.append(value);
    }
    line.append(delimiter);
}

void appendLineEnd(std::string &text)
{
    text.append(lineBreaks);
}

} // namespace vantorelle
