#include "platform/readable_file.h"

#include <QFile>

#include <cerrno>
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

QString systemErrorText(int code)
{
    return qt_error_string(code);
}

} // namespace vantorelle
