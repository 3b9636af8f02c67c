#include "mainwin/main_window.h"

#include <QCloseEvent>

void Main::closeEvent(QCloseEvent *event)
{
    bool cancel = false;
    Form_Unload(cancel);
    if (cancel)
        event->ignore();
    else
        event->accept();
}

void Main::Form_Unload(bool &Cancel)
{
    Cancel = false;
}

void Main::mnuSaveAll_Click()
{
}
