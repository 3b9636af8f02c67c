#pragma once

#include <QString>
#include <QStringList>

namespace vantorelle {

// Files, folders, outside programs and the web browser.

// True when `path` names an existing file or folder. A "*" or "?" in its last
// part makes it a pattern that any file or folder in that folder may match
// (hidden ones excepted). "" and anything unreadable count as missing.
bool pathExists(const QString &path);

enum class SpecialFolder { Documents, ProgramFiles };

// The special folder's path, ending in "/". The installed program's folder
// stands for Program Files. Throws AppError when the folder is unknown.
QString specialFolderPath(SpecialFolder folder);

// Runs `program` with `arguments` in `workingFolder` and waits until it ends,
// however long it takes. Throws AppError 53 when it cannot be started.
void runAndWait(
    const QString &program, const QStringList &arguments, const QString &workingFolder);

// Opens `address` in the user's web browser; tells the user when it cannot.
void openWebPage(const QString &address);

} // namespace vantorelle
