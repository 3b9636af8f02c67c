#include "store/table_file.h"

#include "store/file_io.h"
#include "store/line_reader.h"
#include "store/record_status.h"
#include "store/row_values.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <iterator>

namespace vantorelle {

namespace {

// Whether `value` holds `a` or `b` ('\0': none): memchr is much faster than a
// find_first_of over every byte of a large table.
bool holds(std::string_view value, char a, char b)
{
    return !value.empty()
        && (std::memchr(value.data(), a, value.size())
            || (b && std::memchr(value.data(), b, value.size())));
}

constexpr std::string_view crlf = "\r\n";
constexpr std::string_view quotedSeparator = "\",\"";

// Appends a value as read: every "" becomes ", and with `lineBreaks` every \n
// or \N becomes CR LF.
void appendUnquoted(std::string &out, std::string_view value, bool lineBreaks)
{
    if (!holds(value, '"', lineBreaks ? '\\' : '\0')) {
        out.append(value);
        return;
    }
    std::size_t run = 0;
    for (std::size_t i = 0; i + 1 < value.size(); ++i) {
        const char c = value[i];
        const char next = value[i + 1];
        const bool quote = c == '"' && next == '"';
        const bool lineBreak = lineBreaks && c == '\\' && (next == 'n' || next == 'N');
        if (quote || lineBreak) {
            out.append(value.substr(run, i - run));
            out.append(quote ? std::string_view("\"") : crlf);
            run = ++i + 1;
        }
    }
    out.append(value.substr(run));
}

// Appends a value to be written: with `quotes` every " doubled, with
// `lineBreaks` every CR LF written as \n.
void appendEscaped(std::string &out, std::string_view value, bool quotes, bool lineBreaks)
{
    if (!holds(value, quotes ? '"' : '\r', lineBreaks ? '\r' : '\0')) {
        out.append(value);
        return;
    }
    std::size_t run = 0;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (quotes && value[i] == '"') {
            out.append(value.substr(run, i + 1 - run)); // the quote, then its double
            out.push_back('"');
            run = i + 1;
        } else if (lineBreaks && value[i] == '\r' && i + 1 < value.size() && value[i + 1] == '\n') {
            out.append(value.substr(run, i - run));
            out.append("\\n");
            run = ++i + 1;
        }
    }
    out.append(value.substr(run));
}

// The last value of a line runs to its end, closing quote removed.
std::string_view withoutClosingQuote(std::string_view rest)
{
    return rest.ends_with('"') ? rest.substr(0, rest.size() - 1) : rest;
}

// A value whose separator is missing (a line cut short) runs to the end of the
// line, without its closing quote and without the comma of a separator begun
// there: a value cannot end in `",` and be written back before another one.
std::string_view withoutCutSeparator(std::string_view rest)
{
    if (rest.ends_with("\","))
        return rest.substr(0, rest.size() - 2);
    return withoutClosingQuote(rest);
}

// Cuts the next value from `rest` at `separator`. A missing separator makes the
// rest the value (a short line: the columns after it stay empty).
bool cut(std::string_view &rest, std::string_view separator, std::string_view &value)
{
    const auto at = rest.find(separator);
    if (at == std::string_view::npos) {
        value = rest;
        rest = {};
        return false;
    }
    value = rest.substr(0, at);
    rest.remove_prefix(at + separator.size());
    return true;
}

// Cuts the next quoted value at the `separator` (`","`, or `",` before the
// preferences' numbers) that closes it. A doubled quote is a quote of the value
// itself, so a value that holds `","` (written `"",""`) reads back whole instead
// of being cut inside; any other quote is taken as it stands. A missing
// separator makes the rest the value.
bool cutQuoted(
    std::string_view &rest, std::string_view &value, std::string_view separator = quotedSeparator)
{
    for (auto at = rest.find('"'); at != std::string_view::npos; at = rest.find('"', at)) {
        if (at + 1 < rest.size() && rest[at + 1] == '"') {
            at += 2;
            continue;
        }
        if (rest.substr(at, separator.size()) == separator) {
            value = rest.substr(0, at);
            rest.remove_prefix(at + separator.size());
            return true;
        }
        ++at;
    }
    value = rest;
    rest = {};
    return false;
}

// A preferences number is written as a whole number; a column without a
// value as 0, so the line keeps its nine values.
std::string wholeNumber(std::string_view text)
{
    if (text.empty())
        return "0";
    const float number = std::strtof(std::string(text).c_str(), nullptr);
    return std::to_string(std::lround(static_cast<double>(number)));
}

// About the size of the record lines of `table`: its values and their separators.
std::size_t lineBytesEstimate(const MemoryTable &table)
{
    return table.byteCount() + table.recordCount() * (table.columns().size() * 3 + 2) + 4096;
}

std::string headerLine(std::string_view prefix, std::int64_t number)
{
    return std::string(prefix) + std::to_string(number);
}

// Whether `text`, the start of a table file, holds its whole header block:
// a line that begins with something other than "#" has begun. (A text without
// CR is read whole, since only the whole file tells how its lines end.)
bool holdsHeaderBlock(std::string_view text)
{
    if (text.empty())
        return false;
    if (text.front() != '#')
        return true;
    for (auto cr = text.find('\r'); cr != std::string_view::npos; cr = text.find('\r', cr + 1)) {
        std::size_t start = cr + 1;
        if (start < text.size() && text[start] == '\n')
            ++start;
        if (start >= text.size())
            return false;
        if (text[start] != '#')
            return true;
    }
    return false;
}

std::string declarationLine(int value, std::string_view fieldType)
{
    return "#FLDNUM:" + std::to_string(value) + " TYPE:" + std::string(fieldType) + " SIZE:0";
}

// The number of the value the header's last line declares: the digits after
// "#FLDNUM:", 0 when the last line is no declaration.
int lastDeclared(std::string_view line)
{
    constexpr std::string_view prefix = "#FLDNUM:";
    if (!line.starts_with(prefix))
        return 0;
    line.remove_prefix(prefix.size());
    const auto digits = line.find_first_not_of(' ');
    int number = 0;
    for (std::size_t i = digits; i != std::string_view::npos && i < line.size(); ++i) {
        if (line[i] < '0' || line[i] > '9' || number > 100000)
            break;
        number = number * 10 + (line[i] - '0');
    }
    return number;
}

} // namespace

TableFile::TableFile(std::string path, FileLayout layout)
    : path_(std::move(path))
    , layout_(std::move(layout))
{
}

int TableFile::fieldCount(const MemoryTable &table) const
{
    return static_cast<int>(table.columns().size()) - 2; // every value after REC_ID and STATUS
}

std::string TableFile::updatedHeader(std::string_view previousContent, std::int64_t recordCount,
    int fieldCount, std::string_view fieldType)
{
    std::string header;
    std::string previous;
    LineReader lines(previousContent);
    std::string_view line;
    while (lines.next(line) && line.starts_with('#')) {
        std::string rewritten;
        if (line.starts_with("#RECCNT:"))
            rewritten = headerLine("#RECCNT: ", recordCount);
        else if (line.starts_with("#SYNCMODE:"))
            rewritten = "#SYNCMODE: MERGE";
        else if (line.starts_with("#FLDCNT:"))
            rewritten = headerLine("#FLDCNT: ", fieldCount);
        else
            rewritten = line;
        if (rewritten != previous) {
            header += rewritten;
            header += crlf;
        }
        previous = std::move(rewritten);
    }
    for (int value = lastDeclared(previous) + 1; value <= fieldCount; ++value) {
        header += declarationLine(value, fieldType);
        header += crlf;
    }
    if (!header.empty())
        header.resize(header.size() - crlf.size());
    return header;
}

std::optional<std::string> TableFile::headerFault(std::string_view content)
{
    if (!content.starts_with('#'))
        return "The file has no header block.";
    constexpr std::string_view needed[] = {"#RECCNT:", "#SYNCMODE", "#FLDCNT:"};
    bool found[std::size(needed)] = {};
    LineReader lines(content);
    std::string_view line;
    while (lines.next(line) && line.starts_with('#')) {
        if (line.find('\n') != std::string_view::npos)
            return "A line of its header block ends in a line feed alone.";
        for (std::size_t i = 0; i < std::size(needed); ++i)
            found[i] = found[i] || line.starts_with(needed[i]);
    }
    for (std::size_t i = 0; i < std::size(needed); ++i) {
        if (!found[i])
            return "Its header block has no \"" + std::string(needed[i]) + "\" line.";
    }
    return std::nullopt;
}

std::string TableFile::newHeader(
    std::int64_t recordCount, int fieldCount, std::string_view fieldType)
{
    std::string header = headerLine("#RECCNT: ", recordCount) + "\r\n#SYNCMODE: MERGE\r\n"
        + headerLine("#FLDCNT: ", fieldCount);
    for (int value = 1; value <= fieldCount; ++value) {
        header += crlf;
        header += declarationLine(value, fieldType);
    }
    return header;
}

std::string TableFile::handheldCopy(std::string_view content)
{
    constexpr std::size_t statusStart = 11; // after the record id and its comma
    constexpr std::size_t keyStart = statusStart + 6; // the comma before the Key
    std::string copy;
    copy.reserve(content.size() + 2);
    LineReader lines(content);
    std::string_view line;
    while (lines.next(line)) {
        if (line.starts_with('#') || line.size() < statusStart) {
            copy.append(
                line.starts_with("#SYNCMODE") ? std::string_view("#SYNCMODE: MERGE") : line);
        } else {
            copy.append(line.substr(statusStart, 6) == RecordStatus::deleted ? "0x00000000,0x0002"
                                                                             : "0x00000000,0x0000");
            if (line.size() > keyStart)
                copy.append(line.substr(keyStart));
        }
        copy.append(crlf);
    }
    return copy;
}

void TableFile::cutLine(std::string_view line, std::size_t columnCount, RowValues &values) const
{
    values.clear();
    std::string_view rest = line;
    std::string_view value;
    if (!cut(rest, ",", value)) {
        values.add(value);
        return;
    }
    values.add(value); // REC_ID
    if (!cut(rest, ",\"", value)) {
        values.add(value);
        return;
    }
    values.add(value); // STATUS

    if (layout_.line == FileLayout::Line::Prefs) {
        // PrefsKey, PrefsStr1..3 quoted; the three numbers bare.
        // The fourth separator is `",` before the first number.
        for (int quoted = 0; quoted < 4; ++quoted) {
            const bool found = quoted < 3 ? cutQuoted(rest, value) : cutQuoted(rest, value, "\",");
            appendUnquoted(values.buffer(), found ? value : withoutCutSeparator(value), false);
            values.endValue();
            if (!found)
                return;
        }
        for (int number = 0; number < 2; ++number) {
            const bool found = cut(rest, ",", value);
            values.add(value);
            if (!found)
                return;
        }
        values.add(rest);
        return;
    }

    // Key, then fields 1..N: the last one runs to the end of the line.
    const std::size_t quotedValues = columnCount - 2;
    for (std::size_t i = 0; i + 1 < quotedValues; ++i) {
        const bool found = cutQuoted(rest, value);
        const bool lineBreaks = layout_.lineBreakStep && i > 0;
        appendUnquoted(values.buffer(), found ? value : withoutCutSeparator(value), lineBreaks);
        values.endValue();
        if (!found)
            return;
    }
    appendUnquoted(values.buffer(), withoutClosingQuote(rest), false);
    values.endValue();
}

void TableFile::appendLine(const MemoryTable &table, RowHandle row, std::string &out) const
{
    const bool lineBreaks = layout_.lineBreakStep;
    const std::size_t width = table.columns().size();
    appendEscaped(out, table.valueAt(row, 0), false, lineBreaks);
    out.push_back(',');
    appendEscaped(out, table.valueAt(row, 1), false, lineBreaks);
    out.append(",\"");
    if (layout_.line == FileLayout::Line::Prefs) {
        for (std::size_t c = 2; c < 6; ++c) {
            appendEscaped(out, table.valueAt(row, c), true, false);
            out.append(c < 5 ? quotedSeparator : "\",");
        }
        for (std::size_t c = 6; c < width; ++c) {
            out.append(wholeNumber(table.valueAt(row, c)));
            if (c + 1 < width)
                out.push_back(',');
        }
    } else {
        for (std::size_t c = 2; c < width; ++c) {
            appendEscaped(out, table.valueAt(row, c), true, lineBreaks);
            out.append(c + 1 < width ? quotedSeparator : "\"");
        }
    }
    out.append(crlf);
}

std::optional<StoreFailure> TableFile::read(MemoryTable &table) const
{
    std::string content;
    if (const int error = readWholeFile(path_, content))
        return StoreFailure::fromErrno(error, path_);
    readBytes(content, table);
    if (const auto fault = headerFault(content))
        return StoreFailure::invalidFormat(path_, *fault);
    return std::nullopt;
}

void TableFile::readBytes(std::string_view content, MemoryTable &table) const
{
    const std::size_t columnCount = table.columns().size();
    RowValues values;
    LineReader lines(content);
    std::string_view line;
    while (lines.next(line)) {
        if (line.starts_with('#') || line.size() < layout_.shortestRecordLine)
            continue;
        cutLine(line, columnCount, values);
        table.appendRow(values);
    }
    table.moveFirst();
}

std::optional<StoreFailure> TableFile::write(MemoryTable &table) const
{
    std::string previous; // the header block is rebuilt from the file as it is
    const int readError = readFileStart(path_, previous, holdsHeaderBlock);
    if (readError != 0 && readError != ENOENT)
        return StoreFailure::fromErrno(readError, path_);
    if (readError == 0) {
        if (const auto fault = headerFault(previous))
            return StoreFailure::invalidFormat(path_, *fault);
    }

    const std::string content
        = bytes(table, readError == 0 ? std::optional<std::string_view>(previous) : std::nullopt);
    if (const int error = writeFileAtomically(path_, content))
        return StoreFailure::fromErrno(error, path_);
    return std::nullopt;
}

std::string TableFile::bytes(
    MemoryTable &table, std::optional<std::string_view> previousContent) const
{
    const std::optional<Criterion> kept = table.filter();
    table.setFilter(std::nullopt);
    const auto count = static_cast<std::int64_t>(table.recordCount());
    std::string content = previousContent
        ? updatedHeader(*previousContent, count, fieldCount(table), layout_.fieldType)
        : newHeader(count, fieldCount(table), layout_.fieldType);
    content.append(crlf);
    content.reserve(content.size() + lineBytesEstimate(table));
    for (table.moveFirst(); !table.eof(); table.moveNext())
        appendLine(table, table.handle(), content);
    table.setFilter(kept);
    return content;
}

} // namespace vantorelle
