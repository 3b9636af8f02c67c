#include "store/file_io.h"

#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vantorelle {

namespace {

std::string folderOf(const std::string &path)
{
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? std::string("./") : path.substr(0, slash + 1);
}

std::string nameOf(const std::string &path)
{
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

int writeAll(int fd, std::string_view content)
{
    while (!content.empty()) {
        const ssize_t written = ::write(fd, content.data(), content.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        content.remove_prefix(static_cast<std::size_t>(written));
    }
    return 0;
}

// A file the store creates is its owner's alone: the records are plain text.
constexpr mode_t ownerOnlyFile = S_IRUSR | S_IWUSR;

// Opens a new, unused temporary file beside `path`, created open to its owner
// only, so that no one else can open it while the records are written to it.
int createTemporary(const std::string &path, std::string &temporary)
{
    static std::atomic<unsigned> counter {0};
    const std::string stem
        = folderOf(path) + "." + nameOf(path) + ".tmp" + std::to_string(::getpid()) + "-";
    for (;;) {
        temporary = stem + std::to_string(counter++);
        const int fd
            = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, ownerOnlyFile);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
}

void syncFolder(const std::string &path)
{
    const int fd = ::open(folderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

namespace {

// Reads from `fd` into `content` until `enough(content)` or the end; closes `fd`.
int readChunks(int fd, std::string &content, const std::function<bool(std::string_view)> &enough)
{
    constexpr std::size_t chunk = 1 << 16;
    for (;;) {
        const std::size_t size = content.size();
        content.resize(size + chunk);
        const ssize_t got = ::read(fd, content.data() + size, chunk);
        content.resize(size + static_cast<std::size_t>(got > 0 ? got : 0));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            const int error = errno;
            ::close(fd);
            content.clear();
            return error;
        }
        if (got == 0 || enough(content))
            break;
    }
    ::close(fd);
    return 0;
}

// Opens `path` for reading; -1 with errno set when it cannot, or is a folder.
int openForReading(const std::string &path, struct stat &st)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd >= 0 && ::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
        ::close(fd);
        errno = EISDIR;
        return -1;
    }
    return fd;
}

} // namespace

int readWholeFile(const std::string &path, std::string &content)
{
    content.clear();
    struct stat st { };
    const int fd = openForReading(path, st);
    if (fd < 0)
        return errno;
    content.reserve(static_cast<std::size_t>(st.st_size) + (1 << 16));
    return readChunks(fd, content, [](std::string_view) { return false; });
}

int readFileStart(const std::string &path, std::string &content,
    const std::function<bool(std::string_view)> &enough)
{
    content.clear();
    struct stat st { };
    const int fd = openForReading(path, st);
    if (fd < 0)
        return errno;
    return readChunks(fd, content, enough);
}

int writeFileAtomically(const std::string &path, std::string_view content)
{
    struct stat old { };
    const bool hadOld = ::stat(path.c_str(), &old) == 0;
    if (hadOld && S_ISDIR(old.st_mode))
        return EISDIR;

    std::string temporary;
    const int fd = createTemporary(path, temporary);
    if (fd < 0)
        return errno;

    int error = writeAll(fd, content);
    // A replaced file keeps its mode; a new one is 0600 whatever the umask.
    if (error == 0 && ::fchmod(fd, hadOld ? old.st_mode & 07777 : ownerOnlyFile) != 0)
        error = errno;
    if (error == 0 && ::fsync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error == 0 && ::rename(temporary.c_str(), path.c_str()) != 0)
        error = errno;
    if (error != 0) {
        ::unlink(temporary.c_str());
        return error;
    }
    syncFolder(path);
    return 0;
}

long long fileSize(const std::string &path)
{
    struct stat st { };
    if (::stat(path.c_str(), &st) != 0)
        return -1;
    return static_cast<long long>(st.st_size);
}

} // namespace vantorelle
