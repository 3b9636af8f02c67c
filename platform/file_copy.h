#pragma once

#include <QString>

namespace vantorelle {

// Copies the file `from` to `to`, replacing `to` atomically: the bytes go to a
// temporary file beside it that is renamed over it, so a failed copy leaves
// `to` as it was. A new copy is its owner's alone (0600, or 0700 when `from`
// is executable by its owner); a replaced `to` keeps its permissions. Copying
// a file onto itself does nothing. Throws AppError: 53 when `from` is missing,
// 75 when it is a folder, and what the write reports otherwise.
void copyFileAtomically(const QString &from, const QString &to);

} // namespace vantorelle
