#pragma once

#include <QString>

namespace vantorelle {

// Copies the file `from` to `to`, replacing `to` atomically: the bytes go to a
// temporary file beside it that is renamed over it, so a failed copy leaves
// `to` as it was. The copy gets the permissions of `from` (a copied tool stays
// executable). Copying a file onto itself does nothing. Throws AppError: 53
// when `from` is missing, and what the write reports otherwise.
void copyFileAtomically(const QString &from, const QString &to);

} // namespace vantorelle
