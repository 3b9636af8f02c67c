#include "mainwin/main_window.h"

#include "context/no_profile.h"
#include "dialogs/about_window.h"
#include "dialogs/preferences_dialog.h"
#include "dialogs/set_password_window.h"
#include "mainwin/record_editor_hooks.h"
#include "platform/prompter.h"
#include "platform/web_page.h"
#include "settings/app_info.h"
#include "settings/error_trap.h"
#include "settings/support_info.h"
#include "store/store.h"

#include <QAction>
#include <QComboBox>
#include <QDesktopServices>
#include <QMenu>
#include <QUrl>

namespace vantorelle {

void MainWindow::showProfileDialog(
    const ProfileDialog &dialog, const std::function<void(QWidget *, const QString &)> &show)
{
    runTrapped(installation_, QString::fromLatin1(dialog.operation), [&] {
        if (profileSelector_->count() == 0) {
            tellNoProfileYet(QString::fromLatin1(dialog.title));
            return;
        }
        const QString profile = profileSelector_->currentText();
        if (profile.isEmpty()) {
            prompter().ask(
                QString::fromLatin1(dialog.title), QString::fromLatin1(dialog.noProfile));
            return;
        }
        if (goBackToEditing())
            return;
        {
            const EditState::Untracked untracked(editState_);
            if (show)
                show(this, profile);
            if (closing())
                return;
            editState_.setMode(EditMode::Normal);
        }
        profileSelector_->setCurrentText(profile);
        // A panel being edited went back behind the viewer, and an import
        // added readings: the topic is shown again.
        showTopic();
    });
}

void MainWindow::connectMenus()
{
    const std::pair<QAction *, void (MainWindow::*)()> handlers[] = {
        {importAction_, &MainWindow::importRecords},
        {exportAction_, &MainWindow::exportRecords},
        {graphAction_, &MainWindow::showGraph},
        {printAction_, &MainWindow::printProfile},
        {printMastersAction_, &MainWindow::printMasterLists},
        {exitAction_, &MainWindow::exitProgram},
        {newProfileAction_, &MainWindow::addNewProfile},
        {preferencesAction_, &MainWindow::editPreferences},
        {passwordAction_, &MainWindow::changePassword},
        {helpFileAction_, &MainWindow::openHelpFile},
        {aboutAction_, &MainWindow::showAbout},
        {websiteAction_, &MainWindow::openWebsite},
        {downloadUpdateAction_, &MainWindow::openDownloadPage},
    };
    // After each command, and each window it opened, the keyboard is back in the window.
    for (const auto &[action, handler] : handlers)
        connectCommand(action, [this, handler = handler] { (this->*handler)(); });
    connectCommand(saveAllAction_, [this] {
        if (!goBackToEditing())
            saveAll();
    });
    for (std::size_t i = 0; i < editMasterActions_.size(); ++i)
        connect(editMasterActions_[i], &QAction::triggered, this,
            [this, i] { editMasterList(int(i)); });
}

void MainWindow::leaveEditing()
{
    const bool editing = editState_.editing();
    editState_.setMode(EditMode::Normal);
    // The panel went back behind the viewer: the topic comes to the front again.
    if (editing)
        showTopic();
}

void MainWindow::setEditMenuEnabled(bool enabled)
{
    // A disabled menu leaves its actions' shortcuts working: each action goes too.
    editMenu_->setEnabled(enabled);
    for (QAction *action : editMenu_->actions())
        action->setEnabled(enabled);
}

void MainWindow::addNewProfile()
{
    if (editorHooks_)
        editorHooks_->newProfile();
}

void MainWindow::exitProgram()
{
    close();
}

void MainWindow::exportRecords()
{
    showProfileDialog({"exporting records", "Unable to Export",
                          "No record was selected.  Please select a record to export."},
        secondaryWindows_.exportData);
}

void MainWindow::importRecords()
{
    showProfileDialog({"importing records", "Unable to Import",
                          "No profile was selected.  Please select a profile before importing."},
        secondaryWindows_.importData);
}

void MainWindow::showGraph()
{
    if (!currentProfile()) {
        tellNoProfileYet(QStringLiteral("Unable to Graph Data"));
        return;
    }
    if (secondaryWindows_.graph)
        secondaryWindows_.graph();
}

void MainWindow::printProfile()
{
    // Without a profile the editor stays where it is, waiting for the first one.
    if (!currentProfile()) {
        tellNoProfileYet(QStringLiteral("Unable to Print Profile"));
        return;
    }
    if (goBackToEditing())
        return;
    runTrapped(installation_, QStringLiteral("printing"), [this] {
        if (secondaryWindows_.printProfile)
            secondaryWindows_.printProfile();
        if (!closing())
            leaveEditing();
    });
}

void MainWindow::printMasterLists()
{
    if (goBackToEditing())
        return;
    runTrapped(installation_, QStringLiteral("printing master lists"), [this] {
        if (secondaryWindows_.printMasterLists)
            secondaryWindows_.printMasterLists();
        if (!closing())
            leaveEditing();
    });
}

void MainWindow::editPreferences()
{
    runTrapped(installation_, QStringLiteral("loading the preferences dialog"), [this] {
        PreferencesDialog dialog(store(), preferences_, installation_);
        dialog.exec();
    });
}

void MainWindow::changePassword()
{
    SetPasswordWindow dialog(preferences_.password(), setPrefFunction());
    dialog.exec();
}

void MainWindow::openHelpFile()
{
    QDesktopServices::openUrl(
        QUrl::fromLocalFile(installation_.programFolder + QStringLiteral("Vantorelle Help.chm")));
}

void MainWindow::showAbout()
{
    AboutWindow dialog(installation_, this);
    dialog.exec();
}

void MainWindow::openWebsite()
{
    openWebPage(QString::fromLatin1(SupportInfo::productPage), QString::fromUtf8(AppInfo::title));
}

void MainWindow::openDownloadPage()
{
    openWebPage(QString::fromLatin1(SupportInfo::downloadPage), QString::fromUtf8(AppInfo::title));
}

std::function<void(const std::string &, const std::string &, const std::string &)>
MainWindow::setPrefFunction()
{
    return [this](const std::string &key, const std::string &previous, const std::string &value) {
        store().setPreference(key, previous, value);
    };
}

} // namespace vantorelle
