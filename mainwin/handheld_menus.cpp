#include "mainwin/main_window.h"

#include "settings/backup_restore.h"
#include "settings/handheld_exchange.h"
#include "settings/handheld_setup.h"

#include <QAction>

namespace vantorelle {

void Main::connectHandheldMenus()
{
    const std::pair<QAction *, void (Main::*)()> handlers[] = {
        {mnuBackup, &Main::mnuBackup_Click},
        {mnuRestore, &Main::mnuRestore_Click},
        {mnuTransfer, &Main::mnuTransfer_Click},
        {mnuRetrieve, &Main::mnuRetrieve_Click},
        {mnuReinstallHH, &Main::mnuReinstallHH_Click},
    };
    for (const auto &[action, handler] : handlers)
        connect(action, &QAction::triggered, this, handler);
}

void Main::mnuBackup_Click()
{
    BackupDatabases(installation_, backupFolder_, *this);
}

void Main::mnuRestore_Click()
{
    RestoreBackup(installation_, backupFolder_, *this);
}

void Main::mnuTransfer_Click()
{
    TransferToHandheld(installation_, *this);
}

void Main::mnuRetrieve_Click()
{
    RetrieveFromHandheld(installation_, *this);
}

void Main::mnuReinstallHH_Click()
{
    ReinstallHandheldSoftware(installation_, *this);
}

} // namespace vantorelle
