// The import line parser and the import date and time conversion on any input.
// The parser: a blank line is the only one with no values, every value fits
// its column and is the text it was taken from, with TAB (or no quote at all)
// the columns are the text between the delimiters, and a comma line written by
// the export reads back as its values. The dates and times: whatever is accepted is a real stored
// date or clock time and converts again to itself, and a date or time written from numbers is
// accepted exactly when it is a real one.
#include "fuzz_support.h"

#include "exchange/export_line.h"
#include "exchange/import_dates.h"
#include "exchange/import_line_parser.h"
#include "store/line_reader.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <chrono>
#include <string>
#include <vector>

using namespace vantorelle;

namespace {

using Result = ImportLineParser::Result;

std::vector<std::string> split(std::string_view line, char delimiter)
{
    std::vector<std::string> pieces;
    for (std::size_t start = 0;;) {
        const std::size_t end = line.find(delimiter, start);
        pieces.emplace_back(line.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos)
            return pieces;
        start = end + 1;
    }
}

// Each value read is the text of the line it was taken from, a doubled quote
// made one in a quoted column.
void checkSources(std::string_view line, ImportDelimiter delimiter, const ImportLineParser &parser)
{
    for (std::size_t i = 0; i < parser.values().size(); ++i) {
        const ImportLineParser::Source &source = parser.sources()[i];
        FUZZ_CHECK(source.begin <= source.end);
        if (source.begin == source.end) {
            FUZZ_CHECK(parser.values()[i].empty());
            continue;
        }
        FUZZ_CHECK(source.end <= line.size());
        const std::string_view taken = line.substr(source.begin, source.end - source.begin);
        std::string value;
        const bool quoted = delimiter == ImportDelimiter::Comma && source.begin > 0
            && line[source.begin - 1] == '"';
        for (std::size_t c = 0; c < taken.size(); ++c) {
            value.push_back(taken[c]);
            if (quoted && taken[c] == '"' && c + 1 < taken.size() && taken[c + 1] == '"')
                ++c;
        }
        FUZZ_CHECK(parser.values()[i] == value);
    }
}

void checkLine(std::string_view line, ImportDelimiter delimiter,
    const std::vector<std::size_t> &sizes, ImportLineParser &parser)
{
    const Result result = parser.parse(line);
    const bool blank = line.find_first_not_of(' ') == std::string_view::npos;
    FUZZ_CHECK((result == Result::Blank) == blank);
    const std::vector<std::string> &values = parser.values();
    FUZZ_CHECK(values.size() == sizes.size());
    if (result == Result::Blank)
        return;
    const bool quotes = line.find('"') != std::string_view::npos;
    FUZZ_CHECK(result == Result::Read || (delimiter == ImportDelimiter::Comma && quotes));
    if (result == Result::Read)
        checkSources(line, delimiter, parser);
    for (std::size_t i = 0; i < values.size(); ++i)
        FUZZ_CHECK(values[i].size() <= sizes[i]);
    if (result != Result::Read || (delimiter == ImportDelimiter::Comma && quotes))
        return;
    const std::vector<std::string> columns
        = split(line, delimiter == ImportDelimiter::Comma ? ',' : '\t');
    for (std::size_t i = 0; i < values.size(); ++i) {
        const std::string column = i < columns.size() ? columns[i] : std::string();
        FUZZ_CHECK(values[i] == column.substr(0, sizes[i]));
    }
}

// The pieces of `line` written as one export line with the comma and read
// back. The parser's quote rule closes a value early at a quote and comma after
// another quote, so values holding "", or beginning with ", are left out.
void checkRoundTrip(std::string_view line)
{
    std::vector<std::string> values;
    for (std::string value : split(line, '\t')) {
        std::erase_if(value, [](char c) { return c == '\r' || c == '\n'; });
        if (value.find("\"\",") != std::string::npos || value.starts_with("\","))
            return;
        values.push_back(std::move(value));
    }
    std::string exported;
    for (const std::string &value : values)
        appendExportValue(exported, value, ",");
    ImportLineParser parser(
        ImportDelimiter::Comma, std::vector<std::size_t>(values.size(), 1 << 20));
    FUZZ_CHECK(parser.parse(exported) == Result::Read);
    FUZZ_CHECK(parser.values() == values);
}

bool realDate(int year, int month, int day)
{
    using namespace std::chrono;
    return year >= 1
        && year_month_day {std::chrono::year {year}, std::chrono::month(unsigned(month)),
            std::chrono::day(unsigned(day))}
               .ok();
}

std::string dateText(int first, int second, int year, bool zeros)
{
    const auto part = [zeros](int n) { return (zeros && n < 10 ? "0" : "") + std::to_string(n); };
    std::string yearText = std::to_string(year);
    yearText.insert(0, 4 - std::min<std::size_t>(4, yearText.size()), '0');
    return part(first) + "/" + part(second) + "/" + yearText;
}

void checkDates(FuzzedDataProvider &input)
{
    const ImportDateOrder order
        = input.ConsumeBool() ? ImportDateOrder::MonthDayYear : ImportDateOrder::DayMonthYear;
    const bool monthFirst = order == ImportDateOrder::MonthDayYear;
    const std::string text = input.ConsumeRandomLengthString(32);
    if (const auto stored = importDate(text, order)) {
        FUZZ_CHECK(stored->size() == 8);
        const int year = std::stoi(stored->substr(0, 4));
        const int month = std::stoi(stored->substr(4, 2));
        const int day = std::stoi(stored->substr(6, 2));
        FUZZ_CHECK(realDate(year, month, day));
        const std::string again
            = dateText(monthFirst ? month : day, monthFirst ? day : month, year, false);
        FUZZ_CHECK(importDate(again, order) == stored);
    }
    const int year = input.ConsumeIntegralInRange(0, 9999);
    const int month = input.ConsumeIntegralInRange(0, 13);
    const int day = input.ConsumeIntegralInRange(0, 32);
    const std::string written
        = dateText(monthFirst ? month : day, monthFirst ? day : month, year, input.ConsumeBool());
    FUZZ_CHECK(importDate(written, order).has_value() == realDate(year, month, day));
}

void checkTimes(FuzzedDataProvider &input)
{
    const std::string text = input.ConsumeRandomLengthString(24);
    if (const auto stored = importTime(text); stored && !stored->empty()) {
        FUZZ_CHECK(stored->size() == 5 && (*stored)[2] == ':');
        FUZZ_CHECK(std::stoi(stored->substr(0, 2)) < 24 && std::stoi(stored->substr(3, 2)) < 60);
        FUZZ_CHECK(importTime(*stored) == stored);
    }
    const bool twelveHour = input.ConsumeBool();
    const int hour = input.ConsumeIntegralInRange(0, twelveHour ? 23 : 25);
    const int minute = input.ConsumeIntegralInRange(0, 61);
    const int shownHour = twelveHour ? (hour % 12 == 0 ? 12 : hour % 12) : hour;
    std::string written
        = std::to_string(shownHour) + ":" + (minute < 10 ? "0" : "") + std::to_string(minute);
    if (twelveHour)
        written += hour < 12 ? " AM" : " PM";
    const auto stored = importTime(written);
    const bool real = hour < 24 && minute < 60;
    FUZZ_CHECK(stored.has_value() == real);
    if (real) {
        FUZZ_CHECK(std::stoi(stored->substr(0, 2)) == hour);
        FUZZ_CHECK(std::stoi(stored->substr(3, 2)) == minute);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    checkDates(input);
    checkTimes(input);
    const ImportDelimiter delimiter
        = input.ConsumeBool() ? ImportDelimiter::Comma : ImportDelimiter::Tab;
    std::vector<std::size_t> sizes(input.ConsumeIntegralInRange<std::size_t>(0, 10));
    for (std::size_t &each : sizes)
        each = input.ConsumeIntegralInRange<std::size_t>(0, 40);
    ImportLineParser parser(delimiter, sizes);
    const std::string text = input.ConsumeRemainingBytesAsString();
    LineReader lines(text);
    std::string_view line;
    while (lines.next(line)) {
        checkLine(line, delimiter, sizes, parser);
        checkRoundTrip(line);
    }
    return 0;
}
