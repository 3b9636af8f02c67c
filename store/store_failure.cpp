#include "store/store_failure.h"

#include <cerrno>
#include <sys/stat.h>

namespace vantorelle {

namespace {

// A missing file in an existing folder is "File not found"; a missing folder
// on the way is "Path not found": the error box tells them apart by number.
bool parentFolderExists(const std::string &path)
{
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return true;
    struct stat st { };
    return ::stat(path.substr(0, slash + 1).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

} // namespace

StoreFailure StoreFailure::fromErrno(int errnoCode, const std::string &path)
{
    StoreFailure failure;
    failure.path = path;
    switch (errnoCode) {
    case ENOENT:
        if (parentFolderExists(path)) {
            failure.number = 53;
            failure.description = "File not found";
        } else {
            failure.number = 76;
            failure.description = "Path not found";
        }
        break;
    case ENOTDIR:
        failure.number = 76;
        failure.description = "Path not found";
        break;
    case EACCES:
    case EPERM:
    case EROFS:
    case ETXTBSY:
        failure.number = 70;
        failure.description = "Permission denied";
        break;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        failure.number = 61;
        failure.description = "Disk full";
        break;
    case EISDIR:
        failure.number = 75;
        failure.description = "Path/File access error";
        break;
    default:
        failure.number = 57;
        failure.description = "Device I/O error";
        break;
    }
    return failure;
}

StoreFailure StoreFailure::invalidFormat(const std::string &path, const std::string &fault)
{
    StoreFailure failure;
    failure.path = path;
    failure.number = invalidFileFormat;
    failure.description = "Invalid file format";
    failure.details = fault;
    return failure;
}

} // namespace vantorelle
