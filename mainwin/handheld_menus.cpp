#include "mainwin/main_window.h"

#include "backup/backup_restore.h"
#include "handheld/handheld_exchange.h"
#include "handheld/handheld_setup.h"

#include <QAction>

namespace vantorelle {

void MainWindow::connectHandheldMenus()
{
    using enum EditedRecord;
    // Each writes the tables, replaces them or ends the program.
    connectMenuCommands({
        {backupAction_, &MainWindow::backupRecords, AskFirst, &MainWindow::keepsFilesOnDisk},
        {restoreAction_, &MainWindow::restoreRecords, AskFirst, &MainWindow::keepsFilesOnDisk},
        {transferAction_, &MainWindow::transferToHandheld, AskFirst, &MainWindow::keepsFilesOnDisk},
        {retrieveAction_, &MainWindow::retrieveFromHandheld, AskFirst,
            &MainWindow::keepsFilesOnDisk},
        {reinstallAction_, &MainWindow::reinstallHandheldSoftware, AskFirst,
            &MainWindow::keepsFilesOnDisk},
    });
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
