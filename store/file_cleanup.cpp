#include "store/file_cleanup.h"

#include "store/file_io.h"
#include "store/line_reader.h"
#include "store/record_status.h"
#include "store/table_file.h"

#include <cerrno>
#include <cstdio>

namespace vantorelle {

namespace {

// Where the status field of a record line stands: between the first comma
// and the comma after it.
struct StatusField {
    std::size_t start = 0, length = 0;
};

StatusField statusField(std::string_view line)
{
    const auto first = line.find(',');
    if (first == std::string_view::npos)
        return {line.size(), 0};
    const auto second = line.find(',', first + 1);
    const auto end = second == std::string_view::npos ? line.size() : second;
    return {first + 1, end - first - 1};
}

// The key of a record line: the text between the first `,"` and the next
// `","` after it. False when the line has no such key.
bool recordKey(std::string_view line, std::string_view &key)
{
    const auto open = line.find(",\"");
    const std::size_t from = open == std::string_view::npos ? 0 : open + 1;
    const auto close = line.find("\",\"", from);
    const std::size_t start = open == std::string_view::npos ? 1 : open + 2;
    if (close == std::string_view::npos || close < start)
        return false;
    key = line.substr(start, close - start);
    return true;
}

} // namespace

std::optional<StoreFailure> removeNearEmptyFile(const std::string &path)
{
    const long long size = fileSize(path);
    if (size < 0 || size >= 50)
        return std::nullopt;
    if (std::remove(path.c_str()) != 0)
        return StoreFailure::fromErrno(errno, path);
    return std::nullopt;
}

std::optional<StoreFailure> retireDuplicateKeys(const std::string &path)
{
    std::string content;
    if (const int error = readWholeFile(path, content))
        return StoreFailure::fromErrno(error, path);
    if (TableFile::headerFault(content))
        return std::nullopt; // never written back without a whole header block
    const std::string cleaned = withDuplicateKeysRetired(content);
    if (cleaned == content)
        return std::nullopt;
    if (const int error = writeFileAtomically(path, cleaned))
        return StoreFailure::fromErrno(error, path);
    return std::nullopt;
}

std::string withDuplicateKeysRetired(std::string_view content)
{
    std::string cleaned;
    cleaned.reserve(content.size() + 2);
    std::string previousKey;
    LineReader lines(content);
    std::string_view line;
    while (lines.next(line)) {
        const std::size_t lineStart = cleaned.size();
        cleaned.append(line);
        cleaned.append("\r\n");
        if (line.starts_with('#'))
            continue;
        const StatusField status = statusField(line);
        const std::string_view statusText = line.substr(status.start, status.length);
        if (statusText == RecordStatus::deleted)
            continue;
        if (line.size() <= 5) {
            cleaned.resize(lineStart);
            continue;
        }
        std::string_view key;
        if (!recordKey(line, key))
            return std::string(content); // not a record line we can compare: leave the file alone
        if (key == previousKey
            && (statusText == RecordStatus::unchanged || statusText == RecordStatus::modified
                || statusText == RecordStatus::added))
            cleaned.replace(lineStart + status.start, status.length, RecordStatus::deleted);
        previousKey = key;
    }
    return cleaned;
}

} // namespace vantorelle
