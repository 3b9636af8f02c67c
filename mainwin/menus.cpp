#include "mainwin/main_window.h"

void Main::connectMenus()
{
}
