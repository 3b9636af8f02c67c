#pragma once

#include <QByteArray>
#include <QString>

#include <string>

namespace vantorelle {

// Windows-1252, the encoding of the table files and the logs. Qt 6 has no such
// codec. Every byte maps to a character and back: the five bytes cp1252 leaves
// undefined (0x81 0x8D 0x8F 0x90 0x9D) stand for the control characters of the
// same number, so no byte is ever lost. Characters outside cp1252 become "?".
namespace Cp1252 {

// The character of one byte.
QChar toChar(char byte);
QString toUnicode(const QByteArray &bytes);
QString toUnicode(const std::string &bytes);
QByteArray fromUnicode(const QString &text);
std::string toStdString(const QString &text);
// True when every character of `text` has a cp1252 byte.
bool canEncode(const QString &text);

} // namespace Cp1252

} // namespace vantorelle
