#pragma once

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QStringList>

#include <string>
#include <sys/stat.h>

namespace vantorelle {

// The process's umask set to `mask` while the object lives.
class ScopedUmask {
public:
    explicit ScopedUmask(mode_t mask)
        : previous_(::umask(mask))
    {
    }
    ~ScopedUmask() { ::umask(previous_); }
    ScopedUmask(const ScopedUmask &) = delete;
    ScopedUmask &operator=(const ScopedUmask &) = delete;

private:
    mode_t previous_;
};

// The permission bits of `path` (a link itself, not what it points to); -1
// when there is nothing there.
inline int permissionsOf(const QString &path)
{
    struct stat status { };
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 ? int(status.st_mode & 07777)
                                                                      : -1;
}

// Sets the permission bits of `path`.
inline bool setPermissionsOf(const QString &path, mode_t mode)
{
    return ::chmod(QFile::encodeName(path).constData(), mode) == 0;
}

// The folders under `folder` (itself included) that are not 0700 and the files
// that are not 0600, a line each with its mode; "" when there is none.
inline std::string notTheOwnersAlone(const QString &folder)
{
    QStringList open;
    const auto check = [&](const QFileInfo &entry) {
        const int mode = permissionsOf(entry.filePath());
        if (mode != (entry.isDir() ? 0700 : 0600))
            open << entry.filePath() + QStringLiteral(" %1").arg(mode, 0, 8);
    };
    check(QFileInfo(folder));
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
        QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        check(it.fileInfo());
    }
    return open.join(QLatin1Char('\n')).toStdString();
}

} // namespace vantorelle
