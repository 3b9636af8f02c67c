#include "mainwin/window_return.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace vantorelle {

namespace {

// Dialogs, message boxes and windows: not menus, tool tips or the splash window.
bool isUsersWindow(const QObject *object)
{
    const auto *widget = qobject_cast<const QWidget *>(object);
    if (!widget || !widget->isWindow())
        return false;
    const Qt::WindowType type = widget->windowType();
    return type == Qt::Window || type == Qt::Dialog;
}

} // namespace

WindowReturn::WindowReturn(QObject *parent)
    : QObject(parent)
{
    qApp->installEventFilter(this);
}

bool WindowReturn::eventFilter(QObject *watched, QEvent *event)
{
    // Spontaneous ones come from the window system: a window minimised or
    // brought back, not opened or closed.
    const QEvent::Type type = event->type();
    if ((type == QEvent::Show || type == QEvent::Hide) && !event->spontaneous()
        && isUsersWindow(watched)) {
        auto *window = static_cast<QWidget *>(watched);
        if (type == QEvent::Show)
            opened(window);
        else
            closed(window);
    }
    return false;
}

void WindowReturn::opened(QWidget *window)
{
    if (!openers_.contains(window)) {
        connect(window, &QObject::destroyed, this, [this, window] { openers_.remove(window); });
    }
    // A window opened as the one before it closes (a question, then a file
    // dialog) returns where that one would have.
    QWidget *opener = shownOpener(QApplication::activeWindow());
    openers_.insert(window, opener != window ? opener : nullptr);
}

void WindowReturn::closed(QWidget *window)
{
    const QPointer<QWidget> opener = openers_.value(window);
    if (!opener)
        return;
    // Once the closing is done: a dialog that closes with its message box
    // hands on to the window below both.
    QTimer::singleShot(0, this, [this, opener] {
        QWidget *target = shownOpener(opener);
        if (!target || target->isMinimized())
            return;
        // A modal window opened since keeps the keyboard.
        const QWidget *modal = QApplication::activeModalWidget();
        if (modal && modal != target)
            return;
        target->raise();
        target->activateWindow();
    });
}

QWidget *WindowReturn::shownOpener(QWidget *window) const
{
    // Each step goes to a window shown before; the bound only guards a loop.
    for (int step = 0; window && step < 16; ++step) {
        if (window->isVisible())
            return window;
        window = openers_.value(window);
    }
    return nullptr;
}

} // namespace vantorelle
