#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QStringList>
#include <QWidget>

#include <utility>
#include <vector>

namespace vantorelle {

// What a screen reader says a widget is called.
inline QString accessibleName(QWidget *widget)
{
    QAccessibleInterface *interface = QAccessible::queryAccessibleInterface(widget);
    return interface ? interface->text(QAccessible::Name) : QStringLiteral("(not accessible)");
}

// The text of the label a screen reader reads as what a widget is labelled by.
inline QString labelledBy(QWidget *widget)
{
    QAccessibleInterface *interface = QAccessible::queryAccessibleInterface(widget);
    const auto labels = interface ? interface->relations(QAccessible::Label)
                                  : QList<QPair<QAccessibleInterface *, QAccessible::Relation>>();
    return labels.isEmpty() ? QString() : labels.front().first->text(QAccessible::Name);
}

// Expects a screen reader to meet `control` as `caption`: by its name, and by
// that of each part of it that takes the focus (the edit of a text box, a
// picker's tick box and edit; its popups are windows of their own). Qt on
// Linux names a drop-down list by the item it shows; there the caption is the
// label the list is labelled by.
inline void expectNamed(QWidget *control, const QString &caption)
{
    ASSERT_TRUE(control);
    if (qobject_cast<QComboBox *>(control))
        EXPECT_EQ(labelledBy(control), caption) << control->objectName().toStdString();
    else
        EXPECT_EQ(accessibleName(control), caption) << control->objectName().toStdString();
    for (QWidget *part : control->findChildren<QWidget *>()) {
        if (part->focusPolicy() != Qt::NoFocus && part->window() == control->window()) {
            EXPECT_EQ(accessibleName(part), caption)
                << control->objectName().toStdString() << " " << part->metaObject()->className();
        }
    }
}

// Every control that a grid of `window` shows right of a caption label, with
// that caption. A label beside a label or a button is no caption, nor is a
// heading across the grid.
inline std::vector<std::pair<QWidget *, QString>> captionedControls(const QWidget &window)
{
    std::vector<std::pair<QWidget *, QString>> found;
    for (const QGridLayout *grid : window.findChildren<QGridLayout *>()) {
        for (int i = 0; i < grid->count(); ++i) {
            int row = 0, column = 0, rows = 0, columns = 0;
            grid->getItemPosition(i, &row, &column, &rows, &columns);
            const auto *label = qobject_cast<QLabel *>(grid->itemAt(i)->widget());
            const QLayoutItem *beside = grid->itemAtPosition(row, column + 1);
            QWidget *control = beside ? beside->widget() : nullptr;
            if (label && columns == 1 && control && !qobject_cast<QLabel *>(control)
                && !qobject_cast<QAbstractButton *>(control))
                found.emplace_back(control, label->text());
        }
    }
    return found;
}

// Every control a grid of `window` captions is named by its caption, and no
// caption gave a shortcut: a label is the buddy of a control only where its
// text holds no "&". Answers how many captioned controls there are.
inline std::size_t expectNamedByCaptions(const QWidget &window)
{
    const auto captioned = captionedControls(window);
    for (const auto &[control, caption] : captioned)
        expectNamed(control, caption);
    for (const QLabel *label : window.findChildren<QLabel *>()) {
        if (label->buddy()) {
            EXPECT_FALSE(label->text().contains(u'&')) << label->text().toStdString();
        }
    }
    return captioned.size();
}

} // namespace vantorelle
