#include "reports/report_file.h"

#include "documents/rtf_document_writer.h"
#include "platform/app_error.h"
#include "platform/paths.h"
#include "platform/private_files.h"

#include <QFile>
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
    return FolderState::Own;
}

QString ReportFile::folderPath() const
{
    return folder_.chopped(1);
}

void ReportFile::prepareFolder() const
{
    switch (folderState()) {
    case FolderState::Own:
        return;
    case FolderState::Foreign:
        throw AppError(AppError::PermissionDenied).aboutFile(folderPath());
    case FolderState::Missing:
        if (!makePrivateFolder(folderPath()))
            throw AppError::fromErrno(errno, AppError::PathNotFound).aboutFile(folderPath());
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
    throw AppError(AppError::PermissionDenied).aboutFile(path_);
}

} // namespace vantorelle
