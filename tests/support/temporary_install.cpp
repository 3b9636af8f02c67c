#include "temporary_install.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace vantorelle {

TemporaryInstall::TemporaryInstall()
    : paths_(dir_.path() + QStringLiteral("/program/"), dir_.path() + QStringLiteral("/documents/"))
{
    QDir().mkpath(paths_.program);
    QDir().mkpath(paths_.documents);
}

void TemporaryInstall::copyTemplates()
{
    copyTree(sourceDataFolder(), paths_.program + QStringLiteral("data/"));
}

QString TemporaryInstall::sourceDataFolder()
{
    // This file lies in tests/support/ of the source tree.
    return QFileInfo(QStringLiteral(__FILE__)).absoluteDir().filePath(QStringLiteral("../../data"))
        + QLatin1Char('/');
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void copyTree(const QString &from, const QString &to)
{
    QDirIterator it(from, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        writeFile(to + QLatin1Char('/') + QDir(from).relativeFilePath(source), readFile(source));
    }
}

QMap<QString, QByteArray> contentsOf(const QString &folder)
{
    QMap<QString, QByteArray> contents;
    for (const QFileInfo &entry :
        QDir(folder).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot))
        contents[entry.fileName()]
            = entry.isDir() ? QByteArray("<folder>") : readFile(entry.filePath());
    return contents;
}

} // namespace vantorelle
