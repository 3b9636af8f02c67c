#include "platform/settings_file.h"

#include "platform/app_error.h"
#include "platform/cp1252.h"
#include "platform/file_writer.h"

#include <QFile>
#include <QStringDecoder>

#include <cerrno>
#include <vector>

namespace {

const QByteArray crLf = QByteArrayLiteral("\r\n");

struct Line {
    QByteArray text;
    QByteArray end; // the line break as found: CR LF, CR, LF, or none on the last line
};

// A line ends at CR LF or a lone CR; a file without any CR is split on LF.
std::vector<Line> splitLines(const QByteArray &bytes)
{
    std::vector<Line> lines;
    const bool hasCr = bytes.contains('\r');
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        qsizetype endLength = 0;
        if (hasCr && bytes[i] == '\r')
            endLength = (i + 1 < bytes.size() && bytes[i + 1] == '\n') ? 2 : 1;
        else if (!hasCr && bytes[i] == '\n')
            endLength = 1;
        if (endLength == 0)
            continue;
        lines.push_back({bytes.mid(start, i - start), bytes.mid(i, endLength)});
        i += endLength - 1;
        start = i + 1;
    }
    if (start < bytes.size())
        lines.push_back({bytes.mid(start), QByteArray()});
    return lines;
}

QByteArray trimmed(const QByteArray &bytes)
{
    qsizetype first = 0, last = bytes.size();
    while (first < last && (bytes[first] == ' ' || bytes[first] == '\t'))
        ++first;
    while (last > first && (bytes[last - 1] == ' ' || bytes[last - 1] == '\t'))
        --last;
    return bytes.mid(first, last - first);
}

bool sameName(const QByteArray &bytes, const QString &name)
{
    return Cp1252::toUnicode(bytes).compare(name, Qt::CaseInsensitive) == 0;
}

// The section name of a "[name]" line.
std::optional<QByteArray> sectionName(const QByteArray &text)
{
    const QByteArray line = trimmed(text);
    if (!line.startsWith('['))
        return std::nullopt;
    const qsizetype close = line.indexOf(']');
    return trimmed(line.mid(1, close < 0 ? -1 : close - 1));
}

bool isKeyLine(const QByteArray &text, const QString &key)
{
    const qsizetype equals = text.indexOf('=');
    return equals >= 0 && sameName(trimmed(text.left(equals)), key);
}

bool isBlank(const QByteArray &text)
{
    return trimmed(text).isEmpty();
}

QString decodeValue(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8(bytes);
    return utf8.hasError() ? Cp1252::toUnicode(bytes) : text;
}

QByteArray encodeValue(const QString &value)
{
    return Cp1252::canEncode(value) ? Cp1252::fromUnicode(value) : value.toUtf8();
}

QString valueOf(const QByteArray &text)
{
    QByteArray value = trimmed(text.mid(text.indexOf('=') + 1));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'')
        && value.back() == value.front())
        value = value.mid(1, value.size() - 2);
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
        throw AppError::fromErrno(errno);
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
    const std::vector<Line> lines = splitLines(content);
    const auto span = findSection(lines, section);
    if (!span)
        return std::nullopt;
    for (std::size_t i = span->header + 1; i < span->end; ++i) {
        if (isKeyLine(lines[i].text, key))
            return valueOf(lines[i].text);
    }
    return std::nullopt;
}

void write(const QString &path, const QString &section, const QString &key, const QString &value)
{
    FileWriter::replace(path, withValue(readFile(path), section, key, value));
}

QByteArray withValue(
    const QByteArray &old, const QString &section, const QString &key, const QString &value)
{
    std::vector<Line> lines = splitLines(old);
    const QByteArray encodedValue = encodeValue(value);
    // A file whose lines end in LF alone is split on LF; one CR would make it
    // a single line for the next reader.
    const QByteArray lineEnd = !old.contains('\r') && old.contains('\n') ? QByteArray("\n") : crLf;

    auto insertAfter = [&lines, &lineEnd](std::size_t index, const QByteArray &text) {
        if (lines[index].end.isEmpty())
            lines[index].end = lineEnd;
        lines.insert(lines.begin() + qsizetype(index) + 1, Line {text, lineEnd});
    };

    if (const auto span = findSection(lines, section)) {
        std::size_t last = span->header;
        bool replaced = false;
        for (std::size_t i = span->header + 1; i < span->end && !replaced; ++i) {
            if (isKeyLine(lines[i].text, key)) {
                lines[i].text = lines[i].text.left(lines[i].text.indexOf('=') + 1) + encodedValue;
                replaced = true;
            } else if (!isBlank(lines[i].text)) {
                last = i;
            }
        }
        if (!replaced)
            insertAfter(last, Cp1252::fromUnicode(key) + '=' + encodedValue);
    } else {
        if (!lines.empty() && !isBlank(lines.back().text))
            insertAfter(lines.size() - 1, QByteArray());
        if (!lines.empty() && lines.back().end.isEmpty())
            lines.back().end = lineEnd;
        lines.push_back({'[' + Cp1252::fromUnicode(section) + ']', lineEnd});
        lines.push_back({Cp1252::fromUnicode(key) + '=' + encodedValue, lineEnd});
    }

    QByteArray bytes;
    for (const Line &line : lines)
        bytes += line.text + line.end;
    return bytes;
}

} // namespace SettingsFile
