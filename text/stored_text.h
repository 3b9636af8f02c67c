#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace vantorelle {

// Stored text is cp1252 bytes with CR LF line breaks; the widgets hold Unicode
// with LF. These convert at that boundary.
QString shownText(std::string_view stored);
std::string storedText(const QString &shown);

// The program's own texts (captions, titles, messages) are UTF-8 in the code.
QString ownText(std::string_view utf8);

} // namespace vantorelle
