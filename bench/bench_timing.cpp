#include "bench/bench_timing.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace vantorelle {

Runs timeRuns(int runs, const std::function<void()> &measured)
{
    return timeRuns(
        runs, [] {}, measured);
}

Runs timeRuns(int runs, const std::function<void()> &prepare, const std::function<void()> &measured)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        prepare();
        const auto start = std::chrono::steady_clock::now();
        measured();
        const std::chrono::duration<double, std::milli> took
            = std::chrono::steady_clock::now() - start;
        times.push_back(took.count());
    }
    std::sort(times.begin(), times.end());
    const std::size_t n = times.size();
    const double median = n % 2 ? times[n / 2] : (times[n / 2 - 1] + times[n / 2]) / 2;
    return {median, times.front(), times.back()};
}

void report(const std::string &what, const Runs &runs, const std::string &extra,
    const std::string &target, bool met)
{
    char spread[48];
    std::snprintf(spread, sizeof spread, "%.2f-%.2f", runs.fastest, runs.slowest);
    std::printf("%-52s %9.2f ms %-17s %-16s %-12s %s\n", what.c_str(), runs.median, spread,
        extra.c_str(), target.c_str(), met ? "ok" : "MISSED");
}

} // namespace vantorelle
