#include "platform/app_error.h"

#include <cerrno>

namespace vantorelle {

namespace {

struct KnownError {
    int number;
    const char *description;
};

constexpr KnownError knownErrors[] = {
    {AppError::InvalidProcedureCall, "Invalid procedure call or argument"},
    {AppError::TypeMismatch, "Type mismatch"},
    {AppError::FileNotFound, "File not found"},
    {AppError::DeviceIoError, "Device I/O error"},
    {AppError::DiskFull, "Disk full"},
    {AppError::PermissionDenied, "Permission denied"},
    {AppError::PathFileAccessError, "Path/File access error"},
    {AppError::PathNotFound, "Path not found"},
    {AppError::UnsupportedValueType, "Unsupported value type"},
};

QString standardDescription(int number)
{
    for (const KnownError &e : knownErrors) {
        if (e.number == number)
            return QString::fromLatin1(e.description);
    }
    return QStringLiteral("Application-defined or object-defined error");
}

} // namespace

AppError::AppError(int number)
    : AppError(number, standardDescription(number))
{
}

AppError::AppError(int number, const QString &description)
    : std::runtime_error(description.toStdString())
    , number_(number)
    , description_(description)
{
}

AppError AppError::aboutFile(const QString &path) const
{
    AppError error = *this;
    error.file_ = path;
    return error;
}

AppError AppError::fromErrno(int code, int fallback)
{
    switch (code) {
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return AppError(DiskFull);
    case EACCES:
    case EPERM:
    case EROFS:
        return AppError(PermissionDenied);
    case ENOENT:
    case ENOTDIR:
        return AppError(PathNotFound);
    case EIO:
        return AppError(DeviceIoError);
    default:
        return AppError(fallback);
    }
}

} // namespace vantorelle
