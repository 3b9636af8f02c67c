#include "editor_fixture.h"

#include "store/criterion.h"
#include "store/record_operations.h"
#include "store/store.h"
#include "store/table_catalog.h"
#include "store/topics.h"
#include "support/typed_keys.h"
#include "widgets/text_box.h"

#include <QAction>
#include <QApplication>
#include <QTest>

#include <cstdint>
#include <ostream>
#include <vector>

using namespace vantorelle;

namespace {

// The Edit command typed on the record grid (Alt+I) when the grid's row has
// no record behind it any more: nothing to edit, and no error box.

// tests/data/editor_personal: Ann Lee is linked to the insurance company Acme
// Health and to the contact Carl Dunn.
struct GoneMasterCase {
    const char *label;
    Topic topic;
    TableId masters;
    const char *masterKey; // the master Ann's only link names
    int list; // its master list's index in the Edit menu
};

void PrintTo(const GoneMasterCase &c, std::ostream *out)
{
    *out << c.label;
}

class EditCommandTest : public EditorFixture {
protected:
    void SetUp() override
    {
        moreData = QStringLiteral("editor_personal");
        EditorFixture::SetUp();
        ASSERT_FALSE(HasFatalFailure());
        main->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
    }

    // Types `key` with `modifiers` where the keyboard focus is.
    void type(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget *focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : main.get(), key, modifiers);
    }

    QTableWidget *grid() const { return control<QTableWidget>("gridViewer"); }
};

class GoneMaster : public EditCommandTest, public ::testing::WithParamInterface<GoneMasterCase> { };

// The master-list editor deletes the company (or contact) the profile's only
// link names; back in the main window the user edits the row that showed it.
TEST_P(GoneMaster, EditOfARowWhoseMasterWasDeletedShowsNoError)
{
    const GoneMasterCase &c = GetParam();
    SecondaryWindows windows;
    windows.editMaster = [&](int) {
        MemoryTable &masters = table(c.masters);
        masters.moveFirst();
        ASSERT_TRUE(masters.find(Criterion::equal("Key", c.masterKey)));
        RecordOperations(main->store()).deleteRecord(c.masters, masters.handle());
    };
    main->setSecondaryWindows(windows);
    ASSERT_TRUE(main->selectProfile(profileKey)); // Ann Lee
    showTopic(c.topic);
    ASSERT_EQ(grid()->rowCount(), 1);
    grid()->setFocus();

    control<QAction>(QStringLiteral("mnuEditMaster(%1)").arg(c.list).toLatin1().constData())
        ->trigger();
    pressShortcut(Qt::Key_I); // Edit

    EXPECT_TRUE(prompter.boxes.isEmpty()) << boxTexts().join(u'|').toStdString();
    EXPECT_FALSE(editing());
    EXPECT_TRUE(control<QFrame>("frmViewer")->isVisible());
    // The grid lists what is left: the link to a master that is gone shows nothing.
    EXPECT_EQ(grid()->rowCount(), 0);
    EXPECT_FALSE(control<QPushButton>("cmdEdit")->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Links, GoneMaster,
    ::testing::Values(
        GoneMasterCase {"Insurance", Topic::Insurance, TableId::InsID, "20240102090000p", 1},
        GoneMasterCase {"Contacts", Topic::Contacts, TableId::ConID, "20240103100000p", 0}),
    [](const auto &info) { return std::string(info.param.label); });

} // namespace

namespace {

// The File menu stays open while a record is added or edited. Its Import and
// Export dialogs end the editing once the user gives it up; the topic's list
// then comes back in front, listing what an import added.
TEST_F(EditCommandTest, ImportTypedWhileAddingShowsTheTopicAgain)
{
    SecondaryWindows windows;
    windows.importData = [&](QWidget *, const QString &) {
        EditedRecord reading;
        reading.values = {{"Vaccination", "Tetanus"}, {"Date", "20250101"}};
        RecordOperations(main->store()).saveTopicRecord(TableId::Vacc, profileKey, reading);
    };
    main->setSecondaryWindows(windows);
    ASSERT_TRUE(main->selectProfile(profileKey)); // Ann Lee, no vaccination
    showTopic(Topic::Vaccinations);
    ASSERT_EQ(grid()->rowCount(), 0);
    control<QPushButton>("cmdAdd")->setFocus();
    type(Qt::Key_Space);
    ASSERT_TRUE(editing());

    prompter.setNextAnswers({Prompter::No});
    type(Qt::Key_I, Qt::ControlModifier);

    EXPECT_FALSE(editing());
    EXPECT_TRUE(control<QFrame>("frmViewer")->isVisible());
    EXPECT_EQ(grid()->rowCount(), 1);
    ASSERT_EQ(prompter.boxes.size(), 1) << boxTexts().join(u'|').toStdString();
    EXPECT_EQ(prompter.boxes[0].title, "Changes Not Saved");
}

} // namespace

namespace {

TEST_F(EditCommandTest, PrintChosenWhileEditingShowsTheTopicAgain)
{
    SecondaryWindows windows;
    windows.printProfile = [] {};
    main->setSecondaryWindows(windows);
    ASSERT_TRUE(main->selectProfile(profileKey)); // Ann Lee and her readings
    showTopic(Topic::BloodPressure);
    control<QPushButton>("cmdEdit")->setFocus();
    type(Qt::Key_Space);
    ASSERT_TRUE(editing());

    prompter.setNextAnswers({Prompter::No});
    control<QAction>("mnuPrint")->trigger();

    EXPECT_FALSE(editing());
    EXPECT_TRUE(control<QFrame>("frmViewer")->isVisible());
    EXPECT_TRUE(grid()->isVisible());
}

} // namespace

namespace {

// ---- Commands given while a reading is half typed

// A command of the main window, by its shortcut where it has one, else from
// its menu, and what it does once the user gives the reading up.
struct WhileTypingCase {
    const char *name;
    Qt::Key shortcut; // with Ctrl; Qt::Key_unknown: none
    const char *item; // its menu item
    bool asks; // it would end the editing: the close's question comes first
    QList<int> answers; // to the command's own questions
    QStringList shown; // the windows and boxes it shows
    bool editingAfter; // the reading is still there to be saved
};
void PrintTo(const WhileTypingCase &c, std::ostream *out)
{
    *out << c.name;
}

const WhileTypingCase whileTypingCases[] = {
    {"SaveAll", Qt::Key_S, "mnuSaveAll", true, {}, {}, false},
    {"Import", Qt::Key_I, "mnuImport", true, {}, {"Import Data"}, false},
    {"Export", Qt::Key_E, "mnuExport", true, {}, {"Export Data"}, false},
    {"Backup", Qt::Key_B, "mnuBackup", true, {Prompter::Cancel}, {"Backup Location"}, false},
    {"Restore", Qt::Key_unknown, "mnuRestore", true, {Prompter::No}, {"Restore Previous Backup"},
        true},
    {"Transfer", Qt::Key_unknown, "mnuTransfer", true, {Prompter::Cancel},
        {"Transfer Data to Handheld"}, true},
    {"Retrieve", Qt::Key_unknown, "mnuRetrieve", true, {Prompter::Cancel},
        {"Retrieve Data from Handheld"}, true},
    {"PrintProfile", Qt::Key_unknown, "mnuPrint", true, {}, {"Print Report"}, false},
    {"PrintMasterLists", Qt::Key_unknown, "mnuPrintMaster", true, {}, {"Print Master Lists"},
        false},
    // The reinstall may move the data folder and close the program; here it
    // finds nothing to do.
    {"ReinstallHandheldSoftware", Qt::Key_unknown, "mnuReinstallHH", true, {}, {}, true},
    // The graph leaves the reading as it is: nothing to ask.
    {"Graph", Qt::Key_G, "mnuGraph", false, {}, {"Graph"}, true},
};

class WhileTyping : public EditCommandTest, public ::testing::WithParamInterface<WhileTypingCase> {
protected:
    void SetUp() override
    {
        EditCommandTest::SetUp();
        ASSERT_FALSE(HasFatalFailure());
        SecondaryWindows windows;
        windows.importData = [this](QWidget *, const QString &) { opened << "Import Data"; };
        windows.exportData = [this](QWidget *, const QString &) { opened << "Export Data"; };
        windows.printProfile = [this] { opened << "Print Report"; };
        windows.printMasterLists = [this] { opened << "Print Master Lists"; };
        windows.graph = [this] { opened << "Graph"; };
        main->setSecondaryWindows(windows);
    }

    void give(const WhileTypingCase &c)
    {
        if (c.shortcut != Qt::Key_unknown)
            type(c.shortcut, Qt::ControlModifier);
        else
            control<QAction>(c.item)->trigger();
    }

    // What the command showed: its windows, then the boxes past the first `asked`.
    QStringList shown(qsizetype asked) const
    {
        QStringList all = opened;
        for (qsizetype i = asked; i < prompter.boxes.size(); ++i)
            all << prompter.boxes[i].title;
        return all;
    }

    QString typed(const char *box) const { return control<TextBox>(box)->text(); }

    // The table files as they stand, and the changes each table holds.
    struct Written {
        QList<QByteArray> files;
        std::vector<std::uint64_t> changes;
        bool unsaved = false;
    };
    Written written()
    {
        Written now;
        for (std::size_t i = 0; i < tableCount; ++i) {
            const auto id = static_cast<TableId>(i);
            now.files << readFile(folder + QString::fromStdString(tableFileName(id)));
            now.changes.push_back(table(id).changeCount());
        }
        now.unsaved = main->store().hasUnsavedChanges();
        return now;
    }

    QStringList opened;
};

} // namespace

TEST_P(WhileTyping, ACommandThatWouldEndTheEditingAsksFirstAndYesKeepsTheReading)
{
    const WhileTypingCase &c = GetParam();
    showTopic(Topic::BloodPressure);
    grid()->setFocus();
    pressShortcut(Qt::Key_A); // Add
    typeKeys(QApplication::focusWidget(), QStringLiteral("120"));
    type(Qt::Key_Return);
    typeKeys(QApplication::focusWidget(), QStringLiteral("80"));
    QWidget *typing = QApplication::focusWidget();
    ASSERT_EQ(typing, control<TextBox>("txtBP(2)")->editor());
    const EditMode mode = main->editState().mode();
    ASSERT_NE(mode, EditMode::Normal);

    // Enter takes the question's default: Yes.
    const Written before = written();
    give(c);
    const qsizetype asked = c.asks ? 1 : 0;
    ASSERT_EQ(prompter.boxes.size(), asked) << boxTexts().join(u'|').toStdString();
    if (c.asks) {
        const FakePrompter::Box &question = prompter.boxes[0];
        EXPECT_EQ(question.title, "Changes Not Saved");
        EXPECT_EQ(question.text,
            "You have made changes that have not been saved.\r\n\r\n"
            "Do you want to go back and save changes?");
        EXPECT_EQ(question.buttons, Prompter::YesNo);
        EXPECT_EQ(question.defaultButton, Prompter::FirstButton);
        EXPECT_TRUE(opened.isEmpty());
        EXPECT_TRUE(editing());
        EXPECT_EQ(main->editState().mode(), mode);
        EXPECT_EQ(typed("txtBP(1)"), "120");
        EXPECT_EQ(typed("txtBP(2)"), "80");
        EXPECT_EQ(QApplication::focusWidget(), typing);
        const Written after = written();
        EXPECT_TRUE(after.files == before.files) << "no file was written";
        EXPECT_EQ(after.changes, before.changes);
        EXPECT_EQ(after.unsaved, before.unsaved);

        // No: the command goes on.
        prompter.boxes.clear();
        prompter.setNextAnswers(QList<int> {Prompter::No} + c.answers);
        give(c);
        ASSERT_FALSE(prompter.boxes.isEmpty());
        EXPECT_EQ(prompter.boxes[0].title, "Changes Not Saved");
    }
    EXPECT_EQ(shown(asked), c.shown);
    EXPECT_EQ(editing(), c.editingAfter);
    if (c.editingAfter) {
        EXPECT_EQ(typed("txtBP(1)"), "120");
        EXPECT_EQ(typed("txtBP(2)"), "80");
    }
}

INSTANTIATE_TEST_SUITE_P(Commands, WhileTyping, ::testing::ValuesIn(whileTypingCases),
    [](const auto &info) { return std::string(info.param.name); });
