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

bool pathExists(const QString &path)
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

QString specialFolderPath(SpecialFolder folder)
{
    const QString path = folder == SpecialFolder::Documents ? paths().documentsFolder()
                                                            : paths().programFolder();
    if (path.isEmpty())
        throw AppError(AppError::PathNotFound);
    return withFinalSlash(path);
}

void runAndWait(
    const QString &program, const QStringList &arguments, const QString &workingFolder)
{
    processRunner().run(program, arguments, workingFolder);
}

void openWebPage(const QString &address)
{
    const QString title = QString::fromUtf8(AppInfo::title);
    const QUrl url = QUrl::fromUserInput(address);
    if (!url.isValid() || address.trimmed().isEmpty())
        prompter().ask(title, QStringLiteral("Web Page not Opened"));
    else if (!QDesktopServices::openUrl(url))
        prompter().ask(title, QStringLiteral("Could not find a browser"));
}

} // namespace vantorelle
