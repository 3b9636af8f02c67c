#include "exchange/import_text.h"

#include "platform/cp1252.h"
#include "store/file_io.h"

#include <QFile>
#include <QStringDecoder>

#include <algorithm>

namespace vantorelle {

namespace {

constexpr std::string_view utf8ByteOrderMark = "\xEF\xBB\xBF";

std::string cp1252Text(std::string_view bytes)
{
    if (bytes.starts_with(utf8ByteOrderMark))
        bytes.remove_prefix(utf8ByteOrderMark.size());
    // ASCII reads the same both ways.
    if (std::all_of(bytes.begin(), bytes.end(), [](char c) { return (c & 0x80) == 0; }))
        return std::string(bytes);
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString text = utf8.decode(QByteArrayView(bytes.data(), qsizetype(bytes.size())));
    if (utf8.hasError())
        return std::string(bytes);
    return Cp1252::toStdString(text);
}

} // namespace

ImportText::ImportText(std::string_view fileBytes)
    : text_(cp1252Text(fileBytes))
    , lines_(text_)
{
}

bool readImportFile(const QString &path, std::string &bytes)
{
    return readWholeFile(QFile::encodeName(path).toStdString(), bytes) == 0;
}

} // namespace vantorelle
