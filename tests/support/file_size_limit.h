#pragma once

#include <csignal>
#include <sys/resource.h>

namespace vantorelle {

// Files cannot grow beyond `bytes` while it lives, as on a full disk: a write
// past the limit fails with EFBIG instead of raising SIGXFSZ.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &before_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = before_;
        limited.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &before_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit before_ {};
    void (*previousHandler_)(int);
};

} // namespace vantorelle
