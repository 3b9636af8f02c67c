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
    std::string kept;
    if (value.find_first_of(lineBreaks) != std::string_view::npos) {
        for (char c : value) {
            if (c != '\r' && c != '\n')
                kept.push_back(c);
        }
        value = kept;
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
