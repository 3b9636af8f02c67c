// The duplicate-key cleaning on any file's bytes: header lines and deleted
// lines stay as they were, short lines go, every other line stays or changes
// only its status to "0x0002", all in the old order; cleaning the result again
// changes nothing.
#include "fuzz_support.h"

#include "store/file_cleanup.h"
#include "store/line_reader.h"

#include <string>
#include <string_view>
#include <vector>

using namespace vantorelle;

namespace {

std::vector<std::string_view> linesOf(std::string_view text)
{
    std::vector<std::string_view> lines;
    LineReader reader(text);
    std::string_view line;
    while (reader.next(line))
        lines.push_back(line);
    return lines;
}

// The status of a record line: between its first comma and the next one.
std::string_view statusOf(std::string_view line)
{
    const auto first = line.find(',');
    if (first == std::string_view::npos)
        return {};
    const auto second = line.find(',', first + 1);
    return line.substr(
        first + 1, (second == std::string_view::npos ? line.size() : second) - first - 1);
}

// Whether `after` is `before` with its status made "0x0002".
bool onlyStatusDeleted(std::string_view before, std::string_view after)
{
    const auto comma = before.find(',');
    if (comma == std::string_view::npos)
        return false;
    const std::size_t start = comma + 1;
    const std::string_view rest = before.substr(start + statusOf(before).size());
    return after.size() == start + 6 + rest.size() && after.starts_with(before.substr(0, start))
        && after.substr(start, 6) == "0x0002" && after.ends_with(rest);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view original(reinterpret_cast<const char *>(data), size);
    const std::string cleaned = withDuplicateKeysRetired(original);
    if (cleaned == original)
        return 0;

    FUZZ_CHECK(cleaned.empty() || cleaned.ends_with("\r\n"));
    const std::vector<std::string_view> before = linesOf(original), after = linesOf(cleaned);
    std::size_t kept = 0;
    for (std::string_view line : before) {
        if (line.starts_with('#') || statusOf(line) == "0x0002") {
            FUZZ_CHECK(kept < after.size() && after[kept] == line); // kept as it was
        } else if (line.size() <= 5) {
            continue; // dropped
        } else {
            FUZZ_CHECK(kept < after.size()
                && (after[kept] == line || onlyStatusDeleted(line, after[kept])));
        }
        ++kept;
    }
    FUZZ_CHECK(kept == after.size());

    FUZZ_CHECK(withDuplicateKeysRetired(cleaned) == cleaned);
    return 0;
}
