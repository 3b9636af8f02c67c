#pragma once

#include <QString>

namespace vantorelle {

// The folders the program starts from. Folder paths use "/" and end in "/".
class Paths {
public:
    virtual ~Paths() = default;

    // The folder of the executable; the shipped data/ folder lies beside it.
    virtual QString programFolder() const = 0;
    // The user's documents folder.
    virtual QString documentsFolder() const = 0;
};

// The paths in use: the real folders unless a test installed others.
Paths &paths();
// Installs `paths` (nullptr restores the real ones). The caller keeps ownership.
void installPaths(Paths *paths);

// `folder` with a final "/" added when it has none ("" stays "").
QString withFinalSlash(const QString &folder);

// True when `path` names an existing file or folder. A "*" or "?" in its last
// part makes it a pattern that any file or folder in that folder may match
// (hidden ones excepted). "" and anything unreadable count as missing.
bool pathExists(const QString &path);

enum class SpecialFolder { Documents, ProgramFiles };

// The special folder's path, ending in "/". The installed program's folder
// stands for Program Files. Throws AppError when the folder is unknown.
QString specialFolderPath(SpecialFolder folder);

} // namespace vantorelle
