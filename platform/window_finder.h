#pragma once

#include <QString>

namespace vantorelle {

// Tells whether a window with a given title is open on the desktop (another
// program's window, such as the handheld synchronisation's progress window).
class WindowFinder {
public:
    virtual ~WindowFinder() = default;

    // True when some window's title equals `title` exactly. Without a display
    // nothing is found.
    virtual bool exists(const QString &title) const = 0;
};

// The finder in use: the X server's windows unless a test installed another.
WindowFinder &windowFinder();
// Installs `finder` (nullptr restores the real one). The caller keeps ownership.
void installWindowFinder(WindowFinder *finder);

} // namespace vantorelle
