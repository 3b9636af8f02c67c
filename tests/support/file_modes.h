#pragma once

#include <QFile>
#include <QString>

#include <sys/stat.h>

namespace vantorelle {

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

// The permission bits of `path` (a link itself, not what it points to); -1
// when there is nothing there.
inline int permissionsOf(const QString &path)
{
    struct stat status { };
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 ? int(status.st_mode & 07777)
                                                                      : -1;
}

// Sets the permission bits of `path`.
inline bool setPermissionsOf(const QString &path, mode_t mode)
{
    return ::chmod(QFile::encodeName(path).constData(), mode) == 0;
}

} // namespace vantorelle
