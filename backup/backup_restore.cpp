#include "backup/backup_restore.h"

#include "context/main_window_actions.h"
#include "handheld/handheld_exchange.h"
#include "platform/app_error.h"
#include "platform/file_copy.h"
#include "platform/file_dialogs.h"
#include "platform/paths.h"
#include "platform/private_files.h"
#include "platform/prompter.h"
#include "settings/error_box_and_logs.h"
#include "settings/settings_access.h"
#include "store/table_catalog.h"

#include <initializer_list>

namespace vantorelle {

namespace {

QString joinLines(std::initializer_list<QString> lines)
{
    return QStringList(lines).join(QStringLiteral("\r\n"));
}

int ask(const QString &title, const QString &text, Prompter::Buttons buttons = Prompter::OkOnly)
{
    return prompter().ask(title, text, buttons);
}

// "Vantorelle<X>.cdb" of the 22 data tables and the preferences, in their fixed order.
QStringList tableFileNames()
{
    QStringList names;
    for (std::size_t i = 0; i < tableCount; ++i)
        names << QString::fromStdString(tableFileName(TableId(i)));
    return names;
}

QString defaultBackupFolder(const Installation &installation)
{
    return installation.dataFolder + QStringLiteral("Backup/");
}

// An empty folder would make every path relative, or the root once a "/" is added.
QString backupFolderOrDefault(const Installation &installation, const QString &backupFolder)
{
    return backupFolder.isEmpty() ? defaultBackupFolder(installation) : backupFolder;
}

} // namespace

QString readBackupFolder(const Installation &installation)
{
    return readSetting(QStringLiteral("Main"), QStringLiteral("BackupPath"),
        defaultBackupFolder(installation), installation.settingsFile());
}

void backUpTables(const Installation &installation, QString &backupFolder, MainWindowActions &main)
{
    const QString &dataFolder = installation.dataFolder;
    try {
        if (!main.saveAll().isEmpty()) {
            ask(QStringLiteral("Backup Not Complete"),
                QStringLiteral("The databases could not all be saved, backup aborted."));
            return;
        }

        backupFolder = backupFolderOrDefault(installation, backupFolder);
        QString programFolder = paths().programFolder();
        if (programFolder.endsWith(QLatin1Char('/')))
            programFolder.chop(1);
        const int answer = ask(QStringLiteral("Backup Location"),
            joinLines({QStringLiteral("Do you want to backup to this location:"), QString(),
                backupFolder, QString(),
                QStringLiteral("Select No to be able to specify a different backup folder."),
                QString(),
                QStringLiteral("We recommend using a backup folder other than the default."),
                QString(), QStringLiteral("If you ever have to uninstall, the "), programFolder,
                QStringLiteral(" folder will be deleted.")}),
            Prompter::YesNoCancel);
        if (answer != Prompter::Yes && answer != Prompter::No)
            return;
        if (answer == Prompter::No) {
            const auto folder = fileDialogs().chooseFolder(
                QStringLiteral("Select destination for the backup files..."));
            if (!folder || folder->isEmpty()) {
                ask(QStringLiteral("Backup Not Complete"),
                    QStringLiteral("No directory was selected, backup aborted."));
                return;
            }
            backupFolder = *folder;
        }
        backupFolder = withFinalSlash(backupFolder);
        writeSetting(QStringLiteral("Main"), QStringLiteral("BackupPath"), backupFolder,
            installation.settingsFile());
        if (backupFolder == defaultBackupFolder(installation) && !makePrivateFolder(backupFolder))
            throw AppError(AppError::PathNotFound).aboutFile(backupFolder);

        const QStringList tables = tableFileNames();
        for (const QString &name : tables) {
            if (pathExists(backupFolder + name))
                copyFileAtomically(
                    backupFolder + name, backupFolder + name.chopped(4) + QStringLiteral(".bak"));
        }
        for (const QString &name : tables) {
            if (pathExists(dataFolder + name))
                copyFileAtomically(dataFolder + name, backupFolder + name);
        }

        ask(QStringLiteral("Backup Complete"),
            joinLines({QStringLiteral("Database backup complete."), QString(),
                QStringLiteral("The backup files (Vantorelle*.cdb) have been saved to:"),
                backupFolder}));
    } catch (const AppError &error) {
        showError(installation, error, QStringLiteral("backing up the databases"));
    }
}

void restoreBackup(
    const Installation &installation, const QString &backupFolder, MainWindowActions &main)
{
    const QString &dataFolder = installation.dataFolder;
    try {
        QString folder = backupFolderOrDefault(installation, backupFolder);
        if (ask(QStringLiteral("Restore Previous Backup"),
                joinLines(
                    {QStringLiteral(
                         "Do you wish to OVERWRITE your existing data with data from a previous "
                         "backup?"),
                        QString(),
                        QStringLiteral(
                            "All data on the PC and the handheld device will be replaced with data "
                            "from the selected backup. ")}),
                Prompter::YesNo)
            != Prompter::Yes)
            return;
        const int here = ask(QStringLiteral("Restore Data Files"),
            joinLines(
                {QStringLiteral("Do you want to restore from this location:"), QString(), folder}),
            Prompter::YesNo);
        if (here != Prompter::Yes && here != Prompter::No)
            return;
        if (here == Prompter::No) {
            const auto picked
                = fileDialogs().chooseFolder(QStringLiteral("Select Backup Location"));
            if (!picked || picked->isEmpty()) {
                ask(QStringLiteral("Restore Aborted"),
                    QStringLiteral("No directory was selected, restore aborted."));
                return;
            }
            folder = *picked;
        }
        folder = withFinalSlash(folder);
        if (!pathExists(folder + QStringLiteral("VantorelleMainID.cdb"))) {
            ask(QStringLiteral("Restore Aborted"),
                QStringLiteral("No backup files found, restore aborted."));
            return;
        }

        const QStringList tables = tableFileNames();
        for (const QString &name : tables) {
            if (pathExists(folder + name))
                copyFileAtomically(folder + name, dataFolder + name);
        }
        const Platform platform = installation.platform;
        if (platform == Platform::Palm) {
            for (const QString &name : tables)
                writeHandheldCopy(dataFolder + name);
        }
        main.keepFilesOnExit();

        const QString closing
            = QStringLiteral("Database restore complete. The PC software will now be closed.");
        if (platform == Platform::Palm) {
            ask(QStringLiteral("Restore Complete"),
                joinLines({closing, QString(),
                    QStringLiteral(
                        "You must perform a hotsync operation in order to update the handheld "
                        "data files."),
                    QString(), QStringLiteral("PLEASE HOTSYNC NOW.")}));
        } else if (platform == Platform::WindowsOnly) {
            ask(QStringLiteral("Restore Complete"), closing);
        } else {
            ask(QStringLiteral("Restore Complete"),
                joinLines({closing, QString(),
                    QStringLiteral(
                        "You must sync the handheld in order to update the handheld data files."),
                    QString(), QStringLiteral("PLEASE SYNC NOW.")}));
        }
        // Work left in the editor belongs to the data just replaced; were the
        // close to keep the window open for it, a later save would overwrite
        // the restored files.
        main.discardEditorWork();
        main.closeMainWindow();
    } catch (const AppError &error) {
        showError(installation, error, QStringLiteral("restoring data"));
    }
}

} // namespace vantorelle
