#include "mainwin/main_window.h"

void Main::ShowRecords()
{
}

void Main::cboProfiles_Change()
{
}

void Main::cboProfiles_Click()
{
    cboProfiles_Change();
}
