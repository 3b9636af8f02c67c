#include "mainwin/main_window.h"

#include "platform/app_error.h"
#include "platform/prompter.h"
#include "settings/error_box_and_logs.h"
#include "settings/error_trap.h"
#include "settings/form_placement.h"
#include "store/store.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QPushButton>
#include <QTimer>

namespace {

const QString crLf = QStringLiteral("\r\n");

} // namespace

void Main::closeEvent(QCloseEvent *event)
{
    bool cancel = false;
    closeStep(cancel);
    if (cancel)
        event->ignore();
    else
        event->accept();
}

void Main::closeStep(bool &cancel)
{
    if (closing_)
        return;
    if (cmdNewSave->isVisibleTo(this) && !hotsyncDetected_) {
        const int answer = prompter().ask(QStringLiteral("Changes Not Saved"),
            QStringLiteral("You have made changes that have not been saved.") + crLf + crLf
                + QStringLiteral("Do you want to go back and save changes?"),
            Prompter::YesNo);
        if (answer == Prompter::Yes) {
            cancel = true;
            return;
        }
    }
    closing_ = true;

    SaveFormPlacement(this, installation_.settingsFile());
    Timer1->stop();
    beginLongOperation();
    // After a restore, a retrieval or a move the files on disk are the ones to keep.
    std::vector<StoreFailure> failures;
    if (hasStore() && !keepFilesOnExit_)
        failures = store().SaveDBs();
    endLongOperation();
    if (!failures.empty()) {
        reportSaveFailures(failures);
        const int answer = prompter().ask(
            QStringLiteral("Changes Not Saved"),
            QStringLiteral("Some of the records could not be saved and will be lost.") + crLf
                + crLf + QStringLiteral("Do you want to close anyway?"),
            Prompter::YesNo, Prompter::Exclamation);
        if (answer != Prompter::Yes) {
            closing_ = false;
            Timer1->start();
            cancel = true;
            return;
        }
    }
    if (hasStore()) {
        for (const StoreFailure &failure : store().removeNearEmptyFiles())
            showStoreFailure(installation_, failure);
    }

    if (hotsyncDetected_) {
        prompter().ask(QStringLiteral("Hotsync Detected"),
            QStringLiteral("Vantorelle Rize on the PC must be closed during the hotsync operation.")
                + crLf + crLf
                + QStringLiteral("A hotsync operation has been detected and your data has been "
                                 "saved.")
                + crLf + crLf
                + QStringLiteral("You may restart the software when the hotsync operation is "
                                 "complete."));
    }
    endProgram();
}

void Main::endProgram()
{
    // Every other window goes with the main one. Hiding a modal window ends
    // its event loop; the code after it sees closing() and stops.
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window != this && window->isVisible())
            window->hide();
    }
    if (isVisible())
        QCoreApplication::quit();
}

QStringList Main::saveAll()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    discardEditorWork();
    beginLongOperation();
    const std::vector<StoreFailure> failures = store().SaveDBs();
    endLongOperation();
    QApplication::restoreOverrideCursor();
    reportSaveFailures(failures);
    profileChosen();

    QStringList unwritten;
    for (const StoreFailure &failure : failures)
        unwritten << QFile::decodeName(QByteArray::fromStdString(failure.path));
    return unwritten;
}

void Main::endApplication()
{
    closing_ = true;
    Timer1->stop();
    endProgram();
}

void Main::reportSaveFailures(const std::vector<StoreFailure> &failures)
{
    if (failures.empty())
        return;
    QString details = QStringLiteral("These files could not be written:");
    for (const StoreFailure &failure : failures)
        details += crLf + QFile::decodeName(QByteArray::fromStdString(failure.path));
    const StoreFailure &first = failures.front();
    ShowError(installation_, AppError(first.number, QString::fromStdString(first.description)),
        QStringLiteral("saving the databases"), details);
}
