// The header rebuild on any previous file text: every line is a "#" line, the
// rewritten lines say what was asked, no line follows an equal one, the
// declarations reach the field count, and rebuilding the result changes nothing.
#include "fuzz_support.h"

#include "store/line_reader.h"
#include "store/table_file.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <vector>

using namespace vantorelle;

namespace {

std::vector<std::string_view> splitAtCrLf(std::string_view text)
{
    std::vector<std::string_view> lines;
    for (std::size_t start = 0;;) {
        const auto end = text.find("\r\n", start);
        lines.push_back(text.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos)
            return lines;
        start = end + 2;
    }
}

// The number a "#FLDNUM:" line declares (blanks skipped), or -1 for another line.
long declared(std::string_view line)
{
    constexpr std::string_view prefix = "#FLDNUM:";
    if (!line.starts_with(prefix))
        return -1;
    line.remove_prefix(prefix.size());
    while (line.starts_with(' '))
        line.remove_prefix(1);
    long number = 0;
    for (std::size_t i = 0; i < line.size() && line[i] >= '0' && line[i] <= '9' && number < 1000000;
         ++i)
        number = number * 10 + (line[i] - '0');
    return number;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const auto records = input.ConsumeIntegralInRange<std::int64_t>(0, 40000000);
    const int fields = input.ConsumeIntegralInRange<int>(0, 40);
    const std::string type = input.ConsumeBool() ? "S" : "N";
    const std::string previous = input.ConsumeRemainingBytesAsString();

    const std::string header = TableFile::updatedHeader(previous, records, fields, type);
    if (header.empty()) {
        FUZZ_CHECK(fields == 0);
        return 0;
    }
    const std::vector<std::string_view> lines = splitAtCrLf(header);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        FUZZ_CHECK(line.starts_with('#'));
        FUZZ_CHECK(line.find('\r') == std::string_view::npos);
        FUZZ_CHECK(i == 0 || line != lines[i - 1]);
        if (line.starts_with("#RECCNT:"))
            FUZZ_CHECK(line == "#RECCNT: " + std::to_string(records));
        if (line.starts_with("#SYNCMODE:"))
            FUZZ_CHECK(line == "#SYNCMODE: MERGE");
        if (line.starts_with("#FLDCNT:"))
            FUZZ_CHECK(line == "#FLDCNT: " + std::to_string(fields));
    }
    FUZZ_CHECK(fields == 0 || declared(lines.back()) >= fields);

    // The header as written (then CR LF and the records) is rebuilt unchanged,
    // and the reader sees no record in it.
    const std::string written = header + "\r\n";
    FUZZ_CHECK(TableFile::updatedHeader(written, records, fields, type) == header);
    LineReader reader(written);
    std::string_view line;
    while (reader.next(line))
        FUZZ_CHECK(line.starts_with('#'));
    return 0;
}
