#pragma once

#include <QString>

namespace vantorelle {

// Opens `address` in the user's web browser; when it cannot, tells the user in
// a box titled `title`.
void openWebPage(const QString &address, const QString &title);

} // namespace vantorelle
