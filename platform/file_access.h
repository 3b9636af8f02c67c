#pragma once

#include <QString>

namespace vantorelle {

// Why the file at `path` cannot be read, found the way the program reads it:
// opened and its first byte read. 0 when that works (an empty file too);
// ENOENT when nothing is there; else the system's error code, such as EACCES
// (no right to read it or its folder), ENOTDIR (a folder on the way is a
// file), EISDIR (it is a folder) or EIO.
int fileReadError(const QString &path);

// Why the folder at `path` cannot be listed, found by opening it and reading
// its first entry. 0 when that works; ENOENT when nothing is there (a link
// whose target is gone too); else the system's error code, such as EACCES (a
// folder that may be entered but not listed) or ENOTDIR (a file is there).
int folderListError(const QString &path);

// Why no file can be made or replaced in the folder at `path` with the
// rights the program runs with: 0 when it can be, else the system's error
// code, such as EACCES or EROFS (a read-only file system).
int folderWriteError(const QString &path);

// The system's wording of an error code, such as "Permission denied".
QString systemErrorText(int code);

} // namespace vantorelle
