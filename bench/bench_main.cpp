// vantorelle_bench [data-folder]
//
// Times the record store on a data folder: the start-up load, one profile's
// readings of one topic walked on the shared view and read by the read-only
// query, writing every table, the whole-database and topic exports, deleting a
// profile, and the peak memory of the load; then the profile report of the
// profile with the most readings (built, paginated, printed to PDF, saved as
// RTF), the graph of a profile's 25,000 readings (queried, made a graph and
// drawn; saved as GIF), and the reading of an import file of 100,000 lines and
// its import into a profile.
// Without a folder it generates one (fixed seed). It always works on a copy in
// a temporary folder, so a user's folder is never written.
#include "bench/bench_timing.h"
#include "bench/data_generator.h"
#include "bench/export_bench.h"
#include "bench/graph_bench.h"
#include "bench/import_lines_bench.h"
#include "bench/profile_report_bench.h"

#include "store/record_operations.h"
#include "store/row_values.h"
#include "store/store.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

using namespace vantorelle;

namespace fs = std::filesystem;

namespace {

constexpr std::uint32_t generatorSeed = 20240611;
constexpr TableId readingTopics[] = {TableId::BP, TableId::Glucose, TableId::Weight, TableId::Chol};

std::string megabytesPerSecond(double bytes, double ms)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.0f MB/s", bytes / 1e6 / (ms / 1000));
    return text;
}

long long folderBytes(const fs::path &folder)
{
    long long bytes = 0;
    for (std::size_t i = 0; i < tableCount; ++i) {
        const fs::path file = folder / tableFileName(static_cast<TableId>(i));
        if (fs::exists(file))
            bytes += static_cast<long long>(fs::file_size(file));
    }
    return bytes;
}

void loadOrExit(Store &store)
{
    for (const StoreFailure &failure : store.load()) {
        std::fprintf(stderr, "%s: %s\n", failure.operation.c_str(), failure.path.c_str());
        if (failure.fatal)
            std::exit(1);
    }
}

// The profile with the most readings, and their number.
std::pair<std::string, std::size_t> busiestProfile(Store &store)
{
    std::pair<std::string, std::size_t> busiest;
    MemoryTable &profiles = store.table(TableId::MainID);
    std::vector<std::string> keys;
    for (profiles.moveFirst(); !profiles.eof(); profiles.moveNext())
        keys.emplace_back(profiles.value("Key"));
    for (const std::string &key : keys) {
        std::size_t readings = 0;
        for (TableId topic : readingTopics)
            readings += store.profileRows(topic, key).size();
        if (readings > busiest.second)
            busiest = {key, readings};
    }
    return busiest;
}

// The rows of one profile walked on the table's shared view, as the grid and
// the editor walk it; their number.
std::size_t walkProfile(MemoryTable &table, const std::string &profileKey)
{
    const Criterion ofProfile = Criterion::startsWith("Key", profileKey);
    std::size_t rows = 0;
    for (table.moveFirst(); table.find(ofProfile); table.moveNext())
        ++rows;
    return rows;
}

// The read-only query at the scale it must keep: one profile's 25,000 rows in
// a table of 500,000, sorted by Key as the store keeps it (then a few rows
// added since the sort, as the editor leaves them); the number of rows found.
void benchQueryAtScale()
{
    constexpr int profiles = 20, rows = 500000, profileRows = 25000;
    MemoryTable table(tableColumns(TableId::BP));
    RowValues values;
    const auto key = [](int profile, int row) {
        char text[48];
        std::snprintf(text, sizeof text, "2009%06dp%09d", profile, row);
        return std::string(text);
    };
    for (int row = 0; row < rows; ++row) {
        const int profile = row < profileRows ? 0 : 1 + row % (profiles - 1);
        values.clear();
        values.add("0x00000001");
        values.add(row % 50 == 0 ? "0x0002" : "0x0000");
        values.add(key(profile, row));
        table.appendRow(values);
    }
    table.setSort({"Key"});
    table.setFilter(Criterion::standardFilter());
    for (int row = 0; row < 10; ++row) {
        table.addNew();
        table.setValue("STATUS", "0x0008");
        table.setValue("Key", key(0, rows + row));
        table.update();
    }
    const std::string profileKey = key(0, 0).substr(0, 11);
    std::size_t found = 0;
    const Runs query = timeRuns(51, [&] { found = table.rowsByValue(2, profileKey).size(); });
    report("profile query: 25,000 rows of 500,000 in one table", query,
        std::to_string(found) + " rows", "< 5 ms", query.median < 5);
}

// The peak resident memory of a process that does nothing but the load, in bytes.
long long loadPeakMemory(const char *self, const fs::path &folder)
{
    const std::string folderText = folder.string();
    char *arguments[] = {const_cast<char *>(self), const_cast<char *>("--load-only"),
        const_cast<char *>(folderText.c_str()), nullptr};
    const pid_t child = ::fork();
    if (child < 0)
        return -1;
    if (child == 0) {
        ::execv("/proc/self/exe", arguments); // the environment goes along
        ::_exit(127);
    }
    int status = 0;
    rusage usage {};
    if (::wait4(child, &status, 0, &usage) < 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return -1;
    return static_cast<long long>(usage.ru_maxrss) * 1024;
}

// Copies the table files of `from` into `to`.
void copyTables(const fs::path &from, const fs::path &to)
{
    for (std::size_t i = 0; i < tableCount; ++i) {
        const std::string name = tableFileName(static_cast<TableId>(i));
        if (fs::exists(from / name))
            fs::copy_file(from / name, to / name);
    }
}

int run(const char *self, const char *userFolder)
{
    std::string pattern = (fs::temp_directory_path() / "vantorelle-bench-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) {
        std::perror("mkdtemp");
        return 1;
    }
    const fs::path folder = pattern;
    if (userFolder) {
        copyTables(userFolder, folder);
        std::printf("Data folder: %s (working on a copy)\n", userFolder);
    } else {
        const auto start = std::chrono::steady_clock::now();
        const auto failures = DataGenerator(generatorSeed, {}).write(folder.string());
        if (!failures.empty()) {
            std::fprintf(stderr, "could not write %s\n", failures.front().path.c_str());
            return 1;
        }
        const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
        std::printf("Data folder: generated (seed %u) in %.1f s\n", generatorSeed, took.count());
    }
    const double bytes = static_cast<double>(folderBytes(folder));
    std::printf(
        "%.1f MB in the table files; medians of several runs, warm file cache\n\n", bytes / 1e6);

    const long long peak = loadPeakMemory(self, folder);

    auto store = std::make_unique<Store>(folder.string());
    const auto newStore = [&] { store = std::make_unique<Store>(folder.string()); };
    std::printf("%-52s %12s %-17s %-16s %-12s\n", "", "median", "fastest-slowest", "", "target");
    const Runs load = timeRuns(7, newStore, [&] { loadOrExit(*store); });
    report("load (start-up: readers, sorts, filters, duplicates)", load,
        megabytesPerSecond(bytes, load.median), ">= 200 MB/s",
        bytes / 1e6 / (load.median / 1000) >= 200);

    const auto [profileKey, readings] = busiestProfile(*store);
    for (TableId topic : readingTopics) {
        std::size_t rows = 0;
        const Runs select
            = timeRuns(51, [&] { rows = walkProfile(store->table(topic), profileKey); });
        report("select one profile's " + std::string(tableSpec(topic).name) + " in key order",
            select, std::to_string(rows) + " rows", "< 5 ms", select.median < 5);
    }
    // The read-only query the reports, graphs and export read through: the
    // same rows, with no table's view moved.
    for (TableId topic : readingTopics) {
        std::size_t rows = 0;
        const Runs query
            = timeRuns(51, [&] { rows = store->profileRows(topic, profileKey).size(); });
        report("profile query of the largest profile: " + std::string(tableSpec(topic).name), query,
            std::to_string(rows) + " rows", "< 5 ms", query.median < 5);
    }
    benchQueryAtScale();

    const Runs save = timeRuns(7, [&] {
        if (!store->writeTables().empty())
            std::fprintf(stderr, "writeTables reported a failure\n");
    });
    report("writeTables (each file flushed and renamed over the old)", save,
        megabytesPerSecond(bytes, save.median), ">= 150 MB/s",
        bytes / 1e6 / (save.median / 1000) >= 150);
    benchExport(*store, folder.string());

    benchProfileReport(*store, profileKey, folder.string());

    const Runs remove = timeRuns(
        5,
        [&] {
            newStore();
            loadOrExit(*store);
        },
        [&] { RecordOperations(*store).deleteProfile(profileKey); });
    report("delete the profile with the most readings", remove,
        std::to_string(readings) + " readings", "< 200 ms", remove.median < 200);

    if (peak < 0) {
        std::printf("peak memory of the load: could not be measured\n");
    } else {
        const double ratio = static_cast<double>(peak) / bytes;
        char times[32];
        std::snprintf(times, sizeof times, "%.2f x the files", ratio);
        std::printf("%-52s %9.1f MB %-17s %-16s %-12s %s\n", "peak memory of the load (process)",
            static_cast<double>(peak) / 1e6, "", times, "< 4 x", ratio < 4 ? "ok" : "MISSED");
    }

    benchGraph(folder.string());
    benchImportLines();
    benchReadingImport(folder.string() + "/", profileKey);

    store.reset();
    fs::remove_all(folder);
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc == 3 && std::string(argv[1]) == "--load-only") {
        Store store(argv[2]);
        loadOrExit(store);
        return 0;
    }
    if (argc > 2 || (argc == 2 && std::string(argv[1]).starts_with("-"))) {
        std::fprintf(stderr, "usage: %s [data-folder]\n", argv[0]);
        return 2;
    }
    return run(argv[0], argc == 2 ? argv[1] : nullptr);
}
