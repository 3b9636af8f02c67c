#pragma once

#include "mainwin/main_window.h"

#include <QPointer>

namespace vantorelle {

// A command of the main window, for the length of a scope. A close asked for
// from outside meanwhile (the end of the session, a synchronisation) waits
// until the outermost command has ended, then runs (MainWindow::commandEnded).
// At its end a control of the window has the keyboard focus
// (MainWindow::returnFocus), also when the command hid or disabled the one
// that had it, or left none.
class CommandScope {
public:
    explicit CommandScope(MainWindow &main)
        : main_(main)
        , before_(main.focusWidget())
    {
        main_.commandStarted();
    }
    ~CommandScope()
    {
        main_.returnFocus(before_);
        main_.commandEnded();
    }
    CommandScope(const CommandScope &) = delete;
    CommandScope &operator=(const CommandScope &) = delete;

private:
    MainWindow &main_;
    QPointer<QWidget> before_;
};

} // namespace vantorelle
