#include "mainwin/main_window.h"

#include "mainwin/error_trap.h"
#include "mainwin/picker_date_format.h"
#include "platform/prompter.h"
#include "settings/about_window.h"
#include "settings/preferences_dialog.h"
#include "settings/set_password_window.h"
#include "settings/settings_globals.h"
#include "settings/shell_helpers.h"
#include "settings/support_info.h"
#include "store/preference_globals.h"
#include "store/store.h"

#include <QDesktopServices>
#include <QUrl>

namespace {

// What the export and import commands say when no profile is chosen.
struct ProfileDialog {
    const char *operation;
    const char *title;
    const char *noProfile;
};

constexpr ProfileDialog exportDialog {"exporting records", "Unable to Export",
    "No record was selected.  Please select a record to export."};
constexpr ProfileDialog importDialog {"importing records", "Unable to Import",
    "No profile was selected.  Please select a profile before importing."};

// Export and import: only for a chosen profile; afterwards the editor is back
// in normal mode and the selector shows the profile it showed before.
void showProfileDialog(Main &main, const ProfileDialog &dialog,
    const std::function<void(QWidget *, const QString &)> &show)
{
    runTrapped(QString::fromLatin1(dialog.operation), [&] {
        if (main.cboProfiles->count() == 0)
            return;
        const QString profile = main.cboProfiles->currentText();
        if (profile.isEmpty()) {
            MsgResult = qint16(prompter().ask(
                QString::fromLatin1(dialog.title), QString::fromLatin1(dialog.noProfile)));
            return;
        }
        main.TrackEdits = false;
        if (show)
            show(&main, profile);
        if (main.closing())
            return;
        main.ChangeMode(QStringLiteral("Clear"));
        main.ModeText.clear();
        main.TrackEdits = true;
        main.cboProfiles->setCurrentText(profile);
    });
}

} // namespace

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
    connect(mnuSaveAll, &QAction::triggered, this, [this] { mnuSaveAll_Click(); });
    for (std::size_t i = 0; i < mnuEditMaster.size(); ++i)
        connect(mnuEditMaster[i], &QAction::triggered, this,
            [this, i] { mnuEditMaster_Click(qint16(i)); });
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
    cmdNew_Click();
}

void Main::mnuEditMaster_Click(qint16 Index)
{
    if (!secondaryWindows.editMaster)
        return;
    secondaryWindows.editMaster(Index);
    if (!closing())
        FillMasterLists();
}

void Main::mnuExit_Click()
{
    close();
}

void Main::mnuExport_Click()
{
    showProfileDialog(*this, exportDialog, secondaryWindows.exportData);
}

void Main::mnuImport_Click()
{
    showProfileDialog(*this, importDialog, secondaryWindows.importData);
}

void Main::mnuGraph_Click()
{
    if (secondaryWindows.graph)
        secondaryWindows.graph();
}

void Main::mnuPrint_Click()
{
    runTrapped(QStringLiteral("printing"), [this] {
        if (secondaryWindows.printProfile)
            secondaryWindows.printProfile();
        if (!closing())
            ChangeMode(QStringLiteral("Clear"));
    });
}

void Main::mnuPrintMaster_Click()
{
    runTrapped(QStringLiteral("printing master lists"), [this] {
        if (secondaryWindows.printMasterLists)
            secondaryWindows.printMasterLists();
        if (!closing())
            ChangeMode(QStringLiteral("Clear"));
    });
}

void Main::mnuPrefs_Click()
{
    runTrapped(QStringLiteral("loading the preferences dialog"), [this] {
        frmPreferences dialog(store());
        if (dialog.exec() == QDialog::Accepted)
            applyDatePreferenceToPickers(preferenceGlobals());
    });
}

void Main::mnuPassword_Click()
{
    frmSetPassword dialog(setPrefFunction());
    dialog.exec();
}

void Main::mnuManual_Click()
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(HelpFile));
}

void Main::mnuAbout_Click()
{
    frmAbout dialog(this);
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
