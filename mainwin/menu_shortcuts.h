#pragma once

#include <QObject>

class QMenuBar;
class QWidget;

namespace vantorelle {

// The shortcuts of a window's menus come before the keys its controls would
// take for themselves: a text box takes Ctrl+E as "end of line", but in the
// main window Ctrl+E exports, wherever the focus is. A disabled or hidden
// item leaves its key to the control. Watches the application's key events
// while it lives.
class MenuShortcuts : public QObject {
public:
    MenuShortcuts(QWidget &window, const QMenuBar &menus);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget &window_;
    const QMenuBar &menus_;
};

} // namespace vantorelle
