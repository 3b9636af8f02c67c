#include <gtest/gtest.h>

#include "dialogs/password_window.h"
#include "dialogs/preferences_dialog.h"
#include "dialogs/set_password_window.h"
#include "settings/installation.h"
#include "settings/preferences.h"
#include "store/store.h"
#include "support/accessible_names.h"
#include "support/fake_prompter.h"
#include "support/find_control.h"
#include "support/temporary_install.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

using namespace vantorelle;

// A screen reader meets the boxes and lists of the preferences and password
// windows by the captions beside them.
TEST(DialogNames, EveryControlIsNamedByItsCaption)
{
    QTemporaryDir dir;
    copyTree(QFileInfo(QStringLiteral(__FILE__)).absoluteDir().filePath("../data/basic") + "/",
        dir.path());
    Store store(dir.path().toStdString());
    ASSERT_TRUE(store.load().empty());
    Preferences preferences;
    const Installation installation;
    FakePrompter prompter;
    const struct {
        const char *window;
        std::function<std::unique_ptr<QWidget>()> open;
        std::vector<std::pair<const char *, const char *>> named;
    } windows[] = {
        {"Preferences",
            [&] { return std::make_unique<PreferencesDialog>(store, preferences, installation); },
            {{"txtCurrency", "Currency Symbol:"}, {"cboDateFmt", "Date Format:"},
                {"cboDateSep", "Separator:"}, {"cboGlucose", "Glucose Units:"}}},
        {"Password", [] { return std::make_unique<PasswordWindow>(); },
            {{"txtPassword", "Password:"}}},
        {"ChangePassword",
            [] {
                return std::make_unique<SetPasswordWindow>(QString(),
                    [](const std::string &, const std::string &, const std::string &) {});
            },
            {}},
    };
    for (const auto &w : windows) {
        SCOPED_TRACE(w.window);
        const std::unique_ptr<QWidget> window = w.open();
        EXPECT_GT(expectNamedByCaptions(*window), 0u);
        for (const auto &[name, caption] : w.named)
            expectNamed(findControl<QWidget>(*window, name), QString::fromLatin1(caption));
    }
}
