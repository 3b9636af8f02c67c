#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>

class QWidget;

namespace vantorelle {

// When a window of the program closes, the window it was opened from becomes
// the active one again: the main window after a dialog or the graph window,
// a dialog after its message box. A window manager need not do it (and with
// none, nothing does): when a dialog and its message box close together, the
// main window could be left inactive, taking no key until the user picked it.
// Watches every window of the application while it lives.
class WindowReturn : public QObject {
public:
    explicit WindowReturn(QObject *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void opened(QWidget *window);
    void closed(QWidget *window);
    // `window` when it is shown, else the nearest shown window of those it
    // was opened from.
    QWidget *shownOpener(QWidget *window) const;

    // Each window shown, with the window that was active when it was shown.
    QHash<QWidget *, QPointer<QWidget>> openers_;
};

} // namespace vantorelle
