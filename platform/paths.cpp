#include "platform/paths.h"

#include <QCoreApplication>
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

} // namespace vantorelle
