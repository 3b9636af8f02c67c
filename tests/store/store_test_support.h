#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace vantorelle {

// The fixture folder tests/data (ctest sets VANTORELLE_TEST_DATA; a direct run
// finds it beside this source file).
inline std::filesystem::path testDataPath()
{
    if (const char *path = std::getenv("VANTORELLE_TEST_DATA"))
        return path;
    return std::filesystem::path(__FILE__).parent_path().parent_path() / "data";
}

// The least header block a table file may have: one the handheld's tools can read.
inline const std::string wholeHeader = "#RECCNT: 1\r\n#SYNCMODE: MERGE\r\n#FLDCNT: 1\r\n";

inline std::string readBytes(const std::filesystem::path &path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

inline void writeBytes(const std::filesystem::path &path, const std::string &bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

// A fresh folder under the system's temporary folder, removed with the object.
class TempFolder {
public:
    TempFolder()
    {
        std::string pattern
            = (std::filesystem::temp_directory_path() / "vantorelle-store-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data());
    }
    ~TempFolder() { std::filesystem::remove_all(path_); }
    TempFolder(const TempFolder &) = delete;
    TempFolder &operator=(const TempFolder &) = delete;

    const std::filesystem::path &path() const { return path_; }
    // The folder as the store names folders: ending with "/".
    std::string folder() const { return path_.string() + "/"; }
    std::string file(const std::string &name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

// The process's umask set to `mask` while the object lives.
class ScopedUmask {
public:
    explicit ScopedUmask(mode_t mask)
        : previous_(::umask(mask))
    {
    }
    ~ScopedUmask() { ::umask(previous_); }
    ScopedUmask(const ScopedUmask &) = delete;
    ScopedUmask &operator=(const ScopedUmask &) = delete;

private:
    mode_t previous_;
};

// The permission bits of `path`; -1 when it cannot be read.
inline int permissionsOf(const std::filesystem::path &path)
{
    struct stat status { };
    return ::stat(path.c_str(), &status) == 0 ? int(status.st_mode & 07777) : -1;
}

} // namespace vantorelle
