#include <gtest/gtest.h>

#include "dialogs/about_window.h"
#include "dialogs/password_window.h"
#include "dialogs/preferences_dialog.h"
#include "dialogs/set_password_window.h"
#include "settings/installation.h"
#include "settings/preferences.h"
#include "store/store.h"
#include "support/fake_prompter.h"
#include "support/fake_registry.h"
#include "support/find_control.h"
#include "support/tab_walk.h"
#include "support/temporary_install.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <functional>
#include <memory>
#include <string>
#include <vector>

using namespace vantorelle;

// Tab goes through each window's controls as a person reads them, from the
// control named first round to it again, and Shift+Tab the same way back.
TEST(DialogTabOrder, TabGoesThroughEachWindowAsItIsRead)
{
    QTemporaryDir dir;
    copyTree(QFileInfo(QStringLiteral(__FILE__)).absoluteDir().filePath("../data/basic") + "/",
        dir.path());
    Store store(dir.path().toStdString());
    ASSERT_TRUE(store.load().empty());
    Preferences preferences;
    const Installation installation;
    FakePrompter prompter;
    FakeRegistry registry;
    const struct {
        const char *window;
        std::function<std::unique_ptr<QWidget>()> open;
        const char *first;
        std::vector<const char *> order;
    } windows[] = {
        {"Preferences",
            [&] { return std::make_unique<PreferencesDialog>(store, preferences, installation); },
            "chkDelete",
            {"Confirm delete operations (handhelds only)",
                "Backup databases on hotsync (Palm OS handhelds only)", "Currency Symbol:",
                "Date Format:", "Separator:", "Glucose Units:", "OK", "Cancel"}},
        {"Password", [] { return std::make_unique<PasswordWindow>(); }, "txtPassword",
            {"Password:", "OK"}},
        {"ChangePassword",
            [] {
                return std::make_unique<SetPasswordWindow>(QString(),
                    [](const std::string &, const std::string &, const std::string &) {});
            },
            "txtCurrPW", {"Current Password:", "New Password:", "Retype Password:", "OK"}},
        {"About", [&] { return std::make_unique<AboutWindow>(installation); }, "txtInfo",
            {"[txtInfo]", "OK"}},
    };
    for (const auto &w : windows) {
        SCOPED_TRACE(w.window);
        const std::unique_ptr<QWidget> window = w.open();
        expectTabOrder(*window, w.first, w.order);
    }
}
