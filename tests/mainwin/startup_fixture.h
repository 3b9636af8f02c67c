#pragma once

#include <gtest/gtest.h>

#include "mainwin/main_window.h"
#include "mainwin/record_editor_hooks.h"
#include "store/clock.h"
#include "support/fake_prompter.h"
#include "support/fake_registry.h"
#include "support/fake_window_finder.h"
#include "support/find_control.h"

// The main window's controls, which the tests find by name.
#include "support/temporary_install.h"
#include "widgets/rich_text_view.h"
#include <QAction>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QStatusBar>
#include <QTableWidget>
#include <QTimer>

#include <QTimer>

#include <functional>
#include <memory>

namespace vantorelle {

// Stands in for the record editor: notes each call, and each mode the main
// window's edit state enters ("mode(Add)"). Cancel returns to normal mode,
// as the editor's does.
class FakeEditor : public RecordEditorHooks {
public:
    void clearPanel(Topic topic) override;
    void showPanel(Topic topic) override;
    void newProfile() override { calls << "newProfile"; }
    void addRecord() override { calls << "addRecord"; }
    void editRecord() override { calls << "editRecord"; }
    void saveRecord() override { calls << "saveRecord"; }
    void cancelEditing() override;
    void setTextLimits() override { calls << "setTextLimits"; }

    // Follows the edit state of `main`.
    void follow(MainWindow &main);

    MainWindow *main = nullptr;
    QStringList calls;
    bool failClearing = false; // throws a table error from clearPanel
};

// A temporary home with the program's templates, the registry, message boxes
// and clock faked, and one MainWindow started on it.
class StartupFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Registers `folder` as the data folder of an unchanged installation of `type`.
    void registerDataFolder(const QString &folder, const QString &type = QStringLiteral("Win"));
    // A data folder made from the templates, registered, without a profile.
    QString dataFolderWithoutProfile();
    // The same with one profile.
    QString dataFolderWithProfile();
    // Stores `password` in the preferences of `folder`.
    static void storePassword(const QString &folder, const QString &password);

    // Makes a MainWindow and runs its load step.
    bool start();
    // Makes the MainWindow only, for a test to connect it before its load step.
    void makeMain();
    // Answers the password prompts to come with these texts, in order.
    void typePasswords(const QStringList &passwords);

    // The bytes of every table file of `folder`, by name.
    static QMap<QString, QByteArray> tableFiles(const QString &folder);
    // The titles of the message boxes shown so far.
    QStringList boxTitles() const;

    // Runs the event loop, as the program does, with `first` called from it,
    // until the program ends; returns the exit code. A run that never ends
    // fails the test with 99.
    static int runProgram(const std::function<void()> &first);

    // The control named `name` in the main window.
    template<typename Control> Control *control(const char *name) const
    {
        return findControl<Control>(*main, name);
    }

    TemporaryInstall install;
    FakeRegistry registry;
    FakePrompter prompter;
    // The watch of the main window looks here, not on the X server the tests share.
    FakeWindowFinder windowFinder;
    FixedClock clock {{2026, 3, 7, 9, 5, 0}};
    FakeEditor editor;
    std::unique_ptr<MainWindow> main;

private:
    QStringList passwords_;
    std::unique_ptr<QTimer> passwordTimer_;
};

} // namespace vantorelle
