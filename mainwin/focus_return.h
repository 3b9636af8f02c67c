#pragma once

#include "mainwin/main_window.h"

#include <QPointer>

namespace vantorelle {

// A command of the main window, for the length of a scope: at its end a
// control of the window has the keyboard focus (MainWindow::returnFocus), also
// when the command hid or disabled the one that had it, or left none.
class FocusReturn {
public:
    explicit FocusReturn(MainWindow &main)
        : main_(main)
        , before_(main.focusWidget())
    {
    }
    ~FocusReturn() { main_.returnFocus(before_); }
    FocusReturn(const FocusReturn &) = delete;
    FocusReturn &operator=(const FocusReturn &) = delete;

private:
    MainWindow &main_;
    QPointer<QWidget> before_;
};

} // namespace vantorelle
