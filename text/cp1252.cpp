#include "text/cp1252.h"

#include <QList>

#include <array>

namespace vantorelle {

namespace {

// Bytes 0x80..0x9F; every other byte is the character of the same number.
constexpr std::array<char16_t, 32> upperControlRange = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80..87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 88..8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90..97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 98..9F
};

char16_t unicodeOf(unsigned char byte)
{
    if (byte >= 0x80 && byte <= 0x9F)
        return upperControlRange[byte - 0x80];
    return byte;
}

// The byte for `code`, or -1 when cp1252 has none.
int toByte(char32_t code)
{
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF))
        return int(code);
    for (std::size_t i = 0; i < upperControlRange.size(); ++i) {
        if (upperControlRange[i] == code)
            return int(0x80 + i);
    }
    return -1;
}

template<typename Bytes> QString decode(const Bytes &bytes)
{
    QString text(qsizetype(bytes.size()), Qt::Uninitialized);
    QChar *out = text.data();
    for (char byte : bytes)
        *out++ = QChar(unicodeOf(static_cast<unsigned char>(byte)));
    return text;
}

template<typename Bytes> Bytes encode(const QString &text)
{
    Bytes bytes;
    bytes.reserve(text.size());
    // Code points, so a character outside the basic plane gives one "?", not two.
    for (char32_t code : text.toUcs4()) {
        const int byte = toByte(code);
        bytes.push_back(byte < 0 ? '?' : char(byte));
    }
    return bytes;
}

} // namespace

namespace Cp1252 {

QChar toChar(char byte)
{
    return QChar(unicodeOf(static_cast<unsigned char>(byte)));
}

QString toUnicode(const QByteArray &bytes)
{
    return decode(bytes);
}

QString toUnicode(const std::string &bytes)
{
    return decode(bytes);
}

QByteArray fromUnicode(const QString &text)
{
    return encode<QByteArray>(text);
}

std::string toStdString(const QString &text)
{
    return encode<std::string>(text);
}

bool canEncode(const QString &text)
{
    for (char32_t code : text.toUcs4()) {
        if (toByte(code) < 0)
            return false;
    }
    return true;
}

} // namespace Cp1252

} // namespace vantorelle
