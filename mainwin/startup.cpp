#include "mainwin/main_window.h"

#include "backup/backup_restore.h"
#include "dialogs/password_window.h"
#include "dialogs/splash_window.h"
#include "handheld/handheld_setup.h"
#include "mainwin/record_editor_hooks.h"
#include "platform/file_access.h"
#include "platform/instance_guard.h"
#include "platform/paths.h"
#include "platform/prompter.h"
#include "settings/error_box_and_logs.h"
#include "settings/error_trap.h"
#include "settings/first_run_configuration.h"
#include "settings/window_placement.h"
#include "store/store.h"
#include "store/topics.h"
#include "text/cp1252.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFrame>
#include <QLayout>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QTimer>

namespace vantorelle {

namespace {

const QString loading = QStringLiteral("loading");

} // namespace

bool MainWindow::load()
{
    instanceGuard_ = std::make_unique<InstanceGuard>(instanceLockPath_);
    if (!instanceGuard_->acquire()) {
        prompter().ask(QStringLiteral("Already Running"),
            QStringLiteral("Vantorelle is already running"), Prompter::OkOnly,
            Prompter::Exclamation);
        return false;
    }

    std::optional<Installation> configured = configureInstallation(
        withFinalSlash(paths().programFolder()), [](Installation &installation) {
            const SetupOutcome outcome = setUpHandheld(installation);
            return outcome == SetupOutcome::Done || outcome == SetupOutcome::Cancelled;
        });
    if (!configured)
        return false; // the data folder cannot be read: nothing may be written
    installation_ = std::move(*configured);
    // From here on the end of the session (endSession) closes the box or
    // prompt open at the time, and the start-up stops after that step,
    // writing nothing.
    startup_ = Startup::Loading;

    auto splash = std::make_unique<SplashWindow>();
    splash->setShowTime(splashMilliseconds_);
    splash->show();
    QApplication::processEvents();

    editState_.setTracking(false);
    hotsyncDetected_ = false;
    backupFolder_ = readBackupFolder(installation_);

    // Items for handheld kinds this installation does not serve.
    if (installation_.platform != Platform::WindowsMobile) {
        transferAction_->setVisible(false);
        retrieveAction_->setVisible(false);
    }
    if (installation_.platform == Platform::WindowsOnly) {
        reinstallAction_->setVisible(false);
        reinstallSeparator_->setVisible(false);
    }

    // Without the preferences there is no telling whether a password guards
    // the data: the program cannot go on.
    bool loaded = false;
    if (!runTrapped(installation_, loading, [&] { loaded = loadTables(); }) || !loaded || closing_)
        return false;

    const bool prepared = runTrapped(installation_, loading, [&] { prepareWindow(*splash); });
    splash.reset();

    if (closing_ || !passwordGate())
        return false;
    tellIfDataFolderReadOnly();
    if (prepared)
        runTrapped(installation_, loading, [&] { showFirstTopic(); });
    if (closing_)
        return false;
    // The window is ready: from here on the user's changes count as edits,
    // also when a step above failed before it turned that on.
    editState_.setTracking(true);
    followPreferences();
    startup_ = Startup::Done;
    return true;
}

bool MainWindow::loadTables()
{
    store_ = std::make_unique<Store>(QFile::encodeName(installation_.dataFolder).toStdString());
    const std::vector<StoreFailure> failures = store_->load();
    for (const StoreFailure &failure : failures)
        showStoreFailure(installation_, failure);
    if (!failures.empty() && failures.back().fatal) {
        store_.reset(); // nothing of this run may be written back
        return false;
    }
    preferences_.load(store_->loadedPreferences());
    return true;
}

void MainWindow::prepareWindow(SplashWindow &splash)
{
    {
        const QSignalBlocker blocker(topicList_);
        topicList_->clear();
        for (const TopicName &topic : topicNames)
            topicList_->addItem(
                QString::fromLatin1(topic.name.data(), qsizetype(topic.name.size())));
    }
    // Every topic name shows whole, none scrolled out of sight.
    topicList_->setMinimumHeight(
        topicList_->sizeHintForRow(0) * topicList_->count() + 2 * topicList_->frameWidth());
    showRecords();
    fillMasterLists();
    if (store().table(TableId::MainID).recordCount() > 0) {
        profileChosen();
    } else {
        viewerFrame_->lower();
        if (editorHooks_)
            editorHooks_->newProfile();
    }
    editState_.setTracking(true);

    splash.waitUntilExpired();
    splash.close();

    // Laid out once with the record-save frame in place, as the editor shows it.
    saveButton_->show();
    cancelButton_->show();
    if (layout())
        layout()->activate();

    editState_.setMode(EditMode::Normal);
    if (store().table(TableId::MainID).recordCount() == 0 && editorHooks_)
        editorHooks_->newProfile();
    watchTimer_->start();
    // The first size shows the largest entry panel whole, where the screen has room.
    QSize first = size().expandedTo(sizeHint());
    if (const QScreen *shown = screen())
        first = first.boundedTo(shown->availableGeometry().size() - (frameSize() - size()));
    resize(first);
    restoreWindowPlacement(this, installation_.settingsFile());
    saveButton_->hide();
    cancelButton_->hide();
    if (editorHooks_)
        editorHooks_->setTextLimits();
}

// Said once, before the user makes changes that Save All could only lose.
void MainWindow::tellIfDataFolderReadOnly()
{
    const int error = folderWriteError(installation_.dataFolder);
    if (error == 0)
        return;
    prompter().ask(QStringLiteral("Data Folder Not Writable"),
        QStringLiteral("The data folder ") + installation_.dataFolder
            + QStringLiteral(" cannot be written: ") + systemErrorText(error) + QLatin1Char('.')
            + QStringLiteral("\r\n\r\n")
            + QStringLiteral("The records can be read, but no change can be saved until the folder "
                             "can be written."),
        Prompter::OkOnly, Prompter::Exclamation);
}

bool MainWindow::passwordGate()
{
    const QString &password = preferences_.password();
    if (password.isEmpty())
        return true;
    // Two tries. A prompt closed without OK leaves what was typed at the try
    // before. A prompt or box that the end of the session closed ends the gate.
    QString typed;
    for (const char *refusal : {"Password incorrect. Try again.", "Password incorrect."}) {
        if (closing_)
            return false;
        PasswordWindow prompt(this);
        if (prompt.exec() == QDialog::Accepted)
            typed = prompt.typedPassword();
        if (closing_)
            return false;
        if (typed == password)
            return true;
        prompter().ask(QStringLiteral("Password Incorrect"), QString::fromLatin1(refusal));
    }
    return false;
}

void MainWindow::showFirstTopic()
{
    if (store().table(TableId::MainID).recordCount() == 0) {
        // The editor waits in Add mode for the first profile.
        if (editorHooks_) {
            editorHooks_->newProfile();
            editorHooks_->editRecord();
        }
        editState_.setMode(EditMode::Add);
    }
    {
        const QSignalBlocker blocker(topicList_);
        topicList_->setCurrentRow(0);
    }
    topicChosen();
}

} // namespace vantorelle
