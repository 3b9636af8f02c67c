#pragma once

#include <QString>

namespace vantorelle {

// Why the file at `path` cannot be read, found the way the program reads it:
// opened and its first byte read. 0 when that works (an empty file too);
// ENOENT when nothing is there; else the system's error code, such as EACCES
// (no right to read it or its folder), ENOTDIR (a folder on the way is a
// file), EISDIR (it is a folder) or EIO.
int fileReadError(const QString &path);

// The system's wording of an error code, such as "Permission denied".
QString systemErrorText(int code);

} // namespace vantorelle
