#include "platform/modal_window_ender.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace vantorelle {

namespace {

bool isOpenModalWindow(const QWidget *widget)
{
    return widget->isWindow() && widget->isModal() && widget->isVisible();
}

} // namespace

ModalWindowEnder::~ModalWindowEnder()
{
    stop();
}

void ModalWindowEnder::start()
{
    if (running_)
        return;
    running_ = true;
    qApp->installEventFilter(this);
    // Hiding a modal window ends its event loop; the window's exec() returns
    // once the code running above it, if any, is done.
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (isOpenModalWindow(window))
            window->hide();
    }
}

void ModalWindowEnder::stop()
{
    if (!running_)
        return;
    running_ = false;
    qApp->removeEventFilter(this);
}

bool ModalWindowEnder::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        auto *widget = static_cast<QWidget *>(watched);
        // Shown by exec(), whose event loop has not begun yet: hidden from
        // inside that loop, so that the loop ends.
        if (isOpenModalWindow(widget))
            QMetaObject::invokeMethod(widget, &QWidget::hide, Qt::QueuedConnection);
    }
    return QObject::eventFilter(watched, event);
}

} // namespace vantorelle
