#include "platform/file_copy.h"

#include "platform/app_error.h"
#include "platform/file_writer.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>

namespace vantorelle {

void copyFileAtomically(const QString &from, const QString &to)
{
    const QFileInfo source(from);
    if (!source.isFile())
        // A folder where the file should be is there, only it is no file.
        throw AppError(source.exists() ? AppError::PathFileAccessError : AppError::FileNotFound)
            .aboutFile(from);
    const QFileInfo target(to);
    if (target.exists() && target.canonicalFilePath() == source.canonicalFilePath())
        return;

    QFile file(from);
    errno = 0;
    if (!file.open(QIODevice::ReadOnly))
        throw AppError::fromErrno(errno).aboutFile(from);
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw AppError(AppError::DeviceIoError).aboutFile(from);
    file.close();

    // A copied tool stays executable.
    FileWriter::replace(to, bytes,
        source.permissions().testFlag(QFile::ExeOwner) ? NewFileAccess::OwnerOnlyExecutable
                                                       : NewFileAccess::OwnerOnly);
}

} // namespace vantorelle
