#include "mainwin/command_scope.h"

#include <QAbstractButton>
#include <QAction>
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

void MainWindow::connectCommand(QAction *action, std::function<void()> command)
{
    connect(action, &QAction::triggered, this, [this, command = std::move(command)] {
        const CommandScope scope(*this);
        command();
    });
}

void MainWindow::connectCommand(QAbstractButton *button, std::function<void()> command)
{
    connect(button, &QAbstractButton::clicked, this, [this, command = std::move(command)] {
        const CommandScope scope(*this);
        command();
    });
}

} // namespace vantorelle
