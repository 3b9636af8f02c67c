#pragma once

#include <QObject>

namespace vantorelle {

// Keeps this desktop's own input defaults from changing what a person entered
// without being asked, for every window of the program. Installed once on the
// application, before any window is made:
// - A key pressed with Alt (neither Ctrl nor AltGr) that no button, menu or
//   shortcut took types nothing in a text box, a notes box, a list or a date
//   or time edit; on X11 such a key would type its letter. A character typed
//   with AltGr is no Alt key and still goes in.
// - The mouse wheel changes a drop-down list or a date or time edit only while
//   it has the keyboard focus: over any other it changes nothing and scrolls
//   what holds it, and it never gives the control the focus.
class InputGuard : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

} // namespace vantorelle
