#pragma once

#include "dialogs/about_window.h"
#include "dialogs/password_window.h"
#include "dialogs/preferences_dialog.h"
#include "dialogs/set_password_window.h"
#include "settings/installation.h"
#include "settings/preferences.h"
#include "store/store.h"
#include "support/fake_prompter.h"
#include "support/fake_registry.h"
#include "support/temporary_install.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>

namespace vantorelle {

// The small windows on the records of tests/data/basic, each opened by its name.
class DialogWindows : public ::testing::Test {
protected:
    void SetUp() override
    {
        copyTree(QFileInfo(QStringLiteral(__FILE__)).absoluteDir().filePath("../data/basic") + "/",
            dir_.path());
        ASSERT_TRUE(store_.load().empty());
    }

    // "Preferences", "Password", "ChangePassword" or "About".
    std::unique_ptr<QWidget> open(std::string_view window)
    {
        if (window == "Preferences")
            return std::make_unique<PreferencesDialog>(store_, preferences_, installation_);
        if (window == "Password")
            return std::make_unique<PasswordWindow>();
        if (window == "ChangePassword")
            return std::make_unique<SetPasswordWindow>(
                QString(), [](const std::string &, const std::string &, const std::string &) {});
        if (window == "About")
            return std::make_unique<AboutWindow>(installation_);
        ADD_FAILURE() << "no window " << window;
        return std::make_unique<QWidget>();
    }

    FakePrompter prompter;
    FakeRegistry registry;

private:
    QTemporaryDir dir_;
    Store store_ {dir_.path().toStdString()};
    Preferences preferences_;
    const Installation installation_;
};

} // namespace vantorelle
