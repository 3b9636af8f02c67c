#include "mainwin/panel_scroller.h"

#include <QEvent>
#include <QScrollBar>

namespace vantorelle {

PanelScroller::PanelScroller(QWidget *panel, QWidget *parent)
    : QScrollArea(parent)
{
    setFrameShape(QFrame::NoFrame);
    setFocusPolicy(Qt::NoFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setWidgetResizable(true);
    setWidget(panel);
    setVisible(!panel->isHidden());
    panel->installEventFilter(this);
}

QSize PanelScroller::sizeHint() const
{
    return widget()->minimumSizeHint();
}

QSize PanelScroller::minimumSizeHint() const
{
    // As wide as the panel and its scroll bar, so nothing is cut sideways.
    const QSize panel = widget()->minimumSizeHint();
    return {panel.width() + verticalScrollBar()->sizeHint().width(),
        QScrollArea::minimumSizeHint().height()};
}

bool PanelScroller::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == widget()) {
        if (event->type() == QEvent::ShowToParent)
            show();
        else if (event->type() == QEvent::HideToParent)
            hide();
    }
    return QScrollArea::eventFilter(watched, event);
}

} // namespace vantorelle
