#include "platform/input_guard.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QWheelEvent>

namespace vantorelle {

namespace {

// Controls whose value a wheel turn steps.
bool stepsOnWheel(const QObject *object)
{
    return qobject_cast<const QComboBox *>(object)
        || qobject_cast<const QAbstractSpinBox *>(object);
}

// Controls a typed character goes into: text, or the item it picks.
bool takesCharacters(const QObject *object)
{
    return qobject_cast<const QLineEdit *>(object) || qobject_cast<const QPlainTextEdit *>(object)
        || qobject_cast<const QTextEdit *>(object) || stepsOnWheel(object);
}

// An Alt key that would type a character. AltGr is no Alt key on X11; where
// a keyboard gives AltGr as Ctrl+Alt, Ctrl marks it.
bool isAltCharacter(const QKeyEvent *key)
{
    const Qt::KeyboardModifiers modifiers = key->modifiers();
    return modifiers.testFlag(Qt::AltModifier)
        && !modifiers.testAnyFlags(Qt::ControlModifier | Qt::GroupSwitchModifier)
        && !key->text().isEmpty() && key->text().front().isPrint();
}

bool hasFocusWithin(const QWidget *control)
{
    const QWidget *focused = QApplication::focusWidget();
    return focused && (focused == control || control->isAncestorOf(focused));
}

} // namespace

bool InputGuard::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Polish:
        // The wheel gives the focus to a control that takes it by wheel before
        // any filter sees the turn: no control takes it that way.
        if (auto *widget = qobject_cast<QWidget *>(watched);
            widget && widget->focusPolicy() == Qt::WheelFocus)
            widget->setFocusPolicy(Qt::StrongFocus);
        break;
    case QEvent::Wheel:
        // Left unaccepted, the turn goes on to the control's parents, and
        // scrolls the first that can.
        if (stepsOnWheel(watched) && !hasFocusWithin(static_cast<QWidget *>(watched))) {
            event->ignore();
            return true;
        }
        break;
    case QEvent::KeyPress:
        // Reaches the control only when no shortcut took it.
        if (takesCharacters(watched) && isAltCharacter(static_cast<QKeyEvent *>(event)))
            return true;
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace vantorelle
