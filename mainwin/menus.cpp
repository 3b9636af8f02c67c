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

const MainWindow::ProfileDialog MainWindow::exportDialog {"exporting records", "Unable to Export",
    "No record was selected.  Please select a record to export."};
const MainWindow::ProfileDialog MainWindow::importDialog {"importing records", "Unable to Import",
    "No profile was selected.  Please select a profile before importing."};

bool MainWindow::refusesProfileDialog(const ProfileDialog &dialog)
{
    if (profileSelector_->count() == 0) {
        tellNoProfileYet(QString::fromLatin1(dialog.title));
        return true;
    }
    if (profileSelector_->currentText().isEmpty()) {
        prompter().ask(QString::fromLatin1(dialog.title), QString::fromLatin1(dialog.noProfile));
        return true;
    }
    return false;
}

void MainWindow::showProfileDialog(
    const ProfileDialog &dialog, const std::function<void(QWidget *, const QString &)> &show)
{
    runTrapped(installation_, QString::fromLatin1(dialog.operation), [&] {
        const QString profile = profileSelector_->currentText();
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

void MainWindow::connectMenuCommands(std::initializer_list<MenuCommand> commands)
{
    for (const MenuCommand &command : commands) {
        connectCommand(command.action, [this, command] {
            if (command.refused && (this->*command.refused)())
                return;
            if (command.editedRecord == EditedRecord::AskFirst && goBackToEditing())
                return;
            (this->*command.run)();
        });
    }
}

void MainWindow::connectMenus()
{
    using enum EditedRecord;
    // Save All, import, export and both prints end the editing; the exit's
    // close asks on its own.
    connectMenuCommands({
        {saveAllAction_, &MainWindow::saveAllTables, AskFirst, &MainWindow::keepsFilesOnDisk},
        {importAction_, &MainWindow::importRecords, AskFirst, &MainWindow::refusesImport},
        {exportAction_, &MainWindow::exportRecords, AskFirst, &MainWindow::refusesExport},
        {graphAction_, &MainWindow::showGraph, Kept},
        {printAction_, &MainWindow::printProfile, AskFirst, &MainWindow::refusesProfileReport},
        {printMastersAction_, &MainWindow::printMasterLists, AskFirst},
        {exitAction_, &MainWindow::exitProgram, Kept},
        {newProfileAction_, &MainWindow::addNewProfile, Kept},
        {preferencesAction_, &MainWindow::editPreferences, Kept},
        {passwordAction_, &MainWindow::changePassword, Kept},
        {helpFileAction_, &MainWindow::openHelpFile, Kept},
        {aboutAction_, &MainWindow::showAbout, Kept},
        {websiteAction_, &MainWindow::openWebsite, Kept},
        {downloadUpdateAction_, &MainWindow::openDownloadPage, Kept},
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
    showProfileDialog(exportDialog, secondaryWindows_.exportData);
}

void MainWindow::importRecords()
{
    showProfileDialog(importDialog, secondaryWindows_.importData);
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

// Without a profile the editor stays where it is, waiting for the first one.
bool MainWindow::refusesProfileReport()
{
    if (currentProfile())
        return false;
    tellNoProfileYet(QStringLiteral("Unable to Print Profile"));
    return true;
}

void MainWindow::printProfile()
{
    runTrapped(installation_, QStringLiteral("printing"), [this] {
        if (secondaryWindows_.printProfile)
            secondaryWindows_.printProfile();
        if (!closing())
            leaveEditing();
    });
}

void MainWindow::printMasterLists()
{
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
