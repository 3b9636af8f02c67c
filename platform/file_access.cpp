#include "platform/file_access.h"

#include <QFile>

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

namespace vantorelle {

int fileReadError(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    int fd = -1;
    do {
        // Not blocking: a pipe put there must not hold the start-up.
        fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0)
        return errno;
    char first = 0;
    ssize_t read = -1;
    do {
        read = ::read(fd, &first, 1);
    } while (read < 0 && errno == EINTR);
    const int error = read < 0 && errno != EAGAIN ? errno : 0;
    ::close(fd);
    return error;
}

int folderListError(const QString &path)
{
    DIR *folder = ::opendir(QFile::encodeName(path).constData());
    if (!folder)
        return errno;
    errno = 0;
    const int error = ::readdir(folder) ? 0 : errno;
    ::closedir(folder);
    return error;
}

int folderWriteError(const QString &path)
{
    // The effective rights, as a write would meet them (a plain access()
    // would judge root by rights the program may have set aside).
    if (::faccessat(AT_FDCWD, QFile::encodeName(path).constData(), W_OK | X_OK, AT_EACCESS) != 0)
        return errno;
    return 0;
}

QString systemErrorText(int code)
{
    return qt_error_string(code);
}

} // namespace vantorelle
