#include "mainwin/main_window.h"

#include "platform/app_error.h"
#include "platform/prompter.h"
#include "platform/session_end_watch.h"
#include "settings/error_box_and_logs.h"
#include "settings/error_trap.h"
#include "settings/window_placement.h"
#include "store/store.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QPushButton>
#include <QTimer>

#include <cstdlib>

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
    // A close forced by a running synchronisation or by the end of the
    // session cannot wait for the user.
    if (!hotsyncDetected_ && !sessionEnded_ && goBackToEditing()) {
        cancel = true;
        return;
    }
    if (sessionEnded_ && saveButton_->isVisibleTo(this)) {
        const std::optional<Topic> topic = currentTopic();
        const QString typed = editState_.mode() == EditMode::Add || !topic
            ? QStringLiteral("a new profile")
            : QStringLiteral("a record of ") + QLatin1String(topicName(*topic));
        logError(installation_,
            QStringLiteral("The program was ended by %1 while %2 was being entered; "
                           "what was typed was not saved.")
                .arg(SessionEndWatch::signalName(sessionSignal_), typed));
    }
    closing_ = true;

    SettingsFailure tellSettingsFailure;
    if (sessionEnded_)
        tellSettingsFailure = [this](const QString &message) { logError(installation_, message); };
    saveWindowPlacement(this, installation_.settingsFile(), tellSettingsFailure);
    watchTimer_->stop();
    beginLongOperation();
    // After a restore, a retrieval or a move the files on disk are the ones to keep.
    std::vector<StoreFailure> failures;
    if (hasStore() && !keepFilesOnExit_)
        failures = store().writeTables();
    endLongOperation();
    reportSaveFailures(failures);
    // Files that could not be written lose nothing unless they were to take
    // changes. Nobody is there to answer once the session has ended.
    if (!failures.empty() && store().hasUnsavedChanges() && !sessionEnded_) {
        const int answer = prompter().ask(QStringLiteral("Changes Not Saved"),
            QStringLiteral("Some of the files could not be written, and the changes made to "
                           "their records will be lost.")
                + crLf + crLf + QStringLiteral("Do you want to close anyway?"),
            Prompter::YesNo, Prompter::Exclamation, Prompter::SecondButton);
        // The session may have ended while the question waited: its box is gone.
        if (answer != Prompter::Yes && !sessionEnded_) {
            closing_ = false;
            watchTimer_->start();
            cancel = true;
            return;
        }
    }
    if (hasStore()) {
        for (const StoreFailure &failure : store().removeNearEmptyFiles())
            reportStoreFailure(failure);
    }

    if (hotsyncDetected_ && !sessionEnded_) {
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
    // Only No drops the record; a question the program ended (the session
    // ended, a synchronisation forces the close) keeps it, and the command
    // that asked does nothing.
    return answer != Prompter::No || closing_;
}

void MainWindow::endSession(int signalNumber)
{
    if (sessionEnded_)
        return;
    sessionEnded_ = true;
    sessionSignal_ = signalNumber;
    switch (startup_) {
    case Startup::Configuring:
        // A question of the configuration is open (the signal is read only
        // in an event loop). Closing it would record an answer nobody gave,
        // and nothing of this run is to be written: the program ends here,
        // where no file is being written; the next start takes over the
        // lock of a process that is gone.
        std::_Exit(EXIT_SUCCESS);
    case Startup::Loading:
        // The tables may be loaded only in part: nothing is written. The
        // prompt or box open now ends, and load() stops at its next step.
        closing_ = true;
        endProgram();
        return;
    case Startup::Done:
        break;
    }
    if (closing_) {
        // A close is on its way: it goes on without boxes, and the box it
        // waits on, or a window still open, ends.
        endProgram();
        return;
    }
    closeFromOutside();
}

QString MainWindow::sessionEndCause() const
{
    return sessionEnded_ ? SessionEndWatch::signalName(sessionSignal_) : QString();
}

void MainWindow::closeForHotsync()
{
    watchTimer_->stop();
    // A close already on its way, or waiting for a command, is the one.
    if (closing_ || sessionEnded_ || closeWaits_)
        return;
    hotsyncDetected_ = true;
    closeFromOutside();
}

void MainWindow::closeFromOutside()
{
    if (commandsAtWork_ > 0) {
        // Cut in the middle, a command would leave its work half done, or go
        // on after the close as if a question had been answered Yes.
        closeWaits_ = true;
        unanswered_.start();
        return;
    }
    runCloseFromOutside();
}

void MainWindow::commandEnded()
{
    if (--commandsAtWork_ > 0 || !closeWaits_)
        return;
    closeWaits_ = false;
    runCloseFromOutside();
}

void MainWindow::runCloseFromOutside()
{
    if (closing_) // the command ended the program itself
        return;
    if (sessionEnded_) {
        bool cancel = false;
        closeStep(cancel);
        return;
    }
    // A synchronisation: the person is there, and told why the program closes.
    unanswered_.stop();
    close();
}

void MainWindow::endProgram()
{
    // Every other window goes with the main one. Hiding a modal window ends
    // its event loop; the code after it sees closing() and stops.
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window != this && window->isVisible())
            window->hide();
    }
    unanswered_.stop();
    if (isVisible())
        QCoreApplication::quit();
}

QStringList MainWindow::saveAll()
{
    if (keepFilesOnExit_)
        return {};
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

void MainWindow::reportStoreFailure(const StoreFailure &failure)
{
    if (sessionEnded_)
        logStoreFailure(installation_, failure);
    else
        showStoreFailure(installation_, failure);
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
    const AppError error(first.number, QString::fromStdString(first.description));
    if (sessionEnded_)
        logError(installation_, error, QStringLiteral("saving the databases"), details);
    else
        showError(installation_, error, QStringLiteral("saving the databases"), details);
}

} // namespace vantorelle
