#include "handheld/handheld_exchange.h"

#include "context/main_window_actions.h"
#include "platform/app_error.h"
#include "platform/file_writer.h"
#include "platform/paths.h"
#include "platform/process_runner.h"
#include "platform/prompter.h"
#include "settings/app_info.h"
#include "settings/error_box_and_logs.h"
#include "store/table_file.h"

#include <QApplication>
#include <QDir>
#include <QFile>

#include <initializer_list>

namespace vantorelle {

namespace {

// Identifies the program's databases to the transfer tools.
const QString creatorId = QStringLiteral("QZMR");

QString joinLines(std::initializer_list<QString> lines)
{
    return QStringList(lines).join(QStringLiteral("\r\n"));
}

// The hourglass while it lives.
class BusyCursor {
public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;
};

// The first line of the box for a tool that failed: what could not be done,
// and how the tool ended.
QString toolFailure(const QString &undone, const QString &tool, int exitCode)
{
    const QString ending = exitCode == -1
        ? QStringLiteral(" stopped unexpectedly.")
        : QStringLiteral(" ended with exit code %1.").arg(exitCode);
    return undone + QStringLiteral(": ") + tool + ending;
}

} // namespace

void takeTablesFromHandheld(const Installation &installation, MainWindowActions &main)
{
    const QString &programFolder = installation.programFolder;
    const QString title = QStringLiteral("Retrieve Data from Handheld");
    const QString appTitle = QLatin1String(AppInfo::title);
    const QString tool = QStringLiteral("CASLppc2cdb.exe");
    int exitCode = 0;
    try {
        const BusyCursor busy;
        const int answer = prompter().ask(title,
            joinLines({QStringLiteral("This transfer will OVERWRITE the PC data."), QString(),
                QStringLiteral("Please make sure your handheld is connected to the PC.")}),
            Prompter::OkCancel);
        if (answer != Prompter::Ok)
            return;

        QString destination = installation.dataFolder;
        if (destination.endsWith(QLatin1Char('/')))
            destination.chop(1);
        exitCode = processRunner().run(programFolder + tool,
            {QStringLiteral("-DestinationFolder"), QDir::toNativeSeparators(destination),
                QStringLiteral("-CreatorId"), creatorId, QStringLiteral("-TransferAll")},
            programFolder);
    } catch (const AppError &error) {
        // Nothing was retrieved: the tables in memory are still the data.
        showError(installation, error, QStringLiteral("retrieving data from the handheld"));
        return;
    }
    if (exitCode != 0) {
        // The tables in memory are still the data: Save All and the close
        // write them as before, over whatever the tool may have left.
        prompter().ask(title,
            joinLines(
                {toolFailure(QStringLiteral("The data could not be retrieved"), tool, exitCode),
                    QString(), QStringLiteral("The PC data has been kept.")}),
            Prompter::OkOnly, Prompter::Exclamation);
        return;
    }

    main.keepFilesOnExit();
    prompter().ask(title,
        joinLines({QStringLiteral("The data has been retrieved,"),
            appTitle + QStringLiteral(" must be restarted."), QString(),
            QStringLiteral("Click OK to close ") + appTitle}));
    main.endApplication();
}

void sendTablesToHandheld(const Installation &installation, MainWindowActions &main)
{
    const QString &dataFolder = installation.dataFolder;
    const QString &programFolder = installation.programFolder;
    const QString title = QStringLiteral("Transfer Data to Handheld");
    const QString tool = QStringLiteral("CASLcdi2ppc.exe");
    const int answer = prompter().ask(title,
        joinLines({QStringLiteral("This transfer will OVERWRITE the HANDHELD data."), QString(),
            QStringLiteral("Please make sure your handheld is connected to the PC."), QString(),
            QStringLiteral("Also, make sure ") + QLatin1String(AppInfo::title)
                + QStringLiteral(" is closed on the handheld.")}),
        Prompter::OkCancel);
    if (answer != Prompter::Ok)
        return;

    if (!main.saveAll().isEmpty()) {
        prompter().ask(
            title, QStringLiteral("The databases could not all be saved, transfer aborted."));
        return;
    }

    int exitCode = 0;
    try {
        const BusyCursor busy;
        for (const QString &name :
            QDir(dataFolder).entryList({QStringLiteral("*.cdi")}, QDir::Files)) {
            if (!QFile::remove(dataFolder + name))
                throw AppError(AppError::PermissionDenied).aboutFile(dataFolder + name);
        }
        // The pattern goes to the tool as it is: the tool, not a shell, expands it.
        exitCode = processRunner().run(programFolder + tool,
            {QStringLiteral("-DbFile"),
                QDir::toNativeSeparators(dataFolder + QStringLiteral("*.cdb")),
                QStringLiteral("-CreatorID"), creatorId},
            programFolder);
    } catch (const AppError &error) {
        showError(installation, error, QStringLiteral("transferring data to the handheld"));
        return;
    }
    // A transfer that worked says nothing.
    if (exitCode != 0) {
        prompter().ask(title,
            joinLines(
                {toolFailure(QStringLiteral("The data could not be transferred"), tool, exitCode),
                    QString(), QStringLiteral("The handheld has not been updated.")}),
            Prompter::OkOnly, Prompter::Exclamation);
    }
}

void writeHandheldCopy(const QString &tablePath)
{
    if (!pathExists(tablePath))
        return;
    const QString extension = QStringLiteral(".cdb");
    const QString base
        = tablePath.endsWith(extension) ? tablePath.chopped(extension.size()) : tablePath;

    QFile table(tablePath);
    if (!table.open(QIODevice::ReadOnly))
        throw AppError(AppError::PathFileAccessError).aboutFile(tablePath);
    const QByteArray bytes = table.readAll();
    table.close();

    const std::string copy
        = TableFile::handheldCopy(std::string_view(bytes.constData(), std::size_t(bytes.size())));
    FileWriter::replace(
        base + QStringLiteral(".cdi"), QByteArray::fromStdString(copy), NewFileAccess::OwnerOnly);
}

} // namespace vantorelle
