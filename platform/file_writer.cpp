#include "platform/file_writer.h"

#include "platform/app_error.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

namespace vantorelle {

namespace FileWriter {

void replace(const QString &path, const QByteArray &bytes, NewFileAccess access)
{
    const QFileDevice::Permissions permissions = newFilePermissions(access);
    const bool isNew = !QFileInfo::exists(path);
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly))
        throw AppError::fromErrno(errno).aboutFile(path);
    // Qt gives the temporary file the permissions of the file it replaces; a
    // new one is made private before a byte is written. On Linux the temporary
    // file has no name until the commit, so no one else can open it before.
    if (isNew && permissions && !file.setPermissions(permissions)) {
        const int code = errno;
        file.cancelWriting();
        throw AppError::fromErrno(code).aboutFile(path);
    }
    // A short write of a small file stays in Qt's buffer, and the commit would
    // not report it: flushing shows it here.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const int code = errno;
        file.cancelWriting();
        throw AppError::fromErrno(code).aboutFile(path);
    }
    if (!file.commit())
        throw AppError::fromErrno(errno).aboutFile(path);
}

void append(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered,
            newFilePermissions(NewFileAccess::OwnerOnly)))
        throw AppError::fromErrno(errno).aboutFile(path);
    if (file.write(bytes) != bytes.size())
        throw AppError::fromErrno(errno).aboutFile(path);
}

} // namespace FileWriter

} // namespace vantorelle
