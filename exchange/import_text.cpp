#include "exchange/import_text.h"

#include "store/file_io.h"
#include "text/cp1252.h"

#include <QFile>
#include <QStringDecoder>

#include <algorithm>

namespace vantorelle {

namespace {

constexpr std::string_view utf8ByteOrderMark = "\xEF\xBB\xBF";

// `bytes` as cp1252, with the positions of the "?" put for characters it
// cannot hold added to `replaced`.
std::string cp1252Text(std::string_view bytes, std::vector<std::size_t> &replaced)
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
    // One byte per code point: a "?" where the file held none is a character
    // that could not be kept.
    const QList<uint> codes = text.toUcs4();
    std::string converted = Cp1252::toStdString(text);
    for (std::size_t i = 0; i < converted.size(); ++i) {
        if (converted[i] == '?' && codes[qsizetype(i)] != uint('?'))
            replaced.push_back(i);
    }
    return converted;
}

} // namespace

ImportText::ImportText(std::string_view fileBytes)
    : text_(cp1252Text(fileBytes, replaced_))
    , lines_(text_)
{
}

std::vector<std::size_t> ImportText::replacedIn(std::string_view line) const
{
    const auto start = static_cast<std::size_t>(line.data() - text_.data());
    const auto first = std::lower_bound(replaced_.begin(), replaced_.end(), start);
    const auto last = std::lower_bound(first, replaced_.end(), start + line.size());
    std::vector<std::size_t> positions;
    for (auto at = first; at != last; ++at)
        positions.push_back(*at - start);
    return positions;
}

bool readImportFile(const QString &path, std::string &bytes)
{
    return readWholeFile(QFile::encodeName(path).toStdString(), bytes) == 0;
}

} // namespace vantorelle
