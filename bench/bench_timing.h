#pragma once

#include <functional>
#include <string>

namespace vantorelle {

// The median of several runs in milliseconds, and the fastest and slowest run
// beside it (the spread shows how much else the machine was doing).
struct Runs {
    double median, fastest, slowest;
};

// Times `measured` `runs` times.
Runs timeRuns(int runs, const std::function<void()> &measured);
// The same, `prepare` running untimed before each run.
Runs timeRuns(
    int runs, const std::function<void()> &prepare, const std::function<void()> &measured);

// One line of the figures: what was timed, its runs, a figure beside them, the
// target and whether it was met.
void report(const std::string &what, const Runs &runs, const std::string &extra,
    const std::string &target, bool met);

} // namespace vantorelle
