#include "views_fixture.h"

#include "platform/app_error.h"
#include "store/topics.h"

#include <QApplication>
#include <QTest>

using namespace vantorelle;

namespace {

using MenusTest = ViewsFixture;

// The visible entries of a menu: caption and shortcut, "-" for a separator.
QStringList shown(const QMenu *menu)
{
    QStringList entries;
    for (const QAction *action : menu->actions()) {
        if (!action->isVisible())
            continue;
        if (action->isSeparator())
            entries << "-";
        else if (action->shortcut().isEmpty())
            entries << action->text();
        else
            entries << action->text() + " " + action->shortcut().toString();
    }
    return entries;
}

const QStringList fileStart = {"&Save All Ctrl+S", "-", "&Import Data... Ctrl+I",
    "&Export Data... Ctrl+E", "-", "&Backup Records... Ctrl+B", "&Restore Records...", "-"};
const QStringList fileEnd
    = {"&Graph Data... Ctrl+G", "-", "&Print Profile...", "Print &Master Lists...", "-", "E&xit"};

} // namespace

TEST_F(MenusTest, TheFileMenuShowsTheHandheldItemsOfThePlatform)
{
    const struct {
        const char *type;
        QStringList handheld;
    } cases[] = {
        {"Win", {}},
        {"WM",
            {"&Transfer PC Data to Handheld", "&Retrieve Data from Handheld",
                "Reinstall &Handheld Software", "-"}},
        {"Palm", {"Reinstall &Handheld Software", "-"}},
        {"BB", {"Reinstall &Handheld Software", "-"}},
    };
    for (const auto &c : cases) {
        ASSERT_TRUE(startOn("mainwin", c.type)) << c.type;
        EXPECT_EQ(shown(control<QMenu>("mnuFile")), fileStart + c.handheld + fileEnd) << c.type;
        main.reset();
    }
}

TEST_F(MenusTest, EditAndHelpMenus)
{
    ASSERT_TRUE(startOn());
    EXPECT_EQ(control<QMenu>("mnuFile")->title(), "&File");
    EXPECT_EQ(control<QMenu>("mnuEdit")->title(), "Edit");
    EXPECT_EQ(shown(control<QMenu>("mnuEdit")),
        QStringList({"Add &New Profile Ctrl+N", "-", "Edit Master Contacts List",
            "Edit Master Insurance List", "Edit Master Location List", "Edit Master Pharmacy List",
            "Edit Master Provider List", "Edit Master Provider Type List", "-", "Preferences...",
            "Change &Password..."}));
    EXPECT_EQ(control<QMenu>("mnuHelp")->title(), "Help");
    EXPECT_EQ(shown(control<QMenu>("mnuHelp")),
        QStringList(
            {"&Help File... Ctrl+H", "&About...", "-", "&Website...", "Download &Update..."}));
}

TEST_F(MenusTest, ADisabledEditMenuTakesItsShortcutsWithIt)
{
    ASSERT_TRUE(startOn());
    main->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
    editor.calls.clear();
    QTest::keyClick(main.get(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(editor.calls, QStringList({"newProfile"}));

    // Editing disables the Edit menu.
    main->editState().setMode(EditMode::Edit);
    for (const QAction *action : control<QMenu>("mnuEdit")->actions())
        EXPECT_FALSE(action->isEnabled()) << action->text().toStdString();
    editor.calls.clear();
    QTest::keyClick(main.get(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_TRUE(editor.calls.isEmpty());

    main->editState().setMode(EditMode::Normal);
    editor.calls.clear();
    control<QAction>("mnuAddNew")->trigger();
    EXPECT_EQ(editor.calls, QStringList({"newProfile"}));
}

TEST_F(MenusTest, ExportOpensItsDialogOnlyForAChosenProfile)
{
    ASSERT_TRUE(startOn());
    QStringList opened;
    SecondaryWindows windows;
    windows.exportData = [&](QWidget *owner, const QString &profile) {
        EXPECT_EQ(owner, main.get());
        EXPECT_FALSE(main->editState().tracking());
        opened << profile;
    };
    main->setSecondaryWindows(windows);
    control<QComboBox>("cboProfiles")->setCurrentIndex(2);
    main->editState().setMode(EditMode::Add);
    editor.calls.clear();
    // The record being added is given up.
    prompter.setNextAnswers({Prompter::No});
    control<QAction>("mnuExport")->trigger();
    EXPECT_EQ(opened, QStringList({"Doe, Jane"}));
    EXPECT_EQ(editor.calls, QStringList({"mode(Normal)"}));
    EXPECT_EQ(main->editState().mode(), EditMode::Normal);
    EXPECT_TRUE(main->editState().tracking());
    EXPECT_EQ(control<QComboBox>("cboProfiles")->currentText(), "Doe, Jane");

    prompter.boxes.clear();
    {
        const QSignalBlocker blocker(control<QComboBox>("cboProfiles"));
        control<QComboBox>("cboProfiles")->setCurrentIndex(-1);
    }
    control<QAction>("mnuExport")->trigger();
    EXPECT_EQ(opened.size(), 1);
    ASSERT_EQ(prompter.boxes.size(), 1);
    EXPECT_EQ(prompter.boxes[0].title, "Unable to Export");
    EXPECT_EQ(prompter.boxes[0].text, "No record was selected.  Please select a record to export.");
}

TEST_F(MenusTest, ImportWithNoProfileChosenAsksForOne)
{
    ASSERT_TRUE(startOn());
    bool opened = false;
    SecondaryWindows windows;
    windows.importData = [&](QWidget *, const QString &) { opened = true; };
    main->setSecondaryWindows(windows);
    {
        const QSignalBlocker blocker(control<QComboBox>("cboProfiles"));
        control<QComboBox>("cboProfiles")->setCurrentIndex(-1);
    }
    control<QAction>("mnuImport")->trigger();
    EXPECT_FALSE(opened);
    ASSERT_EQ(prompter.boxes.size(), 1);
    EXPECT_EQ(prompter.boxes[0].title, "Unable to Import");
    EXPECT_EQ(prompter.boxes[0].text,
        "No profile was selected.  Please select a profile before importing.");
}

// A first run, its first profile not saved yet: each command of the current
// profile, chosen as the user does, says so and opens nothing; the editor
// keeps waiting for the profile.
TEST_F(MenusTest, EveryProfileCommandWithoutAProfileSaysThereIsNoneYet)
{
    dataFolderWithoutProfile();
    ASSERT_TRUE(start());
    QStringList opened;
    SecondaryWindows windows;
    windows.exportData = [&](QWidget *, const QString &) { opened << "export"; };
    windows.importData = [&](QWidget *, const QString &) { opened << "import"; };
    windows.graph = [&] { opened << "graph"; };
    windows.printProfile = [&] { opened << "print"; };
    main->setSecondaryWindows(windows);
    main->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
    ASSERT_EQ(main->editState().mode(), EditMode::Add);
    prompter.boxes.clear();
    editor.calls.clear();

    for (const Qt::Key key : {Qt::Key_E, Qt::Key_I, Qt::Key_G})
        QTest::keyClick(main.get(), key, Qt::ControlModifier);
    // Print Profile has no shortcut: File, then its access key.
    QTest::keyClick(main.get(), Qt::Key_F, Qt::AltModifier);
    QWidget *fileMenu = QApplication::activePopupWidget();
    ASSERT_EQ(fileMenu, control<QMenu>("mnuFile"));
    QTest::keyClick(fileMenu, Qt::Key_P);

    EXPECT_EQ(boxTitles(),
        QStringList({"Unable to Export", "Unable to Import", "Unable to Graph Data",
            "Unable to Print Profile"}));
    for (const FakePrompter::Box &box : prompter.boxes)
        EXPECT_EQ(box.text, "There is no profile yet.  Please save a profile first.");
    EXPECT_TRUE(opened.isEmpty()) << opened.join(", ").toStdString();
    EXPECT_TRUE(editor.calls.isEmpty()) << editor.calls.join(", ").toStdString();
    EXPECT_EQ(main->editState().mode(), EditMode::Add);
}

TEST_F(MenusTest, EditMasterOpensTheListAndRefillsTheCombos)
{
    ASSERT_TRUE(startOn());
    QComboBox pharmacy;
    main->registerMasterList(MasterList::Pharmacies, &pharmacy);
    int openedOn = -1;
    SecondaryWindows windows;
    windows.editMaster = [&](int index) { openedOn = index; };
    main->setSecondaryWindows(windows);
    control<QAction>("mnuEditMaster(3)")->trigger();
    EXPECT_EQ(openedOn, 3);
    EXPECT_EQ(pharmacy.count(), 1);
}

TEST_F(MenusTest, PrintingReturnsTheEditorToNormalMode)
{
    ASSERT_TRUE(startOn());
    bool printed = false;
    SecondaryWindows windows;
    windows.printProfile = [&] { printed = true; };
    main->setSecondaryWindows(windows);
    editor.calls.clear();
    control<QAction>("mnuPrint")->trigger();
    EXPECT_TRUE(printed);
    EXPECT_EQ(editor.calls, QStringList({"mode(Normal)"}));
}

TEST_F(MenusTest, AFailingWindowIsReportedWithItsCommandsOperation)
{
    ASSERT_TRUE(startOn());
    const auto fail = [] { throw AppError(AppError::FileNotFound); };
    SecondaryWindows windows;
    windows.exportData = [&](QWidget *, const QString &) { fail(); };
    windows.importData = [&](QWidget *, const QString &) { fail(); };
    windows.printProfile = fail;
    windows.printMasterLists = fail;
    main->setSecondaryWindows(windows);
    const struct {
        QAction *action;
        const char *operation;
    } cases[] = {
        {control<QAction>("mnuExport"), "exporting records"},
        {control<QAction>("mnuImport"), "importing records"},
        {control<QAction>("mnuPrint"), "printing"},
        {control<QAction>("mnuPrintMaster"), "printing master lists"},
    };
    for (const auto &c : cases) {
        prompter.boxes.clear();
        c.action->trigger();
        ASSERT_EQ(prompter.boxes.size(), 1) << c.operation;
        EXPECT_EQ(prompter.boxes[0].title, "Error");
        EXPECT_TRUE(prompter.boxes[0].text.startsWith(
            QString("An error occurred while ") + c.operation + ".\r\n"))
            << prompter.boxes[0].text.toStdString();
    }
}
