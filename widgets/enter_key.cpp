#include "widgets/enter_key.h"

#include <QKeyEvent>
#include <QPushButton>

namespace vantorelle {

bool isEnterKey(const QKeyEvent &event)
{
    return event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
}

bool clickFocusedButton(const QWidget &window)
{
    auto *button = qobject_cast<QPushButton *>(window.focusWidget());
    if (!button)
        return false;
    button->click();
    return true;
}

} // namespace vantorelle
