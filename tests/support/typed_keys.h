#pragma once

#include <QApplication>
#include <QClipboard>
#include <QKeySequence>
#include <QString>
#include <QTest>
#include <QWidget>

namespace vantorelle {

// Types `text` into `widget`, a key event for each character. QTest::keyClicks
// sends a character outside Latin-1 (such as "→" or "Ł") as a key without
// text, which types nothing: such a character is sent as a keyboard layout or
// an input method delivers it, a key event carrying the character.
inline void typeKeys(QWidget *widget, const QString &text)
{
    for (char32_t code : text.toUcs4()) {
        if (code < 0x80)
            QTest::keyClick(widget, char(code));
        else
            QTest::sendKeyEvent(
                QTest::Click, widget, Qt::Key_unknown, QString::fromUcs4(&code, 1), Qt::NoModifier);
    }
}

// How a text comes into a box: typed key by key, or pasted from the clipboard.
enum class Bringing { Typed, Pasted };

// Brings `text` into `widget` as a person would, `how` says which way.
inline void bringText(QWidget *widget, const QString &text, Bringing how)
{
    widget->setFocus();
    if (how == Bringing::Typed) {
        typeKeys(widget, text);
        return;
    }
    QApplication::clipboard()->setText(text);
    QTest::keySequence(widget, QKeySequence::Paste);
}

// Presses `key` on the control that has the keyboard focus.
inline void pressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}

// Presses Alt with `key`, a button's shortcut, and waits the moment its click takes.
inline void pressShortcut(Qt::Key key)
{
    pressKey(key, Qt::AltModifier);
    QTest::qWait(150);
}

} // namespace vantorelle
