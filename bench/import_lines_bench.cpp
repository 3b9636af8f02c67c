#include "bench/import_lines_bench.h"

#include "bench/bench_timing.h"

#include "exchange/import_dates.h"
#include "exchange/import_line_parser.h"
#include "exchange/import_text.h"
#include "exchange/reading_import.h"
#include "store/store.h"

#include <QString>

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

} // namespace

void benchImportLines()
{
    const std::string file = importFile();
    std::size_t converted = 0;
    const Runs runs = timeRuns(7, [&] { converted = cutLines(file); });
    report("import: cut 100,000 reading lines, dates and times", runs,
        std::to_string(converted) + " lines", "< 100 ms",
        runs.median < 100 && converted == lineCount);
}

void benchReadingImport(const std::string &folder, const std::string &profileKey)
{
    const std::string path = folder + "bench-import.csv";
    std::ofstream(path, std::ios::binary) << importFile();
    ReadingImportChoices choices;
    choices.topic = &importTopics[0];
    choices.columns = {"Systolic", "Diastolic", "Pulse", "Date", "Time", "Activity", "Notes"};

    std::unique_ptr<Store> store;
    bool loaded = true;
    std::size_t added = 0;
    const Runs runs = timeRuns(
        5,
        [&] {
            store = std::make_unique<Store>(folder);
            loaded = loaded && store->load().empty();
        },
        [&] {
            std::string bytes;
            if (!loaded || !readImportFile(QString::fromStdString(path), bytes))
                return;
            ImportText text(bytes);
            ReadingImport import(*store, choices, profileKey);
            std::string_view line;
            text.nextLine(line); // the header
            while (text.nextLine(line))
                import.addLine(line);
            import.finish();
            added = import.added();
        });
    std::remove(path.c_str());
    if (!loaded)
        std::fprintf(stderr, "the data folder could not be loaded\n");
    report("import: 100,000 blood-pressure lines into a profile", runs,
        std::to_string(added) + " readings", "< 500 ms", runs.median < 500 && added == lineCount);
}

} // namespace vantorelle
