#include "platform/private_files.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>

namespace vantorelle {

namespace {

constexpr QFileDevice::Permissions ownerOnlyFile = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
constexpr QFileDevice::Permissions ownerOnlyFolder = ownerOnlyFile | QFileDevice::ExeOwner;

} // namespace

QFileDevice::Permissions newFilePermissions(NewFileAccess access)
{
    switch (access) {
    case NewFileAccess::OwnerOnly:
        return ownerOnlyFile;
    case NewFileAccess::OwnerOnlyExecutable:
        return ownerOnlyFile | QFileDevice::ExeOwner;
    case NewFileAccess::UserUmask:
        break;
    }
    return {};
}

bool makePrivateFolder(const QString &folder)
{
    const QString path = QDir::cleanPath(QDir::current().absoluteFilePath(folder));
    const QFileInfo info(path);
    if (info.isDir())
        return true;
    if (info.exists()) {
        errno = ENOTDIR;
        return false;
    }
    const QString parent = info.path();
    if (parent == path || !makePrivateFolder(parent))
        return false;
    // Created with these bits, it is never open to others.
    errno = 0;
    if (QDir().mkdir(path, ownerOnlyFolder))
        return true;
    const int error = errno;
    if (QFileInfo(path).isDir()) // made by someone else meanwhile
        return true;
    errno = error ? error : EACCES;
    return false;
}

} // namespace vantorelle
