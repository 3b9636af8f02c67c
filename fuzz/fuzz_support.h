#pragma once

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <unistd.h>

// A property that must hold for every input: a violation stops the fuzzer
// like a crash, and the input is kept as a reproducer.
#define FUZZ_CHECK(condition)                                                                     \
    do {                                                                                          \
        if (!(condition)) {                                                                       \
            std::fprintf(stderr, "property violated: %s (%s:%d)\n", #condition, __FILE__,         \
                __LINE__);                                                                        \
            std::abort();                                                                         \
        }                                                                                         \
    } while (false)

// This process's scratch folder, in memory where the machine has one: the
// targets write a file per input. Removed at exit.
class ScratchFolder {
public:
    ScratchFolder()
    {
        const std::filesystem::path base = ::access("/dev/shm", W_OK) == 0
            ? std::filesystem::path("/dev/shm")
            : std::filesystem::temp_directory_path();
        path_ = base / ("vantorelle-fuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(path_);
    }
    ~ScratchFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }

    std::string file(const std::string &name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

inline std::string scratchFile(const std::string &name)
{
    static const ScratchFolder folder;
    return folder.file(name);
}

inline void writeBytes(const std::string &path, std::string_view bytes)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes.data(),
        static_cast<std::streamsize>(bytes.size()));
}

inline std::string readBytes(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}
