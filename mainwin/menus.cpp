#include "mainwin/main_window.h"

#include "mainwin/record_editor_hooks.h"
#include "platform/prompter.h"
#include "settings/about_window.h"
#include "settings/error_trap.h"
#include "settings/preferences_dialog.h"
#include "settings/set_password_window.h"
#include "settings/shell_helpers.h"
#include "settings/support_info.h"
#include "store/store.h"

#include <QAction>
#include <QComboBox>
#include <QDesktopServices>
#include <QMenu>
#include <QUrl>

namespace {

} // namespace

void Main::showProfileDialog(
    const ProfileDialog &dialog, const std::function<void(QWidget *, const QString &)> &show)
{
    runTrapped(installation_, QString::fromLatin1(dialog.operation), [&] {
        if (cboProfiles->count() == 0)
            return;
        const QString profile = cboProfiles->currentText();
        if (profile.isEmpty()) {
            prompter().ask(
                QString::fromLatin1(dialog.title), QString::fromLatin1(dialog.noProfile));
            return;
        }
        {
            const EditState::Untracked untracked(editState_);
            if (show)
                show(this, profile);
            if (closing())
                return;
            editState_.setMode(EditMode::Normal);
        }
        cboProfiles->setCurrentText(profile);
    });
}

void Main::connectMenus()
{
    const std::pair<QAction *, void (Main::*)()> handlers[] = {
        {mnuImport, &Main::mnuImport_Click},
        {mnuExport, &Main::mnuExport_Click},
        {mnuGraph, &Main::mnuGraph_Click},
        {mnuPrint, &Main::mnuPrint_Click},
        {mnuPrintMaster, &Main::mnuPrintMaster_Click},
        {mnuExit, &Main::mnuExit_Click},
        {mnuAddNew, &Main::mnuAddNew_Click},
        {mnuPrefs, &Main::mnuPrefs_Click},
        {mnuPassword, &Main::mnuPassword_Click},
        {mnuManual, &Main::mnuManual_Click},
        {mnuAbout, &Main::mnuAbout_Click},
        {mnuWebsite, &Main::mnuWebsite_Click},
        {mnuDnldUpdate, &Main::mnuDnldUpdate_Click},
    };
    for (const auto &[action, handler] : handlers)
        connect(action, &QAction::triggered, this, handler);
    connect(mnuSaveAll, &QAction::triggered, this, [this] { saveAll(); });
    for (std::size_t i = 0; i < mnuEditMaster.size(); ++i)
        connect(mnuEditMaster[i], &QAction::triggered, this, [this, i] { editMasterList(int(i)); });
}

void Main::setEditMenuEnabled(bool enabled)
{
    // A disabled menu leaves its actions' shortcuts working: each action goes too.
    mnuEdit->setEnabled(enabled);
    for (QAction *action : mnuEdit->actions())
        action->setEnabled(enabled);
}

void Main::mnuAddNew_Click()
{
    if (editorHooks_)
        editorHooks_->newProfile();
}

void Main::mnuExit_Click()
{
    close();
}

void Main::mnuExport_Click()
{
    showProfileDialog({"exporting records", "Unable to Export",
                          "No record was selected.  Please select a record to export."},
        secondaryWindows_.exportData);
}

void Main::mnuImport_Click()
{
    showProfileDialog({"importing records", "Unable to Import",
                          "No profile was selected.  Please select a profile before importing."},
        secondaryWindows_.importData);
}

void Main::mnuGraph_Click()
{
    if (secondaryWindows_.graph)
        secondaryWindows_.graph();
}

void Main::mnuPrint_Click()
{
    runTrapped(installation_, QStringLiteral("printing"), [this] {
        if (secondaryWindows_.printProfile)
            secondaryWindows_.printProfile();
        if (!closing())
            editState_.setMode(EditMode::Normal);
    });
}

void Main::mnuPrintMaster_Click()
{
    runTrapped(installation_, QStringLiteral("printing master lists"), [this] {
        if (secondaryWindows_.printMasterLists)
            secondaryWindows_.printMasterLists();
        if (!closing())
            editState_.setMode(EditMode::Normal);
    });
}

void Main::mnuPrefs_Click()
{
    runTrapped(installation_, QStringLiteral("loading the preferences dialog"), [this] {
        frmPreferences dialog(store(), preferences_, installation_);
        dialog.exec();
    });
}

void Main::mnuPassword_Click()
{
    frmSetPassword dialog(preferences_.password(), setPrefFunction());
    dialog.exec();
}

void Main::mnuManual_Click()
{
    QDesktopServices::openUrl(
        QUrl::fromLocalFile(installation_.programFolder + QStringLiteral("Vantorelle Help.chm")));
}

void Main::mnuAbout_Click()
{
    frmAbout dialog(installation_, this);
    dialog.exec();
}

void Main::mnuWebsite_Click()
{
    OpenWebPage(QString::fromLatin1(SupportInfo::productPage));
}

void Main::mnuDnldUpdate_Click()
{
    OpenWebPage(QString::fromLatin1(SupportInfo::downloadPage));
}

std::function<void(const std::string &, const std::string &, const std::string &)>
Main::setPrefFunction()
{
    return [this](const std::string &key, const std::string &previous, const std::string &value) {
        store().SetPref(key, previous, value);
    };
}
