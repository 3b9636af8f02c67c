#include "settings/settings_file.h"

#include "platform/app_error.h"
#include "platform/file_writer.h"
#include "text/cp1252.h"

#include <QByteArrayView>
#include <QFile>
#include <QStringDecoder>

#include <cerrno>
#include <vector>

namespace vantorelle {

namespace {

constexpr QByteArrayView crLf = "\r\n";

// A line of the file's bytes, without copying them.
struct Line {
    QByteArrayView text;
    QByteArrayView end; // the line break as found: CR LF, CR, LF, or none on the last line
};

// Walks the lines of a file's bytes: a line ends at CR LF or a lone CR; a
// file without any CR is split on LF.
class LineCursor {
public:
    explicit LineCursor(QByteArrayView bytes)
        : bytes_(bytes)
        , hasCr_(bytes.contains('\r'))
    {
    }

    bool next(Line &line)
    {
        if (start_ >= bytes_.size())
            return false;
        const qsizetype at = bytes_.indexOf(hasCr_ ? '\r' : '\n', start_);
        if (at < 0) {
            line = {bytes_.sliced(start_), QByteArrayView()};
            start_ = bytes_.size();
            return true;
        }
        const qsizetype endLength
            = hasCr_ && at + 1 < bytes_.size() && bytes_[at + 1] == '\n' ? 2 : 1;
        line = {bytes_.sliced(start_, at - start_), bytes_.sliced(at, endLength)};
        start_ = at + endLength;
        return true;
    }

private:
    QByteArrayView bytes_;
    bool hasCr_;
    qsizetype start_ = 0;
};

std::vector<Line> splitLines(QByteArrayView bytes)
{
    std::vector<Line> lines;
    LineCursor cursor(bytes);
    for (Line line; cursor.next(line);)
        lines.push_back(line);
    return lines;
}

// Without the blanks and tabs around it (other white space is text).
QByteArrayView trimmed(QByteArrayView bytes)
{
    qsizetype first = 0, last = bytes.size();
    while (first < last && (bytes[first] == ' ' || bytes[first] == '\t'))
        ++first;
    while (last > first && (bytes[last - 1] == ' ' || bytes[last - 1] == '\t'))
        --last;
    return bytes.sliced(first, last - first);
}

// Whether the cp1252 `bytes` name `name`, compared without regard to case.
bool sameName(QByteArrayView bytes, const QString &name)
{
    if (bytes.size() != name.size())
        return false;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (Cp1252::toChar(bytes[i]).toCaseFolded() != name[i].toCaseFolded())
            return false;
    }
    return true;
}

// The section name of a "[name]" line.
std::optional<QByteArrayView> sectionName(QByteArrayView text)
{
    const QByteArrayView line = trimmed(text);
    if (!line.startsWith('['))
        return std::nullopt;
    const qsizetype close = line.indexOf(']');
    return trimmed(close < 0 ? line.sliced(1) : line.sliced(1, close - 1));
}

bool isKeyLine(QByteArrayView text, const QString &key)
{
    const qsizetype equals = text.indexOf('=');
    return equals >= 0 && sameName(trimmed(text.first(equals)), key);
}

bool isBlank(QByteArrayView text)
{
    return trimmed(text).isEmpty();
}

QString decodeValue(QByteArrayView bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8(bytes);
    return utf8.hasError() ? Cp1252::toUnicode(bytes.toByteArray()) : text;
}

QByteArray encodeValue(const QString &value)
{
    return Cp1252::canEncode(value) ? Cp1252::fromUnicode(value) : value.toUtf8();
}

QString valueOf(QByteArrayView text)
{
    QByteArrayView value = trimmed(text.sliced(text.indexOf('=') + 1));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'')
        && value.back() == value.front())
        value = value.sliced(1, value.size() - 2);
    return decodeValue(value);
}

// Where a section lies: the header line and the line after its last one.
struct SectionSpan {
    std::size_t header, end;
};

std::optional<SectionSpan> findSection(const std::vector<Line> &lines, const QString &section)
{
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto name = sectionName(lines[i].text);
        if (!name || !sameName(*name, section))
            continue;
        std::size_t end = i + 1;
        while (end < lines.size() && !sectionName(lines[end].text))
            ++end;
        return SectionSpan {i, end};
    }
    return std::nullopt;
}

// The file's bytes; empty when there is no file.
QByteArray readFile(const QString &path)
{
    QFile file(path);
    if (!file.exists())
        return QByteArray();
    errno = 0;
    if (!file.open(QIODevice::ReadOnly))
        throw AppError::fromErrno(errno).aboutFile(path);
    return file.readAll();
}

} // namespace

namespace SettingsFile {

std::optional<QString> read(const QString &path, const QString &section, const QString &key)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return readBytes(file.readAll(), section, key);
}

std::optional<QString> readBytes(
    const QByteArray &content, const QString &section, const QString &key)
{
    // The first section of the name, then its first line of the key.
    LineCursor lines(content);
    Line line;
    for (;;) {
        if (!lines.next(line))
            return std::nullopt;
        const auto name = sectionName(line.text);
        if (name && sameName(*name, section))
            break;
    }
    while (lines.next(line) && !sectionName(line.text)) {
        if (isKeyLine(line.text, key))
            return valueOf(line.text);
    }
    return std::nullopt;
}

void write(const QString &path, const QString &section, const QString &key, const QString &value)
{
    FileWriter::replace(
        path, withValue(readFile(path), section, key, value), NewFileAccess::OwnerOnly);
}

QByteArray withValue(
    const QByteArray &old, const QString &section, const QString &key, const QString &value)
{
    const std::vector<Line> lines = splitLines(old);
    const QByteArray encodedValue = encodeValue(value);
    // A file whose lines end in LF alone is split on LF; one CR would make it
    // a single line for the next reader.
    const QByteArrayView lineEnd
        = !old.contains('\r') && old.contains('\n') ? QByteArrayView("\n") : crLf;

    QByteArray bytes;
    bytes.reserve(old.size() + 2 * key.size() + section.size() + encodedValue.size() + 8);
    // Lines [from, to) as they were; a last line without a line break gets one
    // when `ended`, since a line follows it.
    const auto copyLines = [&](std::size_t from, std::size_t to, bool ended) {
        for (std::size_t i = from; i < to; ++i) {
            bytes += lines[i].text;
            bytes += lines[i].end.isEmpty() && ended && i + 1 == to ? lineEnd : lines[i].end;
        }
    };

    if (const auto span = findSection(lines, section)) {
        // The key's line gets the new value, or the key a line of its own
        // after the last line of its section that is not blank.
        std::size_t last = span->header;
        for (std::size_t i = span->header + 1; i < span->end; ++i) {
            if (isKeyLine(lines[i].text, key)) {
                copyLines(0, i, false);
                bytes += lines[i].text.first(lines[i].text.indexOf('=') + 1);
                bytes += encodedValue;
                bytes += lines[i].end;
                copyLines(i + 1, lines.size(), false);
                return bytes;
            }
            if (!isBlank(lines[i].text))
                last = i;
        }
        copyLines(0, last + 1, true);
        bytes += Cp1252::fromUnicode(key) + '=' + encodedValue;
        bytes += lineEnd;
        copyLines(last + 1, lines.size(), false);
        return bytes;
    }

    // A new section at the end, after an empty line.
    copyLines(0, lines.size(), true);
    if (!lines.empty() && !isBlank(lines.back().text))
        bytes += lineEnd;
    bytes += '[' + Cp1252::fromUnicode(section) + ']';
    bytes += lineEnd;
    bytes += Cp1252::fromUnicode(key) + '=' + encodedValue;
    bytes += lineEnd;
    return bytes;
}

} // namespace SettingsFile

} // namespace vantorelle
