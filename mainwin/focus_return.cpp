#include "mainwin/focus_return.h"

#include <QComboBox>
#include <QTableWidget>

namespace vantorelle {

namespace {

bool takesFocus(const QWidget *control)
{
    return control && control->isVisible() && control->isEnabled()
        && control->focusPolicy() != Qt::NoFocus;
}

} // namespace

void MainWindow::returnFocus(QWidget *before)
{
    if (closing_ || !isVisible())
        return;
    // Hiding or disabling the control that has the focus leaves none, or the
    // next one in the Tab order, which is no choice of the command's.
    QWidget *now = focusWidget();
    QWidget *target = nullptr;
    if (takesFocus(before)) {
        target = takesFocus(now) ? now : before;
    } else {
        QWidget *shown
            = recordGrid_->isVisible() ? static_cast<QWidget *>(recordGrid_) : profileSelector_;
        target = takesFocus(shown) ? shown : now;
    }
    if (takesFocus(target) && target != now)
        target->setFocus(Qt::OtherFocusReason);
}

} // namespace vantorelle
