#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QKeySequence>
#include <QSignalSpy>
#include <QString>
#include <QTest>
#include <QWidget>

#include <algorithm>
#include <memory>
#include <vector>

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

// Presses Alt with `key`, the access key of a button in the window that has
// the keyboard, and waits until the button has clicked: the key shows the
// button pressed and clicks it a moment later, from the event loop.
inline void pressShortcut(Qt::Key key)
{
    QWidget *focus = QApplication::focusWidget();
    QWidget *window = focus ? focus->window() : QApplication::activeWindow();
    ASSERT_TRUE(window) << "no window has the keyboard";
    const QKeySequence keys(Qt::ALT | key);
    std::vector<std::unique_ptr<QSignalSpy>> clicks;
    for (QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
        if (button->shortcut() == keys && button->isVisible() && button->isEnabled())
            clicks.push_back(std::make_unique<QSignalSpy>(button, &QAbstractButton::clicked));
    }
    QTest::keyClick(focus ? focus : window, key, Qt::AltModifier);
    if (clicks.empty())
        return; // a key no button takes: nothing to wait for
    const bool clicked = QTest::qWaitFor([&] {
        return std::any_of(clicks.begin(), clicks.end(),
            [](const std::unique_ptr<QSignalSpy> &spy) { return !spy->isEmpty(); });
    });
    EXPECT_TRUE(clicked) << "no button clicked on Alt+"
                         << QKeySequence(key).toString().toStdString();
}

} // namespace vantorelle
