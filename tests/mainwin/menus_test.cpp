#include "views_fixture.h"

#include "platform/app_error.h"
#include "store/topics.h"

#include <QTest>

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
        EXPECT_EQ(shown(main->mnuFile), fileStart + c.handheld + fileEnd) << c.type;
        main.reset();
    }
}

TEST_F(MenusTest, EditAndHelpMenus)
{
    ASSERT_TRUE(startOn());
    EXPECT_EQ(main->mnuFile->title(), "&File");
    EXPECT_EQ(main->mnuEdit->title(), "Edit");
    EXPECT_EQ(shown(main->mnuEdit),
        QStringList({"Add &New Profile Ctrl+N", "-", "Edit Master Contacts List",
            "Edit Master Insurance List", "Edit Master Location List", "Edit Master Pharmacy List",
            "Edit Master Provider List", "Edit Master Provider Type List", "-", "Preferences...",
            "Change &Password..."}));
    EXPECT_EQ(main->mnuHelp->title(), "Help");
    EXPECT_EQ(shown(main->mnuHelp),
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
    EXPECT_EQ(editor.calls, QStringList({"cmdNew_Click"}));

    main->setEditMenuEnabled(false);
    for (const QAction *action : main->mnuEdit->actions())
        EXPECT_FALSE(action->isEnabled()) << action->text().toStdString();
    editor.calls.clear();
    QTest::keyClick(main.get(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_TRUE(editor.calls.isEmpty());

    main->setEditMenuEnabled(true);
    main->mnuAddNew->trigger();
    EXPECT_EQ(editor.calls, QStringList({"cmdNew_Click"}));
}

TEST_F(MenusTest, ExportOpensItsDialogOnlyForAChosenProfile)
{
    ASSERT_TRUE(startOn());
    QStringList opened;
    main->secondaryWindows.exportData = [&](QWidget *owner, const QString &profile) {
        EXPECT_EQ(owner, main.get());
        EXPECT_FALSE(main->TrackEdits);
        opened << profile;
    };
    main->cboProfiles->setCurrentIndex(2);
    main->ModeText = "Add";
    editor.calls.clear();
    main->mnuExport->trigger();
    EXPECT_EQ(opened, QStringList({"Doe, Jane"}));
    EXPECT_EQ(editor.calls, QStringList({"ChangeMode(Clear)"}));
    EXPECT_EQ(main->ModeText, "");
    EXPECT_TRUE(main->TrackEdits);
    EXPECT_EQ(main->cboProfiles->currentText(), "Doe, Jane");

    {
        const QSignalBlocker blocker(main->cboProfiles);
        main->cboProfiles->setCurrentIndex(-1);
    }
    main->mnuExport->trigger();
    EXPECT_EQ(opened.size(), 1);
    ASSERT_EQ(prompter.boxes.size(), 1);
    EXPECT_EQ(prompter.boxes[0].title, "Unable to Export");
    EXPECT_EQ(prompter.boxes[0].text, "No record was selected.  Please select a record to export.");
}

TEST_F(MenusTest, ImportWithoutProfilesDoesNothing)
{
    ASSERT_TRUE(startOn());
    bool opened = false;
    main->secondaryWindows.importData = [&](QWidget *, const QString &) { opened = true; };
    {
        const QSignalBlocker blocker(main->cboProfiles);
        main->cboProfiles->clear();
    }
    main->mnuImport->trigger();
    EXPECT_FALSE(opened);
    EXPECT_TRUE(prompter.boxes.isEmpty());

    main->cboProfiles->addItem("Doe, Jane");
    {
        const QSignalBlocker blocker(main->cboProfiles);
        main->cboProfiles->setCurrentIndex(-1);
    }
    main->mnuImport->trigger();
    ASSERT_EQ(prompter.boxes.size(), 1);
    EXPECT_EQ(prompter.boxes[0].title, "Unable to Import");
    EXPECT_EQ(prompter.boxes[0].text,
        "No profile was selected.  Please select a profile before importing.");
}

TEST_F(MenusTest, EditMasterOpensTheListAndRefillsTheCombos)
{
    ASSERT_TRUE(startOn());
    QComboBox pharmacy;
    main->registerMasterList(MasterList::Pharmacies, &pharmacy);
    int openedOn = -1;
    main->secondaryWindows.editMaster = [&](int index) { openedOn = index; };
    main->mnuEditMaster[3]->trigger();
    EXPECT_EQ(openedOn, 3);
    EXPECT_EQ(pharmacy.count(), 1);
}

TEST_F(MenusTest, PrintingReturnsTheEditorToNormalMode)
{
    ASSERT_TRUE(startOn());
    bool printed = false;
    main->secondaryWindows.printProfile = [&] { printed = true; };
    editor.calls.clear();
    main->mnuPrint->trigger();
    EXPECT_TRUE(printed);
    EXPECT_EQ(editor.calls, QStringList({"ChangeMode(Clear)"}));
}

TEST_F(MenusTest, AFailingWindowIsReportedWithItsCommandsOperation)
{
    ASSERT_TRUE(startOn());
    const auto fail = [] { throw AppError(AppError::FileNotFound); };
    main->secondaryWindows.exportData = [&](QWidget *, const QString &) { fail(); };
    main->secondaryWindows.importData = [&](QWidget *, const QString &) { fail(); };
    main->secondaryWindows.printProfile = fail;
    main->secondaryWindows.printMasterLists = fail;
    const struct {
        QAction *action;
        const char *operation;
    } cases[] = {
        {main->mnuExport, "exporting records"},
        {main->mnuImport, "importing records"},
        {main->mnuPrint, "printing"},
        {main->mnuPrintMaster, "printing master lists"},
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
