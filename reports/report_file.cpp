#include "reports/report_file.h"

#include "platform/app_error.h"
#include "platform/paths.h"
#include "platform/rtf_document_writer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

namespace vantorelle {

ReportFile::ReportFile(QString folder)
    : folder_(withFinalSlash(folder))
    , path_(folder_ + QStringLiteral("report.rtf"))
{
}

QString ReportFile::defaultFolder()
{
    return withFinalSlash(QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation))
        + QStringLiteral("Vantorelle/");
}

bool ReportFile::exists() const
{
    return QFile::exists(path_);
}

ReportFile::FolderState ReportFile::folderState() const
{
    struct stat status { };
    if (::lstat(QFile::encodeName(folderPath()).constData(), &status) != 0)
        return errno == ENOENT ? FolderState::Missing : FolderState::Foreign;
    // A folder someone else made, or a link to one, is not ours to write in.
    if (!S_ISDIR(status.st_mode) || status.st_uid != ::geteuid())
        return FolderState::Foreign;
    return (status.st_mode & 0777) == S_IRWXU ? FolderState::Private : FolderState::Open;
}

QString ReportFile::folderPath() const
{
    return folder_.chopped(1);
}

void ReportFile::prepareFolder() const
{
    const QByteArray folder = QFile::encodeName(folderPath());
    switch (folderState()) {
    case FolderState::Private:
        return;
    case FolderState::Open:
        if (::chmod(folder.constData(), S_IRWXU) != 0)
            throw AppError::fromErrno(errno);
        return;
    case FolderState::Foreign:
        throw AppError(AppError::PermissionDenied);
    case FolderState::Missing:
        QDir().mkpath(QFileInfo(folderPath()).path());
        if (::mkdir(folder.constData(), S_IRWXU) != 0)
            throw AppError::fromErrno(errno, AppError::PathNotFound);
        return;
    }
}

void ReportFile::save(const PrintDocument &document, const QPageLayout &pageLayout)
{
    try {
        prepareFolder();
        RtfDocumentWriter::save(document, pageLayout, path_, NewFileAccess::OwnerOnly);
    } catch (const AppError &) {
        discard();
        throw;
    }
}

void ReportFile::discard()
{
    const FolderState state = folderState();
    if (state == FolderState::Missing || state == FolderState::Foreign)
        return; // no report of ours is there
    if (QFile::remove(path_) || !QFile::exists(path_))
        return;
    throw AppError(AppError::PermissionDenied);
}

} // namespace vantorelle
