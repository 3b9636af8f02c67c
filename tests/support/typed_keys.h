#pragma once

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

} // namespace vantorelle
