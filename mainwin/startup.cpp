#include "mainwin/main_window.h"

bool Main::Form_Load()
{
    return true;
}
