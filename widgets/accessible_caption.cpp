#include "widgets/accessible_caption.h"

#include <QLabel>

namespace vantorelle {

void captionControl(QLabel &label, QWidget &control)
{
    label.setBuddy(&control);
    nameByCaption(control, label.text());
}

void nameByCaption(QWidget &control, const QString &caption)
{
    control.setAccessibleName(caption);
    // A popup of the control (a picker's calendar, a list's items) has names of its own.
    for (QWidget *part : control.findChildren<QWidget *>()) {
        if (part->focusPolicy() != Qt::NoFocus && part->window() == control.window())
            part->setAccessibleName(caption);
    }
}

} // namespace vantorelle
