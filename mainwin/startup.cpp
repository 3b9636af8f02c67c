#include "mainwin/main_window.h"

#include "mainwin/error_trap.h"
#include "mainwin/picker_date_format.h"
#include "mainwin/record_editor_hooks.h"
#include "mainwin/topics.h"
#include "platform/cp1252.h"
#include "platform/instance_guard.h"
#include "platform/paths.h"
#include "platform/prompter.h"
#include "settings/error_box_and_logs.h"
#include "settings/first_run_configuration.h"
#include "settings/form_placement.h"
#include "settings/handheld_setup.h"
#include "settings/ini_access.h"
#include "settings/password_window.h"
#include "settings/settings_globals.h"
#include "settings/splash_window.h"
#include "store/preference_globals.h"
#include "store/store.h"

#include <QApplication>
#include <QFile>
#include <QLayout>

namespace {

constexpr int twipsPerPixel = 15;

const QString loading = QStringLiteral("loading");

} // namespace

bool Main::Form_Load()
{
    instanceGuard_ = std::make_unique<InstanceGuard>(instanceLockPath);
    if (!instanceGuard_->acquire()) {
        prompter().ask(QStringLiteral("Already Running"),
                       QStringLiteral("Vantorelle is already running"), Prompter::OkOnly,
                       Prompter::Exclamation);
        return false;
    }

    AppPath = withFinalSlash(paths().programFolder());
    config_registry([](const QString &type) { setup_install_type(type); });

    auto splash = std::make_unique<frmSplash>();
    splash->Timer1->setInterval(splashMilliseconds);
    splash->show();
    QApplication::processEvents();

    TrackEdits = false;
    HotsyncDetected = false;
    DataRetrieved = 0;
    IniFile = DataPath + QStringLiteral("vantorelleplus.ini");
    BackupPath = ReadIni(QStringLiteral("Main"), QStringLiteral("BackupPath"),
                         DataPath + QStringLiteral("Backup/"), IniFile);

    // Items for handheld kinds this installation does not serve.
    if (InstallType != QLatin1String("WM")) {
        mnuTransfer->setVisible(false);
        mnuRetrieve->setVisible(false);
    }
    if (InstallType == QLatin1String("Win")) {
        mnuReinstallHH->setVisible(false);
        mnuSep4->setVisible(false);
    }
    HelpFile = AppPath + QStringLiteral("Vantorelle Help.chm");

    // Without the preferences there is no telling whether a password guards
    // the data: the program cannot go on.
    bool loaded = false;
    if (!runTrapped(loading, [&] { loaded = loadTables(); }) || !loaded)
        return false;

    const bool prepared = runTrapped(loading, [&] { prepareWindow(*splash); });
    splash.reset();

    if (!passwordGate())
        return false;
    if (prepared)
        runTrapped(loading, [&] { showFirstTopic(); });
    return true;
}

bool Main::loadTables()
{
    store_ = std::make_unique<Store>(QFile::encodeName(DataPath).toStdString());
    const std::vector<StoreFailure> failures = store_->load();
    for (const StoreFailure &failure : failures)
        showStoreFailure(failure);
    if (!failures.empty() && failures.back().fatal) {
        store_.reset(); // nothing of this run may be written back
        return false;
    }
    StoredPassword = Cp1252::toUnicode(preferenceGlobals().StoredPassword);
    applyDatePreferenceToPickers(preferenceGlobals());
    ProfileFilter = QStringLiteral("STATUS <> '0x0002'");
    return true;
}

void Main::prepareWindow(frmSplash &splash)
{
    {
        const QSignalBlocker blocker(lstTopics);
        lstTopics->clear();
        for (std::string_view name : TopicNames)
            lstTopics->addItem(QString::fromLatin1(name.data(), qsizetype(name.size())));
    }
    if (editorHooks_)
        editorHooks_->fillFixedLists();

    ShowRecords();
    FillMasterLists();
    if (store().dsMainID().recordCount() > 0) {
        cboProfiles_Click();
    } else {
        frmViewer->lower();
        cmdNew_Click();
    }
    TrackEdits = true;

    splash.waitUntilExpired();
    splash.close();

    // The size the window was laid out at, for the record of its placement.
    cmdNewSave->show();
    cmdNewCancel->show();
    if (layout())
        layout()->activate();
    BaseWidth = centralWidget()->width() * twipsPerPixel;
    BaseHeight = centralWidget()->height() * twipsPerPixel;

    ChangeMode(QString());
    if (store().dsMainID().recordCount() == 0)
        cmdNew_Click();
    Timer1->start();
    RestoreFormPlacement(this);
    cmdNewSave->hide();
    cmdNewCancel->hide();
    if (editorHooks_)
        editorHooks_->setTextLimits();
}

bool Main::passwordGate()
{
    if (StoredPassword.isEmpty())
        return true;
    TypedPassword.clear();
    frmPassword(this).exec();
    if (TypedPassword == StoredPassword)
        return true;
    MsgResult = qint16(prompter().ask(QStringLiteral("Password Incorrect"),
                                      QStringLiteral("Password incorrect. Try again.")));
    frmPassword(this).exec();
    if (TypedPassword == StoredPassword)
        return true;
    MsgResult = qint16(
        prompter().ask(QStringLiteral("Password Incorrect"), QStringLiteral("Password incorrect.")));
    return false;
}

void Main::showFirstTopic()
{
    if (store().dsMainID().recordCount() == 0) {
        // The editor waits in Add mode for the first profile.
        cmdNew_Click();
        cmdEdit_Click();
        ChangeMode(QStringLiteral("Add"));
    }
    if (editorHooks_)
        editorHooks_->addEmptyBloodType();
    {
        const QSignalBlocker blocker(lstTopics);
        lstTopics->setCurrentRow(0);
    }
    lstTopics_Click();
}
