#include "platform/paths.h"

#include "platform/app_error.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace vantorelle {

namespace {

class SystemPaths : public Paths {
public:
    QString programFolder() const override
    {
        return withFinalSlash(QCoreApplication::applicationDirPath());
    }

    QString documentsFolder() const override
    {
        return withFinalSlash(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    }
};

SystemPaths systemPaths;
Paths *installed = nullptr;

} // namespace

Paths &paths()
{
    return installed ? *installed : systemPaths;
}

void installPaths(Paths *paths)
{
    installed = paths;
}

QString withFinalSlash(const QString &folder)
{
    if (folder.isEmpty() || folder.endsWith(QLatin1Char('/')))
        return folder;
    return folder + QLatin1Char('/');
}

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
    const QString path
        = folder == SpecialFolder::Documents ? paths().documentsFolder() : paths().programFolder();
    if (path.isEmpty())
        throw AppError(AppError::PathNotFound);
    return withFinalSlash(path);
}

} // namespace vantorelle
