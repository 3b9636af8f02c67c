#include <QApplication>

#include "mainwin/main_window.h"

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    Main window;
    if (!window.Form_Load())
        return 0;
    window.show();
    return app.exec();
}
