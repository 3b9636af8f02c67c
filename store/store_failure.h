#pragma once

#include <string>

namespace vantorelle {

// A failure of a store step, reported as a value: the store cannot show the
// error box itself, so the main window turns these into showError calls.
struct StoreFailure {
    std::string operation; // completes "An error occurred while ...", e.g. "loading data source 4"
    std::string details; // extra text for the box, e.g. "... Filename = <path>"; may be empty
    std::string path; // the file concerned
    int number = 0; // error number as the error box shows it: 53, 70, 76, ...
    std::string description; // "File not found"
    bool fatal = false; // the program must end (a required table could not be loaded)

    // The number of a table file whose header block is missing or broken.
    static constexpr int invalidFileFormat = 321;

    // The failure of a file operation on `path` for the system error `errnoCode`.
    static StoreFailure fromErrno(int errnoCode, const std::string &path);
    // A table file at `path` whose header block is missing or broken; `fault`
    // says how, and becomes the details.
    static StoreFailure invalidFormat(const std::string &path, const std::string &fault);
};

} // namespace vantorelle
