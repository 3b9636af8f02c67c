#include "settings/shell_helpers.h"

#include "platform/app_error.h"
#include "platform/paths.h"
#include "platform/process_runner.h"
#include "platform/prompter.h"
#include "settings/app_info.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace vantorelle {

bool FileExists(const QString &path)
{
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    const QString name = info.fileName();
    if (!name.contains(QLatin1Char('*')) && !name.contains(QLatin1Char('?')))
        return info.exists();
    return !QDir(info.path())
                .entryList({name}, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot)
                .isEmpty();
}

QString GetSpecialFolderPath(int folder)
{
    QString path;
    if (folder == MyDocuments)
        path = paths().documentsFolder();
    else if (folder == ProgramFiles)
        path = paths().programFolder();
    if (path.isEmpty())
        throw AppError(AppError::PathNotFound);
    return withFinalSlash(path);
}

void ShellAndWait(
    const QString &program, const QStringList &arguments, const QString &workingFolder)
{
    processRunner().run(program, arguments, workingFolder);
}

void OpenWebPage(const QString &address)
{
    const QString title = QString::fromUtf8(AppInfo::title);
    const QUrl url = QUrl::fromUserInput(address);
    if (!url.isValid() || address.trimmed().isEmpty())
        prompter().ask(title, QStringLiteral("Web Page not Opened"));
    else if (!QDesktopServices::openUrl(url))
        prompter().ask(title, QStringLiteral("Could not find a browser"));
}

} // namespace vantorelle
