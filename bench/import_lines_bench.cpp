#include "bench/import_lines_bench.h"

#include "exchange/import_dates.h"
#include "exchange/import_line_parser.h"
#include "exchange/import_text.h"
#include "exchange/reading_import.h"
#include "store/store.h"

#include <QString>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace vantorelle {

namespace {

constexpr std::size_t lineCount = 100000;

std::string importFile()
{
    std::string file = "Systolic,Diastolic,Pulse,Date,Time,Activity,Notes\r\n";
    for (std::size_t i = 0; i < lineCount; ++i) {
        file += std::to_string(110 + i % 40) + "," + std::to_string(70 + i % 20) + ",6"
            + std::to_string(i % 10) + "," + std::to_string(1 + i % 12) + "/"
            + std::to_string(1 + i % 28) + "/" + std::to_string(1990 + i % 30) + ","
            + std::to_string(1 + i % 12) + ":" + std::to_string(10 + i % 50)
            + (i % 2 ? " PM" : " AM") + ",Walking,\"After coffee, caf\xC3\xA9 au lait\"\r\n";
    }
    return file;
}

// The lines whose date and time convert.
std::size_t cutLines(const std::string &file)
{
    ImportText text(file);
    ImportLineParser parser(ImportDelimiter::Comma, {5, 5, 5, 20, 20, 100, 2000});
    std::size_t converted = 0;
    std::string_view line;
    text.nextLine(line); // the header
    while (text.nextLine(line)) {
        if (parser.parse(line) != ImportLineParser::Result::Read)
            continue;
        const std::vector<std::string> &values = parser.values();
        if (importDate(values[3], ImportDateOrder::MonthDayYear) && importTime(values[4]))
            ++converted;
    }
    return converted;
}

std::string rangeText(const std::vector<double> &sorted)
{
    char spread[48];
    std::snprintf(spread, sizeof spread, "%.2f-%.2f", sorted.front(), sorted.back());
    return spread;
}

} // namespace

void benchImportLines()
{
    const std::string file = importFile();
    std::vector<double> times;
    std::size_t converted = 0;
    for (int run = 0; run < 7; ++run) {
        const auto start = std::chrono::steady_clock::now();
        converted = cutLines(file);
        const std::chrono::duration<double, std::milli> took
            = std::chrono::steady_clock::now() - start;
        times.push_back(took.count());
    }
    std::sort(times.begin(), times.end());
    const double median = times[times.size() / 2];
    const std::string spread = rangeText(times);
    const std::string lines = std::to_string(converted) + " lines";
    std::printf("%-52s %9.2f ms %-17s %-16s %-12s %s\n",
        "import: cut 100,000 reading lines, dates and times", median, spread.c_str(), lines.c_str(),
        "< 100 ms", median < 100 && converted == lineCount ? "ok" : "MISSED");
}

} // namespace vantorelle

namespace vantorelle {

void benchReadingImport(const std::string &folder, const std::string &profileKey)
{
    const std::string path = folder + "bench-import.csv";
    std::ofstream(path, std::ios::binary) << importFile();
    ReadingImportChoices choices;
    choices.topic = &importTopics[0];
    choices.columns = {"Systolic", "Diastolic", "Pulse", "Date", "Time", "Activity", "Notes"};

    std::vector<double> times;
    std::size_t added = 0;
    for (int run = 0; run < 5; ++run) {
        auto store = std::make_unique<Store>(folder);
        if (!store->load().empty()) {
            std::fprintf(stderr, "the data folder could not be loaded\n");
            return;
        }
        const auto start = std::chrono::steady_clock::now();
        std::string bytes;
        if (!readImportFile(QString::fromStdString(path), bytes)) {
            std::fprintf(stderr, "the import file could not be read\n");
            return;
        }
        ImportText text(bytes);
        ReadingImport import(*store, choices, profileKey);
        std::string_view line;
        text.nextLine(line); // the header
        while (text.nextLine(line))
            import.addLine(line);
        import.finish();
        const std::chrono::duration<double, std::milli> took
            = std::chrono::steady_clock::now() - start;
        times.push_back(took.count());
        added = import.added();
    }
    std::remove(path.c_str());
    std::sort(times.begin(), times.end());
    const double median = times[times.size() / 2];
    const std::string readings = std::to_string(added) + " readings";
    std::printf("%-52s %9.2f ms %-17s %-16s %-12s %s\n",
        "import: 100,000 blood-pressure lines into a profile", median, rangeText(times).c_str(),
        readings.c_str(), "< 500 ms", median < 500 && added == lineCount ? "ok" : "MISSED");
}

} // namespace vantorelle
