#include "mainwin/menu_shortcuts.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>

namespace vantorelle {

namespace {

bool anItemTakes(const QMenuBar &menus, const QKeySequence &keys)
{
    for (const QAction *title : menus.actions()) {
        const QMenu *menu = title->menu();
        if (!menu)
            continue;
        for (const QAction *item : menu->actions()) {
            if (item->isEnabled() && item->isVisible() && item->shortcuts().contains(keys))
                return true;
        }
    }
    return false;
}

} // namespace

MenuShortcuts::MenuShortcuts(QWidget &window, const QMenuBar &menus)
    : QObject(&window)
    , window_(window)
    , menus_(menus)
{
    qApp->installEventFilter(this);
}

bool MenuShortcuts::eventFilter(QObject *watched, QEvent *event)
{
    // Before a key goes to the focused control as a shortcut, the control is
    // asked whether it takes the key itself: for a menu's key of this window
    // no control is asked, so the shortcut goes to the menu. The question
    // goes up from the control to its window, each one seen here.
    if (event->type() != QEvent::ShortcutOverride)
        return false;
    const auto *widget = qobject_cast<const QWidget *>(watched);
    if (!widget || widget->window() != &window_)
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    if (!anItemTakes(menus_, QKeySequence(key->keyCombination())))
        return false;
    key->ignore();
    return true;
}

} // namespace vantorelle
