#include "platform/staged_copies.h"

#include "platform/app_error.h"
#include "platform/file_copy.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstdlib>

namespace vantorelle {

StagedCopies::StagedCopies(const QString &folder)
    : folder_(folder)
{
    // Hidden, so that no listing of table files ever takes it for one.
    QByteArray name = QFile::encodeName(folder + QStringLiteral(".vantorelle-XXXXXX"));
    errno = 0;
    if (!::mkdtemp(name.data()))
        throw AppError::fromErrno(errno).aboutFile(folder);
    staging_ = QFile::decodeName(name) + QLatin1Char('/');
}

StagedCopies::~StagedCopies()
{
    QDir(staging_).removeRecursively();
}

void StagedCopies::add(const QString &from, const QString &name)
{
    const QString target = folder_ + name;
    const QFileInfo replaced(target);
    if (replaced.isDir())
        throw AppError(AppError::PathFileAccessError).aboutFile(target);
    const QString staged = staging_ + name;
    copyFileAtomically(from, staged);
    errno = 0;
    if (replaced.exists() && !QFile::setPermissions(staged, replaced.permissions()))
        throw AppError::fromErrno(errno).aboutFile(target);
    names_ << name;
}

void StagedCopies::place()
{
    while (!names_.isEmpty()) {
        const QString name = names_.takeFirst();
        errno = 0;
        if (std::rename(QFile::encodeName(staging_ + name).constData(),
                QFile::encodeName(folder_ + name).constData())
            != 0)
            throw AppError::fromErrno(errno).aboutFile(folder_ + name);
    }
}

} // namespace vantorelle
