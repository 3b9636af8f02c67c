#include "mainwin/main_window.h"

#include "backup/backup_restore.h"
#include "handheld/handheld_exchange.h"
#include "handheld/handheld_setup.h"

#include <QAction>

namespace vantorelle {

void MainWindow::connectHandheldMenus()
{
    const std::pair<QAction *, void (MainWindow::*)()> handlers[] = {
        {backupAction_, &MainWindow::backupRecords},
        {restoreAction_, &MainWindow::restoreRecords},
        {transferAction_, &MainWindow::transferToHandheld},
        {retrieveAction_, &MainWindow::retrieveFromHandheld},
        {reinstallAction_, &MainWindow::reinstallHandheldSoftware},
    };
    // Each writes the tables, replaces them or ends the program: a record
    // being edited would be dropped.
    for (const auto &[action, handler] : handlers) {
        connectCommand(action, [this, handler = handler] {
            if (!goBackToEditing())
                (this->*handler)();
        });
    }
}

void MainWindow::backupRecords()
{
    backUpTables(installation_, backupFolder_, *this);
}

void MainWindow::restoreRecords()
{
    restoreBackup(installation_, backupFolder_, *this);
}

void MainWindow::transferToHandheld()
{
    sendTablesToHandheld(installation_, *this);
}

void MainWindow::retrieveFromHandheld()
{
    takeTablesFromHandheld(installation_, *this);
}

void MainWindow::reinstallHandheldSoftware()
{
    reinstallHandheld(installation_, *this);
}

} // namespace vantorelle
