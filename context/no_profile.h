#pragma once

#include <QString>

namespace vantorelle {

// The one answer of every command that works on the current profile, chosen
// while there is none yet (a first run before its first profile is saved,
// or after the last one was deleted): a box titled `title` ("Unable to
// Export") saying so in one line.
void tellNoProfileYet(const QString &title);

} // namespace vantorelle
