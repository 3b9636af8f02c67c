#pragma once

#include "support/accessible_names.h"
#include "support/find_control.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QStringList>
#include <QTest>

#include <algorithm>
#include <string>
#include <vector>

namespace vantorelle {

// What a person hears on the control that has the focus: its caption (a list
// its label's text, or the item it shows where it has no label); a date or
// time picker's tick box says so. A control without a caption is shown by its
// object name in brackets.
inline QString focusCaption()
{
    QWidget *focus = QApplication::focusWidget();
    if (!focus)
        return QStringLiteral("(none)");
    if (auto *list = qobject_cast<QComboBox *>(focus)) {
        for (const QLabel *label : list->window()->findChildren<QLabel *>()) {
            if (label->buddy() == list)
                return label->text();
        }
        return list->currentText();
    }
    QString caption = accessibleName(focus);
    if (caption.isEmpty()) {
        // No caption: the name of the control (or of the control it is part of).
        const QWidget *named = focus;
        while (named->objectName().isEmpty() && named->parentWidget())
            named = named->parentWidget();
        return QLatin1Char('[') + named->objectName() + QLatin1Char(']');
    }
    if (qobject_cast<QCheckBox *>(focus)
        && focus->parentWidget()->inherits("vantorelle::DateTimePicker"))
        caption += QStringLiteral(" (tick)");
    return caption;
}

// Presses `key`, Tab or Shift+Tab (Qt::Key_Backtab), on the focused control
// until the focus comes round to it again, and answers the captions of the
// controls it came to, in the order of Tab from the first one, joined by
// " | ". A picker's tick box met unticked is ticked with Space, so that its
// edit is reached too. A control counts once however many presses it keeps
// the focus (Tab goes through the sections of a date or time edit).
inline std::string tabRound(Qt::Key key = Qt::Key_Tab)
{
    const auto press = [](Qt::Key pressed) {
        QTest::keyClick(QApplication::focusWidget(), pressed,
            pressed == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
    };
    const QWidget *first = QApplication::focusWidget();
    QStringList captions;
    const QWidget *last = nullptr;
    for (int presses = 0; presses < 300; ++presses) {
        QWidget *focus = QApplication::focusWidget();
        if (!focus)
            break;
        if (focus != last) {
            last = focus;
            captions << focusCaption();
        }
        if (auto *tick = qobject_cast<QCheckBox *>(focus); tick && !tick->isChecked()
            && focus->parentWidget()->inherits("vantorelle::DateTimePicker"))
            press(Qt::Key_Space);
        press(key);
        if (QApplication::focusWidget() == first)
            break;
    }
    if (key == Qt::Key_Backtab) {
        // From the first control back round to it: in the order of Tab.
        std::reverse(captions.begin(), captions.end());
        captions.move(captions.size() - 1, 0);
    }
    return captions.join(QStringLiteral(" | ")).toStdString();
}

// The captions joined as tabRound() answers them.
template<typename Captions> std::string joinedCaptions(const Captions &captions)
{
    QStringList all;
    for (const auto &caption : captions)
        all << QString::fromUtf8(caption);
    return all.join(QStringLiteral(" | ")).toStdString();
}

// Shows `window` active, gives the focus to its control named `first`, and
// expects Tab round the window, and Shift+Tab back, to come to the controls
// captioned `order`.
inline void expectTabOrder(
    QWidget &window, const char *first, const std::vector<const char *> &order)
{
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    findControl<QWidget>(window, first)->setFocus();
    EXPECT_EQ(tabRound(), joinedCaptions(order));
    EXPECT_EQ(tabRound(Qt::Key_Backtab), joinedCaptions(order));
}

} // namespace vantorelle
