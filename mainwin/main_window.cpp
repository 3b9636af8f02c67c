#include "mainwin/main_window.h"

#include "settings/app_info.h"

Main::Main(QWidget *parent) : QMainWindow(parent)
{
    setWindowTitle(QString::fromUtf8(AppInfo::title));
    resize(800, 600);
}
