#include "backup/backup_restore.h"

#include "context/main_window_actions.h"
#include "handheld/handheld_exchange.h"
#include "platform/app_error.h"
#include "platform/file_dialogs.h"
#include "platform/paths.h"
#include "platform/private_files.h"
#include "platform/prompter.h"
#include "platform/staged_copies.h"
#include "settings/error_box_and_logs.h"
#include "settings/settings_access.h"
#include "store/store.h"
#include "store/table_catalog.h"

#include <QFile>
#include <QFileInfo>

#include <initializer_list>

namespace vantorelle {

namespace {

const QString crLf = QStringLiteral("\r\n");

QString joinLines(std::initializer_list<QString> lines)
{
    return QStringList(lines).join(crLf);
}

int ask(const QString &title, const QString &text, Prompter::Buttons buttons = Prompter::OkOnly,
    Prompter::Icon icon = Prompter::NoIcon)
{
    return prompter().ask(title, text, buttons, icon);
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

// Restore takes a backup only when every table file is there and reads as a
// whole table file, header block included: a backup cut short, or a stray
// file in it, would otherwise mix tables of different days or leave a table
// the next start cannot read. When it refuses it names each file and what is
// wrong with it.
bool refusesBackup(const QString &folder)
{
    QStringList faults;
    int present = 0;
    for (std::size_t i = 0; i < tableCount; ++i) {
        const auto id = TableId(i);
        const QString name = QString::fromStdString(tableFileName(id));
        const QString path = folder + name;
        if (pathExists(path))
            ++present;
        QString fault;
        if (QFileInfo(path).isDir()) {
            fault = QStringLiteral("This is a folder, not a file.");
        } else if (const auto failure
            = Store::checkTableFile(QFile::encodeName(path).toStdString(), id)) {
            if (failure->number == StoreFailure::invalidFileFormat)
                fault = QString::fromStdString(failure->details);
            else if (failure->number == AppError::FileNotFound)
                fault = QStringLiteral("The file is missing.");
            else
                fault = QStringLiteral("The file cannot be read: ")
                    + QString::fromStdString(failure->description) + QLatin1Char('.');
        }
        if (!fault.isEmpty())
            faults << name + QStringLiteral(": ") + fault;
    }
    if (present == 0) {
        ask(QStringLiteral("Restore Aborted"),
            QStringLiteral("No backup files found, restore aborted."));
        return true;
    }
    if (faults.isEmpty())
        return false;
    ask(QStringLiteral("Restore Aborted"),
        QStringLiteral("The backup in this folder is not whole, restore aborted.") + crLf + crLf
            + faults.join(crLf) + crLf + crLf + QStringLiteral("No file has been replaced."),
        Prompter::OkOnly, Prompter::Exclamation);
    return true;
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
    // Until the copies are in place, a failure leaves the backup folder as it was.
    bool placing = false;
    try {
        if (!main.saveAll().isEmpty()) {
            ask(QStringLiteral("Backup Not Complete"),
                QStringLiteral("The databases could not all be saved, backup aborted."));
            return;
        }

        QString folder = backupFolderOrDefault(installation, backupFolder);
        QString programFolder = paths().programFolder();
        if (programFolder.endsWith(QLatin1Char('/')))
            programFolder.chop(1);
        const int answer = ask(QStringLiteral("Backup Location"),
            joinLines({QStringLiteral("Do you want to backup to this location:"), QString(), folder,
                QString(),
                QStringLiteral("Select No to be able to specify a different backup folder."),
                QString(),
                QStringLiteral("We recommend using a backup folder other than the default."),
                QString(), QStringLiteral("If you ever have to uninstall, the "), programFolder,
                QStringLiteral(" folder will be deleted.")}),
            Prompter::YesNoCancel);
        if (answer != Prompter::Yes && answer != Prompter::No)
            return;
        if (answer == Prompter::No) {
            const auto picked = fileDialogs().chooseFolder(
                QStringLiteral("Select destination for the backup files..."));
            if (!picked || picked->isEmpty()) {
                ask(QStringLiteral("Backup Not Complete"),
                    QStringLiteral("No directory was selected, backup aborted."));
                return;
            }
            folder = *picked;
        }
        folder = withFinalSlash(folder);
        if (folder == defaultBackupFolder(installation) && !makePrivateFolder(folder))
            throw AppError(AppError::PathNotFound).aboutFile(folder);

        // Each previous copy becomes its ".bak", each table its new copy; all
        // of them are written aside first, so that a backup that fails on the
        // way (a full disk, a file that cannot be replaced) leaves the backup
        // there before whole.
        StagedCopies copies(folder);
        const QStringList tables = tableFileNames();
        for (const QString &name : tables) {
            if (pathExists(folder + name))
                copies.add(folder + name, name.chopped(4) + QStringLiteral(".bak"));
        }
        for (const QString &name : tables) {
            if (pathExists(dataFolder + name))
                copies.add(dataFolder + name, name);
        }
        placing = true;
        copies.place();

        // Only a folder that holds the backup is offered next time.
        backupFolder = folder;
        writeSetting(QStringLiteral("Main"), QStringLiteral("BackupPath"), backupFolder,
            installation.settingsFile());
        ask(QStringLiteral("Backup Complete"),
            joinLines({QStringLiteral("Database backup complete."), QString(),
                QStringLiteral("The backup files (Vantorelle*.cdb) have been saved to:"),
                backupFolder}));
    } catch (const AppError &error) {
        showError(installation, error, QStringLiteral("backing up the databases"),
            placing ? QString()
                    : QStringLiteral("The backup folder was left as it was: a backup made there "
                                     "before is still whole."));
    }
}

void restoreBackup(
    const Installation &installation, const QString &backupFolder, MainWindowActions &main)
{
    const QString &dataFolder = installation.dataFolder;
    // Once the first file is replaced the tables in memory are out of date,
    // and the program must close without writing them, whatever fails after.
    bool replacing = false;
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
        if (refusesBackup(folder))
            return;

        // Every file is copied aside first: a copy that fails replaces nothing.
        StagedCopies copies(dataFolder);
        for (const QString &name : tableFileNames())
            copies.add(folder + name, name);
        replacing = true;
        main.keepFilesOnExit();
        copies.place();

        const Platform platform = installation.platform;
        if (platform == Platform::Palm) {
            for (const QString &name : tableFileNames())
                writeHandheldCopy(dataFolder + name);
        }

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
    } catch (const AppError &error) {
        showError(installation, error, QStringLiteral("restoring data"),
            replacing ? QString()
                      : QStringLiteral("No file has been replaced: the program goes on with its "
                                       "data."));
        if (!replacing)
            return;
    }
    // Work left in the editor belongs to the data just replaced; were the
    // close to keep the window open for it, a later save would overwrite
    // the restored files.
    main.discardEditorWork();
    main.closeMainWindow();
}

} // namespace vantorelle
