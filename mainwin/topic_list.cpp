#include "mainwin/main_window.h"

void Main::lstTopics_Click()
{
}
