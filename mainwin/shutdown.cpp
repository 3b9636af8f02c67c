#include "mainwin/main_window.h"

#include "platform/app_error.h"
#include "platform/prompter.h"
#include "settings/error_box_and_logs.h"
#include "settings/error_trap.h"
#include "settings/window_placement.h"
#include "store/store.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QPushButton>
#include <QTimer>

namespace vantorelle {

namespace {

const QString crLf = QStringLiteral("\r\n");

} // namespace

void MainWindow::closeEvent(QCloseEvent *event)
{
    bool cancel = false;
    closeStep(cancel);
    if (cancel)
        event->ignore();
    else
        event->accept();
}

void MainWindow::closeStep(bool &cancel)
{
    if (closing_)
        return;
    // A close forced by a running synchronisation cannot wait for the user.
    if (!hotsyncDetected_ && goBackToEditing()) {
        cancel = true;
        return;
    }
    closing_ = true;

    saveWindowPlacement(this, installation_.settingsFile());
    watchTimer_->stop();
    beginLongOperation();
    // After a restore, a retrieval or a move the files on disk are the ones to keep.
    std::vector<StoreFailure> failures;
    if (hasStore() && !keepFilesOnExit_)
        failures = store().writeTables();
    endLongOperation();
    reportSaveFailures(failures);
    // Files that could not be written lose nothing unless they were to take changes.
    if (!failures.empty() && store().hasUnsavedChanges()) {
        const int answer = prompter().ask(QStringLiteral("Changes Not Saved"),
            QStringLiteral("Some of the files could not be written, and the changes made to "
                           "their records will be lost.")
                + crLf + crLf + QStringLiteral("Do you want to close anyway?"),
            Prompter::YesNo, Prompter::Exclamation, Prompter::SecondButton);
        if (answer != Prompter::Yes) {
            closing_ = false;
            watchTimer_->start();
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

bool MainWindow::goBackToEditing()
{
    if (!saveButton_->isVisibleTo(this))
        return false;
    const int answer = prompter().ask(QStringLiteral("Changes Not Saved"),
        QStringLiteral("You have made changes that have not been saved.") + crLf + crLf
            + QStringLiteral("Do you want to go back and save changes?"),
        Prompter::YesNo);
    return answer == Prompter::Yes;
}

void MainWindow::endProgram()
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

QStringList MainWindow::saveAll()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    discardEditorWork();
    beginLongOperation();
    const std::vector<StoreFailure> failures = store().writeTables();
    endLongOperation();
    QApplication::restoreOverrideCursor();
    reportSaveFailures(failures);
    profileChosen();

    QStringList unwritten;
    for (const StoreFailure &failure : failures)
        unwritten << QFile::decodeName(QByteArray::fromStdString(failure.path));
    return unwritten;
}

void MainWindow::endApplication()
{
    closing_ = true;
    watchTimer_->stop();
    endProgram();
}

void MainWindow::reportSaveFailures(const std::vector<StoreFailure> &failures)
{
    if (failures.empty())
        return;
    QString details = QStringLiteral("These files could not be written:");
    for (const StoreFailure &failure : failures)
        details += crLf + QFile::decodeName(QByteArray::fromStdString(failure.path));
    if (!store().hasUnsavedChanges())
        details += crLf + crLf
            + QStringLiteral(
                "Nothing in them has changed since they were read: no record is lost.");
    const StoreFailure &first = failures.front();
    showError(installation_, AppError(first.number, QString::fromStdString(first.description)),
        QStringLiteral("saving the databases"), details);
}

} // namespace vantorelle
