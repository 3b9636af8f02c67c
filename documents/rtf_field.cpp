#include "documents/rtf_field.h"

namespace vantorelle {

std::string rtfEscape(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\\' || c == '{' || c == '}') {
            out += '\\';
            out += c;
        } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            out += "\\line\\tab ";
            ++i;
        } else {
            out += c;
        }
    }
    return out;
}

std::string rtfField(std::string_view label, std::string_view value)
{
    if (value.empty())
        return {};
    return "\\b " + rtfEscape(label) + ":\\b0\\tab " + rtfEscape(value) + "\\line";
}

} // namespace vantorelle
